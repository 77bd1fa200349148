#include "game/rules/level_end.h"

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using LevelEnd = RulesTest;

TEST_F(LevelEnd, TheGoalOfEachMode) {
    SnakeRecord& p = game.Player();
    game.level = LevelSettings{};
    EXPECT_TRUE(GoalReached(game, 1));  // nothing required
    game.level.ReqBlue = 2;
    game.level.ReqScore = 50;
    p.blueEaten = 2;
    p.score = 49;
    EXPECT_FALSE(GoalReached(game, 1));
    p.score = 50;
    EXPECT_TRUE(GoalReached(game, 1));

    game.run.gameMode = "DM";
    game.run.limit = 5;
    p.frags = 4;
    p.length = 4;
    EXPECT_FALSE(GoalReached(game, 1));
    p.frags = 5;
    EXPECT_TRUE(GoalReached(game, 1));
    game.run.huntingMode = true;  // the length counts, not the frags
    EXPECT_FALSE(GoalReached(game, 1));
    p.length = 5;
    EXPECT_TRUE(GoalReached(game, 1));
}

TEST_F(LevelEnd, TheBoxTheBonusAndTheNextLevel) {
    SnakeRecord& p = game.Player();
    p.score = 400;
    p.totalScore = 9000;
    p.atomic = true;
    game.level.TimeLimit = 120;
    game.flags.levelClock = 100;
    game.level.NextLevelPath = "/game/lvl/lvl2.dat";
    game.hallOfFame[0].score = "10000";
    game.hallOfFame[1].score = "9000";
    PutSnake(2, 50, 50, Dir::Left);
    LayBody(2, 70, 50, 20, 0, 4);
    NextLevel(game, host);
    ASSERT_EQ(host.boxes.size(), 1u);
    const auto& box = host.boxes[0];
    EXPECT_EQ(box[0].text, "Next Level!!!");
    EXPECT_EQ(box[1].text, "-Press Enter-");
    EXPECT_EQ(box[2].text, "Your Score: 9420");  // written after the bonus was added
    EXPECT_EQ(box[3].text, "Time Bonus: 20 pts");
    EXPECT_EQ(box[4].text, "This is a new High Score!");
    EXPECT_EQ(box[2].y, 245);
    EXPECT_EQ(box[4].y, 275);
    EXPECT_TRUE(p.totalScore == 9420 && p.score == 0 && !p.atomic);
    EXPECT_TRUE(game.Snake(2).length == 1 && game.flags.levelClock == 0);
    EXPECT_EQ(host.levelsLoaded, std::vector<std::string>{"/game/lvl/lvl2.dat"});

    // The last level: the notice moves up without a bonus line, and the menu follows.
    game.level.TimeLimit = 0;
    game.level.NextLevelPath = "/game/lvl/END";
    p.score = 100;
    NextLevel(game, host);
    EXPECT_EQ(host.boxes.back()[3].text, "");
    EXPECT_EQ(host.boxes.back()[4].y, 260);
    EXPECT_EQ(host.levelsLoaded.size(), 1u);
    EXPECT_TRUE(game.flags.menuShown && game.flags.stopped && game.flags.running);
    game.cheats.cheatUsed = true;  // a cheater hears of no high score
    NextLevel(game, host);
    EXPECT_EQ(host.boxes.back()[4].text, "");
    EXPECT_EQ(p.totalScore, 9520);

    // A level played alone from the Levels page ends on the page, whatever comes next.
    game.cheats.cheatUsed = false;
    game.levelRun.active = true;
    game.level.NextLevelPath = "/game/lvl/lvl2.dat";
    NextLevel(game, host);
    EXPECT_EQ(host.boxes.back()[0].text, "Level Complete!!!");
    EXPECT_EQ(host.boxes.back()[4].text, "") << "no high score outside a whole game";
    EXPECT_EQ(host.levelsLoaded.size(), 1u);
    EXPECT_EQ(host.levelRunsOver, std::vector<bool>{true});
    EXPECT_TRUE(game.flags.menuShown && game.flags.stopped);
}

TEST_F(LevelEnd, TheTimeLimitCostsALife) {
    SnakeRecord& p = game.Player();
    game.level.TimeLimit = 60;
    game.flags.levelClock = 59;
    CheckTimeLimit(game, host);
    EXPECT_TRUE(host.boxes.empty());

    game.flags.levelClock = 60;
    p.x = 500;
    CheckTimeLimit(game, host);
    EXPECT_TRUE(host.timeLimitShown && host.boxes.size() == 1 && game.world.Frozen);
    EXPECT_TRUE(p.lives == 2 && p.x == 310 && p.deaths == 0 && !host.gameOverShown);

    game.run.gameMode = "DM";  // the clock starts again in deathmatch too
    game.flags.levelClock = 60;
    CheckTimeLimit(game, host);
    EXPECT_TRUE(game.flags.levelClock == 0 && p.lives == 2);

    game.run.gameMode.clear();
    p.lives = 0;
    game.flags.levelClock = 61;
    CheckTimeLimit(game, host);
    EXPECT_TRUE(host.gameOverShown && p.lives == 3);
    game.cheats.noTimeCheck = true;
    CheckTimeLimit(game, host);
    EXPECT_EQ(host.boxes.size(), 4u);
}

}  // namespace
}  // namespace zelkor
