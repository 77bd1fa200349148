// The icons installed for the desktop menus: one per theme size for the game and the
// editor, square, with transparent corners round an opaque badge.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/scenarios/screenshot.h"

namespace zelkor::assetgen::testing {
namespace {

TEST(DesktopIcons, EachThemeSizeHasATransparentCornerAndAnOpaqueBadge) {
    const std::filesystem::path root = std::filesystem::path(ZELKOR_ASSET_DIR) / "desktop/icons";
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        std::vector<std::vector<std::uint32_t>> both;
        for (const char* name : {"zelkor.png", "zelkor-editor.png"}) {
            const scenario::Screenshot icon(root / folder / name);
            ASSERT_EQ(icon.width(), size) << folder << "/" << name;
            ASSERT_EQ(icon.height(), size) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(0, 0), 0) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(size - 1, 0), 0) << folder << "/" << name;
            EXPECT_EQ(icon.Alpha(size / 2, size / 2), 255) << folder << "/" << name;
            both.push_back(icon.Pixels({0, 0, size, size}));
        }
        EXPECT_NE(both[0], both[1]) << folder << ": the editor's icon is its own";
    }
}

}  // namespace
}  // namespace zelkor::assetgen::testing
