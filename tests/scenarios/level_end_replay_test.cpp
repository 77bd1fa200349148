// Whole runs of the game across level ends: the level-end box, the next level,
// the last level, and the game over with its hall-of-fame entry.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// ---- level ends ----------------------------------------------------------------

// One yellow item three cells below the player; eating it wins the level.
LevelText OneBite(const std::string& name, const std::string& next, int timeout) {
    return LevelText(name, next)
        .Put(10, 5, '*')
        .Key("Timeout=", timeout)
        .Key("numYellow= 1")
        .Key("reqYellow= 1")
        .PlayerStart(10, 2);
}

TEST(LevelEnd, TheBoxWaitsForEnterAndTheNextLevelLoads) {
    Replay replay;
    replay.AddLevel("first.dat", OneBite("First", "second.dat", 100));
    replay.AddLevel("second.dat", OneBite("Second", "END", 0));
    const std::string firstLevel = SetOff(kDown);

    const auto waiting = replay.Play("/L=first.dat", 1500, firstLevel);
    EXPECT_EQ(waiting.dump["level"]["LevelFile"], "lvl/first.dat");
    EXPECT_EQ(CentredTexts(waiting.dump),
              (std::vector<std::string>{"Next Level!!! @215", "-Press Enter- @230",
                                        "Your Score: 110 @245", "Time Bonus: 100 pts @260"}));

    const auto next = replay.Play("/L=first.dat", 2000, firstLevel + Press(1500, kEnter));
    const auto& player = next.dump["Snakes"][0];
    EXPECT_EQ(next.dump["level"]["LevelFile"], "lvl/second.dat");
    EXPECT_EQ(next.dump["level"]["LevelName"], "Second");
    EXPECT_TRUE(next.dump["flags"]["infoScreen"]);
    EXPECT_TRUE(CentredTexts(next.dump).empty());
    EXPECT_EQ(player["totalScore"], 110);
    EXPECT_EQ(player["score"], 0);
    EXPECT_EQ(player["yellowEaten"], 0);

    // The second level is the last: its box leads back to the menu.
    const auto last = replay.Play("/L=first.dat", 4500,
                                  firstLevel + Press(1500, kEnter) + CloseInfo(2000) +
                                      Press(2100, kDown) + Press(3000, kEnter));
    EXPECT_TRUE(last.dump["flags"]["menuShown"]);
    EXPECT_TRUE(last.dump["flags"]["stopped"]);
    EXPECT_EQ(last.dump["Snakes"][0]["totalScore"], 120);
}

// File names on disk are UTF-8, while the command line arrives in UTF-8 and a level's
// "nextLvl=" is Windows-1252: both must find an accented level.
TEST(LevelEnd, AccentedLevelNamesAreFoundFromTheCommandLineAndFromNextLvl) {
    Replay replay;
    replay.AddLevel("erste_\xC3\xA4.dat", OneBite("Erste", "zweite_\xE4.dat", 0));
    replay.AddLevel("zweite_\xC3\xA4.dat", OneBite("Zweite", "END", 0));
    const auto run = replay.Play("/L=erste_\xE4.dat", 2000, SetOff(kDown) + Press(1500, kEnter));
    EXPECT_EQ(run.dump["level"]["LevelName"], "Zweite");
    EXPECT_EQ(run.dump["level"]["LevelFile"], "lvl/zweite_\xC3\xA4.dat");

    const auto first = replay.Play("/L=erste_\xE4.dat", 200, CloseInfo());
    EXPECT_EQ(first.dump["level"]["LevelFile"], "lvl/erste_\xC3\xA4.dat");
    EXPECT_EQ(first.dump["level"]["NextLevelPath"], "lvl/zweite_\xC3\xA4.dat");
}

TEST(LevelEnd, ALevelWithoutANextLevelEndsTheGameAndPaysOnce) {
    Replay replay;
    replay.AddLevel("alone.dat", OneBite("Alone", "", 0));
    const auto run = replay.Play("/L=alone.dat", 3000, SetOff(kDown) + Press(1500, kEnter));
    EXPECT_TRUE(run.dump["flags"]["menuShown"]);
    EXPECT_EQ(run.dump["Snakes"][0]["totalScore"], 10);
}

// ---- time limit ----------------------------------------------------------------

// A level of one second; the player stands on its start.
LevelText OneSecond() {
    return LevelText("Hurry").Key("Timeout= 1").Key("reqScore= 9999").PlayerStart(10, 2);
}

