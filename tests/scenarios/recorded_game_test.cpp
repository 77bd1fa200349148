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

// Keeps the replay handed over and the state the game was in at that moment.
class Keeper final : public ReplayKeeper {
public:
    void GameRecorded(const Replay& replay) override {
        kept = replay;
        state = DumpState(*game, dir);
    }
    const Game* game = nullptr;
    fs::path dir;
    Replay kept;
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
    for (std::int64_t t = 2200; t < 9000; t += 150 + random() % 500)
        player.Key(t, steering[random() % 4]);
    player.Window(3000, SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST);  // pauses the game
    player.Window(3300, SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED);
    player.Key(3600, SDL_SCANCODE_PAUSE);
    player.Key(4000, SDL_SCANCODE_RETURN, KMOD_LALT);  // the window's, not the game's
    // The options, then back to the game.
    player.Key(5000, SDL_SCANCODE_ESCAPE);
    player.Key(5400, SDL_SCANCODE_DOWN);
    player.Key(5800, SDL_SCANCODE_RETURN);
    player.Key(6200, SDL_SCANCODE_ESCAPE);
    player.Key(6600, SDL_SCANCODE_ESCAPE);
    player.Window(10000, SDL_QUIT);

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
    const ReplayHeader& header = keeper.kept.header;
    ASSERT_FALSE(keeper.kept.records.empty()) << "no game was handed over";
    EXPECT_TRUE(header.windowWaits);
    EXPECT_EQ(header.start, ReplayStart::NewGame);
    ASSERT_FALSE(header.files.empty());
    EXPECT_EQ(header.files[0].name, "lvl/lvl1.dat");
    EXPECT_NE(header.settingsText.find("Player Name=Ada"), std::string::npos);

    const fs::path file = folder.dir() / "game.zkreplay";
    ASSERT_TRUE(WriteReplayFile(file, keeper.kept));
    const auto before = FilesIn(folder.dir());
    ProgramOptions o;
    o.gameDir = folder.dir();
    o.replayFile = file;
    o.settingsFile = settingsFile;  // never touched by a played replay
    const TempFolder out;
    o.dumpFile = out.path() / "dump.json";
    EXPECT_EQ(RunHeadless(o), 0);
    EXPECT_EQ(nlohmann::json::parse(ReadBytes(*o.dumpFile)), keeper.state);
    EXPECT_EQ(FilesIn(folder.dir()), before);
}

}  // namespace
}  // namespace zelkor
