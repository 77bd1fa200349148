#pragma once

#include <filesystem>

namespace zelkor {

// The player's pictures folder as the desktop names it (`xdg-user-dir PICTURES`);
// the home folder where there is none. Empty when neither exists.
std::filesystem::path UserPicturesFolder();

}  // namespace zelkor
