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

// The game folder as the game sees it after unpacking: "gfx.zkr" and "snd.zkr" into the
// folder itself, the level archives and the model packs into gfx/. Unpacked once per
// test program into a folder of its own.
inline const std::filesystem::path& UnpackedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        const std::filesystem::path dist = ZELKOR_DIST_DIR;
        const std::filesystem::path& root = folder.path();
        bool ok = support::UnpackArchive(dist / "gfx.zkr", root) &&
                  support::UnpackArchive(dist / "snd.zkr", root);
        for (const char* archive : {"bricks.zkr", "bkg.zkr"})
            ok = support::UnpackArchive(dist / archive, root / "gfx") && ok;
        for (const std::string& name : ModelNames())
            ok = support::UnpackArchive(dist / "models" / (name + ".zmp"), root / "gfx", "") && ok;
        return ok;
    }();
    EXPECT_TRUE(unpacked) << "the staged archives";
    return folder.path();
}

inline std::filesystem::path GameFile(const std::string& path) {
    if (path.rfind("music/", 0) == 0) return std::filesystem::path(ZELKOR_DIST_DIR) / path;
    return UnpackedGameFolder() / path;
}

inline std::optional<Image> LoadPicture(const std::string& path) {
    const auto bytes = ReadBytes(GameFile(path));
    if (bytes.empty()) return std::nullopt;
    return DecodeBmp(bytes);
}

}  // namespace zelkor::assetgen::testing
