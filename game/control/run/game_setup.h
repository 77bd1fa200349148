#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string_view>

#include "common/archive_reader.h"
#include "common/game_files.h"
#include "common/settings_store.h"
#include "game/control/archives/archive_service.h"
#include "game/control/audio/audio.h"
#include "game/control/input/keyboard.h"
#include "game/control/input/window_events.h"
#include "game/control/replay/replay_keeper.h"
#include "game/control/replay/replay_seams.h"
#include "game/control/replay/replay_shelf.h"
#include "game/control/run/game_replays.h"
#include "game/control/run/main_window.h"
#include "game/control/run/message_box.h"
#include "game/control/run/run_registration.h"
#include "game/present/display.h"
#include "game/present/game_screen.h"
#include "game/present/picture_services.h"
#include "game/present/pictures.h"
#include "game/rules/game.h"

namespace zelkor {

// Everything a run of the game reaches outside its own state. The game fills it
// with the platform's services, the headless runner with its scripted and silent
// ones (and the real picture files and text, so its pictures are the player's); a
// new service is one more member here.
struct GameServices {
    Clock& clock;
    Keyboard& keyboard;
    WindowEvents& events;
    Display& display;
    PictureFiles& pictureFiles;
    TextRenderer& text;
    SoundDevice& sound;
    MusicPlayer& music;
    SettingsStore& settings;
    MessageBoxService& messageBox;
    ArchiveReaderFactory& archiveReaders;
};

// How a run takes part in replays: recorded, each game handed as it ends to the game
// folder's shelf and to `keeper` when there is one; or played from `play` (the services' answers
// come from it, its settings from its header, the game it ends with ends the run, and the shelf is
// off); or neither.
struct ReplaySession {
    bool record = false;
    ReplayKeeper* keeper = nullptr;
    const Replay* play = nullptr;
    // Playing: told when the replay stops (at its end or where it went another way), before
    // the loops unwind.
    std::function<void()> playStopped;
    // Playing: told when the replay's own game starts (the run before it is its start-up,
    // menu and earlier games).
    std::function<void()> ownGameStarted;
};

// A whole run of the game: it creates the `Game`, seeded from the clock, and wires its
// parts around it (the game folder, archives, pictures, the screen and the main window)
// with the services. The program and the headless runner both run the game through it,
// so a headless run is the player's run without the window, and ends as it does.
class GameSetup final : private PictureHost {
public:
    GameSetup(const GameServices& services, const std::filesystem::path& gameDir,
              const ReplaySession& replay = {});
    GameSetup(const GameSetup&) = delete;
    GameSetup& operator=(const GameSetup&) = delete;

    // `INIT_Main` with the game's own switches ("/L=lvl2.dat /AIS=3"), then the end of
    // the run; returns when the game is over, with the exit status.
    int Run(std::string_view commandLine);

    Game& game() { return *game_; }
    const GameFiles& files() const { return files_; }
    MainWindow& window() { return window_; }
    GameScreen& screen() { return screen_; }
    // This copy's registration in the game folder, held for as long as the setup.
    RunRegistration& registration() { return registration_; }
    // The replays kept in the game folder; a run that plays a replay turns it off.
    ReplayShelf& shelf() { return shelf_; }
    // Where a played replay stopped.
    ReplayOutcome replayOutcome() const { return replays_.outcome(); }

private:
    // PictureHost
    void ConsolePrint(std::string_view text) override;
    void SetLoadingLabel(std::string_view text) override;
    void ShowProgressFrame() override;
    void SetProgress(double percent) override;
    void CountLoadedPicture() override;
    void ResetPictureCount() override;
    void SetProgressTotal(int total) override;
    void Unextract(std::string_view archive, std::string_view destination,
                   std::string_view password) override;
    bool ContinueWithoutPicture(std::string_view title, std::string_view text) override;
    void GoOnWithoutArchive(std::string_view archive, std::string_view reason);
    void WatchReplay(const GameServices& services, const ReplaySession& replay);
    // The run's state where a game starts, for a replay cut there.
    GameReplays::RunState StartState();
    // The run's state with the game folder's path marked, as a replay keeps it.
    nlohmann::json FolderFreeSnapshot();
    nlohmann::json startupState_;  // the run's state as its start-up ended
    void ShowStartupWindow() override;
    void PictureOfWrongSize(std::string_view line, bool firstTime) override;

    // However the run ended, once the display was ready: the options and the hall of
    // fame are saved to the run's store, and the unpacked files go unless another
    // copy of the game still uses them (after the menu's exit none are left).
    void EndRun();

    const Replay* played_;
    ReplayTape tape_;
    ReplaySeams seams_;
    std::unique_ptr<RecordingSettings> recordingSettings_;
    std::unique_ptr<PlayedSettings> playedSettings_;
    std::unique_ptr<Game> game_;
    GameReplays replays_;
    SettingsStore& settings_;
    GameFiles files_;
    RunRegistration registration_;
    MessageBoxService& messageBox_;
    GameArchiveService archives_;
    PictureStore pictures_;
    GameScreen screen_;
    ReplayShelf shelf_;
    MainWindow window_;
};

}  // namespace zelkor
