// A game played through the window's own services (SDL's dummy drivers) is recorded, and
// its replay, played headless, ends in the same state and touches nothing of the player's.
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <map>
#include <random>

#include "common/sha256.h"
#include "game/control/headless/state_dump.h"
#include "game/control/replay/replay_file.h"
#include "game/platform/sdl_keyboard.h"
#include "game/platform/sdl_window.h"
#include "tests/scenarios/replay.h"
#include "tests/support/player_at_the_window.h"
#include "tests/support/quiet_services.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;

using support::PlayerAtTheWindow;

// Keeps the replays handed over and the state the game was in at the last.
class Keeper final : public ReplayKeeper {
public:
    void GameRecorded(const Replay& replay) override {
        kept.push_back(replay);
        state = DumpState(*game, dir);
    }
    const Game* game = nullptr;
    fs::path dir;
    std::vector<Replay> kept;
    nlohmann::json state;
};

// Every file below `dir` with the SHA-256 of its bytes.
std::map<std::string, std::string> FilesIn(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            files[entry.path().string()] = Sha256Hex(ReadBytes(entry.path()));
    return files;
}

// Three games in one run, the third begun from the menu after an option changed and time
// spent there: its replay holds the run's start-up and its own game only.
TEST(RecordedGame, PlayedInTheWindowItReplaysHeadlessToTheSameStateTouchingNothing) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    scenario::Replay folder;
    const fs::path settingsFile =
        folder.WriteSettings("[Options]\r\nPlayer Name=Ada\r\n[HiScore]\r\nName 1=Bo\r\n");

    PlayerAtTheWindow player;
    player.Key(1500, SDL_SCANCODE_RETURN);  // New Game
    player.Key(2000, SDL_SCANCODE_F1);      // the level's information closed
    std::mt19937 random(3);
    const SDL_Scancode steering[] = {SDL_SCANCODE_UP, SDL_SCANCODE_DOWN, SDL_SCANCODE_LEFT,
                                     SDL_SCANCODE_RIGHT};
    for (std::int64_t t = 2200; t < 18000; t += 150 + random() % 500)
        if (t < 9000 || t > 13600) player.Key(t, steering[random() % 4]);
    // The menu (the Down comes while it fades in): Enter starts a second game.
    player.Key(5000, SDL_SCANCODE_ESCAPE);
    player.Key(5400, SDL_SCANCODE_DOWN);
    player.Key(5800, SDL_SCANCODE_RETURN);
    player.Key(6200, SDL_SCANCODE_ESCAPE);
    player.Key(6600, SDL_SCANCODE_ESCAPE);
    // The menu again: an option changed, time spent, and a third game, the one replayed.
    player.Key(9000, SDL_SCANCODE_ESCAPE);
    player.Key(9400, SDL_SCANCODE_RETURN);
    player.Key(9800, SDL_SCANCODE_RIGHT);
    player.Key(10200, SDL_SCANCODE_ESCAPE);
    player.Key(10600, SDL_SCANCODE_UP);
    player.Key(13000, SDL_SCANCODE_RETURN);
    player.Key(13400, SDL_SCANCODE_F1);
    player.Window(14000, SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST);  // pauses the game
    player.Window(14300, SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED);
    player.Key(14600, SDL_SCANCODE_PAUSE);
    player.Key(15000, SDL_SCANCODE_RETURN, KMOD_LALT);  // the window's, not the game's
    player.Window(18000, SDL_QUIT);

    Keeper keeper;
    {
        SdlWindow window(true);
        SdlKeyboard keyboard;
        support::QuietServices quiet;
        IniSettingsStore settings(settingsFile);
        quiet.settings = &settings;
        NullArchiveReaders archives;
        GameServices services = quiet.Services(window, archives);
        GameServices inWindow{
            player,        keyboard,       window,         window,   services.pictureFiles,
            services.text, services.sound, services.music, settings, services.messageBox,
            archives};
        GameSetup setup(inWindow, folder.dir(), ReplaySession{true, &keeper, nullptr, {}, {}});
        keeper.game = &setup.game();
        keeper.dir = folder.dir();
        setup.Run("");
    }
    ASSERT_EQ(keeper.kept.size(), 3u) << "every game is handed over";
    EXPECT_EQ(keeper.kept[0].header.finalLevel, 1) << "given up on its first level";
    const Replay& third = keeper.kept[2];
    const ReplayHeader& header = third.header;
    EXPECT_EQ(header.gamesBefore, 0u);
    EXPECT_GT(header.startupRecords, 0u);
    // Its start-up and its own game only: the run before it held two more games.
    std::size_t runRecords = header.startupRecords;
    for (const Replay& game : keeper.kept)
        runRecords += game.records.size() - game.header.startupRecords;
    EXPECT_LT(third.records.size() * 2, runRecords);
    EXPECT_TRUE(header.windowWaits);
    EXPECT_EQ(header.start, ReplayStart::NewGame);
    ASSERT_FALSE(header.files.empty());
    EXPECT_EQ(header.files[0].name, "lvl/lvl1.dat");
    EXPECT_NE(header.settingsText.find("Player Name=Ada"), std::string::npos);

    // Played in another folder than the one it was recorded in (its path a different length).
    const TempFolder out;
    const fs::path moved = out.path() / "the game folder";
    fs::rename(folder.dir(), moved);
    const fs::path file = moved / "game.zkreplay";
    ASSERT_TRUE(WriteReplayFile(file, third));
    const auto before = FilesIn(moved);
    ProgramOptions o;
    o.gameDir = moved;
    o.replayFile = file;
    o.settingsFile = moved / settingsFile.filename();  // never touched by a played replay
    o.dumpFile = out.path() / "dump.json";
    EXPECT_EQ(RunHeadless(o), 0);
    EXPECT_EQ(nlohmann::json::parse(ReadBytes(*o.dumpFile)), keeper.state);
    EXPECT_EQ(FilesIn(moved), before);
    fs::rename(moved, folder.dir());
}

}  // namespace
}  // namespace zelkor
