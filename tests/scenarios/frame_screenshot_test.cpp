// The game's screens as the player sees them: headless screenshots of fixed scenes
// (a level, a seed, a key file), checked at chosen pixels and areas, and each
// guarded as a whole by a hash of its pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "game/present/bitmap_font.h"
#include "game/present/startup_pictures.h"
#include "tests/scenarios/replay.h"
#include "tests/scenarios/screenshot.h"
#include "tests/support/quiet_services.h"

namespace zelkor {
namespace {

using namespace scenario;
using scenario::Replay;  // not the recorded game of the same name

// A model pack unpacked once per test program, for its sprites.
const std::filesystem::path& UnpackedModel() {
    static const TempFolder folder;
    static const bool unpacked = support::UnpackArchive(
        std::filesystem::path(ZELKOR_DIST_DIR) / "models" / "Standart.zmp", folder.path(), "");
    EXPECT_TRUE(unpacked) << "the staged Standart.zmp";
    return folder.path();
}

Screenshot Picture(const std::string& gfx) {
    return Screenshot(support::UnpackedPictures() / "gfx" / gfx);
}
Screenshot Sprite(const std::string& file) {
    return Screenshot(UnpackedModel() / "Standart" / file);
}

bool NearBlack(Colour c) {
    return c.r <= 10 && c.g <= 10 && c.b <= 10;
}

// How `picture` shows at (x, y): the pixels outside its colour key (near black)
// must be its own, those inside must show `behind`. Returns the mismatches.
int Mismatches(const Screenshot& shot, const Screenshot& picture, int x, int y,
               const Screenshot& behind) {
    int wrong = 0;
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            const Colour own = picture.At(px, py);
            const Colour want = NearBlack(own) ? behind.At(x + px, y + py) : own;
            if (!(shot.At(x + px, y + py) == want)) ++wrong;
        }
    }
    return wrong;
}

// Pixels of the area that differ from the same area of `behind`: text and
// pictures drawn over it.
int Drawn(const Screenshot& shot, const Screenshot& behind, Area a) {
    int n = 0;
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x)
            if (!(shot.At(x, y) == behind.At(x, y))) ++n;
    return n;
}

// The whole picture against its recorded hash (FNV-1a over the pixels' colours). A change
// that is meant (new art, a moved line) is recorded anew after looking at the picture kept
// in the temporary folder.
void ExpectHash(std::span<const std::uint32_t> pixels, std::uint64_t expected,
                const std::string& scene,
                const std::function<void(const std::filesystem::path&)>& keep) {
    std::uint64_t h = 1469598103934665603ull;
    for (const std::uint32_t p : pixels) {
        for (int shift = 0; shift < 24; shift += 8) {
            h ^= (p >> shift) & 0xFF;
            h *= 1099511628211ull;
        }
    }
    if (h == expected) return;
    const auto kept = std::filesystem::temp_directory_path() / ("zelkor-" + scene + ".png");
    keep(kept);
    ADD_FAILURE() << scene << " looks different: hash 0x" << std::hex << h << ", recorded 0x"
                  << expected << "; the picture is kept in " << kept;
}

// A field with a horizontal wall, a single brick, a few spawn points and three
// computer snakes' starts; the player starts at cell (5, 11).
LevelText Field(const std::string& name = "Shots") {
    LevelText level(name);
    level.Put(10, 5, '<').Put(11, 5, '-').Put(12, 5, '-').Put(13, 5, '>').Put(20, 15, '+');
    level.Put(25, 4, '1').Put(25, 8, '2').Put(25, 12, '3');
    for (int col = 6; col <= 26; col += 4)
        level.Put(col, 18, '*');
    return level.Key("numYellow= 2")
        .Key("numRed= 1")
        .Key("numBlue= 1")
        .Key("numBlack= 1")
        .Key("numTNT= 1")
        .Key("numPower= 1")
        .Key("reqYellow= 5")
        .Key("reqScore= 900")
        .PlayerStart(5, 11);
}

class FrameScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(ZELKOR_DIST_DIR) / "gfx.zkr"))
            GTEST_SKIP() << "this build generates no pictures to look at";
        std::filesystem::copy(std::filesystem::path(ZELKOR_DIST_DIR) / "models",
                              replay.dir() / "models");
        replay.AddLevel("shots.dat", Field());
    }

    // The frame shown at `atMs`; `last` holds the game as it stood right after it.
    Screenshot Shoot(const std::string& commandLine, const std::string& keys, int atMs) {
        const auto file = replay.ScreenshotAt(atMs, "shot.png");
        last = replay.Play(commandLine, atMs + 16, keys);
        return Screenshot(file);
    }

    void ExpectHash(const Screenshot& shot, std::uint64_t expected, const std::string& scene) {
        zelkor::ExpectHash(shot.Pixels({0, 0, shot.width(), shot.height()}), expected, scene,
                           [&](const std::filesystem::path& kept) {
                               std::filesystem::copy_file(
                                   replay.dir() / "shot.png", kept,
                                   std::filesystem::copy_options::overwrite_existing);
                           });
    }

    Replay replay;
    scenario::Run last;
    const Screenshot background = Picture("bkg_standart.bmp");
};

