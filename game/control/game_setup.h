#pragma once

#include <filesystem>
#include <string_view>

#include "common/archive_reader.h"
#include "common/settings_store.h"
#include "game/control/archive_service.h"
#include "game/control/audio.h"
#include "game/control/keyboard.h"
#include "game/control/main_window.h"
#include "game/control/message_box.h"
#include "game/control/window_events.h"
#include "game/present/display.h"
#include "game/present/game_screen.h"
#include "game/rules/game.h"

namespace zelkor {

// Everything a run of the game reaches outside its own state. The game fills it
// with the platform's services, the headless runner with its scripted and silent
// ones; a new service is one more member here.
struct GameServices {
    Keyboard& keyboard;
    WindowEvents& events;
    Display& display;
    SoundDevice& sound;
    MusicPlayer& music;
    SettingsStore& settings;
    MessageBoxService& messageBox;
    ArchiveReaderFactory& archiveReaders;
};

// The game's parts wired around one `Game`: archives, pictures and the main
// window. The program and the headless runner both start the game through it, so
// a headless run is the player's run without the window.
class GameSetup {
public:
    GameSetup(Game& game, const GameServices& services, const std::filesystem::path& gameDir);
    GameSetup(const GameSetup&) = delete;
    GameSetup& operator=(const GameSetup&) = delete;

    // `INIT_Main` with the game's own switches ("/L=lvl2.dat /AIS=3"); returns when
    // the game is over, with the exit status.
    int Run(std::string_view commandLine) { return window_.INIT_Main(commandLine); }

    MainWindow& window() { return window_; }
    const GameScreen& screen() const { return screen_; }

private:
    GameArchiveService archives_;
    GameScreen screen_;
    MainWindow window_;
};

}  // namespace zelkor
