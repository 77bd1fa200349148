// The game's screens as the player sees them: headless screenshots of fixed scenes
// (a level, a seed, a key file), checked at chosen pixels and areas, and each
// guarded as a whole by a hash of its pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <regex>

#include "common/settings_store.h"
#include "game/control/run/game_setup.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"
#include "game/present/bitmap_font.h"
#include "game/present/startup_pictures.h"
#include "tests/scenarios/replay.h"
#include "tests/scenarios/screenshot.h"

namespace zelkor {
namespace {

using namespace scenario;

// A model pack unpacked once per test program, for its sprites.
const std::filesystem::path& UnpackedModel() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        LibraryArchiveReaders readers;
        const auto pack = std::filesystem::path(ZELKOR_DIST_DIR) / "models" / "Standart.zmp";
        const auto reader = readers.ReaderFor(pack);
        if (!reader || !reader->Open(pack, "", ArchiveReader::Purpose::Extract)) return false;
        ArchiveEntry entry;
        while (reader->ReadHeader(entry)) {
            const std::filesystem::path target = folder.path() / entry.name;
            if (entry.kind == ArchiveEntry::Kind::File) {
                std::filesystem::create_directories(target.parent_path());
                reader->Extract(target);
            } else {
                reader->Skip();
            }
        }
        reader->Close();
        return true;
    }();
    EXPECT_TRUE(unpacked) << "the staged Standart.zmp";
    return folder.path();
}