TEST(TimeLimit, EveryHitCostsALifeUntilTheGameIsOver) {
    Replay replay;
    replay.AddLevel("hurry.dat", OneSecond());
    std::string keys = CloseInfo();
    for (int hit = 0; hit < 5; ++hit)
        keys += Press(1300 + 1000 * hit, kEnter);

    const auto waiting = replay.Play("/L=hurry.dat", 1250, keys);
    EXPECT_EQ(waiting.dump["Snakes"][0]["lives"], 3);
    EXPECT_EQ(waiting.dump["level"]["levelClock"], 1);

    const auto after = replay.Play("/L=hurry.dat", 1500, keys);
    EXPECT_EQ(after.dump["Snakes"][0]["lives"], 2);
    EXPECT_EQ(after.dump["Snakes"][0]["deaths"], 0) << "not a death";
    EXPECT_EQ(after.dump["level"]["levelClock"], 0);
    EXPECT_TRUE(after.dump["Frozen"]);

    // The fourth hit leaves no life: the game-over box, then the menu.
    const auto over = replay.Play("/L=hurry.dat", 4500, keys);
    EXPECT_EQ(
        CentredTexts(over.dump),
        (std::vector<std::string>{"Game Over @215", "-Press Enter- @230", "Your Score: 0 @245"}));
    const auto menu = replay.Play("/L=hurry.dat", 5500, keys);
    EXPECT_TRUE(menu.dump["flags"]["menuShown"]);
    EXPECT_TRUE(menu.dump["flags"]["stopped"]);
    EXPECT_EQ(menu.dump["Snakes"][0]["lives"], 3);
}

TEST(TimeLimit, InDeathmatchTheClockStartsAgainAfterAHit) {
    Replay replay;
    replay.AddLevel("hurry.dat", OneSecond());
    const auto run = replay.Play("/DM /L=hurry.dat", 1900,
                                 CloseInfo() + Press(1300, kEnter) + Press(1400, kDown));
    const auto& player = run.dump["Snakes"][0];
    EXPECT_EQ(player["lives"], 3);
    EXPECT_EQ(run.dump["level"]["levelClock"], 0);
    EXPECT_GT(player["y"], CellY(3)) << "the player moves on instead of waiting again";
}

// ---- game over -------------------------------------------------------------------

// A level won with a large time bonus, then a level whose player starts at the
// left edge: four steps to the left use up the three lives and the last one.
TEST(GameOver, TheLastLifeLostEntersTheHallOfFame) {
    Replay replay;
    replay.AddLevel("bonus.dat", OneBite("Bonus", "edge.dat", 9999));
    replay.AddLevel("edge.dat", EdgeLevel());
    std::string keys = SetOff(kDown) + Press(1000, kEnter) + CloseInfo(1200);
    for (int death = 0; death < 4; ++death)
        keys += Press(1300 + 500 * death, kLeft) + Press(1600 + 500 * death, kEnter);
    const std::string settings = "[Options]\nPlayer Name=Ada\n";
    replay.WriteSettings(settings);
    const auto won = replay.Play("/L=bonus.dat", 900, keys);
    EXPECT_EQ(CentredTexts(won.dump),
              (std::vector<std::string>{"Next Level!!! @215", "-Press Enter- @230",
                                        "Your Score: 10009 @245", "Time Bonus: 9999 pts @260",
                                        "This is a new High Score! @275"}));

    const auto box = replay.Play("/L=bonus.dat", 3500, keys);
    EXPECT_EQ(box.dump["Snakes"][0]["deaths"], 4);
    EXPECT_EQ(
        CentredTexts(box.dump),
        (std::vector<std::string>{"Game Over @215", "-Press Enter- @230", "Your Score: 10009 @245",
                                  "This is a new High Score! @260"}));

    // A fresh settings file: the run before has saved its entry there.
    const auto file = replay.WriteSettings(settings);
    const auto menu = replay.Play("/L=bonus.dat", 4000, keys + Press(3500, kEnter));
    const auto& hall = menu.dump["hallOfFame"];
    EXPECT_EQ(hall[0]["name"], "Ada");
    EXPECT_EQ(hall[0]["score"], "10009");
    EXPECT_NE(ReadBytes(file).find("Score 1=10009"), std::string::npos) << "saved";
    EXPECT_EQ(hall[1]["score"], "10000");
    EXPECT_EQ(hall[9]["score"], "2000");  // the rest moved down one place
    EXPECT_TRUE(menu.dump["flags"]["menuShown"]);
    EXPECT_EQ(menu.dump["menu"]["hallOfFamePage"], 1);
    EXPECT_EQ(menu.dump["Snakes"][0]["lives"], 3);
    EXPECT_EQ(menu.dump["Snakes"][0]["totalScore"], 0);
}

}  // namespace
}  // namespace zelkor
