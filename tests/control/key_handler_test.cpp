#include "game/control/input/key_handler.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

class RecordingActions final : public KeyHandlerActions {
public:
    void MenuSelect() override { calls.push_back("MenuSelect"); }
    void QuitAndEnd() override { calls.push_back("QuitAndEnd"); }
    void SaveSettings() override { calls.push_back("SaveSettings"); }
    void TypeKey(int k) override { calls.push_back("Type " + std::to_string(k)); }
    void DrawKeyNumber(int k) override { drawn.push_back(k); }
    void SaveScreenshot() override { calls.push_back("SaveScreenshot"); }
    std::vector<std::string> calls;
    std::vector<int> drawn;
};

class KeyHandlerTest : public ::testing::Test {
protected:
    KeyHandlerTest() : game(clock) {
        game.flags.displayReady = true;
        game.keys.ready.fill(true);
    }

    // One handler run with exactly these keys held.
    void Run(std::initializer_list<int> held) {
        game.keys.snapshot.fill(0);
        for (int k : held)
            game.keys.snapshot[static_cast<std::size_t>(k)] = 1;
        KeyHandler(game, actions);
    }
    void Tap(int k) {
        Run({k});
        Run({});
    }

    ManualClock clock;
    Game game;
    RecordingActions actions;
};

TEST_F(KeyHandlerTest, ArrowsInPlaySteerClearTheWallWaitAndReleaseTheComputerSnakes) {
    game.world.Frozen = true;
    game.flags.wallHitWait = true;
    Tap(key::Left);
    EXPECT_EQ(game.Player().nextDir, Dir::Left);
    EXPECT_FALSE(game.flags.wallHitWait);
    EXPECT_FALSE(game.world.Frozen);
    Tap(key::Up);
    EXPECT_EQ(game.Player().nextDir, Dir::Left) << "with quick turns Up waits behind Left";
    EXPECT_EQ(game.Player().queuedTurn, Dir::Forw);
    game.options.quickTurns = false;
    Tap(key::Up);
    EXPECT_EQ(game.Player().nextDir, Dir::Forw) << "without them the last arrow wins";
    game.world.Frozen = true;
    Tap(key::F2);
    EXPECT_FALSE(game.world.Frozen) << "any key acting in play starts them";

    // Chosen keys steer; the arrows given away do not, and a controller steers whatever
    // keys its actions have.
    game.options.keys.Bind(Action::Left, 0, 30);
    game.options.keys.Bind(Action::Right, 0, 32);
    Tap(key::Left);
    EXPECT_EQ(game.Player().nextDir, Dir::Forw);
    Tap(30);
    EXPECT_EQ(game.Player().nextDir, Dir::Left);
    Tap(pad::Right);
    EXPECT_EQ(game.Player().nextDir, Dir::Right);
}

TEST_F(KeyHandlerTest, OptionsPageKeysPostCommandWordsAndEditTheName) {
    game.flags.menuShown = true;
    game.menu.optionsPage = 1;
    game.menu.optionsRow = 8;
    Tap(key::Right);
    EXPECT_EQ(game.menu.optionsCommand, "+");
    Tap(key::Left);
    EXPECT_EQ(game.menu.optionsCommand, "-");
    game.Player().name = "Alice";
    Tap(key::Backspace);
    EXPECT_EQ(game.Player().name, "Alic");
    Tap(key::Enter);
    EXPECT_EQ(game.menu.optionsCommand, "cycle");
    EXPECT_EQ(game.Player().name, "");
    Tap(key::Down);
    EXPECT_EQ(game.menu.optionsRow, 9);
}

TEST_F(KeyHandlerTest, TypingGoesToTheTargetExceptShiftAndEnterAndTypedKeysCommandNothing) {
    game.menu.typingAllowed = true;
    game.flags.menuShown = true;
    game.menu.hallOfFamePage = 1;
    game.options.keys.Bind(Action::Statistics, 0, 30);
    game.options.keys.Bind(Action::Screenshot, 0, 58);
    Tap(30);
    Tap(key::LeftShift);
    Tap(key::RightShift);
    Tap(57);
    Tap(58);
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"Type 30", "Type 57", "SaveScreenshot"}));
    EXPECT_FALSE(game.flags.statistics);
    Run({key::RightShift});
    EXPECT_FALSE(game.keys.shift) << "only the left shift key makes capitals";
    Run({key::LeftShift});
    EXPECT_TRUE(game.keys.shift);
}

