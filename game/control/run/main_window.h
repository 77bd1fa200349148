#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/archive_service.h"
#include "common/game_files.h"
#include "game/control/audio/audio.h"
#include "game/control/audio/music.h"
#include "game/control/audio/sound_effects.h"
#include "game/control/input/key_handler.h"
#include "game/control/input/keyboard.h"
#include "game/control/input/window_events.h"
#include "game/control/menus/menu_logic.h"
#include "game/control/replay/replay_shelf.h"
#include "game/control/run/game_watch.h"
#include "game/control/watch/replay_viewer.h"
#include "game/level/level_loader.h"
#include "game/present/screen.h"
#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

class SettingsStore;
class MessageBoxService;
class RunRegistration;

// Everything the main window reaches outside the game's own state.
struct Services {
    Keyboard& keyboard;
    Screen& screen;
    WindowEvents& events;
    SoundDevice& sound;
    MusicPlayer& music;
    SettingsStore& settings;
    MessageBoxService& messageBox;
    ArchiveService& archives;
    const GameFiles& files;
    // This copy's registration in the game folder; none: it counts as the only copy.
    RunRegistration* registration = nullptr;
    // Where the hall of fame and the level records keep their replays; none: nowhere.
    ReplayShelf* shelf = nullptr;
    // Told where each game begins and ends; none: nobody asks.
    GameWatch* watch = nullptr;
};

// The game's main window: it owns the loops (main loop, pause, information
// screen, key waits, menu), fires the window timers in DoEvents, and answers
// what the rules, the level loader and the key handler ask of it.
class MainWindow final : public RulesHost,
                         public LevelLoadHost,
                         public KeyHandlerActions,
                         public MenuHost,
                         public WindowEventSink {
public:
    MainWindow(Game& game, Services services);

    Game& game() { return game_; }

    // `INIT_Main`: start-up and the whole run. `commandLine` holds the game's own
    // switches ("/L=lvl2.dat /AIS=3"). Returns the process exit code.
    int INIT_Main(std::string_view commandLine);

    // `DX_INIT`: the start-up sequence and the main loop, until the game ends.
    void DX_INIT();

    // `ZkCreateTimers`: the step timers of the computer snakes.
    void ZkCreateTimers();
    // `ZkCreateSounds`: unpacks "snd.zkr" and loads the four effects.
    void ZkCreateSounds();

    // Lets pending events run: one pass's pacing, window events, then every
    // due timer fires once.
    void DoEvents();

    // One pass of each loop, for tests.
    void MainLoopPass();
    void GameFrame();

    // `ConsolePrint`: a line of the five-line start-up console; in debug mode
    // it also goes to the message lines.
    void ConsolePrint(std::string_view text) override;

    // `ShowLevelInfo` and `ShowPause`: screen loops that keep events running.
    void ShowLevelInfo();
    void ShowPause();
    // `RunMenu`: the menu loop; returns when a game has been started.
    void RunMenu();

    // RulesHost
    void PlaySound(std::string_view path, int snake, int balance) override;
    void WaitForKey(int scanCode) override;
    void LoadSettings() override;
    void SaveSettings() override;
    int LoadLevel(std::string_view path) override;
    void ShowGameOverPicture() override;
    void ShowTimeLimitHit() override;
    HighScoreEntry EnterHighScore() override;
    void LevelRunOver(bool won) override;
    std::optional<std::vector<std::string>> ReadAINames() override;
    int HighestModelNumber() override;  // the menu's too

    // LevelLoadHost
    std::optional<std::string> ReadLevelFile(std::string_view path) override;
    void UnpackRequiredArchive(std::string_view name) override;
    bool GfxExists(std::string_view name) override;
    std::string GfxPath(std::string_view name) override;
    std::string FolderPath(std::string_view folder, std::string_view name) override;
    void LoadBackground(std::string_view path) override;
    void PrepareLvlGfx() override;
    void PrepareUserItemGfx() override;

    // KeyHandlerActions
    void MenuSelect() override;
    void PlayListedLevel() override;
    void QuitAndEnd() override;
    // A picture the game cannot do without is missing: the quit routine runs and
    // the program ends with an error status.
    void QuitWithError();
    // A picture the last frame or load asked for by name could not be loaded: the box,
    // then QuitWithError.
    void ReportMissingPicture();
    void WatchListedLevel() override;
    void WatchHallOfFameRow() override;
    void TypeKey(int scanCode) override;
    void DrawKeyNumber(int scanCode) override;
    void SaveScreenshot() override;
    // Where F12 puts its pictures; without a folder F12 only says it cannot.
    void SetPicturesFolder(std::filesystem::path folder) { picturesFolder_ = std::move(folder); }
    // Who shows a kept replay; without one, every replay is refused.
    void SetReplayViewer(ReplayViewer& viewer) { viewer_ = &viewer; }

    // MenuHost
    void SwitchMusic(bool on) override;
    void SetMusicVolume(int percent) override;
    std::string KeyLabel(int code) override;

    // WindowEventSink
    // Closing the window quits the way the menu's "Exit" does.
    void WindowClosed() override;
    // `CallBackWndProc`: losing the focus pauses play; regaining it rebuilds the
    // pictures and ends a waiting death sequence's key wait.
    void Activated(bool active) override;
    void RunOver() override;
    void PictureLost() override { pictureStale_ = true; }

    // Where a replay cut at its game's start takes the run up: the window's own part of the
    // state (whether the still loops have something new to draw), and setting it again with
    // the game's clock reading (the keys acting now are the game's).
    bool pictureStale() const { return pictureStale_; }
    void TakeUpRun(bool pictureStale);

private:
    // Whether a still loop (menu, pause, information screen) draws this pass: always where
    // nobody watches; in a window only once a timer, a key or the window changed something.
    bool PictureStale();
    // In a window, a still loop with nothing new to draw waits for the next event or timer.
    void WaitForChange();
    void FireTimers();
    void OnKeyboardTimer();
    void PlayerFrameStep();
    void AtomicPowerPass(int first, int last);
    void PlaceStandingSnakesOnStart();
    void RenderStill();
    // The menu's fade from black in, or out to black: 250 ms of the game's clock, or until a
    // key is pressed.
    enum class FadeWay { In, Out };
    void Fade(FadeWay way);
    void EndProgram(int code);
    // The player's model, when it is no longer installed, falls back to the default.
    void KeepInstalledModel();
    AudioHooks MakeAudioHooks();
    // Watches a kept replay (none: none is kept); returns why it could not be watched. The
    // page comes back as it was, and keys pressed while watching do not act on it.
    std::optional<std::string> WatchReplay(const std::optional<std::filesystem::path>& file);
    ReplayShelf& Shelf();

    Game& game_;
    Services s_;
    int exitCode_ = 0;
    bool pictureStale_ = true;
    // The menu loop's own pass lets events run (the keys acting then may start a game).
    bool menuPass_ = false;
    bool takenUp_ = false;      // TakeUpRun set the run's state while the keys acted
    KeySnapshot keysBefore_{};  // the keys held at the keyboard timer's last poll
    std::filesystem::path picturesFolder_;
    NullReplayViewer noViewer_;
    ReplayViewer* viewer_ = &noViewer_;
    SoundEffects effects_;
    Music music_;
    ReplayShelf noShelf_;  // keeps nothing, for a window given no shelf
};

}  // namespace zelkor
