#pragma once

#include <filesystem>
#include <string_view>

namespace zelkor::zkpack {

// Packs everything below `folder` into the ZIP archive `out`: entry names relative
// to the folder with '/' separators, folders included (as "name/"), sorted by name
// so the order never depends on the file system, fixed time stamps. A non-empty
// password encrypts every file with AES-256. Anything that is neither a file nor a
// folder (a link, a device) is an error: a packer must not drop files silently.
// Throws std::runtime_error on failure; `out` may then be incomplete.
void PackFolder(const std::filesystem::path& folder, const std::filesystem::path& out,
                std::string_view password = {});

}  // namespace zelkor::zkpack
