// Start-up, the menu loop and the end of the program.
#include <algorithm>
#include <cmath>

#include "common/sha256.h"
#include "common/text_encoding.h"
#include "game/control/input/typing.h"
#include "game/control/menus/credits.h"
#include "game/control/menus/level_list.h"
#include "game/control/menus/level_run.h"
#include "game/control/menus/menu_logic.h"
#include "game/control/options/command_line.h"
#include "game/control/options/settings.h"
#include "game/control/run/main_window.h"
#include "game/control/run/message_box.h"
#include "game/control/run/quit.h"
#include "game/control/run/run_registration.h"
#include "game/control/run/startup_checks.h"
#include "game/rules/computer_snakes.h"
#include "game/rules/messages.h"

namespace zelkor {

int MainWindow::INIT_Main(std::string_view commandLine) {
    RunValues& run = game_.run;
    LoopFlags& f = game_.flags;
    run.credits = std::string(kCredits);
    f.displayReady = false;
    ConsolePrint("\r\n");
    game_.startup.loadingLabel = std::string("Zelkor v. ") + kGameVersion + " loading...";
    run.keyMap = "US";
    LoadSettings();
    s_.screen.ShowStartupWindow(game_);

    if (!RunLevelFolderCheck(s_.files, s_.messageBox)) return 1;

    ZkCreateTimers();
    const CommandServices commandServices{s_.files, s_.settings, s_.messageBox};
    if (ApplyCommandLine(game_, commandLine, commandServices) == SwitchResult::EndProgram) return 1;
    game_.world.NumSnakes = run.snakeCount;

    if (run.levelGiven) {
        f.stopped = false;
        f.menuShown = false;
        f.infoShown = true;
        f.infoScreen = true;
    } else {
        f.stopped = true;
        f.menuShown = true;
    }
    if (run.debug) ConsolePrint("INIT_Main: Attaching Win Hook");
    const std::int64_t now = game_.Now();
    game_.timers.keybrd.Enable(now);
    ShowMessage(game_, "Loading Windows Sockets...");
    DX_INIT();
    return exitCode_;
}

void MainWindow::ZkCreateTimers() {
    // The step timers of snakes 2..16 exist from the start in this table; what is
    // left of creating them is the list for the debug console.
    std::string list;
    for (int i = 2; i <= 16; ++i)
        list += " / " + std::to_string(i);
    if (game_.run.debug) ConsolePrint("ZkCreateTimers: Timers for KIs(" + list + ") loaded...");
    DoEvents();
}

void MainWindow::DX_INIT() {
    RunValues& run = game_.run;
    LoopFlags& f = game_.flags;
    f.running = true;

    KeyboardStartError keyboardError;
    if (!s_.keyboard.DI_Init(keyboardError)) {
        ConsolePrint(std::to_string(keyboardError.number) + ": " + keyboardError.description);
        s_.messageBox.Show(MessageIcon::Critical, "Zelkor", kKeyboardStartFailedText);
        EndProgram(1);
        return;
    }
    if (run.debug) ConsolePrint(kKeyboardReadyLog);
    effects_.DS_Init();
    s_.screen.ShowCursor(run.debug);
    if (run.debug) {
        ConsolePrint("");
        ConsolePrint("DX_INIT: Display Coop Level Set");
        ConsolePrint("DX_INIT: Display 640x480x32");
        ConsolePrint("");
        ConsolePrint("DX_INIT: Creating Buffers");
    }
    if (game_.level.BkgPic.empty()) game_.level.BkgPic = kStandardBackground;
    if (std::optional<ModelList> models = s_.screen.CreateGraphics(game_))
        game_.ModelPacks = std::move(*models);
    if (f.ending) return;  // a missing picture was not to be done without
    ZkCreateSounds();
    if (f.ending) return;

    bool levelFailed = false;
    if (!run.cmdLevelPath.empty()) {
        levelFailed = LoadLevel(run.cmdLevelPath) != 1;
        // The replay names the level as the game folder holds it ("lvl/lvl5.dat").
        std::string_view level = run.cmdLevelPath;
        const std::string folder = s_.files.folder().string() + "/";
        if (level.starts_with(folder)) level.remove_prefix(folder.size());
        if (!levelFailed && s_.watch) s_.watch->GameStarted(ReplayStart::CommandLine, level);
        run.cmdLevelPath.clear();
    }
    KeepInstalledModel();
    game_.rng.Mix(game_.Now());
    game_.startup.progressShown = false;

    SnakeRecord& player = game_.Player();
    player.length = 1;
    player.score = 0;
    player.lives = 3;
    player.x = static_cast<std::int16_t>(player.startX);
    player.y = static_cast<std::int16_t>(player.startY);
    player.dir = player.nextDir = Dir::None;

    ConsolePrint("DX_INIT: Creating Items");
    if (run.aisGiven && run.aisOn) StartComputerSnakes(game_, *this);
    game_.menu.menuRow = 1;
    game_.menu.optionsRow = 1;
    if (!levelFailed) game_.level.InfoText = "Welcome to Zelkor";
    if (run.debug) ConsolePrint("DX_INIT: Loading Textures...");
    PrepareLvlGfx();

    f.infoScreen = false;
    f.Pause = false;
    f.displayReady = true;
    if (run.debug) ShowMessage(game_, "Debugmode active! -> Entering main loop");
    if (run.Deathmatch()) {
        ShowMessage(game_,
                    run.huntingMode ? "Zelkor Multiplayer: Hunting Mode!" : "Zelkor Multiplayer");
    } else {
        // Hunting is a kind of deathmatch.
        if (run.huntingMode) ShowMessage(game_, "Hunting mode (/H) needs a deathmatch (/DM)");
        run.huntingMode = false;
    }
    ShowMessage(game_, "----------------------");
    ShowMessage(game_, "Welcome to Zelkor 3D");

    while (f.running && !f.ending)
        MainLoopPass();
}

// ---- the menu ------------------------------------------------------------------

namespace {

// A fade lasts this long on the game's clock, however often the display refreshes.
constexpr std::int64_t kFadeMs = 250;
constexpr int kFadeSteps = 60;

// The fade colour of step i (0..60): RGB(i / 2, i * 2, i / 2), halves to even.
std::uint8_t Half(int i) {
    return static_cast<std::uint8_t>(std::nearbyint(i / 2.0));
}

}  // namespace

void MainWindow::Fade(FadeWay way) {
    LoopFlags& f = game_.flags;
    const std::int64_t start = game_.Now();
    while (!f.ending) {
        const std::int64_t elapsed = std::min(game_.Now() - start, kFadeMs);
        const int stepsDone = static_cast<int>(elapsed * kFadeSteps / kFadeMs);
        const int step = way == FadeWay::In ? std::max(stepsDone, 1) : kFadeSteps - stepsDone;
        s_.screen.FillVisible(Half(step), static_cast<std::uint8_t>(step * 2), Half(step));
        s_.screen.Flip();
        if (elapsed >= kFadeMs) return;
        s_.events.Pump(*this);
        // A key pressed during the fade ends it; the key handler acts on it next.
        PollKeyboard(s_.keyboard, game_.keys);
        if (!game_.keys.presses.Empty()) return;
    }
}

void MainWindow::RunMenu() {
    LoopFlags& f = game_.flags;
    f.menuShown = true;
    Fade(FadeWay::In);
    ClearMenuHighlights(game_);
    if (!game_.menu.optionsCommand.empty()) LoadSettings();
    if (!game_.menu.statusHeld) game_.menu.statusLine.clear();
    pictureStale_ = true;
    while (!f.ending) {
        MenuPassLogic(game_, *this);
        if (PictureStale()) {
            s_.screen.DrawMenu(game_);
            s_.screen.Flip();
            ++f.frameCount;
        } else {
            WaitForChange();
        }
        menuPass_ = true;
        DoEvents();
        menuPass_ = false;
        if (!f.menuShown) {
            SaveSettings();
            Fade(FadeWay::Out);
            return;
        }
    }
}

void MainWindow::MenuSelect() {
    MenuState& m = game_.menu;
    m.hallOfFamePage = 0;
    m.optionsPage = 0;
    PlaySound(kCollectSound, 1, 0);
    switch (m.menuRow) {
        case 1:
            // A new game leaves a game given up from the menu behind, a level played
            // from the Levels page too; the given-up game ends with its own score and level.
            if (s_.watch && s_.watch->GameEnded()) return;
            EndLevelRun(game_);
            game_.cheats.godMode = game_.cheats.noClip = game_.cheats.noTimeCheck = false;
            // A first level that cannot be loaded leaves the menu up rather than
            // starting a game that nothing can end.
            if (LoadLevel("\\lvl\\lvl1.dat") != 1) break;
            game_.flags.menuShown = false;
            game_.flags.infoShown = true;
            StartNewGameRecord(game_.Player());
            if (s_.watch) s_.watch->GameStarted(ReplayStart::NewGame, {});
            break;
        case 2:
            m.optionsPage = 1;
            m.optionsRow = 1;
            m.controls.shown = false;
            break;
        case 3:
            m.hallOfFamePage = 1;
            m.statusLine = kHallOfFameTitle;
            break;
        case kLevelsRow:
            m.levelsPage = 1;
            m.statusHeld = false;
            m.levels = ListLevels(s_.files, s_.settings);
            break;
        case kExitRow:
            QuitAndEnd();
            break;
        default:
            break;
    }
}

void MainWindow::PlayListedLevel() {
    MenuState& m = game_.menu;
    // The page's pass keeps the cursor on the list; a key pressed with the one that opened
    // the page may come before it.
    if (m.levelsRow < 1 || m.levelsRow > static_cast<int>(m.levels.size())) return;
    const LevelListEntry& level = m.levels[static_cast<std::size_t>(m.levelsRow - 1)];
    if (!level.error.empty()) return;  // the status line says why already
    const std::string path = s_.files.FolderPath("lvl", level.fileName);
    const std::optional<std::string> bytes = s_.files.ReadLevelFile(path);
    if (!bytes) {
        HoldLevelsStatus(game_, level.fileName + ": the file cannot be read");
        return;
    }
    const std::vector<std::string> missing = MissingRequiredFiles(s_.files, *bytes);
    if (!missing.empty()) {
        std::string line = "This level requires files that are missing:";
        for (const std::string& name : missing)
            line += " " + name;
        HoldLevelsStatus(game_, line);
        return;
    }
    if (s_.watch && s_.watch->GameEnded()) return;  // a game given up for this one
    PlaySound(kCollectSound, 1, 0);
    BeginLevelRun(game_, level.fileName, Sha256Hex(*bytes));
    if (LoadLevel(path) != 1) {
        EndLevelRun(game_);
        HoldLevelsStatus(game_, game_.level.InfoText);
        return;
    }
    game_.flags.menuShown = false;
    game_.flags.infoShown = true;
    StartNewGameRecord(game_.Player());
    if (s_.watch) s_.watch->GameStarted(ReplayStart::LevelsPage, level.fileName);
}

void MainWindow::LevelRunOver(bool won) {
    if (s_.watch && s_.watch->GameEnded()) return;
    const bool best = RecordLevelRun(game_, s_.settings, won, Shelf());
    EndLevelRun(game_);
    MenuState& m = game_.menu;
    m.levelsPage = 1;
    m.hallOfFamePage = 0;
    m.optionsPage = 0;
    m.levels = ListLevels(s_.files, s_.settings);
    if (best) HoldLevelsStatus(game_, "A new best result on this level!");
}

void MainWindow::TypeKey(int scanCode) {
    const ConsoleLevels levels{s_.files.prefix(),
                               [this](std::string_view path) { return LoadLevel(path); }};
    TypeIntoTarget(game_, scanCode, levels);
}

void MainWindow::SwitchMusic(bool on) {
    music_.SwitchMusic(on);
}

std::string MainWindow::KeyLabel(int code) {
    return Utf8ToCp1252(s_.keyboard.KeyLabel(code));
}

void MainWindow::SetMusicVolume(int percent) {
    music_.zkMusicVolume(percent);
}

// ---- settings and the end --------------------------------------------------------

void MainWindow::LoadSettings() {
    zelkor::LoadSettings(game_, s_.settings,
                         [this](std::int16_t percent) { music_.zkMusicVolume(percent); });
    KeepInstalledModel();
}

void MainWindow::KeepInstalledModel() {
    std::int16_t& model = game_.Player().model;
    model = InstalledModelOrDefault(model, HighestModelNumber());
}
void MainWindow::SaveSettings() {
    zelkor::SaveSettings(game_, s_.settings);
}

HighScoreEntry MainWindow::EnterHighScore() {
    if (s_.watch && s_.watch->GameEnded()) return HighScoreEntry::NotEntered;
    const HighScoreResult result = zelkor::EnterHighScore(game_, s_.settings, Shelf());
    switch (result.outcome) {
        case HighScoreOutcome::Entered:
            // The player names the new line on the hall-of-fame page.
            game_.menu.namingPlace = static_cast<std::int16_t>(result.place);
            return HighScoreEntry::Entered;
        case HighScoreOutcome::Cheated:
            return HighScoreEntry::Refused;
        case HighScoreOutcome::NotEntered:
            break;
    }
    return HighScoreEntry::NotEntered;
}

ReplayShelf& MainWindow::Shelf() {
    return s_.shelf != nullptr ? *s_.shelf : noShelf_;
}

std::optional<std::vector<std::string>> MainWindow::ReadAINames() {
    return s_.files.ReadAINames();
}

int MainWindow::HighestModelNumber() {
    return game_.ModelPacks.highest;
}

void MainWindow::QuitAndEnd() {
    if (s_.watch && s_.watch->GameEnded()) return;
    QuitCleanUp(game_, s_.files.folder(), s_.settings,
                QuitServices{{},
                             [this] { s_.keyboard.DI_Release(); },
                             [this] { s_.events.Pump(*this); },
                             LastCopyQuestion(s_.registration)});
    EndProgram(0);
}

// ---- window events ----------------------------------------------------------------

void MainWindow::WindowClosed() {
    if (game_.flags.ending) return;
    QuitAndEnd();
}

void MainWindow::RunOver() {
    game_.flags.ending = true;
    game_.flags.running = false;
}

void MainWindow::Activated(bool active) {
    LoopFlags& f = game_.flags;
    if (!active) {
        if (game_.run.debug) ConsolePrint("WinCallback_CallBackWndProc: Zelkor.exe lost focus...");
        if (!f.Pause && !f.stopped && !f.menuShown && !f.infoScreen && !DeathSequenceRunning(game_))
            f.Pause = true;
        return;
    }
    // The pictures live in the game's own memory and survive the desktop's turn, so
    // there is nothing to rebuild; the display goes back to full screen by itself.
    if (!f.displayReady) return;
    if (game_.run.debug) ConsolePrint("WinCallback_CallBackWndProc: Zelkor.exe got focus back...");
    if (DeathSequenceRunning(game_)) f.skipDeath = true;
}

void MainWindow::QuitWithError() {
    QuitAndEnd();
    exitCode_ = 1;
}

void MainWindow::ReportMissingPicture() {
    const std::optional<std::string> path = s_.screen.TakeMissingPicture();
    if (!path || game_.flags.ending) return;
    s_.messageBox.Show(MessageIcon::Critical, "ZkLoadPic: Could not load picture",
                       "unable to find " + *path);
    QuitWithError();
}

void MainWindow::EndProgram(int code) {
    exitCode_ = code;
    game_.flags.ending = true;
    game_.flags.running = false;
}

}  // namespace zelkor