TEST_F(FrameScreenshots, ALevelInPlay) {
    const Screenshot shot = Shoot("/L=shots.dat", SetOff(key::Right), 1500);
    ASSERT_EQ(shot.width(), 640);
    ASSERT_EQ(shot.height(), 480);
    const auto& player = last.dump["Snakes"][0];
    ASSERT_EQ(player["dir"], "Right");
    const int x = player["x"].get<int>();
    const int y = player["y"].get<int>();

    // The head at its cell, its corners keyed out to the background.
    EXPECT_EQ(Mismatches(shot, Sprite("head_right.bmp"), x, y, background), 0);
    // The single brick's round corners keyed out.
    EXPECT_EQ(Mismatches(shot, Picture("brik.bmp"), 400, 300, background), 0);
    // A horizontal wall ("h") takes the picture named with the other letter.
    EXPECT_EQ(Mismatches(shot, Picture("brik_v.bmp"), 220, 100, background), 0);

    // The score line ends where its measured width says: the width takes one cell
    // more than the letters and the last letter's ink stops short of its cell.
    const std::string score = "Score: 0   Lives: 3   Level: Shots";
    const int end = 20 + BmpTextWidth(score, 3);
    EXPECT_GT(Drawn(shot, background, {end - 14, 20, end - 8, 36}), 0);
    EXPECT_EQ(Drawn(shot, background, {end + 1, 18, end + 60, 38}), 0);
    ExpectHash(shot, 0xd540b4221eb5d7d7, "level-in-play");
}

TEST_F(FrameScreenshots, ATimedLevelCountsDownBesideTheCountersWithTheFpsCounterOn) {
    replay.AddLevel("crown.dat", Field("Zelkor's Crown, <1>").Key("Timeout= 75"));
    replay.WriteSettings("[Options]\nShow FPS=True\n");
    const Screenshot shot = Shoot("/L=crown.dat", SetOff(key::Right), 1500);
    ASSERT_EQ(last.dump["level"]["levelClock"], 1);
    // "1:14" right of the TNT counter, clear of the score line and the FPS counter.
    EXPECT_GT(Drawn(shot, background, {300, 452, 300 + BmpTextWidth("1:14", 4), 467}), 20);
    EXPECT_EQ(Drawn(shot, background, {280, 440, 298, 480}), 0);
    ExpectHash(shot, 0x90c10194ee2703c9, "timed-level");
}

TEST_F(FrameScreenshots, ThePauseBannerOverTheStillScene) {
    const Screenshot shot =
        Shoot("/L=shots.dat", SetOff(key::Right) + Press(700, key::Pause), 1200);
    ASSERT_TRUE(last.dump["flags"]["Pause"]);
    ExpectHash(shot, 0x9937b32855dfae0e, "pause");
}

TEST_F(FrameScreenshots, TheInformationScreen) {
    // The screen opens after the level is loaded and stays until F1.
    const Screenshot shot = Shoot("/L=shots.dat", "", 600);
    ASSERT_TRUE(last.dump["flags"]["infoScreen"]);
    ExpectHash(shot, 0x2c4ce9584d453002, "information-screen");

    // A requirement is shown as the level gives it: 2.5 is not 3.
    replay.AddLevel("half.dat", Field().Key("reqRed= 2.5"));
    replay.AddLevel("three.dat", Field().Key("reqRed= 3"));
    const Screenshot half = Shoot("/L=half.dat", "", 600);
    const Screenshot three = Shoot("/L=three.dat", "", 600);
    EXPECT_GT(Drawn(half, three, {162, 221, 477, 239}), 20) << "the line of the red items";
    EXPECT_EQ(Drawn(half, three, {0, 0, 640, 220}), 0);
}

TEST_F(FrameScreenshots, TheStartUpWindow) {
    // The first picture shown: the window that loads the game.
    const Screenshot shot = Shoot("/L=shots.dat", "", 0);
    EXPECT_GT(shot.Brightest({60, 40, 320, 90}), 200) << "the title";
    EXPECT_GT(shot.Brightest({42, 112, 320, 126}), 120) << "the loading label";
    // A build that stages another build's archives carries no start-up pictures.
    if (!StartupPictureBytes(StartupPicture::Logo).empty())
        ExpectHash(shot, 0x50d8eb34afe88ba8, "start-up-window");
}

