// Whole runs of the game on small purpose-made levels: collection windows,
// item effects, walls and TNT, computer snakes, bites, level ends, game over.
#include <gtest/gtest.h>

#include <iostream>

#include "tests/scenarios/level_builder.h"
#include "tests/scenarios/scenario.h"

namespace zelkor {
namespace {

using scenario::CellX;
using scenario::CellY;
using scenario::LevelText;

constexpr int kF1 = 59;
constexpr int kEnter = 28;
constexpr int kDown = 208;
constexpr int kRight = 205;
constexpr int kLeft = 203;

// A key pressed at `time` and let go 40 ms later.
std::string Press(int time, int code) {
    return std::to_string(time) + " " + std::to_string(code) + " 1\n" + std::to_string(time + 40) +
           " " + std::to_string(code) + " 0\n";
}

// F1 closes the information screen that follows every level load.
std::string CloseInfo(int time = 200) {
    return Press(time, kF1);
}

class Replay {
public:
    explicit Replay(const std::string& name) : dir_(scenario::MakeGameFolder(name)) {}

    const std::filesystem::path& dir() const { return dir_; }

    // A settings file for the runs to read and write (without one, each run
    // starts from a fresh store).
    std::filesystem::path WriteSettings(const std::string& text) {
        settings_ = dir_ / "settings.ini";
        scenario::WriteFile(*settings_, text);
        return *settings_;
    }

    void AddLevel(const std::string& file, const LevelText& level) {
        scenario::WriteFile(dir_ / "lvl" / file, level.Text());
    }

