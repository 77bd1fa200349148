#include "game/control/run/main_window.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/settings_store.h"
#include "game/control/audio/recording_audio.h"
#include "game/control/run/message_box.h"
#include "game/rules/messages.h"

namespace zelkor {
namespace {

// Records the drawing calls of a frame; can pause the game in the middle of one.
class RecordingScreen final : public Screen {
public:
    std::vector<std::string> calls;
    Game* pauseDuringOverlays = nullptr;

    void BeginGameFrame(const Game&) override { calls.push_back("Begin"); }
    void DrawComputerSnakes(const Game&) override { calls.push_back("ComputerSnakes"); }
    void DrawPlayfield(const Game&, bool all) override {
        calls.push_back(all ? "Playfield+Snakes" : "Playfield");
    }
    void DrawPlayer(const Game&) override { calls.push_back("Player"); }
    void DrawOverlays(const Game&) override {
        calls.push_back("Overlays");
        if (pauseDuringOverlays) pauseDuringOverlays->flags.Pause = true;
    }
    void DrawMessages(const Game&) override { calls.push_back("Messages"); }
    void DrawHud(const Game&) override { calls.push_back("Hud"); }
    void Flip() override { calls.push_back("Flip"); }
};

class MainWindowTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kStart = 100000;

    MainWindowTest()
        : window(game, Services{keyboard, screen, events, sound, music, settings, messageBox,
                                archives, files}) {}

    ManualClock clock{kStart};
    Game game{clock};
    ScriptedKeyboard keyboard{clock};
    RecordingScreen screen;
    SteppingWindowEvents events{clock, 16, kStart + 4000};
    SilentSound sound;
    SilentMusic music;
    MemorySettingsStore settings;
    NullArchiveService archives;
    std::ostringstream boxes;
    NullMessageBox messageBox{boxes};
    GameFiles files{std::filesystem::path(ZELKOR_SOURCE_DIR) / "content"};
    MainWindow window;
};

TEST_F(MainWindowTest, ATimerFiresAtMostOncePerDoEventsHoweverLateItIs) {
    game.flags.clockRunning = true;
    clock.Advance(5000);
    window.DoEvents();
    EXPECT_EQ(game.flags.levelClock, 1);
    EXPECT_EQ(game.flags.animFrame, 2);
    window.DoEvents();  // 16 ms later: tmr1 counts from its last firing
    EXPECT_EQ(game.flags.levelClock, 1);
}

TEST_F(MainWindowTest, TheConsoleKeepsFiveLinesAndTheProgressBarItsWidth) {
    for (const char* line : {"a", "b\r\n", "c", "d", "e", "f"})
        window.ConsolePrint(line);
    EXPECT_EQ(game.startup.console,
              (std::array<std::string, 5>{"b\r\n", "c\r\n", "d\r\n", "e\r\n", "f\r\n"}));
    EXPECT_EQ(game.messages[0], "") << "only debug mode copies console lines to the messages";
    game.run.debug = true;
    window.ConsolePrint("g");
    EXPECT_EQ(game.messages[0], "g");

    SetProgress(game, 250);
    EXPECT_EQ(game.startup.progressPercent, 100);
    SetProgress(game, 37.5);
    EXPECT_EQ(game.startup.progressPercent, 37);
}

TEST_F(MainWindowTest, AKeyboardThatCannotStartEndsTheProgramWithItsMessage) {
    ScriptedKeyboard broken(clock);
    broken.FailStart({-2147024894, "no input service"});
    Game other(clock);
    MainWindow failing(other, Services{broken, screen, events, sound, music, settings, messageBox,
                                       archives, files});
    EXPECT_EQ(failing.INIT_Main("/L=lvl1.dat"), 1);
    EXPECT_NE(boxes.str().find(kKeyboardStartFailedText), std::string::npos);
    EXPECT_EQ(other.startup.console[4], "-2147024894: no input service\r\n");
    EXPECT_FALSE(other.flags.displayReady);
    EXPECT_EQ(other.level.LevelFile, "") << "nothing is loaded after the failure";
}

TEST_F(MainWindowTest, AnEffectThatCannotBeLoadedAtStartEndsTheProgramWithItsBox) {
    RecordingSound broken;
    broken.unreadable.push_back(files.folder() / "Snd/explode.wav");
    Game other(clock);
    MainWindow failing(other, Services{keyboard, screen, events, broken, music, settings,
                                       messageBox, archives, files});
    EXPECT_EQ(failing.INIT_Main("/L=lvl1.dat"), 1);
    EXPECT_NE(boxes.str().find("unable to find \\Snd\\explode.wav"), std::string::npos);
    EXPECT_FALSE(other.flags.displayReady);
    EXPECT_EQ(other.level.LevelFile, "") << "no level is loaded after the failure";
}

class FrameTest : public MainWindowTest {
protected:
    FrameTest() {
        EXPECT_EQ(window.LoadLevel("lvl/lvl2.dat"), 1);
        game.flags.infoScreen = false;
        screen.calls.clear();
    }
    // Computer snake 2 heading forwards from its start, no longer frozen.
    SnakeRecord& MovingComputerSnake() {
        game.world.NumSnakes = 2;
        game.world.Frozen = false;
        SnakeRecord& s = game.Snake(2);
        s.x = static_cast<std::int16_t>(s.startX);
        s.y = static_cast<std::int16_t>(s.startY);
        s.dir = Dir::Forw;
        return s;
    }
};

TEST_F(FrameTest, AFrameIsComposedInOrderAndDrawsEverySnakeWithoutAPlayerStep) {
    game.timers.iWait[0].Disable();
    window.GameFrame();
    EXPECT_EQ(screen.calls,
              (std::vector<std::string>{"Begin", "ComputerSnakes", "Playfield", "Player",
                                        "Overlays", "Messages", "Hud", "Flip"}));
    EXPECT_TRUE(game.timers.iWait[0].enabled) << "the step timer re-arms after the step";

    screen.calls.clear();
    screen.pauseDuringOverlays = &game;
    window.GameFrame();
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Begin", "ComputerSnakes", "Playfield+Snakes",
                                                      "Overlays", "Messages", "Flip"}))
        << "pausing in the middle of a frame skips its HUD";
}