TEST_F(KeyHandlerTest, F1SwitchesTheInformationScreenOnlyInPlay) {
    Tap(key::F1);
    EXPECT_TRUE(game.flags.infoScreen);
    Tap(key::F1);
    EXPECT_FALSE(game.flags.infoScreen);
    game.flags.wallHitWait = true;
    Tap(key::F1);
    EXPECT_FALSE(game.flags.infoScreen);
    game.flags.wallHitWait = false;
    game.flags.lifeLostBox = true;
    Tap(key::F1);
    EXPECT_FALSE(game.flags.infoScreen);
}

TEST_F(KeyHandlerTest, PauseBeginsOnlyInPlayWithoutTheWallWaitAndTheKeyAlwaysEndsIt) {
    Tap(key::Pause);
    EXPECT_TRUE(game.flags.Pause);
    Tap(key::Pause);
    EXPECT_FALSE(game.flags.Pause);
    game.flags.menuShown = true;
    Tap(key::Pause);
    EXPECT_FALSE(game.flags.Pause);
    game.flags.menuShown = false;
    game.flags.wallHitWait = true;
    Tap(key::Pause);
    EXPECT_FALSE(game.flags.Pause);

    // Paused in a life-lost box, then the wall-hit wait began: the arrows that end the
    // wait do not steer while paused, so the pause key must still end the pause.
    game.flags.Pause = true;
    Tap(key::Right);
    EXPECT_TRUE(game.flags.wallHitWait);
    Tap(key::Pause);
    EXPECT_FALSE(game.flags.Pause);
    Tap(key::Left);
    EXPECT_FALSE(game.flags.wallHitWait);
}

TEST_F(KeyHandlerTest, EscapeInPlayClosesTheInformationScreenAndOpensTheMenuInOnePress) {
    game.flags.infoScreen = true;
    game.flags.Pause = true;
    Tap(key::Escape);
    EXPECT_FALSE(game.flags.infoScreen);
    EXPECT_FALSE(game.flags.Pause);
    EXPECT_TRUE(game.flags.menuShown);
    Tap(key::Escape);
    EXPECT_FALSE(game.flags.menuShown) << "and back into the game";
}

TEST_F(KeyHandlerTest, EscapeLeavesPagesSkipsDeathsAndQuitsBeforeTheDisplay) {
    game.flags.menuShown = true;
    game.menu.optionsPage = 1;
    Tap(key::Escape);
    EXPECT_EQ(game.menu.optionsPage, 0);
    EXPECT_EQ(actions.calls.back(), "SaveSettings");
    game.menu.hallOfFamePage = 1;
    Tap(key::Escape);
    EXPECT_EQ(game.menu.hallOfFamePage, 0);
    EXPECT_TRUE(game.flags.menuShown);

    game.flags.menuShown = false;
    game.flags.waitingForKey = true;
    Tap(key::Escape);
    EXPECT_TRUE(game.flags.skipDeath);

    game.flags.stopped = true;
    game.flags.menuShown = true;
    Tap(key::Escape);
    EXPECT_TRUE(game.flags.menuShown) << "no game to go back to";

    game.flags.displayReady = false;
    Tap(key::Escape);
    EXPECT_EQ(actions.calls.back(), "QuitAndEnd");
}

TEST_F(KeyHandlerTest, FunctionKeysSwitchTheirOwnDisplayAndDebugShowsEveryHeldKey) {
    const auto switches = [&] {
        const LoopFlags& f = game.flags;
        return std::vector<bool>{f.nameTags, f.statistics, f.deathDetails};
    };
    Tap(key::F2);
    EXPECT_EQ(switches(), (std::vector<bool>{true, false, false}));
    Tap(key::F3);
    Tap(key::F4);
    Tap(key::F2);
    EXPECT_EQ(switches(), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(game.keys.lastKey, key::F2);
    // F12 takes a screenshot once per press, also while paused.
    game.flags.Pause = true;
    Run({key::F12});
    Run({key::F12});
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"SaveScreenshot"}));
    game.flags.Pause = false;
    EXPECT_TRUE(actions.drawn.empty()) << "only in debug mode";

    game.run.debug = true;
    Run({key::F3, key::Escape});
    Run({key::F3, key::Escape});  // held: drawn again, acting only once
    EXPECT_EQ(actions.drawn, (std::vector<int>{key::Escape, key::F3, key::Escape, key::F3}));
    EXPECT_EQ(switches(), (std::vector<bool>{false, false, true}));
}

}  // namespace
}  // namespace zelkor
