// Every shipped level is won by the kept replay of its win (replays/lvlN.zkreplay), checked
// as `Zelkor --verify-replay` checks a player's replay. The autopilot finds the wins headless;
// it plays only when asked to record them anew (after a change of the rules, of a level or
// of the replay format), and then each win is played again at the game's own window (SDL's
// dummy drivers), its keys sent through SDL's queue when their time comes, and the replay
// the game keeps of it replaces the file. One command records all eighteen, then checks them:
//
//   ZELKOR_RECORD_REPLAYS=1 build/tests/content_tests
#include "tests/content/autopilot.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>

#include "game/control/replay/replay_file.h"
#include "game/platform/headless_platform.h"
#include "game/platform/scancode_table.h"
#include "game/platform/sdl_keyboard.h"
#include "game/platform/sdl_window.h"
#include "tests/content/game_folder.h"
#include "tests/support/player_at_the_window.h"
#include "tests/support/quiet_services.h"

namespace zelkor::content {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kFiveMinutes = 5 * 60 * 1000;

fs::path ReplayFile(int level) {
    return fs::path(ZELKOR_SOURCE_DIR) / "tests" / "content" / "replays" /
           ("lvl" + std::to_string(level) + ".zkreplay");
}

class KeptGame final : public ReplayKeeper {
public:
    void GameRecorded(const Replay& replay) override { kept = replay; }
    Replay kept;
};

// The autopilot's win played at the window, its clock starting at the level's number (the
// autopilot's seed) and stepping a frame a reading as the headless runner's does; the window
// is closed a second after the win, while the level-end box waits, which ends the game.
Replay RecordAtTheWindow(int level, const AutopilotRun& run) {
    const std::int64_t seed = level;
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    support::PlayerAtTheWindow player(seed, 16);
    for (const ScriptedKeyboard::Change& key : run.presses)
        player.Key(seed + key.time, static_cast<SDL_Scancode>(SdlScancodeOf(key.code)));
    player.Window(seed + run.wonAtMs + 1000, SDL_QUIT);
    KeptGame game;
    SdlWindow window(true);
    SdlKeyboard keyboard;
    support::QuietServices quiet;
    NullArchiveReaders archives;
    const GameServices services = quiet.Services(window, archives);
    GameSetup setup(
        {player, keyboard, window, window, services.pictureFiles, services.text, services.sound,
         services.music, services.settings, services.messageBox, archives},
        UnpackedGameFolder(), ReplaySession{true, &game, nullptr, {}, {}});
    setup.Run("/L=" + LevelFileName(level));
    return game.kept;
}

class EveryLevel : public ::testing::TestWithParam<int> {};

TEST_P(EveryLevel, TheAutopilotWinsItWithinFiveMinutes) {
    if (std::getenv("ZELKOR_RECORD_REPLAYS") == nullptr)
        GTEST_SKIP() << "the kept replays prove the wins; ZELKOR_RECORD_REPLAYS=1 records them";
    const int level = GetParam();
    const AutopilotRun run =
        PlayLevel(UnpackedGameFolder(), LevelFileName(level), level, kFiveMinutes);
    EXPECT_TRUE(run.won) << run.endReason << " after losing " << run.livesLost << " lives";
    EXPECT_LE(run.livesLost, 3) << "more than the lives a game starts with";
    std::cout << "lvl" << level << ": won " << run.won << " at " << run.wonAtMs / 1000.0
              << " s, lives lost " << run.livesLost << "\n";
    if (!run.won) return;
    ASSERT_TRUE(WriteReplayFile(ReplayFile(level), RecordAtTheWindow(level, run)));
}

// Played as a player's replay is checked, in the folder it was recorded in: it ends as
// recorded, in the level-end box of its level.
TEST_P(EveryLevel, ItsKeptWinVerifies) {
    const int level = GetParam();
    ProgramOptions o;
    o.gameDir = UnpackedGameFolder();
    o.replayFile = ReplayFile(level);
    o.verifyReplay = true;
    const TempFolder notes;
    o.dumpFile = notes.path() / "dump.json";
    NullArchiveReaders archives;
    SdlPictureFiles pictures;
    SdlTextRenderer text;
    ASSERT_EQ(RunHeadless(o, HeadlessPlatform{archives, pictures, text}), 0);
    const auto dump = nlohmann::json::parse(ReadBytes(*o.dumpFile));
    EXPECT_EQ(dump["level"]["LevelFile"], "lvl/" + LevelFileName(level));
    EXPECT_EQ(dump["centredLines"][0]["text"], "Next Level!!!");
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, EveryLevel, ::testing::Range(1, kShippedLevels + 1),
                         [](const auto& info) { return "lvl" + std::to_string(info.param); });

}  // namespace
}  // namespace zelkor::content
