// Every picture the game loads by path, checked at the size and colour key the game
// loads it with.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/model_sprites.h"
#include "tests/tools/assets/game_folder.h"
#include "tools/assetgen/font_grid.h"

namespace zelkor::assetgen::testing {
namespace {

struct Expected {
    std::string path;
    int width, height, key;
};

std::string Describe(const Expected& e) {
    return e.path + " (key mode " + std::to_string(e.key) + ")";
}

bool NearBlack(Pixel p) {
    return p.r <= 10 && p.g <= 10 && p.b <= 10;
}

// Checks size and colour key, and that something shows.
void CheckImage(const Expected& e, const std::optional<Image>& image) {
    if (!image) {
        ADD_FAILURE() << "missing or unreadable: " << e.path;
        return;
    }
    EXPECT_EQ(image->width, e.width) << e.path;
    EXPECT_EQ(image->height, e.height) << e.path;
    int visible = 0;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const Pixel p = image->at(x, y);
            if (e.key == 1 || e.key == 2) {
                const int k = e.key == 1 ? 131 : 128;
                if (p == Pixel{static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k),
                               static_cast<std::uint8_t>(k)})
                    continue;
                ++visible;
            } else {
                if (p == Pixel{0, 0, 0}) continue;
                ++visible;
                // A visible pixel in the near-black range would show as a hole.
                EXPECT_FALSE(NearBlack(p)) << Describe(e) << " pixel " << x << "," << y;
            }
        }
    }
    EXPECT_GT(visible, 0) << e.path << " shows nothing";
}

void CheckPicture(const Expected& e) {
    CheckImage(e, LoadPicture(e.path));
}

TEST(GamePictures, FixedPicturesHaveTheirSizeAndKey) {
    const std::vector<Expected> fixed = {
        {"gfx/brik_v.bmp", 20, 20, 0},        {"gfx/brik_h.bmp", 20, 20, 0},
        {"gfx/brik_h_t.bmp", 20, 20, 0},      {"gfx/brik_h_b.bmp", 20, 20, 0},
        {"gfx/brik_v_l.bmp", 20, 20, 0},      {"gfx/brik_v_r.bmp", 20, 20, 0},
        {"gfx/brik.bmp", 20, 20, 0},          {"gfx/pause.bmp", 174, 44, 0},
        {"gfx/hitwall.bmp", 203, 24, 0},      {"gfx/gover.bmp", 174, 44, 0},
        {"gfx/statistics.bmp", 315, 201, 0},  {"gfx/menu/bkg.bmp", 640, 480, 0},
        {"gfx/menu/bkg_o.bmp", 640, 480, 0},  {"gfx/menu/bkg_hs.bmp", 640, 480, 0},
        {"gfx/menu/bkg_lv.bmp", 640, 480, 0}, {"gfx/LED_Yellow.bmp", 6, 5, 0},
        {"gfx/LED_Red.bmp", 6, 5, 0},         {"gfx/LED_Blue.bmp", 6, 5, 0},
        {"gfx/LED_Green.bmp", 6, 5, 0},       {"gfx/dm.bmp", 54, 21, 3},
        {"gfx/dm_red.bmp", 250, 70, 3},       {"gfx/dm_blue.bmp", 250, 70, 3},
    };
    for (const Expected& e : fixed)
        CheckPicture(e);
    // Every background a level may name: the five in the picture archive and the two in
    // the level archive "bkg.zkr".
    for (const char* bkg :
         {"bkg_standart.bmp", "bkg_circuit.bmp", "bkg_steel.bmp", "bkg_jungle.bmp", "bkg_fire.bmp",
          "bkg/bkg_tech.bmp", "bkg/bkg_bricks.bmp"}) {
        CheckPicture({std::string("gfx/") + bkg, 640, 480, 0});
    }
    for (const char* button : {"Exit", "HiScore", "Levels", "NewGame", "Options"}) {
        for (const char* state : {"_h", "_n"}) {
            CheckPicture({std::string("gfx/menu/") + button + state + ".bmp", 250, 30, 0});
        }
    }
}

TEST(GamePictures, ItemPicturesCoverEveryFrame) {
    const struct {
        const char* folder;
        int width, height, key;
    } animated[] = {{"Yellow_animated", 16, 24, 1}, {"red_animated", 16, 24, 1},
                    {"blue_animated", 16, 24, 1},   {"black_animated", 16, 24, 1},
                    {"tnt_animated", 16, 24, 2},    {"atomic_animated", 22, 21, 1}};
    for (const auto& a : animated) {
        for (int f = 1; f <= 45; ++f) {
            CheckPicture({std::string("gfx/") + a.folder + "/" + std::to_string(f) + ".bmp",
                          a.width, a.height, a.key});
        }
    }
    // The counter bar asks for some of them with other letter cases; the game resolves
    // paths case-insensitively, so only one spelling needs to exist.
    for (const char* flat :
         {"banana.bmp", "red_banana.bmp", "blue_banana.bmp", "black_banana.bmp", "TNT.bmp"}) {
        CheckPicture({std::string("gfx/") + flat, 16, 16, 0});
    }
}

