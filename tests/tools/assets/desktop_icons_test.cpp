// The icons installed for the desktop menus: one per theme size for the game and the
// editor, square, with transparent corners round an opaque badge.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/assets/game_folder.h"

namespace zelkor::assetgen::testing {
namespace {

struct Rgba {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;  // 4 bytes a pixel
    std::uint8_t Alpha(int x, int y) const {
        return pixels[(static_cast<std::size_t>(y) * width + x) * 4 + 3];
    }
};

std::uint32_t Big32(const std::string& b, std::size_t at) {
    return (std::uint32_t{static_cast<std::uint8_t>(b[at])} << 24) |
           (std::uint32_t{static_cast<std::uint8_t>(b[at + 1])} << 16) |
           (std::uint32_t{static_cast<std::uint8_t>(b[at + 2])} << 8) |
           std::uint32_t{static_cast<std::uint8_t>(b[at + 3])};
}

// Reads the unfiltered 8-bit RGBA PNGs the generator writes; fails the test otherwise.
Rgba ReadRgbaPng(const std::filesystem::path& file) {
    const std::vector<unsigned char> bytes = ReadBytes(file);
    const std::string b(bytes.begin(), bytes.end());
    Rgba image;
    if (b.size() < 33 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        ADD_FAILURE() << file << " is no PNG";
        return image;
    }
    image.width = static_cast<int>(Big32(b, 16));
    image.height = static_cast<int>(Big32(b, 20));
    EXPECT_EQ(b[24], 8) << file << ": 8 bits a channel";
    EXPECT_EQ(b[25], 6) << file << ": red, green, blue and alpha";
    std::string packed;
    for (std::size_t at = 8; at + 8 <= b.size();) {
        const std::uint32_t length = Big32(b, at);
        if (b.compare(at + 4, 4, "IDAT") == 0) packed += b.substr(at + 8, length);
        at += 12 + length;
    }
    const std::size_t row = static_cast<std::size_t>(image.width) * 4 + 1;
    std::vector<std::uint8_t> raw(row * image.height);
    uLongf size = raw.size();
    if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   packed.size()) != Z_OK ||
        size != raw.size()) {
        ADD_FAILURE() << file << ": the pixels do not unpack";
        return image;
    }
    for (int y = 0; y < image.height; ++y)
        image.pixels.insert(image.pixels.end(), raw.begin() + y * row + 1,
                            raw.begin() + (y + 1) * row);
    return image;
}

TEST(DesktopIcons, EachThemeSizeHasATransparentCornerAndAnOpaqueBadge) {
    const std::filesystem::path root = std::filesystem::path(ZELKOR_ASSET_DIR) / "desktop/icons";
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        std::vector<std::vector<std::uint8_t>> both;
        for (const char* name : {"zelkor.png", "zelkor-editor.png"}) {
            const Rgba icon = ReadRgbaPng(root / folder / name);
            ASSERT_EQ(icon.width, size) << folder << "/" << name;
            ASSERT_EQ(icon.height, size) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(0, 0), 0) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(size - 1, 0), 0) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(size / 2, size / 2), 255) << folder << "/" << name;
            both.push_back(icon.pixels);
        }
        EXPECT_NE(both[0], both[1]) << folder << ": the editor's icon is its own";
    }
}

}  // namespace
}  // namespace zelkor::assetgen::testing