TEST_F(FrameTest, GrowthIsPaidBeforeTheComputerSnakesStep) {
    SnakeRecord& s = MovingComputerSnake();
    game.timers.iWait[1].Disable();
    window.GameFrame();
    s.grow = 1;
    game.timers.iWait[1].Disable();
    window.GameFrame();
    EXPECT_EQ(s.length, 2);
    EXPECT_NE(s.body[2].x, -20) << "the new segment is filled by this frame's body step";
}

TEST_F(FrameTest, AComputerSnakeStepsAtMostOncePerFrame) {
    SnakeRecord& s = MovingComputerSnake();
    game.timers.iWait[1].interval = 1;
    int steps = 0;
    for (int i = 0; i < 3; ++i) {
        const int x = s.x, y = s.y;
        clock.Advance(500);  // far longer than its step interval
        window.DoEvents();
        window.GameFrame();
        steps += (std::abs(s.x - x) + std::abs(s.y - y)) / 20;
    }
    EXPECT_EQ(steps, 3);
}

TEST_F(FrameTest, AtomicPowerEndsWithAMessageButNotPastAFrozenSnakeWithoutIt) {
    game.world.NumSnakes = 3;
    SnakeRecord& s = game.Snake(3);
    s.name = "Coily";
    s.atomic = true;
    s.atomicLeft = 0;
    game.timers.iWait[0].Enable(clock.NowMs());
    window.GameFrame();
    EXPECT_TRUE(s.atomic) << "while frozen the passes end at snake 2";

    game.world.Frozen = false;
    window.GameFrame();
    EXPECT_FALSE(s.atomic);
    EXPECT_EQ(
        std::count(game.messages.begin(), game.messages.end(), "Coily is no longer immortal!"), 1);
}

