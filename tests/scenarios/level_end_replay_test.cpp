// Whole runs of the game across level ends: the level-end box and the next level, and
// the game over with its hall-of-fame entry.
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
    const std::string firstLevel = SetOff(key::Down);

    const auto waiting = replay.Play("/L=first.dat", 1500, firstLevel);
    EXPECT_EQ(waiting.dump["level"]["LevelFile"], "lvl/first.dat");
    EXPECT_EQ(CentredTexts(waiting.dump)[0], "Next Level!!! @215");

    const auto next = replay.Play("/L=first.dat", 2000, firstLevel + Press(1500, key::Enter));
    const auto& player = next.dump["Snakes"][0];
    EXPECT_EQ(next.dump["level"]["LevelFile"], "lvl/second.dat");
    EXPECT_EQ(next.dump["level"]["LevelName"], "Second");
    EXPECT_TRUE(next.dump["flags"]["infoScreen"]);
    EXPECT_TRUE(CentredTexts(next.dump).empty());
    EXPECT_EQ(player["totalScore"], 110);
    EXPECT_EQ(player["score"], 0);
    EXPECT_EQ(player["yellowEaten"], 0);
    EXPECT_EQ(player["tailPiece"], "") << "the last level's tail is not drawn";
}

// File names on disk are UTF-8, while the command line arrives in UTF-8 and a level's
// "nextLvl=" is Windows-1252: both must find an accented level.
TEST(LevelEnd, AccentedLevelNamesAreFoundFromTheCommandLineAndFromNextLvl) {
    Replay replay;
    replay.AddLevel("erste_\xC3\xA4.dat", OneBite("Erste", "zweite_\xE4.dat", 0));
    replay.AddLevel("zweite_\xC3\xA4.dat", OneBite("Zweite", "END", 0));
    const auto run =
        replay.Play("/L=erste_\xE4.dat", 2000, SetOff(key::Down) + Press(1500, key::Enter));
    EXPECT_EQ(run.dump["level"]["LevelName"], "Zweite");
    EXPECT_EQ(run.dump["level"]["LevelFile"], "lvl/zweite_\xC3\xA4.dat");
}

// The level the player names may lie anywhere; a level that a level names stays inside
// the game folder, however far its "nextLvl=" climbs out of it.
TEST(LevelEnd, OnlyTheLevelThePlayerNamesMayLieOutsideTheGameFolder) {
    Replay replay;
    const TempFolder away;
    const std::string climb = "..\\..\\" + away.path().filename().string() + "\\";
    WriteBytes(away.path() / "mine.dat", OneBite("Mine", climb + "second.dat", 0).Text());
    WriteBytes(away.path() / "second.dat", OneBite("Outside", "END", 0).Text());
    const auto run =
        replay.Play("/L=" + climb + "mine.dat", 2000, SetOff(key::Down) + Press(1500, key::Enter));
    EXPECT_EQ(run.dump["Snakes"][0]["totalScore"], 10) << "the player's level was played";
    EXPECT_NE(run.dump["level"]["LevelName"], "Outside");
    EXPECT_TRUE(run.dump["flags"]["menuShown"]) << run.dump["level"]["InfoText"];
}

// ---- game over -------------------------------------------------------------------

// A level won with a large time bonus, then a level whose player starts at the
// left edge: four steps to the left use up the three lives and the last one.
TEST(GameOver, TheLastLifeLostEntersTheHallOfFame) {
    Replay replay;
    replay.AddLevel("bonus.dat", OneBite("Bonus", "edge.dat", 9999));
    replay.AddLevel("edge.dat", EdgeLevel());
    std::string keys = SetOff(key::Down) + Press(1000, key::Enter) + CloseInfo(1200);
    for (int death = 0; death < 4; ++death)
        keys += Press(1300 + 500 * death, key::Left) + Press(1600 + 500 * death, key::Enter);
    const std::string settings = "[Options]\nPlayer Name=Ada\n";
    replay.WriteSettings(settings);
    const std::filesystem::path recorded = replay.dir() / "game.zkreplay";
    replay.RecordTo(recorded);
    const auto box = replay.Play("/L=bonus.dat", 3500, keys);
    EXPECT_EQ(box.dump["Snakes"][0]["deaths"], 4);
    EXPECT_EQ(
        CentredTexts(box.dump),
        (std::vector<std::string>{"Game Over @215", "-Press Enter- @230", "Your Score: 10009 @245",
                                  "This is a new High Score! @260"}));
    // Its replay ends as it did; cut short, or once a level it read changed, it is refused.
    EXPECT_EQ(replay.Verify(recorded, 0), "Final score 10009, level 2: as recorded\n");
    const std::string bytes = ReadBytes(recorded);
    // The game folder keeps it as the last game, and the new entry names a copy of it.
    EXPECT_EQ(ReadBytes(replay.dir() / "replays/last.zkreplay"), bytes);
    const std::string saved = ReadBytes(replay.dir() / "settings.ini");
    const std::string kept = saved.substr(saved.find("Replay 1=") + 9, 25);  // hex + ".zkreplay"
    EXPECT_EQ(ReadBytes(replay.dir() / "replays" / kept), bytes);
    WriteBytes(replay.dir() / "cut.zkreplay", bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(replay.Verify(replay.dir() / "cut.zkreplay", 2),
              "Zelkor: This replay is damaged or incomplete\n");
    std::string edge = ReadBytes(replay.dir() / "lvl/edge.dat");
    edge[40] ^= 1;
    WriteBytes(replay.dir() / "lvl/edge.dat", edge);
    EXPECT_EQ(replay.Verify(recorded, 2),
              "Zelkor: edge.dat has changed since this replay was recorded\n");
    replay.AddLevel("edge.dat", EdgeLevel());

    // A fresh settings file: the run before has saved its entry there. The new line
    // waits on the hall-of-fame page for its name, prefilled with the player's.
    const auto file = replay.WriteSettings(settings);
    keys += Press(3500, key::Enter);
    const auto menu = replay.Play("/L=bonus.dat", 4000, keys);
    EXPECT_EQ(menu.dump["hallOfFame"][0]["name"], "Ada");
    EXPECT_EQ(menu.dump["hallOfFame"][0]["score"], "10009");
    EXPECT_NE(ReadBytes(file).find("Score 1=10009"), std::string::npos) << "saved";
    EXPECT_TRUE(menu.dump["flags"]["menuShown"]);
    EXPECT_EQ(menu.dump["menu"]["hallOfFamePage"], 1);
    EXPECT_EQ(menu.dump["menu"]["typingTarget"], "HallOfFame");

    // Backspace, "x" (a cheat console letter goes to the name instead), Enter: the name
    // is kept and becomes the player's.
    replay.WriteSettings(settings);
    keys += Press(4100, key::Backspace) + Press(4200, 45) + Press(4300, key::Enter);
    const auto named = replay.Play("/L=bonus.dat", 4600, keys);
    EXPECT_EQ(named.dump["hallOfFame"][0]["name"], "Adx");
    EXPECT_EQ(named.dump["menu"]["typingTarget"], "Cheat");
    EXPECT_EQ(named.dump["menu"]["hallOfFameRow"], 1) << "the cursor on the new line";
    EXPECT_EQ(named.dump["Snakes"][0]["name"], "Adx");
    EXPECT_NE(ReadBytes(file).find("Player Name=Adx"), std::string::npos);
    EXPECT_NE(ReadBytes(file).find("Name 1=Adx"), std::string::npos);
}

}  // namespace
}  // namespace zelkor
