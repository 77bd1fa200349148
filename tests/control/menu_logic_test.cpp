#include "game/control/menus/menu_logic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

class FakeMenuHost final : public MenuHost {
public:
    int HighestModelNumber() override { return highestModel; }
    void SwitchMusic(bool on) override { calls.push_back(on ? "music on" : "music off"); }
    void SetMusicVolume(int percent) override {
        calls.push_back("volume " + std::to_string(percent));
    }
    int highestModel = 2;
    std::vector<std::string> calls;
};

class MenuLogicTest : public ::testing::Test {
protected:
    MenuLogicTest() : game(clock) {}

    void Pass() { MenuPassLogic(game, host); }
    // The options page with the cursor on `row`, one pass per action word.
    void Act(int row, std::initializer_list<const char*> words) {
        game.menu.optionsPage = 1;
        game.menu.optionsRow = static_cast<std::int16_t>(row);
        for (const char* word : words) {
            game.menu.optionsCommand = word;
            Pass();
        }
    }

    ManualClock clock;
    Game game;
    FakeMenuHost host;
};

TEST_F(MenuLogicTest, NumbersStepWithinTheirRangesAndTheCursorWraps) {
    Act(0, {""});
    EXPECT_EQ(game.menu.optionsRow, 16);
    Act(17, {""});
    EXPECT_EQ(game.menu.optionsRow, 1);
    game.level.maxSpd = 59;
    Act(1, {"+", "+", "+"});
    EXPECT_EQ(game.level.maxSpd, 60);
    EXPECT_EQ(game.menu.statusLine, "Set the maximum game speed [10fast - 60slow]");
    EXPECT_EQ(game.menu.optionsCommand, "");
    game.level.minSpd = 101;
    Act(2, {"-", "-", "-"});
    EXPECT_EQ(game.level.minSpd, 100);
    game.level.SpeedStep = 1;
    Act(6, {"-", "-", "-"});
    EXPECT_EQ(game.level.SpeedStep, 0.5);
    Act(6, {"cycle"});
    EXPECT_EQ(game.level.SpeedStep, 0.5);
    game.options.musicVolume = 99;
    Act(13, {"+", "+"});
    EXPECT_EQ(game.options.musicVolume, 100);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"volume 100", "volume 100"}));
    game.Player().speed = 5;  // from a damaged settings file
    Act(3, {"cycle"});
    EXPECT_EQ(game.Player().speed, 60);  // the maximum speed
    game.level.maxSpd = 300;             // crossed ends still give one of them
    Act(3, {"+"});
    EXPECT_EQ(game.Player().speed, 300);
    EXPECT_EQ(game.options.globalSpeed, 300) << "stored as the global speed";
    EXPECT_EQ(game.timers.iWait[0].interval, 300) << "and the player's step takes it at once";
}

TEST_F(MenuLogicTest, YesNoRowsToggleOnEveryActionWordOnly) {
    Options& o = game.options;
    const std::vector<std::pair<int, bool*>> rows{{4, &o.noSpeedReset},  {5, &game.level.SpeedUp},
                                                  {7, &o.showFPS},       {9, &o.animatedItems},
                                                  {10, &o.sndEnabled},   {11, &o.kiSndEnabled},
                                                  {12, &o.musicEnabled}, {15, &o.quickTurns}};
    for (const auto& [row, flag] : rows) {
        const bool before = *flag;
        Act(row, {"+", "-"});
        EXPECT_EQ(*flag, before) << row;
        Act(row, {"cycle", ""});
        EXPECT_NE(*flag, before) << row;
    }
    EXPECT_EQ(host.calls, (std::vector<std::string>{"music off", "music on", "music off"}));
}

TEST_F(MenuLogicTest, DeathmatchClosesTheSpeedMutators) {
    game.run.gameMode = "NDM";
    game.level.SpeedStep = 2;
    Act(5, {"+"});
    EXPECT_EQ(game.menu.statusLine, "Not in DM mode");
    Act(6, {"+"});
    EXPECT_FALSE(game.level.SpeedUp);
    EXPECT_EQ(game.level.SpeedStep, 2);
    Act(7, {"+"});
    EXPECT_FALSE(game.options.showFPS);
    EXPECT_EQ(game.menu.statusLine, "Show an FPS counter in the top right edge [Yes/No]");
}

TEST_F(MenuLogicTest, ThePlayerModelStaysWithinTheInstalledModels) {
    game.Player().model = 1;
    Act(14, {"cycle", "+", "+"});
    EXPECT_EQ(game.Player().model, 2);
    Act(14, {"-", "-", "-"});
    EXPECT_EQ(game.Player().model, 0);
    host.highestModel = -1;
    Act(14, {"+"});
    EXPECT_EQ(game.Player().model, 0);
}

TEST_F(MenuLogicTest, AHeldStatusStaysUntilTheCursorMovesOrAPageOpens) {
    game.menu.menuRow = 1;
    HoldMenuStatus(game, "Level x.dat does not exist");
    Pass();
    Pass();
    EXPECT_EQ(game.menu.statusLine, "Level x.dat does not exist");
    game.menu.menuRow = 2;
    Pass();
    game.menu.menuRow = 1;
    Pass();
    EXPECT_EQ(game.menu.statusLine, "Start a new game") << "moving back does not bring it back";

    game.menu.menuRow = 6;  // wrapped before it is held
    HoldMenuStatus(game, "held");
    Pass();
    EXPECT_EQ(game.menu.statusLine, "held");
    game.menu.hallOfFamePage = 1;
    Pass();
    game.menu.hallOfFamePage = 0;
    Pass();
    EXPECT_EQ(game.menu.statusLine, "Start a new game");
}

TEST_F(MenuLogicTest, TheCreditsTickerShowsTheLastCharactersOneAtATime) {
    game.run.credits = "abc";
    Pass();  // the ticker timer is still running
    EXPECT_EQ(game.menu.tickerLine, "");
    for (int i = 0; i < 4; ++i) {
        game.timers.ScrollNext.Disable();  // it ran out
        Pass();
    }
    EXPECT_EQ(game.menu.tickerLine, "abab");  // the last character is skipped
    Pass();
    EXPECT_EQ(game.menu.tickerLine, "abab");
}

}  // namespace
}  // namespace zelkor