TEST_F(FrameTest, AFlashingSnakeIsShownEveryOtherPassAndHiddenInItsLastSeconds) {
    game.world.Frozen = false;
    game.world.NumSnakes = 2;
    SnakeRecord& s = game.Snake(2);
    s.atomic = true;
    s.atomicLeft = 5;
    game.timers.iWait[0].Enable(clock.NowMs());
    std::vector<bool> shown;
    for (int i = 0; i < 4; ++i) {
        window.GameFrame();  // the player does not step: two passes a frame
        shown.push_back(game.flags.snakeShown[2]);
        EXPECT_TRUE(game.flags.snakeShown[1]) << "the player has no atomic power";
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, false, false, false}))
        << "two passes a frame: the second always finds the toggle the first set";
    window.ShowPause();  // one pass a frame
    const bool first = game.flags.snakeShown[2];
    window.ShowPause();
    EXPECT_NE(game.flags.snakeShown[2], first);

    s.atomicLeft = 2;
    window.ShowPause();  // shown once more if the toggle was off
    for (int i = 0; i < 3; ++i) {
        window.ShowPause();
        EXPECT_FALSE(game.flags.snakeShown[2]) << "hidden in the last two seconds";
    }
}

TEST_F(FrameTest, TheStillSceneOfThePausePutsStandingSnakesOnTheirStart) {
    SnakeRecord& p = game.Player();
    game.world.Frozen = false;
    p.dir = Dir::None;
    p.x = 50;
    p.y = 70;
    window.ShowPause();  // not paused: one pass
    EXPECT_EQ(p.x, p.startX);
    EXPECT_EQ(p.y, p.startY);

    p.dir = Dir::Left;  // a moving snake stays where it is
    p.x = 50;
    window.ShowPause();
    EXPECT_EQ(p.x, 50);
}

// A display refreshing `hz` times a second: every flip waits for the next refresh. Notes when
// each picture of a fade (its green) and of the menu (-1) was shown.
class PacedScreen final : public Screen {
public:
    PacedScreen(ManualClock& clock, int hz) : clock_(clock), start_(clock.NowMs()), hz_(hz) {}

    void FillVisible(std::uint8_t, std::uint8_t g, std::uint8_t) override { drawn_ = g; }
    void DrawMenu(const Game&) override { drawn_ = -1; }
    void Flip() override {
        ++refreshes_;
        clock_.Set(start_ + refreshes_ * 1000 / hz_);
        shown.push_back({clock_.NowMs(), drawn_});
    }
    int FrameMs() const { return 1000 / hz_ + 1; }

    struct Shown {
        std::int64_t at;
        int green;
    };
    std::vector<Shown> shown;

private:
    ManualClock& clock_;
    std::int64_t start_;
    std::int64_t refreshes_ = 0;
    int hz_;
    int drawn_ = -1;
};

class FadeTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    FadeTest()
        : paced(clock, GetParam()),
          fading(game, Services{keyboard, paced, still, sound, music, settings, messageBox,
                                archives, files}) {
        KeyboardStartError error;
        keyboard.DI_Init(error);
        game.flags.displayReady = true;
        game.flags.stopped = false;  // a game to go back to with Escape
        game.timers.keybrd.Enable(clock.NowMs());
    }

    // The fades of the last menu: from its first picture to its last, and its last green.
    struct Fade {
        std::int64_t first = -1, last = 0;
        int lastGreen = 0, pictures = 0;
        std::int64_t ms() const { return last - first; }
    };
    std::vector<Fade> Fades() const {
        std::vector<Fade> fades;
        bool inFade = false;
        for (const auto& [at, green] : paced.shown) {
            if (green >= 0 && !inFade) fades.push_back({at});
            if (green >= 0)
                fades.back() = {fades.back().first, at, green, fades.back().pictures + 1};
            inFade = green >= 0;
        }
        return fades;
    }

    NoWindowEvents still;
    PacedScreen paced;
    MainWindow fading;
};

