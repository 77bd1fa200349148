#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/assetgen/bmp.h"

namespace zelkor::assetgen::testing {

// The game folder as the game sees it after unpacking its archives: "gfx.zkr" and
// "snd.zkr" into the folder itself, the level archives and the model packs into gfx/.
// The generator's output tree holds each archive's entries below the archive's own name.
inline std::filesystem::path GameFile(const std::string& path) {
    const std::filesystem::path assets = ZELKOR_ASSET_DIR;
    if (path.rfind("music/", 0) == 0) return std::filesystem::path(ZELKOR_DIST_DIR) / path;
    if (path.rfind("gfx/", 0) == 0) {
        const std::string inside = path.substr(4);
        for (const char* archive : {"bricks/", "bkg/"}) {
            if (inside.rfind(archive, 0) == 0) return assets / inside;
        }
        const auto slash = inside.find('/');
        if (slash != std::string::npos &&
            std::filesystem::exists(assets / "models" / inside.substr(0, slash))) {
            return assets / "models" / inside;
        }
    }
    return assets / path;
}

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::optional<Image> LoadPicture(const std::string& path) {
    const auto bytes = ReadBytes(GameFile(path));
    if (bytes.empty()) return std::nullopt;
    return DecodeBmp(bytes);
}

}  // namespace zelkor::assetgen::testing