// The start-up window drawn as the loading goes on, on its own: in a run its frames
// all come at game time 0, before the first of them the command line is not read.
TEST(StartUpWindow, ADeathmatchShowsItsTeamPlatesAndRedFrames) {
    if (StartupPictureBytes(StartupPicture::Logo).empty())
        GTEST_SKIP() << "this build carries no start-up pictures";
    support::QuietServices quiet;
    NoWindowEvents events;
    NullArchiveReaders archives;
    const TempFolder folder;
    GameSetup setup(quiet.Services(events, archives), folder.path());
    Game& game = setup.game();
    game.startup.loadingLabel = "Zelkor v. 1.0.0 loading...";
    game.startup.progressShown = true;
    game.startup.progressPercent = 40;
    game.run.gameMode = "DM";
    game.run.huntingMode = true;
    setup.screen().ShowStartupWindow(game);
    const Surface& shown = setup.screen().backBuffer();
    // The console's frame turns dark red.
    EXPECT_EQ(shown.Pixel(60, 260) & 0xFFFFFFu, Argb(100, 0, 0) & 0xFFFFFFu);
    ExpectHash(shown.pixels(), 0xf86ef25234c8e482u, "start-up-deathmatch",
               [&](const std::filesystem::path& kept) { quiet.pictures.SavePng(shown, kept); });
}

TEST_F(FrameScreenshots, ADeathmatchShowsTheFragsBottomRight) {
    const Screenshot shot = Shoot("/L=shots.dat /DM /AIS=3", SetOff(key::Right), 1500);
    ASSERT_EQ(last.dump["gameMode"], "DM");
    // One digit is 18 pixels wide in the frag font: drawn from x = 617.
    EXPECT_GT(Drawn(shot, background, {617, 450, 635, 466}), 20);
    EXPECT_EQ(Drawn(shot, background, {636, 450, 640, 466}), 0);
    ExpectHash(shot, 0x570a88c74ee366fe, "deathmatch");
}

TEST_F(FrameScreenshots, TheWallHitBannerWaitsForAnArrow) {
    replay.AddLevel("edge.dat", EdgeLevel());
    // Off the edge: the life-lost box, Enter, then the banner until an arrow is pressed.
    const Screenshot shot = Shoot("/L=edge.dat", SetOff(key::Left) + Press(1100, key::Enter), 1500);
    ASSERT_TRUE(last.dump["flags"]["wallHitWait"]);
    ExpectHash(shot, 0xa58ffe3b166649ef, "wall-hit");
}

// A level of one second; the player stands on its start.
LevelText OneSecond() {
    return LevelText("Hurry").Key("Timeout= 1").Key("reqScore= 9999").PlayerStart(10, 2);
}

TEST_F(FrameScreenshots, TheTimeLimitBoxAndTheGameOverPicture) {
    replay.AddLevel("hurry.dat", OneSecond());
    std::string keys = CloseInfo();
    for (int hit = 0; hit < 5; ++hit)
        keys += Press(1300 + 1000 * hit, key::Enter);

    const Screenshot limit = Shoot("/L=hurry.dat", keys, 1250);
    ASSERT_EQ(last.dump["level"]["levelClock"], 1);
    int red = 0;  // "0:00" in the counter bar: the last seconds are red
    for (int y = 448; y < 472; ++y)
        for (int x = 300; x < 360; ++x)
            red += limit.At(x, y).r > 150 && limit.At(x, y).g < 90 ? 1 : 0;
    EXPECT_GT(red, 20);
    ExpectHash(limit, 0x870e88ced9a27669, "time-limit");

    const Screenshot over = Shoot("/L=hurry.dat", keys, 4500);
    ExpectHash(over, 0xb920f6e05d0bdbb5, "game-over");
}

// ---- F12 --------------------------------------------------------------------------------

TEST(F12, EachPressSavesTheScreenAsANewPictureAndSaysWhere) {
    Replay replay;
    replay.AddLevel("shots.dat", Field());
    const TempFolder pictures;
    replay.PicturesTo(pictures.path());
    // Three presses: usually within one second, so the names must not collide.
    const std::string keys =
        SetOff(key::Right) + Press(600, key::F12) + Press(700, key::F12) + Press(800, key::F12);
    const auto run = replay.Play("/L=shots.dat", 1500, keys);

    // The names are the screenshot file's tests'.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pictures.path()), {}), 3)
        << run.dump["messages"];
    int saved = 0;
    for (const auto& line : run.dump["messages"])
        if (line.get<std::string>().rfind("Screenshot saved as " + pictures.path().string(), 0) ==
            0)
            ++saved;
    EXPECT_EQ(saved, 3);

    // A folder that cannot take the picture: the player is told, and play goes on.
    replay.PicturesTo(pictures.path() / "gone");
    const auto failed = replay.Play("/L=shots.dat", 1500, keys);
    EXPECT_TRUE(HasMessage(
        failed.dump, "Screenshot could not be written to " + (pictures.path() / "gone").string()));
    EXPECT_EQ(failed.dump["Snakes"][0]["dir"], "Right");
}

}  // namespace
}  // namespace zelkor
