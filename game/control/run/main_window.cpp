#include "game/control/run/main_window.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/level_reader.h"
#include "game/control/audio/music_policy.h"
#include "game/control/run/timer_events.h"
#include "game/rules/collisions.h"
#include "game/rules/computer_snakes.h"
#include "game/rules/item_pass.h"
#include "game/rules/level_end.h"
#include "game/rules/messages.h"
#include "game/rules/movement.h"
#include "game/rules/walls.h"

namespace zelkor {

MainWindow::MainWindow(Game& game, Services services)
    : game_(game),
      s_(std::move(services)),
      effects_(game_, s_.sound, s_.messageBox, MakeAudioHooks()),
      music_(game_, s_.music, MakeAudioHooks()) {
    // The timers that run from the start count from the moment the window exists.
    const std::int64_t now = game_.Now();
    for (Timer* t : {&game_.timers.picChange, &game_.timers.ScrollNext, &game_.timers.tmr1})
        t->since = now;
}

// ---- events and timers -------------------------------------------------------

void MainWindow::DoEvents() {
    ReportMissingPicture();
    s_.events.Pump(*this);
    FireTimers();
}

void MainWindow::FireTimers() {
    Timers& t = game_.timers;
    std::int64_t now = game_.Now();
    auto fire = [&now](Timer& timer) {
        if (!timer.Due(now)) return false;
        timer.since = now;
        return true;
    };
    if (fire(t.keybrd)) {
        OnKeyboardTimer();
        // A replay cut at its game's start goes on at the game's reading.
        if (std::exchange(takenUp_, false)) now = game_.Now();
    }
    bool fired = false;
    for (Timer& step : t.iWait) {
        if (!fire(step)) continue;
        step.Disable();  // a step is due while its timer is off
        fired = true;
    }
    if (fire(t.picChange)) {
        OnPicChange(game_);
        fired = true;
    }
    if (fire(t.ResetSpeed)) {
        OnResetSpeed(game_);
        fired = true;
    }
    if (fire(t.ScrollNext)) {
        t.ScrollNext.Disable();
        fired = true;
    }
    if (fire(t.tmr1)) {
        OnTmr1(game_);
        fired = true;
    }
    if (fired) pictureStale_ = true;
}

void MainWindow::OnKeyboardTimer() {
    PollKeyboard(s_.keyboard, game_.keys);
    KeyState& keys = game_.keys;
    if (!keys.presses.Empty() || keys.repeatKey != 0 || keys.snapshot != keysBefore_)
        pictureStale_ = true;
    keysBefore_ = keys.snapshot;
    // Only the menu pass's own keys: not keys a load they start lets act meanwhile.
    if (!std::exchange(menuPass_, false) || !s_.watch) {
        KeyHandler(game_, *this);
        return;
    }
    s_.watch->MenuKeysAct();
    KeyHandler(game_, *this);
    s_.watch->MenuKeysActed();
}

void MainWindow::TakeUpRun(bool pictureStale) {
    pictureStale_ = pictureStale;
    keysBefore_ = game_.keys.snapshot;
    takenUp_ = true;
}

bool MainWindow::PictureStale() {
    return !s_.events.Waits() || std::exchange(pictureStale_, false);
}

void MainWindow::WaitForChange() {
    const std::int64_t now = game_.Now();
    std::int64_t next = NextTimerDue(game_.timers, now);
    if (game_.keys.repeatKey != 0) next = std::min(next, game_.keys.repeatAt);
    if (!s_.events.WaitForEvent(static_cast<int>(std::clamp<std::int64_t>(next - now, 0, 1000))))
        return;
    // An event came: the keyboard timer polls the key it may be at the next pass.
    const Timer& keyboard = game_.timers.keybrd;
    const std::int64_t keyboardDue = keyboard.since + keyboard.interval - game_.Now();
    if (keyboard.enabled && keyboardDue > 0) s_.events.Sleep(static_cast<int>(keyboardDue));
}

// ---- the console ---------------------------------------------------------------

void MainWindow::ConsolePrint(std::string_view text) {
    zelkor::ConsolePrint(game_, text);
}

// ---- the main loop ---------------------------------------------------------------

void MainWindow::MainLoopPass() {
    LoopFlags& f = game_.flags;
    if (f.menuShown) {
        RunMenu();
    } else {
        if (f.infoShown) f.infoScreen = true;
        if (f.Pause) {
            ShowPause();
        } else {
            GameFrame();
        }
    }
    DoEvents();
    // A game ends in the menu: the last level done, a next level that failed to load.
    if (s_.watch && game_.flags.stopped) s_.watch->GameEnded();
}

void MainWindow::PlaceStandingSnakesOnStart() {
    for (int n = 1; n <= game_.world.NumSnakes; ++n) {
        SnakeRecord& s = game_.Snake(n);
        if (s.dir == Dir::None || game_.world.Frozen) {
            s.x = static_cast<std::int16_t>(s.startX);
            s.y = static_cast<std::int16_t>(s.startY);
        }
    }
}

// The snake drawing passes end atomic power that has run out and flash the
// snakes that still hold it; each pass notes which snakes it shows. While the
// snakes are frozen a pass ends after the first snake without atomic power, so
// the snakes after it are neither looked at nor shown.
void MainWindow::AtomicPowerPass(int first, int last) {
    auto& shown = game_.flags.snakeShown;
    for (bool& s : shown)
        s = false;
    for (int n = first; n <= last; ++n) {
        SnakeRecord& s = game_.Snake(n);
        if (!s.atomic) {
            shown[n] = true;
            if (game_.world.Frozen) break;
            continue;
        }
        if (s.atomicLeft < 1) {
            s.atomic = false;
            ShowMessage(game_, s.name + " is no longer immortal!");
            shown[n] = true;
            continue;
        }
        if (!game_.flags.blink) {
            game_.flags.blink = true;
            shown[n] = true;
        } else if (s.atomicLeft >= 3) {
            game_.flags.blink = false;
        }
    }
}

void MainWindow::PlayerFrameStep() {
    SnakeRecord& player = game_.Player();
    ItemAppearVanishPass(game_);
    TakePlayerDirection(player);
    WallCheck(game_, *this);
    AdvanceHead(player);
    CheckTimeLimit(game_, *this);
    s_.screen.DrawPlayfield(game_, false);
    StepBody(game_, 1);
    s_.screen.DrawPlayer(game_);
    game_.timers.iWait[0].Enable(game_.Now());
}

void MainWindow::GameFrame() {
    LoopFlags& f = game_.flags;
    World& w = game_.world;
    const bool pausedBefore = f.Pause;

    MusicFrameCheck(game_, music_);
    s_.screen.BeginGameFrame(game_);
    PlaceStandingSnakesOnStart();
    GrowSnakes(game_);

    for (int k = 1; k <= 15; ++k) {
        Timer& step = game_.timers.iWait[static_cast<std::size_t>(k)];
        if (step.enabled) continue;
        if (k + 1 <= w.NumSnakes) {
            MoveSnake(game_, k + 1);
            StepBody(game_, k + 1);
        }
        step.Enable(game_.Now());
    }
    AtomicPowerPass(2, w.NumSnakes);
    s_.screen.DrawComputerSnakes(game_);

    if (game_.timers.iWait[0].enabled) {
        AtomicPowerPass(1, w.NumSnakes);
        s_.screen.DrawPlayfield(game_, true);
    } else {
        PlayerFrameStep();
    }

    s_.screen.DrawOverlays(game_);
    CapLengths(game_);
    CollisionCheck(game_, *this);
    s_.screen.DrawMessages(game_);

    if (!(f.Pause && !pausedBefore)) {
        // Escape during the wait opens the menu at once; the wait goes on when the
        // game comes back (arrow keys only steer outside the menu).
        while (f.wallHitWait && !f.menuShown && !f.ending) {
            s_.screen.DrawWallHitBanner(game_);
            s_.screen.Flip();
            DoEvents();
        }
        s_.screen.DrawHud(game_);
    }
    s_.screen.Flip();
    ++f.frameCount;
    if (f.infoScreen && !f.ending) ShowLevelInfo();
}

// The still scene of the pause, the information screen and the key waits: it
// draws the start markers too, so standing snakes go back to their start.
void MainWindow::RenderStill() {
    PlaceStandingSnakesOnStart();
    AtomicPowerPass(1, game_.world.NumSnakes);
    s_.screen.RenderScene(game_);
}

void MainWindow::ShowPause() {
    LoopFlags& f = game_.flags;
    pictureStale_ = true;
    do {
        if (PictureStale()) {
            RenderStill();
            s_.screen.DrawPauseBanner(game_);
            s_.screen.Flip();
            ++f.frameCount;
        } else {
            WaitForChange();
        }
        DoEvents();
    } while (f.Pause && !f.ending);
}

void MainWindow::ShowLevelInfo() {
    LoopFlags& f = game_.flags;
    f.clockRunning = false;
    f.infoScreen = true;
    f.infoShown = true;
    pictureStale_ = true;
    while (f.infoScreen && !f.ending) {
        if (!PictureStale()) {
            WaitForChange();
            DoEvents();
            continue;
        }
        RenderStill();
        s_.screen.DrawLevelInfo(game_);
        DoEvents();
        s_.screen.Flip();
        ++f.frameCount;
    }
    f.clockRunning = true;
    f.infoShown = false;
}

void MainWindow::WaitForKey(int scanCode) {
    LoopFlags& f = game_.flags;
    const auto held = [&] { return game_.keys.snapshot[static_cast<std::size_t>(scanCode)] != 0; };
    f.waitingForKey = true;
    bool released = !held();  // a key held when the wait began must be let go first
    while (!f.skipDeath && !f.ending) {
        RenderStill();
        s_.screen.Flip();
        ++f.frameCount;
        DoEvents();
        if (!held()) {
            released = true;
        } else if (released) {
            break;
        }
    }
    f.waitingForKey = false;
    f.skipDeath = false;
}

// ---- answers to the rules and the loader -------------------------------------

void MainWindow::PlaySound(std::string_view path, int snake, int balance) {
    if (!effects_.zkPlaySound(path, snake, balance)) EndProgram(1);
}

void MainWindow::ShowGameOverPicture() {
    s_.screen.DrawGameOverPicture(game_);
}
void MainWindow::ShowTimeLimitHit() {
    s_.screen.DrawTimeLimitHit(game_);
}
void MainWindow::DrawKeyNumber(int scanCode) {
    s_.screen.DrawKeyNumber(scanCode);
}

int MainWindow::LoadLevel(std::string_view path) {
    MusicLevelStarted(game_);
    const int result = zelkor::LoadLevel(game_, *this, *this, path);
    // The menu comes up in its place and tells why.
    if (result != 1) HoldMenuStatus(game_, game_.level.InfoText);
    if (result == 1 && s_.watch) s_.watch->LevelLoaded();
    return result;
}

void MainWindow::LoadBackground(std::string_view) {
    s_.screen.LoadBackground(game_);
}
void MainWindow::PrepareLvlGfx() {
    s_.screen.PrepareLvlGfx(game_);
    ReportMissingPicture();
}
void MainWindow::PrepareUserItemGfx() {
    s_.screen.PrepareUserItemGfx(game_);
    ReportMissingPicture();
}

// The level the player named on the command line may lie anywhere; every other level
// path comes from a level or the game and stays inside the game folder.
std::optional<std::string> MainWindow::ReadLevelFile(std::string_view path) {
    const bool playersOwn = !game_.run.cmdLevelPath.empty() && path == game_.run.cmdLevelPath;
    return s_.files.ReadLevelFile(
        path, playersOwn ? GameFiles::Reach::Anywhere : GameFiles::Reach::GameFolder);
}

void MainWindow::UnpackRequiredArchive(std::string_view name) {
    game_.startup.loadingLabel = "Unextracting: " + std::string(name);
    game_.progress.count = 0;
    game_.progress.total = 1;
    s_.archives.Unextract(name, "\\gfx\\", kArchivePassword);
}

bool MainWindow::GfxExists(std::string_view name) {
    return s_.files.GfxExists(name);
}

std::string MainWindow::GfxPath(std::string_view name) {
    return s_.files.ShownGfxPath(name);
}

std::string MainWindow::FolderPath(std::string_view folder, std::string_view name) {
    return s_.files.FolderPath(folder, name);
}

}  // namespace zelkor