Screenshot Picture(const std::string& gfx) {
    return Screenshot(UnpackedPictures() / "gfx" / gfx);
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
               const Screenshot& behind, bool keyOnly = false) {
    int wrong = 0;
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            const Colour own = picture.At(px, py);
            const bool key = NearBlack(own);
            if (keyOnly && !key) continue;
            const Colour want = key ? behind.At(x + px, y + py) : own;
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

// FNV-1a over the pixels' colours.
std::uint64_t HashPixels(std::span<const std::uint32_t> pixels) {
    std::uint64_t h = 1469598103934665603ull;
    for (const std::uint32_t p : pixels) {
        for (int shift = 0; shift < 24; shift += 8) {
            h ^= (p >> shift) & 0xFF;
            h *= 1099511628211ull;
        }
    }
    return h;
}
std::uint64_t Hash(const Screenshot& shot) {
    return HashPixels(shot.Pixels({0, 0, shot.width(), shot.height()}));
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

    // The whole picture against its recorded hash. A change that is meant (new art, a
    // moved line) is recorded anew after looking at the kept picture.
    void ExpectHash(const Screenshot& shot, std::uint64_t expected, const std::string& scene) {
        const std::uint64_t actual = Hash(shot);
        if (actual == expected) return;
        const auto kept = std::filesystem::temp_directory_path() / ("zelkor-" + scene + ".png");
        std::filesystem::copy_file(replay.dir() / "shot.png", kept,
                                   std::filesystem::copy_options::overwrite_existing);
        ADD_FAILURE() << scene << " looks different: hash 0x" << std::hex << actual
                      << ", recorded 0x" << expected << "; the picture is kept in " << kept;
    }

    Replay replay;
    scenario::Run last;
    const Screenshot background = Picture("bkg_standart.bmp");
};

TEST_F(FrameScreenshots, ALevelInPlay) {
    const Screenshot shot = Shoot("/L=shots.dat", SetOff(kRight), 1500);
    ASSERT_EQ(shot.width(), 640);
    ASSERT_EQ(shot.height(), 480);
    const auto& player = last.dump["Snakes"][0];
    ASSERT_EQ(player["dir"], "Right");
    const int x = player["x"].get<int>();
    const int y = player["y"].get<int>();

    // The head at its cell, its corners keyed out to the background.
    EXPECT_EQ(Mismatches(shot, Sprite("head_right.bmp"), x, y, background), 0);
    // The wall's end pieces and the single brick, the brick's round corners keyed out.
    EXPECT_EQ(Mismatches(shot, Picture("brik_v_l.bmp"), 200, 100, background), 0);
    EXPECT_EQ(Mismatches(shot, Picture("brik_v_r.bmp"), 260, 100, background), 0);
    EXPECT_EQ(Mismatches(shot, Picture("brik.bmp"), 400, 300, background), 0);
    // A horizontal wall ("h") takes the picture named with the other letter.
    EXPECT_EQ(Mismatches(shot, Picture("brik_v.bmp"), 220, 100, background), 0);

    // The score line ends where its measured width says: the width takes one cell
    // more than the letters and the last letter's ink stops short of its cell.
    const std::string score = "Score: 0   Lives: 3   Level: Shots";
    const int end = 20 + BmpTextWidth(score, 3);
    EXPECT_GT(Drawn(shot, background, {end - 14, 20, end - 8, 36}), 0);
    EXPECT_EQ(Drawn(shot, background, {end + 1, 18, end + 60, 38}), 0);
    // The counter bar's five pictures along the bottom.
    for (const int cx : {25, 75, 127, 177, 224})
        EXPECT_GT(Drawn(shot, background, {cx, 448, cx + 16, 472}), 20) << "counter at " << cx;
    ExpectHash(shot, 0x36266c7026d42adc, "level-in-play");
}

TEST_F(FrameScreenshots, ThePauseBannerOverTheStillScene) {
    const Screenshot shot = Shoot("/L=shots.dat", SetOff(kRight) + Press(700, kPause), 1200);
    ASSERT_TRUE(last.dump["flags"]["Pause"]);
    const Screenshot banner = Picture("pause.bmp");
    EXPECT_EQ(Mismatches(shot, banner, 320 - banner.width() / 2, 210, background, false), 0);
    ExpectHash(shot, 0x4f8a3fbae4bdbc7e, "pause");
}

TEST_F(FrameScreenshots, TheInformationScreen) {
    // The screen opens after the level is loaded and stays until F1.
    const Screenshot shot = Shoot("/L=shots.dat", "", 600);
    ASSERT_TRUE(last.dump["flags"]["infoScreen"]);
    const Screenshot panel = Picture("statistics.bmp");
    // The panel shows wherever no line is written on it.
    int same = 0;
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x)
            if (shot.At(162 + x, 140 + y) == panel.At(x, y)) ++same;
    EXPECT_GT(same, panel.width() * panel.height() * 8 / 10);
    // Each line is written on it: the heading, the four requirements, the score, the
    // total, the time, "Press F1".
    auto onPanel = [&](Area a) {
        int n = 0;
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                if (!(shot.At(x, y) == panel.At(x - 162, y - 140))) ++n;
        return n;
    };
    for (const int y : {185, 203, 223, 243, 263, 282, 295, 306})
        EXPECT_GT(onPanel({250, y, 390, y + 8}), 20) << "the line at y = " << y;
    EXPECT_GT(onPanel({172, 326, 220, 334}), 20) << "Press F1";
    // Nothing right of the centred block.
    EXPECT_EQ(onPanel({445, 180, 470, 320}), 0);
    // The five lights, in one of their four colour orders.
    for (int i = 0; i < 5; ++i) {
        const Colour c = shot.At(427 + 10 * i + 2, 335);
        EXPECT_GT(c.Brightest(), 150) << "light " << i;
    }
    ExpectHash(shot, 0x31ec1cf43157a207, "information-screen");
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
    ManualClock clock;
    NullKeyboard keyboard;
    NoWindowEvents events;
    NullDisplay display;
    SdlPictureFiles files;
    SdlTextRenderer text;
    SilentSound sound;
    SilentMusic music;
    MemorySettingsStore settings;
    NullMessageBox messageBox;
    LibraryArchiveReaders readers;
    const TempFolder folder;
    GameSetup setup(GameServices{clock, keyboard, events, display, files, text, sound, music,
                                 settings, messageBox, readers},
                    folder.path());
    Game& game = setup.game();
    game.startup.loadingLabel = "Zelkor v. 1.0.0 loading...";
    game.startup.progressShown = true;
    game.startup.progressPercent = 40;
    game.run.gameMode = "DM";
    game.run.huntingMode = true;
    setup.screen().ShowStartupWindow(game);
    const Surface& shown = setup.screen().backBuffer();

    namespace at = startup_layout;
    const std::array<std::pair<StartupPicture, Rect>, 4> pictures{
        {{StartupPicture::Logo, at::kLogo},
         {StartupPicture::RedTeam, at::kRedPlate},
         {StartupPicture::BlueTeam, at::kBluePlate},
         {StartupPicture::Hunting, at::kHuntingPlate}}};
    for (const auto& [which, place] : pictures) {
        const auto picture = files.DecodeBytes(StartupPictureBytes(which));
        if (!picture) GTEST_SKIP() << "this build carries no start-up pictures";
        ASSERT_EQ(picture->width(), place.width());
        ASSERT_EQ(picture->height(), place.height());
        int wrong = 0;
        for (int y = 0; y < place.height(); ++y) {
            for (int x = 0; x < place.width(); ++x) {
                const std::uint32_t own = picture->Pixel(x, y);
                const bool key = RedOf(own) <= 10 && GreenOf(own) <= 10 && BlueOf(own) <= 10;
                if (!key && ((shown.Pixel(place.left + x, place.top + y) ^ own) & 0xFFFFFFu) != 0)
                    ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "picture " << static_cast<int>(which);
    }
    // The console's frame turns dark red.
    EXPECT_EQ(shown.Pixel(60, 260) & 0xFFFFFFu, Argb(100, 0, 0) & 0xFFFFFFu);
    const std::uint64_t hash = HashPixels(shown.pixels());
    if (hash != 0xf86ef25234c8e482u) {
        const auto kept = std::filesystem::temp_directory_path() / "zelkor-start-up-deathmatch.png";
        files.SavePng(shown, kept);
        ADD_FAILURE() << "the start-up window looks different: hash 0x" << std::hex << hash
                      << "; the picture is kept in " << kept;
    }
}

TEST_F(FrameScreenshots, ADeathmatchShowsTheFragsBottomRight) {
    const Screenshot shot = Shoot("/L=shots.dat /DM /AIS=3", SetOff(kRight), 1500);
    ASSERT_EQ(last.dump["gameMode"], "DM");
    // One digit is 18 pixels wide in the frag font: drawn from x = 617.
    EXPECT_GT(Drawn(shot, background, {617, 450, 635, 466}), 20);
    EXPECT_EQ(Drawn(shot, background, {636, 450, 640, 466}), 0);
    ExpectHash(shot, 0x9926e87769ca4e0d, "deathmatch");
}

TEST_F(FrameScreenshots, TheWallHitBannerWaitsForAnArrow) {
    replay.AddLevel("edge.dat", EdgeLevel());
    // Off the edge: the life-lost box, Enter, then the banner until an arrow is pressed.
    const Screenshot shot = Shoot("/L=edge.dat", SetOff(kLeft) + Press(1100, kEnter), 1500);
    ASSERT_TRUE(last.dump["flags"]["wallHitWait"]);
    const Screenshot banner = Picture("hitwall.bmp");
    EXPECT_EQ(Mismatches(shot, banner, 320 - banner.width() / 2, 215, background, false), 0);
    ExpectHash(shot, 0xff482cec6dd9d664, "wall-hit");
}

// A level of one second; the player stands on its start.
LevelText OneSecond() {
    return LevelText("Hurry").Key("Timeout= 1").Key("reqScore= 9999").PlayerStart(10, 2);
}

TEST_F(FrameScreenshots, TheTimeLimitBoxAndTheGameOverPicture) {
    replay.AddLevel("hurry.dat", OneSecond());
    std::string keys = CloseInfo();
    for (int hit = 0; hit < 5; ++hit)
        keys += Press(1300 + 1000 * hit, kEnter);

    const Screenshot limit = Shoot("/L=hurry.dat", keys, 1250);
    ASSERT_EQ(last.dump["level"]["levelClock"], 1);
    // "Time Limit Hit!" in white across the middle.
    EXPECT_GT(limit.Count({230, 210, 420, 240}, [](Colour c) { return c.Brightest() > 240; }), 50);
    ExpectHash(limit, 0x479ddac6084b2cb9, "time-limit");

    const Screenshot over = Shoot("/L=hurry.dat", keys, 4500);
    const Screenshot picture = Picture("gover.bmp");
    EXPECT_EQ(Mismatches(over, picture, 320 - picture.width() / 2, 160, background, false), 0);
    ExpectHash(over, 0x42fbcc70f9a2e4be, "game-over");
}

// ---- F12 --------------------------------------------------------------------------------

std::vector<std::filesystem::path> PngsIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(F12, EachPressSavesTheScreenAsANewPictureAndSaysWhere) {
    Replay replay;
    replay.AddLevel("shots.dat", Field());
    const TempFolder pictures;
    ProgramOptions o;
    o.gameDir = replay.dir();
    o.seed = 11;
    o.runMs = 1500;
    o.commandLine = "/L=shots.dat";
    o.picturesFolder = pictures.path();
    o.keysFile = replay.dir() / "keys.txt";
    o.dumpFile = replay.dir() / "dump.json";
    // Three presses: usually within one second, so the names must not collide.
    WriteBytes(*o.keysFile, SetOff(kRight) + Press(600, 88) + Press(700, 88) + Press(800, 88));
    ASSERT_EQ(RunHeadless(o), 0);

    const auto dump = nlohmann::json::parse(ReadBytes(*o.dumpFile));
    const auto files = PngsIn(pictures.path());
    ASSERT_EQ(files.size(), 3u) << dump["messages"];
    const std::regex name(R"(Zelkor \d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \(\d\))?\.png)");
    for (const auto& file : files) {
        EXPECT_TRUE(std::regex_match(file.filename().string(), name)) << file;
        const Screenshot shot(file);
        EXPECT_EQ(shot.width(), 640);
        EXPECT_EQ(shot.height(), 480);
    }
    int saved = 0;
    for (const auto& line : dump["messages"])
        if (line.get<std::string>().rfind("Screenshot saved as " + pictures.path().string(), 0) ==
            0)
            ++saved;
    EXPECT_EQ(saved, 3);

    // A folder that cannot take the picture: the player is told, and play goes on.
    o.picturesFolder = pictures.path() / "gone";
    ASSERT_EQ(RunHeadless(o), 0);
    const auto failed = nlohmann::json::parse(ReadBytes(*o.dumpFile));
    EXPECT_TRUE(HasMessage(
        failed, "Screenshot could not be written to " + (pictures.path() / "gone").string()));
    EXPECT_EQ(failed["Snakes"][0]["dir"], "Right");
}

}  // namespace
}  // namespace zelkor
