#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"
#include "tests/support/archives.h"
#include "tools/assetgen/bmp.h"

namespace zelkor::assetgen::testing {

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The staged game folder's model packs, sorted by file name, without ".zmp".
inline std::vector<std::string> ModelNames() {
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(ZELKOR_DIST_DIR) / "models")) {
        if (entry.path().extension() == ".zmp") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A file of the game folder as the game sees it once every archive is unpacked (the
// level archives and the model packs into gfx/); the music is never packed.
inline std::filesystem::path GameFile(const std::string& path) {
    if (path.rfind("music/", 0) == 0) return std::filesystem::path(ZELKOR_DIST_DIR) / path;
    return support::UnpackedGameFolder() / path;
}

inline std::optional<Image> LoadPicture(const std::string& path) {
    const auto bytes = ReadBytes(GameFile(path));
    if (bytes.empty()) return std::nullopt;
    return DecodeBmp(bytes);
}

}  // namespace zelkor::assetgen::testing
