#include "game/present/pictures.h"

#include <gtest/gtest.h>

#include "game/present/bitmap_font.h"
#include "game/present/model_packs.h"
#include "game/rules/game.h"
#include "tests/present/fake_pictures.h"
#include "tests/support/model_sprites.h"

namespace zelkor {
namespace {

using testing::FakeBitmap;

class PictureTest : public ::testing::Test {
protected:
    PictureTest() : store(gameFiles, files, host) {}

    void Picture(const std::string& relative, int w, int h, std::uint8_t shade = 100) {
        WriteBytes(folder.path() / relative, FakeBitmap(w, h, shade));
    }
    std::string GamePath(const std::string& backslashed) const {
        return folder.path().string() + backslashed;
    }

    TempFolder folder;
    GameFiles gameFiles{folder.path()};
    testing::FakePictureFiles files;
    testing::RecordingPictureHost host;
    ManualClock clock{0};
    Game game{clock};
    PictureStore store;
    Surface screen{640, 480};
};

TEST_F(PictureTest, APictureDrawnByNameLoadsOnceAndAFullBufferStartsAgainAtEntryOne) {
    Picture("gfx/Yellow_animated/1.bmp", 16, 24, 200);
    store.DD_DrawPic(game, screen, "Yellow_animated\\1.bmp", {0, 0, 16, 24}, 30, 40, 1, true);
    EXPECT_EQ(store.DD_FindPic(GamePath("\\gfx\\Yellow_animated\\1.bmp")), 1);
    EXPECT_EQ(RedOf(screen.Pixel(30, 40)), 200);
    store.DD_DrawPic(game, screen, "Yellow_animated\\1.bmp", {0, 0, 16, 24}, 30, 40, 1, true);
    EXPECT_EQ(files.decoded, 1) << "found again without loading";

    for (int i = 2; i <= 1023; ++i) {
        const std::string name = "p" + std::to_string(i) + ".bmp";
        Picture("gfx/" + name, 2, 2);
        EXPECT_EQ(store.PicEntry(game, name, 0), i);
    }
    Picture("gfx/last.bmp", 2, 2);
    EXPECT_EQ(store.PicEntry(game, "last.bmp", 0), 1) << "the 1024th picture empties the buffer";
    EXPECT_EQ(store.DD_FindPic(GamePath("\\gfx\\Yellow_animated\\1.bmp")), 0);
    EXPECT_EQ(store.DD_FindPic(GamePath("\\gfx\\p7.bmp")), 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PictureTest, AMissingItemPictureIsHandedOnOnce) {
    store.PicEntry(game, "Yellow_animated\\1.bmp", 1);
    EXPECT_EQ(store.TakeMissingPicture(), GamePath("\\gfx\\Yellow_animated\\1.bmp"));
    EXPECT_TRUE(host.boxes.empty()) << "the game says so after the frame";
    // The picture a level needs is found whatever the case of its letters.
    Picture("gfx/TNT.bmp", 16, 16);
    store.PicEntry(game, "tnt.bmp", 0);
    EXPECT_EQ(store.TakeMissingPicture(), std::nullopt);
}

TEST_F(PictureTest, AMissingOrDamagedFixedPictureAsksWhetherToGoOn) {
    Picture("gfx/brik_v.bmp", 20, 20, 70);
    Picture("gfx/brik_h.bmp", 19, 20);  // the wrong size counts as damaged
    WriteBytes(folder.path() / "gfx/pause.bmp", "not a picture");
    store.DD_CreateGraphicsFromFile(game);
    EXPECT_EQ(host.unpacked, (std::vector<std::string>{"gfx.zkr"}));
    ASSERT_GE(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[0],
              "module 'DD_CreateSurfFromFile': >file/IO error<|Could not open '" +
                  GamePath("\\gfx\\brik_h.bmp") +
                  "' Zelkor will not work properly!\r\n(481: Invalid picture)\r\n\r\n"
                  "Try to reinstall Zelkor.\r\nTo continue anyways choose yes...");
    EXPECT_NE(host.boxes[1].find("53: File not found"), std::string::npos) << "brik_h_t";
    EXPECT_EQ(RedOf(store.fixed(Fixed::BrikV).Pixel(0, 0)), 70) << "yes goes on loading";
    EXPECT_TRUE(store.fixed(Fixed::BrikH).empty());

    // Once the game runs there is no box: a missing picture is only missing, one of
    // the wrong size is named with both sizes, on the message line the first time.
    host.boxes.clear();
    game.flags.displayReady = true;
    game.level.BkgPic = "\\gfx\\nowhere.bmp";
    store.LoadBackground(game);
    Picture("gfx/small.bmp", 320, 240);
    game.level.BkgPic = "\\gfx\\small.bmp";
    store.LoadBackground(game);
    store.LoadBackground(game);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.wrongSizes,
              (std::vector<std::string>{
                  "Picture \\gfx\\small.bmp is 320 x 240, the game needs 640 x 480",
                  "Picture \\gfx\\small.bmp is 320 x 240, the game needs 640 x 480 (again)"}));
}

TEST_F(PictureTest, BitmapTextKeepsItsGridSpacingAndWidth) {
    EXPECT_EQ(BmpTextWidth("", 1), 7);
    EXPECT_EQ(BmpTextWidth("", 3), 5);
    EXPECT_EQ(BmpTextWidth("FPS: 63", 4), 64);
    EXPECT_EQ(BmpTextWidth("7", 5), 18) << "a frag count lands at 635 - 18 = 617";
    EXPECT_EQ(BmpTextWidth("abc", 2), 36) << "4 * 9.05 = 36.2";
    EXPECT_EQ(BmpTextWidth("abc", 0), 0);
    EXPECT_EQ(BmpTextWidth("abc", 7), 0);
    for (const unsigned char c : std::initializer_list<unsigned char>{' ', '"', 0xE4}) {
        EXPECT_EQ(CellOf(c).column, 10) << c;
        EXPECT_EQ(CellOf(c).row, 2);
    }
    EXPECT_EQ(CellOf('?').column, 23);
    EXPECT_EQ(CellOf('\\').column, 20);
    EXPECT_EQ(CellOf('z').column, 25);
    EXPECT_EQ(CellOf(',').column, 1);
    EXPECT_EQ(CellOf('~').row, 3);

    // In font 3 the first letter starts 6 pixels left of x and the next 11 to its
    // right; each glyph is one pixel narrower than its cell.
    Picture("gfx/fonts/fnt_bl_16.bmp", 439, 133, 200);
    store.DD_CreateGraphicsFromFile(game);
    EXPECT_EQ(DrawBmpText(store, screen, "AB", 100, 50, 3), 17 * 3 - 6 * 4);
    EXPECT_EQ(screen.Pixel(93, 50), kOpaqueBlack);
    EXPECT_EQ(RedOf(screen.Pixel(94, 50)), 200);
    EXPECT_EQ(RedOf(screen.Pixel(120, 72)), 200);
    EXPECT_EQ(screen.Pixel(121, 50), kOpaqueBlack);
    EXPECT_EQ(screen.Pixel(94, 73), kOpaqueBlack) << "23 rows high";
    Surface untouched(640, 480);
    EXPECT_EQ(DrawBmpText(store, untouched, "AB", 100, 50, 3, true), 27);
    EXPECT_EQ(DrawBmpText(store, untouched, "AB", 100, 50, 9), 0);
    EXPECT_EQ(untouched.Pixel(100, 50), kOpaqueBlack);
}

TEST(ModelIni, KeysCountByTheirBeginningAndTheLastOneWins) {
    ModelPack pack;
    ReadModelIni(
        "NAME=Green Mamba \r\nAUTHOR=Jo\r\nEDGES=1\r\nEDGES_INVERS=1\r\nTAIL_EDGES=1\r\n"
        "name=lower case counts for nothing\r\nAUTHOR=Ann Lee\nEDGES=0\n",
        pack);
    EXPECT_EQ(pack.name, "Green Mamba ");
    EXPECT_EQ(pack.author, "Ann Lee");
    EXPECT_FALSE(pack.edges);
    EXPECT_TRUE(pack.edgesInvers);
    EXPECT_TRUE(pack.tailEdges);

    ModelPack odd;
    ReadModelIni("EDGES=yes\r\nTAIL_EDGES=\r\nNAME", odd);
    EXPECT_FALSE(odd.edges);
    EXPECT_FALSE(odd.tailEdges);
    EXPECT_EQ(odd.name, "");

    // Bytes that are no text: a megabyte line, zero bytes, a name far too long.
    std::string junk(1 << 20, 'x');
    junk += std::string("\0\xff\r\nNAME=", 8) + std::string(500, 'N') + "\nAUTHOR=";
    ModelPack damaged;
    ReadModelIni(junk, damaged);
    EXPECT_EQ(damaged.name, std::string(40, 'N'));
    EXPECT_EQ(damaged.author, "");
}

class ModelPackTest : public PictureTest {
protected:
    // A pack file and the folder its unpacking leaves, with every sprite.
    void Pack(const std::string& name, const std::string& ini = {}, bool withFolder = true) {
        WriteBytes(folder.path() / "models" / (name + ".zmp"), "pack");
        if (!withFolder) return;
        for (const char* file : support::kModelSprites)
            Picture("gfx/" + name + "/" + file + ".bmp", 20, 20);
        if (!ini.empty()) WriteBytes(folder.path() / "gfx" / name / "model.ini", ini);
    }
};

TEST_F(ModelPackTest, PacksAreNumberedByNameWithTheirFlagsAndOnlyTheirSpritesLoad) {
    Pack("Red", "NAME=Fire Snake\r\nAUTHOR=Jo\r\nEDGES=0\r\n");
    Pack("Blue");
    Pack("Violet", "EDGES=1\r\nEDGES_INVERS=1\r\nTAIL_EDGES=1\r\n");
    Pack("Standart", "EDGES=0\r\n");
    Pack("Broken", "", false);
    WriteBytes(folder.path() / "models" / "notes.txt", "x");
    const ModelList m = ZkGetModelPacks(game, store, host);

    ASSERT_EQ(m.highest, 4);
    EXPECT_EQ(m.packs[0].folder, "Blue");
    EXPECT_EQ(m.packs[0].name + "/" + m.packs[0].author, "Blue/Unknown");
    EXPECT_TRUE(m.packs[0].edges && m.packs[0].tailEdges && !m.packs[0].edgesInvers);
    // The damaged pack keeps its number and is drawn as the standard model.
    EXPECT_EQ(m.packs[1].file, "Broken.zmp");
    EXPECT_FALSE(m.packs[1].edges);
    EXPECT_EQ(m.packs[2].name + "/" + m.packs[2].author, "Fire Snake/Jo");
    EXPECT_EQ(m.packs[4].file, "Violet.zmp");
    EXPECT_EQ(m.Find(5), nullptr);
    EXPECT_EQ(
        host.console,
        (std::vector<std::string>{"ZkGetModelPacks: Skipping damaged model pack Broken.zmp"}));

    const auto loaded = [&](int model) {
        int n = 0;
        for (int slot = 0; slot < kModelSlots; ++slot)
            n += store.sprite(model, slot).empty() ? 0 : 1;
        return n;
    };
    EXPECT_EQ(loaded(2), 13) << "without EDGES: heads, straight pieces, tails, start";
    EXPECT_EQ(loaded(0), 25) << "EDGES and TAIL_EDGES, no left-hand corners";
    EXPECT_EQ(loaded(4), 29);
    EXPECT_EQ(loaded(1), 13);
    EXPECT_EQ(host.counted, 13 + 25 + 29 + 13);
}

TEST_F(ModelPackTest, AMissingSpriteIsOnlyLoggedAndFurtherPacksPastAHundredAreSkipped) {
    Pack("Aa");
    std::filesystem::remove(folder.path() / "gfx/Aa/head_left.bmp");
    ZkGetModelPacks(game, store, host);
    EXPECT_EQ(host.console, (std::vector<std::string>{"Could not load model " +
                                                      GamePath("\\gfx\\Aa\\head_left.bmp")}));
    EXPECT_TRUE(host.boxes.empty());

    for (int i = 0; i < 101; ++i)
        WriteBytes(folder.path() / "models" / ("m" + std::to_string(1000 + i) + ".zmp"), "pack");
    host.console.clear();
    game.flags.displayReady = true;  // no unpacking: the folders are missing, so skipped
    ZkGetModelPacks(game, store, host);
    EXPECT_NE(std::find(host.console.begin(), host.console.end(),
                        "ZkGetModelPacks: No room for more than 100 models, skipping m1100.zmp"),
              host.console.end());
}

}  // namespace
}  // namespace zelkor