    scenario::Run Play(const std::string& commandLine, std::int64_t runMs, const std::string& keys,
                       std::int64_t seed = 11) const {
        HeadlessOptions o;
        o.gameDir = dir_;
        o.seed = seed;
        o.runMs = runMs;
        o.commandLine = commandLine;
        o.settingsFile = settings_;
        scenario::Run run = scenario::RunGame(o, keys);
        EXPECT_EQ(run.status, 0);
        return run;
    }

private:
    std::filesystem::path dir_;
    std::optional<std::filesystem::path> settings_;
};

// ---- collection windows ------------------------------------------------------

struct WindowCase {
    int dx = 0;  // head minus item, across the snake's path
    int dy = 0;
    bool collected = false;
};

// One item of `kind` on a spawn point at (310, 230); the player passes it once,
// down a column `dx` pixels beside it or along a row `dy` pixels above or below.
scenario::Run PassItem(Replay& replay, const std::string& numKey, WindowCase c) {
    const int tx = CellX(16), ty = CellY(12);
    const bool down = c.dx != 0;
    const int startX = down ? tx + c.dx : tx - 100;
    const int startY = down ? ty - 100 : ty + c.dy;
    replay.AddLevel("window.dat", LevelText()
                                      .Put(16, 12, '*')
                                      .Key("lvlName= Window")
                                      .Key("nextLvl= END")
                                      .Key(numKey + " 1")
                                      .Key("reqScore= 9999")
                                      .Key("HideCollected=True")
                                      .Key("SnakeStrtX= " + std::to_string(startX))
                                      .Key("SnakeStrtY= " + std::to_string(startY)));
    return replay.Play("/L=window.dat", 1300, CloseInfo() + Press(300, down ? kDown : kRight));
}

void ExpectWindow(const std::string& numKey, const std::string& counter,
                  const std::vector<WindowCase>& cases) {
    Replay replay("window-" + counter);
    for (const WindowCase& c : cases) {
        SCOPED_TRACE("dx " + std::to_string(c.dx) + " dy " + std::to_string(c.dy));
        const auto run = PassItem(replay, numKey, c);
        const auto& player = run.dump["Snakes"][0];
        // The head went on well past the item.
        EXPECT_GT(c.dx != 0 ? player["y"] : player["x"], (c.dx != 0 ? CellY(12) : CellX(16)) + 40);
        EXPECT_EQ(player[counter], c.collected ? 1 : 0);
    }
}

TEST(CollectionWindow, YellowReachesSixteenPixelsEveryWay) {
    ExpectWindow("numYellow=", "yellowEaten",
                 {{-16, 0, true},
                  {-17, 0, false},
                  {16, 0, true},
                  {17, 0, false},
                  {0, -16, true},
                  {0, -17, false},
                  {0, 16, true},
                  {0, 17, false}});
}

TEST(CollectionWindow, RedReachesSixteenLeftTwelveRightAndTwelveUpOrDown) {
    ExpectWindow("numRed=", "redEaten",
                 {{-16, 0, true},
                  {-17, 0, false},
                  {12, 0, true},
                  {13, 0, false},
                  {0, -12, true},
                  {0, -13, false},
                  {0, 12, true},
                  {0, 13, false}});
}

TEST(CollectionWindow, TntReachesSixteenLeftAndUpTwelveRightAndDown) {
    ExpectWindow("numTNT=", "tnt",
                 {{-16, 0, true},
                  {-17, 0, false},
                  {12, 0, true},
                  {13, 0, false},
                  {0, -16, true},
                  {0, -17, false},
                  {0, 12, true},
                  {0, 13, false}});
}

// ---- blue items ----------------------------------------------------------------

bool HasMessage(const nlohmann::json& dump, const std::string& text) {
    for (const auto& line : dump["messages"])
        if (line == text) return true;
    return false;
}

// `count` blue items in a column below the player, eaten one per step.
scenario::Run EatBlueColumn(const std::string& name, int count, const std::string& mode) {
    Replay replay(name);
    LevelText level;
    for (int row = 3; row < 3 + count; ++row)
        level.Put(5, row, '*');
    level.Key("lvlName= Blue column")
        .Key("nextLvl= END")
        .Key("numBlue= " + std::to_string(count))
        .Key("reqBlue= 99")
        .Key("HideCollected=True")
        .Key("SnakeStrtX= " + std::to_string(CellX(5)))
        .Key("SnakeStrtY= " + std::to_string(CellY(2)));
    replay.AddLevel("blue.dat", level);
    return replay.Play(mode + " /L=blue.dat", 300 + 112 * (count + 2),
                       CloseInfo() + Press(300, kDown));
}

TEST(BlueItems, TheTenthGivesALifeAndTheNinthDoesNot) {
    const auto nine = EatBlueColumn("blue-nine", 9, "");
    EXPECT_EQ(nine.dump["Snakes"][0]["blueEaten"], 9);
    EXPECT_EQ(nine.dump["Snakes"][0]["lives"], 3);
    EXPECT_EQ(nine.dump["Snakes"][0]["score"], 9 * 60);

    const auto ten = EatBlueColumn("blue-ten", 10, "");
    const auto& player = ten.dump["Snakes"][0];
    EXPECT_EQ(player["blueEaten"], 10);
    EXPECT_EQ(player["lives"], 4);
    EXPECT_EQ(player["frags"], 0);
    EXPECT_EQ(player["score"], 10 * 60);
    EXPECT_TRUE(HasMessage(ten.dump, "You receive a new live!")) << ten.dump["messages"];
}

TEST(BlueItems, TheTenthGivesAFragInDeathmatch) {
    const auto run = EatBlueColumn("blue-dm", 10, "/DM");
    const auto& player = run.dump["Snakes"][0];
    EXPECT_EQ(player["blueEaten"], 10);
    EXPECT_EQ(player["frags"], 1);
    EXPECT_EQ(player["lives"], 3);
    EXPECT_TRUE(HasMessage(run.dump, "Unknown got another frag! (10xBlue)"))
        << run.dump["messages"];
}

// ---- walls and TNT -----------------------------------------------------------

// The player runs down column 10 from row 2 over `tnt` TNT items (rows 3, 4, ...).
LevelText TntColumn(int tnt) {
    LevelText level;
    for (int i = 0; i < tnt; ++i)
        level.Put(10, 3 + i, '*');
    level.Key("lvlName= Blasting")
        .Key("nextLvl= END")
        .Key("numTNT= " + std::to_string(tnt))
        .Key("reqScore= 9999")
        .Key("SnakeStrtX= " + std::to_string(CellX(10)))
        .Key("SnakeStrtY= " + std::to_string(CellY(2)));
    return level;
}

std::string RunDown() {
    return CloseInfo() + Press(300, kDown);
}

TEST(WallsAndTnt, OneTntBlastsTwoPiecesMetInOneCall) {
    // A pair of pieces across the column at row 8, a single piece at row 12.
    const auto walls = [](LevelText level) {
        return level.Put(9, 8, '<').Put(10, 8, '>').Put(10, 12, '+');
    };
    Replay replay("tnt");

    replay.AddLevel("tnt1.dat", walls(TntColumn(1)));
    const auto one = replay.Play("/L=tnt1.dat", 2000, RunDown());
    EXPECT_TRUE(HasMessage(one.dump, "You got TNT, now you can blow walls!"));
    EXPECT_FALSE(one.dump["WallPieces"][0]["standing"]);
    EXPECT_FALSE(one.dump["WallPieces"][1]["standing"]);
    // Both blasts used up the one TNT: the single piece kills.
    EXPECT_TRUE(one.dump["WallPieces"][2]["standing"]);
    EXPECT_EQ(one.dump["Snakes"][0]["tnt"], 0);
    EXPECT_EQ(one.dump["Snakes"][0]["deaths"], 1);
    EXPECT_EQ(one.dump["centredLines"][0]["text"], "Uh - You loose a live...");

    replay.AddLevel("tnt2.dat", walls(TntColumn(2)));
    const auto two = replay.Play("/L=tnt2.dat", 2000, RunDown());
    EXPECT_FALSE(two.dump["WallPieces"][0]["standing"]);
    EXPECT_FALSE(two.dump["WallPieces"][1]["standing"]);
    EXPECT_FALSE(two.dump["WallPieces"][2]["standing"]);
    // Three blasts in two calls: the single one costs nothing.
    EXPECT_EQ(two.dump["Snakes"][0]["tnt"], 1);
    EXPECT_EQ(two.dump["Snakes"][0]["deaths"], 0);
    EXPECT_GT(two.dump["Snakes"][0]["y"], CellY(13));
}

TEST(WallsAndTnt, AWallNoTntUserItemKillsWithTntInHand) {
    Replay replay("no-tnt");
    std::filesystem::create_directories(replay.dir() / "gfx");
    scenario::WriteFile(replay.dir() / "gfx" / "uwall.bmp", "BM");
    replay.AddLevel("notnt.dat", TntColumn(1)
                                     .Put(10, 7, 'a')
                                     .Put(10, 11, 'b')
                                     .Key("let:a=wall")
                                     .Key("let:b=wall_no_tnt")
                                     .Key("set:a=uwall.bmp")
                                     .Key("set:b=uwall.bmp"));
    const auto run = replay.Play("/L=notnt.dat", 2000, RunDown() + Press(1700, kEnter));
    const auto& cells = run.dump["UserItemCells"];
    const auto& player = run.dump["Snakes"][0];
    EXPECT_FALSE(cells[0]["hasGfx"]);  // the plain wall fell to the TNT
    EXPECT_TRUE(cells[1]["hasGfx"]);
    EXPECT_EQ(player["tnt"], 1);
    EXPECT_EQ(player["deaths"], 1);
    EXPECT_EQ(player["lives"], 2);
    EXPECT_EQ(player["x"], CellX(10));
    EXPECT_EQ(player["y"], CellY(2));
    EXPECT_TRUE(run.dump["flags"]["wallHitWait"]);
}

// ---- level ends ----------------------------------------------------------------

// One yellow item three cells below the player; eating it wins the level.
LevelText OneBite(const std::string& name, const std::string& next, int timeout) {
    LevelText level;
    level.Put(10, 5, '*')
        .Key("lvlName= " + name)
        .Key("Timeout= " + std::to_string(timeout))
        .Key("numYellow= 1")
        .Key("reqYellow= 1")
        .Key("SnakeStrtX= " + std::to_string(CellX(10)))
        .Key("SnakeStrtY= " + std::to_string(CellY(2)));
    if (!next.empty()) level.Key("nextLvl= " + next);
    return level;
}

std::vector<std::string> CentredTexts(const nlohmann::json& dump) {
    std::vector<std::string> texts;
    for (const auto& line : dump["centredLines"])
        if (!line["text"].get<std::string>().empty())
            texts.push_back(line["text"].get<std::string>() + " @" +
                            std::to_string(line["y"].get<int>()));
    return texts;
}

TEST(LevelEnd, TheBoxWaitsForEnterAndTheNextLevelLoads) {
    Replay replay("level-end");
    replay.AddLevel("first.dat", OneBite("First", "second.dat", 100));
    replay.AddLevel("second.dat", OneBite("Second", "END", 0));
    const std::string firstLevel = CloseInfo() + Press(300, kDown);

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

TEST(LevelEnd, ALevelWithoutANextLevelEndsTheGameAndPaysOnce) {
    Replay replay("level-alone");
    replay.AddLevel("alone.dat", OneBite("Alone", "", 0));
    const auto run =
        replay.Play("/L=alone.dat", 3000, CloseInfo() + Press(300, kDown) + Press(1500, kEnter));
    EXPECT_TRUE(run.dump["flags"]["menuShown"]);
    EXPECT_EQ(run.dump["Snakes"][0]["totalScore"], 10);
}

// ---- game over -------------------------------------------------------------------

// A level won with a large time bonus, then a level whose player starts at the
// left edge: four steps to the left use up the three lives and the last one.
TEST(GameOver, TheLastLifeLostEntersTheHallOfFame) {
    Replay replay("game-over");
    replay.AddLevel("bonus.dat", OneBite("Bonus", "edge.dat", 9999));
    replay.AddLevel("edge.dat", LevelText()
                                    .Key("lvlName= Edge")
                                    .Key("nextLvl= END")
                                    .Key("reqScore= 9999")
                                    .Key("SnakeStrtX= " + std::to_string(CellX(1)))
                                    .Key("SnakeStrtY= " + std::to_string(CellY(11))));
    std::string keys = CloseInfo() + Press(300, kDown) + Press(1000, kEnter) + CloseInfo(1200);
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

    const auto file = replay.WriteSettings(settings);
    const auto menu = replay.Play("/L=bonus.dat", 4000, keys + Press(3500, kEnter));
    const auto& hall = menu.dump["hallOfFame"];
    EXPECT_EQ(hall[0]["name"], "Ada");
    EXPECT_EQ(hall[0]["score"], "10009");
    EXPECT_NE(scenario::ReadFile(file).find("Score 1=10009"), std::string::npos) << "saved";
    EXPECT_EQ(hall[1]["score"], "10000");
    EXPECT_EQ(hall[9]["score"], "2000");  // the rest moved down one place
    EXPECT_TRUE(menu.dump["flags"]["menuShown"]);
    EXPECT_EQ(menu.dump["menu"]["hallOfFamePage"], 1);
    EXPECT_EQ(menu.dump["Snakes"][0]["lives"], 3);
    EXPECT_EQ(menu.dump["Snakes"][0]["totalScore"], 0);
}

}  // namespace
}  // namespace zelkor