TEST_P(FadeTest, EachFadeLastsAQuarterSecondOfTheClockAndAKeyPressedInItEndsItAndActs) {
    const std::int64_t start = clock.NowMs();
    keyboard.Press(start + 1000, key::Escape);  // back into the game
    keyboard.Release(start + 1040, key::Escape);
    fading.RunMenu();
    ASSERT_FALSE(game.flags.menuShown);
    const std::vector<Fade> fades = Fades();
    ASSERT_EQ(fades.size(), 2u);
    for (const Fade& fade : fades)
        EXPECT_NEAR(fade.ms(), 250, paced.FrameMs()) << GetParam() << " Hz";
    EXPECT_EQ(fades[0].lastGreen, 120) << "in: the last step";
    EXPECT_EQ(fades[1].lastGreen, 0) << "out: black";
    EXPECT_GE(fades[0].pictures, 250 * GetParam() / 1000 - 1) << "a picture every refresh";

    // Down tapped 5 ms long, 100 ms into the fade: the fade ends and the cursor moves.
    const std::int64_t again = clock.NowMs();
    paced.shown.clear();
    keyboard.Press(again + 100, key::Down);
    keyboard.Release(again + 105, key::Down);
    keyboard.Press(again + 1000, key::Escape);
    keyboard.Release(again + 1040, key::Escape);
    game.menu.menuRow = 1;
    fading.RunMenu();
    EXPECT_NEAR(Fades()[0].ms(), 100, paced.FrameMs());
    EXPECT_EQ(game.menu.menuRow, 2);
}

// A window somebody watches: the still loops may wait in it, and each wait runs its time out.
class WaitingWindow final : public WindowEvents {
public:
    explicit WaitingWindow(ManualClock& clock) : clock_(clock) {}
    void Pump(WindowEventSink&) override {}
    void Sleep(int ms) override { clock_.Advance(ms); }
    bool Waits() const override { return true; }
    bool WaitForEvent(int ms) override {
        clock_.Advance(ms);
        waited += ms;
        return false;
    }
    std::int64_t waited = 0;

private:
    ManualClock& clock_;
};

TEST_P(FadeTest, InAWindowTheMenuDrawsOnlyWhatATimerOrAKeyChangedAndWaitsBetween) {
    WaitingWindow waiting(clock);
    MainWindow watched(game, Services{keyboard, paced, waiting, sound, music, settings, messageBox,
                                      archives, files});
    const std::int64_t start = clock.NowMs();
    keyboard.Press(start + 600, key::Down);
    keyboard.Release(start + 640, key::Down);
    keyboard.Press(start + 1000, key::Escape);
    keyboard.Release(start + 1040, key::Escape);
    watched.RunMenu();
    const auto menuPictures = std::count_if(paced.shown.begin(), paced.shown.end(),
                                            [](const auto& s) { return s.green < 0; });
    // The ticker (55 ms) and the marker (66 ms) change it about 33 times a second.
    EXPECT_LT(menuPictures, 35) << "not a picture every refresh";
    EXPECT_GT(waiting.waited, 300);
    EXPECT_EQ(game.menu.menuRow, 2) << "a key wakes it";
}

INSTANTIATE_TEST_SUITE_P(Refresh, FadeTest, ::testing::Values(60, 144));

// The window's reports: focus changes and closing.
class WindowReportTest : public MainWindowTest {
protected:
    WindowReportTest() {
        EXPECT_EQ(window.LoadLevel("lvl/lvl1.dat"), 1);
        game.flags.infoScreen = false;
        game.flags.displayReady = true;
    }
};

TEST_F(WindowReportTest, LosingTheFocusPausesPlayButNotTheMenuOrADeathBox) {
    window.Activated(false);
    EXPECT_TRUE(game.flags.Pause);
    window.Activated(true);
    EXPECT_TRUE(game.flags.Pause) << "the game stays paused until the player resumes";

    game.flags.Pause = false;
    game.flags.menuShown = true;
    window.Activated(false);
    EXPECT_FALSE(game.flags.Pause);

    game.flags.menuShown = false;
    game.flags.lifeLostBox = true;
    window.Activated(false);
    EXPECT_FALSE(game.flags.Pause);
    window.Activated(true);
    EXPECT_TRUE(game.flags.skipDeath) << "coming back ends the box's wait";

    game.flags.skipDeath = false;
    game.flags.displayReady = false;
    window.Activated(true);
    EXPECT_FALSE(game.flags.skipDeath) << "before start-up ends a focus change does nothing";
}

TEST_F(WindowReportTest, ClosingTheWindowQuitsLikeExit) {
    window.WindowClosed();
    EXPECT_TRUE(game.flags.ending);
    EXPECT_FALSE(game.flags.running);
    EXPECT_EQ(settings.Read("Options", "NewInstall"), std::optional<std::string>("False"))
        << "the quit routine ran";
}

}  // namespace
}  // namespace zelkor
