#include "game/control/input/cheat_console.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/control/input/typing.h"

namespace zelkor {
namespace {

class CheatConsoleTest : public ::testing::Test {
protected:
    CheatConsoleTest() : game(clock) {
        game.cheats.cheatUsed = true;
        game.menu.hallOfFamePage = 1;
        game.level.InfoText = "Welcome";
    }

    // Runs the commands on this console text; returns what is left of it.
    std::string Enter(std::string text) {
        game.cheats.consoleText = std::move(text);
        TestConsoleCommands(game, levels);
        return game.cheats.consoleText;
    }

    ManualClock clock;
    Game game;
    std::vector<std::string> loaded;
    int loadResult = 1;
    ConsoleLevels levels{"/games/zk", [this](std::string_view path) {
                             loaded.emplace_back(path);
                             return loadResult;
                         }};
};

TEST_F(CheatConsoleTest, TypingKeepsNineCharactersAndPlumtroveUnlocksAnywhere) {
    game.cheats.cheatUsed = false;
    game.menu.hallOfFamePage = 0;
    game.flags.stopped = true;
    game.menu.typingTarget = "Cheat";
    for (int i = 0; i < 12; ++i)
        TypeIntoTarget(game, 30, levels);  // A
    EXPECT_EQ(game.cheats.consoleText, "aaaaaaaaa");
    EXPECT_EQ(Enter("plumtrov"), "plumtrov");
    EXPECT_FALSE(game.cheats.cheatUsed);
    EXPECT_EQ(Enter("plumtrove"), "");
    EXPECT_TRUE(game.cheats.cheatUsed);
}

TEST_F(CheatConsoleTest, ACommandUnderAFailingConditionDoesNothingAndStays) {
    const std::vector<std::string> commands{"god",    "noclip", "timepass",
                                            "giveY5", "giveS",  "warp12"};
    const auto nothingHappened = [&](const std::string& text) {
        EXPECT_EQ(Enter(text), text);
        EXPECT_FALSE(game.cheats.godMode || game.cheats.noClip || game.cheats.noTimeCheck);
        EXPECT_EQ(game.Player().yellowEaten + game.Player().score, 0);
        EXPECT_TRUE(loaded.empty());
        EXPECT_EQ(game.level.InfoText, "Welcome");
    };
    game.cheats.cheatUsed = false;  // locked
    for (const auto& c : commands)
        nothingHappened(c);
    game.cheats.cheatUsed = true;
    game.menu.hallOfFamePage = 0;  // off the hall-of-fame page
    for (const auto& c : commands)
        nothingHappened(c);
    game.menu.hallOfFamePage = 1;
    game.flags.stopped = true;  // no game going on: everything but warp refuses
    for (const auto& c : commands)
        if (c != "warp12") nothingHappened(c);
    game.flags.stopped = false;
    for (const std::string c : {"god ", "noclipx", "warp1", "give", "giveYYYY5", "God"})
        nothingHappened(c);
}

TEST_F(CheatConsoleTest, ModesSwitchBackAndForthWithTheirTexts) {
    EXPECT_EQ(Enter("god"), "");
    EXPECT_TRUE(game.cheats.godMode);
    EXPECT_EQ(game.level.InfoText, "Cheater! - GOD mode activated");
    Enter("god");
    EXPECT_FALSE(game.cheats.godMode);
    EXPECT_EQ(game.level.InfoText, "Cheater! - GOD mode deactivated");
    Enter("noclip");
    EXPECT_EQ(game.level.InfoText, "Cheater! - NoClipping mode activated");
    Enter("timepass");
    EXPECT_EQ(game.level.InfoText, "Cheater! - NoTimeChecking mode activated");
    EXPECT_TRUE(game.cheats.noClip && game.cheats.noTimeCheck);
}

TEST_F(CheatConsoleTest, GiveCountsOnlyTheLastCharacterForTheFourColours) {
    const SnakeRecord& p = game.Player();
    EXPECT_EQ(Enter("giveY5"), "");
    EXPECT_EQ(p.yellowEaten, 5);
    EXPECT_EQ(game.level.InfoText, "Cheater! - 5 items given...");
    Enter("giveY12");
    EXPECT_EQ(p.yellowEaten, 7);
    Enter("giver3");
    Enter("giveB1");
    Enter("gived9");
    EXPECT_EQ(p.redEaten * 100 + p.blueEaten * 10 + p.blackEaten, 319);
    game.level.InfoText = "Welcome";
    EXPECT_EQ(Enter("giveX5"), "");  // emptied, nothing given
    EXPECT_EQ(game.level.InfoText, "Welcome");
}

TEST_F(CheatConsoleTest, GiveWithOneLetterGivesPointsALifeOrAtomicPower) {
    SnakeRecord& p = game.Player();
    p.score = 500;
    p.lives = 3;
    p.atomicLeft = 5;
    Enter("giveS");
    EXPECT_EQ(p.score, 600);
    EXPECT_EQ(game.level.InfoText, "Cheater! - 100 pts given...");
    Enter("giveL");
    EXPECT_EQ(p.lives, 4);
    EXPECT_EQ(game.level.InfoText, "Cheater! - one live given...");
    Enter("givep");
    EXPECT_EQ(p.score, 500);
    EXPECT_TRUE(p.atomic);
    EXPECT_EQ(p.atomicLeft, 25);
    EXPECT_EQ(p.atomicGiven, 25);
    EXPECT_EQ(p.powerEaten, 1);
    EXPECT_EQ(game.level.InfoText, "Cheater! - atomic power given...");
    EXPECT_EQ(Enter("giveY"), "giveY");  // waits for its count
}

TEST_F(CheatConsoleTest, WarpLoadsTheNumberedLevelEvenWithoutAGame) {
    game.flags.stopped = true;
    EXPECT_EQ(Enter("warp12"), "");
    EXPECT_EQ(Enter("warp05"), "");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], "/games/zk\\lvl\\lvl12.dat");
    EXPECT_EQ(loaded[1], "/games/zk\\lvl\\lvl5.dat");
    EXPECT_EQ(game.level.InfoText, "Cheater! - Level loaded... (Press ESC twice)");
    game.level.InfoText = "This level has a time limit";
    Enter("warp03");
    EXPECT_EQ(game.level.InfoText, "This level has a time limit");
    loadResult = -1;  // the loader's failure message is kept
    game.level.InfoText = "Level lvl99.dat does not exist";
    EXPECT_EQ(Enter("warp99"), "");
    EXPECT_EQ(game.level.InfoText, "Level lvl99.dat does not exist");
}

}  // namespace
}  // namespace zelkor
