#pragma once

#include <ctime>
#include <filesystem>
#include <string>

namespace zelkor {

// The file F12 writes: "Zelkor " + date and time + ".png" in `folder`; when that
// name is taken (two shots in one second, or a file of the player's), " (2)",
// " (3)" and so on is added, so an older shot is never overwritten. Empty when
// every name up to " (999)" is taken.
std::filesystem::path ScreenshotFile(const std::filesystem::path& folder, const std::tm& localTime);

// A path as a message line shows it: the home folder written as "~".
std::string ShownPath(const std::filesystem::path& path, const std::filesystem::path& home);

}  // namespace zelkor