TEST(GamePictures, UserItemGraphicsExist) {
    for (const char* still : {"brick2_v.bmp", "brick2_h.bmp", "brick3_v_l.bmp", "brick3_v_r.bmp",
                              "brick3_h_t.bmp", "brick3_h_b.bmp"}) {
        CheckPicture({std::string("gfx/bricks/") + still, 20, 20, 0});
    }
    for (const char* folder :
         {"brick1_animated", "brick1_animated_h", "wall2_animated", "wall2_animated_h",
          "wall3_animated", "wall3_animated_h", "brick4_animated", "brick4_animated_h",
          "wall4_animated", "wall4_animated_h"}) {
        for (int f = 1; f <= 45; ++f) {
            CheckPicture({std::string("gfx/bricks/") + folder + "/" + std::to_string(f) + ".bmp",
                          20, 20, 1});
        }
    }
}

TEST(GamePictures, FontsKeepEveryGlyphInsideItsCell) {
    for (const FontGrid& grid : kFontGrids) {
        const std::string path = "gfx/fonts/" + std::string(grid.file);
        CheckPicture({path, grid.pictureWidth, grid.pictureHeight, 3});
        const auto image = LoadPicture(path);
        ASSERT_TRUE(image) << path;
        std::vector<bool> claimed(image->pixels.size(), false);
        auto inkIn = [&](const CellRect& r, bool claim) {
            int ink = 0;
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    if (image->at(x, y) == Pixel{0, 0, 0}) continue;
                    ++ink;
                    if (claim) claimed[static_cast<std::size_t>(y) * image->width + x] = true;
                }
            }
            return ink;
        };
        std::string glyphs = std::string(kRowTwoSigns) + std::string(kRowThreeSigns);
        for (const auto& [first, last] : {std::pair{'A', 'Z'}, {'a', 'z'}, {'0', '9'}})
            for (char c = first; c <= last; ++c)
                glyphs += c;
        for (char c : glyphs)
            EXPECT_GT(inkIn(CellRectOf(grid, *CellOf(c)), true), 0) << path << " " << c;
        // The blank cell (space and every other character) shows nothing.
        EXPECT_FALSE(CellOf(' ').has_value());
        EXPECT_EQ(inkIn(CellRectOf(grid, {10, 2}), false), 0) << path;
        // No ink outside the copied part of a glyph's cell: nothing spills into a neighbour.
        for (std::size_t i = 0; i < image->pixels.size(); ++i) {
            if (image->pixels[i] == Pixel{0, 0, 0}) continue;
            EXPECT_TRUE(claimed[i])
                << path << " stray ink at " << i % image->width << "," << i / image->width;
        }
    }
}

// The pictures the programs carry inside themselves: the editor's tools, the icon and
// the start-up window, which shows before any archive is unpacked.
TEST(GamePictures, ProgramsEmbedTheirOwnPictures) {
    const auto check = [](const std::string& path, int width, int height) {
        const auto bytes = ReadBytes(std::filesystem::path(ZELKOR_ASSET_DIR) / "embed" / path);
        CheckImage({"embed/" + path, width, height, 0},
                   bytes.empty() ? std::nullopt : DecodeBmp(bytes));
    };
    for (const char* tool :
         {"single_brick", "vertical_wall", "vertical_wall_start", "vertical_wall_end",
          "horizontal_wall", "horizontal_wall_start", "horizontal_wall_end", "start_point",
          "nothing", "fix_point", "blank_tile"}) {
        check(std::string("editor/") + tool + ".bmp", 20, 20);
    }
    check("icon_32.bmp", 32, 32);
    EXPECT_FALSE(ReadBytes(std::filesystem::path(ZELKOR_ASSET_DIR) / "embed" / "icon.png").empty());
    check("startup/logo.bmp", 300, 90);
    for (const char* banner : {"deathmatch_red.bmp", "deathmatch_blue.bmp", "hunting.bmp"})
        check(std::string("startup/") + banner, 250, 70);
}

TEST(GamePictures, ModelPacksHoldAllSpriteSlots) {
    const std::vector<std::string> names = ModelNames();
    ASSERT_GE(names.size(), 6u);
    EXPECT_EQ(names[1], "Standart") << "the default player model (1) is the standard snake";
    for (const std::string& name : names) {
        for (const std::string slot : support::kModelSprites)
            CheckPicture({"gfx/" + name + "/" + slot + ".bmp", 20, 20, 0});
        const auto bytes = ReadBytes(GameFile("gfx/" + name + "/model.ini"));
        const std::string ini(bytes.begin(), bytes.end());
        for (const char* key : {"NAME=", "AUTHOR=", "EDGES=1", "EDGES_INVERS=", "TAIL_EDGES=1"}) {
            EXPECT_NE(ini.find(key), std::string::npos) << name << " model.ini lacks " << key;
        }
    }
}

}  // namespace
}  // namespace zelkor::assetgen::testing
