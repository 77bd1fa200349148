#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelkor {

// Level files and the game's own texts write paths with backslashes and were made
// for a file system that ignores letter case. These helpers turn such a path into
// a '/' path below a folder and find the file whatever the case of its letters.

// "\gfx\menu\bkg.bmp" -> "gfx/menu/bkg.bmp": backslashes become '/', leading
// separators and empty components are dropped.
std::string ToRelativePath(std::string_view gamePath);

// base / relative, where every component that does not exist as written is looked
// up case-insensitively in its folder. Components that match nothing are kept as
// written, so the result is where a new file of that name would go.
std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative);

// True when ResolvePath finds a file or folder.
bool PathExists(const std::filesystem::path& base, std::string_view relative);

// True when the two texts differ at most in the case of their ASCII letters.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The absolute form of `path`, or `path` itself when the system cannot tell (no
// current folder); never an exception.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// True when `path`, after resolving "." and ".." and links, lies inside `folder`.
bool IsInside(const std::filesystem::path& folder, const std::filesystem::path& path);

}  // namespace zelkor
