// Whole runs of the game on small levels: collection windows, blue items,
// walls and TNT, and the boxes that wait for a key.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// ---- collection windows ------------------------------------------------------

// One item (`numKey` names its kind) on a spawn point at (310, 230); the player passes it once,
// down a column `dx` pixels beside it or along a row `dy` pixels above or below. Each kind
// reaches 16 pixels left, and `right`, `up` and `down` pixels the other ways.
void ExpectWindow(const std::string& numKey, const std::string& counter, int right, int up,
                  int down) {
    Replay replay;
    const int tx = CellX(16), ty = CellY(12);
    const std::tuple<int, int, bool> cases[] = {
        {-16, 0, true}, {-17, 0, false},     {right, 0, true}, {right + 1, 0, false},
        {0, -up, true}, {0, -up - 1, false}, {0, down, true},  {0, down + 1, false},
    };
    for (const auto& [dx, dy, collected] : cases) {
        SCOPED_TRACE(numKey + " dx " + std::to_string(dx) + " dy " + std::to_string(dy));
        const bool across = dx != 0;
        replay.AddLevel("window.dat",
                        LevelText("Window")
                            .Put(16, 12, '*')
                            .Key(numKey, 1)
                            .Key("reqScore= 9999")
                            .Key("HideCollected=True")
                            .PlayerAt(across ? tx + dx : tx - 100, across ? ty - 100 : ty + dy));
        const auto run = replay.Play("/L=window.dat", 1300, SetOff(across ? kDown : kRight));
        const auto& player = run.dump["Snakes"][0];
        // The head went on well past the item.
        EXPECT_GT(across ? player["y"] : player["x"], (across ? ty : tx) + 40);
        EXPECT_EQ(player[counter], collected ? 1 : 0);
    }
}

TEST(CollectionWindow, EachKindReachesItsOwnDistanceEveryWay) {
    ExpectWindow("numYellow=", "yellowEaten", 16, 16, 16);
    ExpectWindow("numRed=", "redEaten", 12, 12, 12);
    ExpectWindow("numTNT=", "tnt", 12, 16, 12);
}

// ---- blue items ----------------------------------------------------------------

// `count` blue items in a column below the player, eaten one per step.
Run EatBlueColumn(int count, const std::string& mode) {
    Replay replay;
    LevelText level("Blue column");
    for (int row = 3; row < 3 + count; ++row)
        level.Put(5, row, '*');
    replay.AddLevel("blue.dat", level.Key("numBlue=", count)
                                    .Key("reqBlue= 99")
                                    .Key("HideCollected=True")
                                    .PlayerStart(5, 2));
    return replay.Play(mode + " /L=blue.dat", 300 + 112 * (count + 2), SetOff(kDown));
}

TEST(BlueItems, TheTenthGivesALifeOrInDeathmatchAFrag) {
    const auto nine = EatBlueColumn(9, "");
    EXPECT_EQ(nine.dump["Snakes"][0]["blueEaten"], 9);
    EXPECT_EQ(nine.dump["Snakes"][0]["lives"], 3);
    EXPECT_EQ(nine.dump["Snakes"][0]["score"], 9 * 60);

    const auto eleven = EatBlueColumn(11, "");
    const auto& player = eleven.dump["Snakes"][0];
    EXPECT_EQ(player["blueEaten"], 11);
    EXPECT_EQ(player["lives"], 4);
    EXPECT_EQ(player["frags"], 0);
    EXPECT_EQ(player["score"], 11 * 60);
    EXPECT_EQ(player["length"], 12);  // one segment owed per item, paid out
    EXPECT_TRUE(HasMessage(eleven.dump, "You receive a new live!")) << eleven.dump["messages"];

    const auto deathmatch = EatBlueColumn(11, "/DM");
    EXPECT_EQ(deathmatch.dump["Snakes"][0]["blueEaten"], 11);
    EXPECT_EQ(deathmatch.dump["Snakes"][0]["frags"], 1);
    EXPECT_EQ(deathmatch.dump["Snakes"][0]["lives"], 3);
    EXPECT_TRUE(HasMessage(deathmatch.dump, "Unknown got another frag! (10xBlue)"))
        << deathmatch.dump["messages"];
}

// Two yellow items below the player, who eats them and runs on off the bottom edge.
TEST(HiddenItems, EveryDeathBringsTheCollectedItemsBack) {
    Replay replay;
    replay.AddLevel("hidden.dat", LevelText("Hidden")
                                      .Put(10, 19, '*')
                                      .Put(10, 20, '*')
                                      .Key("numYellow= 2")
                                      .Key("reqYellow= 5")
                                      .Key("HideCollected=True")
                                      .PlayerStart(10, 18));
    const std::string keys = SetOff(kDown);

    const auto dead = replay.Play("/L=hidden.dat", 1200, keys);
    EXPECT_EQ(dead.dump["Snakes"][0]["deaths"], 1);
    for (const auto& item : dead.dump["items"]["Yellow"]) {
        EXPECT_FALSE(item["visible"]);
        EXPECT_TRUE(item["taken"]);
    }

    const auto back = replay.Play("/L=hidden.dat", 1500, keys + Press(1200, kEnter));
    EXPECT_EQ(back.dump["Snakes"][0]["lives"], 2);
    EXPECT_EQ(back.dump["Snakes"][0]["yellowEaten"], 2);
    for (const auto& item : back.dump["items"]["Yellow"]) {
        EXPECT_TRUE(item["visible"]);
        EXPECT_FALSE(item["taken"]);
    }
}

// ---- the playfield edge ------------------------------------------------------------

struct EdgeCase {
    int startX, startY, key;
    const char* axis;
    int lattice;  // the wrapped head's coordinate modulo 20 (10 before the wrap)
};

// With open walls the head comes back on the far side, on a shifted lattice.
TEST(PlayfieldEdge, OpenWallsWrapTheHeadToTheirFixedTargets) {
    Replay replay;
    for (const EdgeCase& c : {EdgeCase{30, 210, kLeft, "x", 0},       // to 600
                              EdgeCase{590, 210, kRight, "x", 15},    // to 15
                              EdgeCase{310, 30, kUp, "y", 0},         // to 440
                              EdgeCase{310, 430, kDown, "y", 15}}) {  // to 15
        SCOPED_TRACE(std::to_string(c.startX) + "," + std::to_string(c.startY));
        replay.AddLevel("open.dat", LevelText("Open")
                                        .Key("reqScore= 9999")
                                        .Key("hasOpenWalls=True")
                                        .PlayerAt(c.startX, c.startY));
        const auto run = replay.Play("/L=open.dat", 1000, SetOff(c.key));
        const auto& player = run.dump["Snakes"][0];
        EXPECT_EQ(player["deaths"], 0);
        EXPECT_EQ(player[c.axis].get<int>() % 20, c.lattice) << player[c.axis];
    }
}

// A power item one cell left of the player, who then runs on to the left edge.
TEST(PlayfieldEdge, AtomicPowerWrapsInsteadOfDyingForTwentySeconds) {
    Replay replay;
    replay.AddLevel("atomic.dat", LevelText("Atomic")
                                      .Put(4, 11, '*')
                                      .Key("numPower= 1")
                                      .Key("reqScore= 9999")
                                      .PlayerStart(5, 11));
    const std::string keys = SetOff(kLeft);

    const auto atomic = replay.Play("/L=atomic.dat", 2000, keys);
    const auto& player = atomic.dump["Snakes"][0];
    EXPECT_EQ(player["powerEaten"], 1);
    EXPECT_EQ(player["score"], -100);
    EXPECT_TRUE(player["atomic"]);
    EXPECT_EQ(player["deaths"], 0);
    EXPECT_EQ(player["x"].get<int>() % 20, 0) << "wrapped to 600";
    EXPECT_TRUE(HasMessage(atomic.dump, "Unknownhas Atomic Power and is immortal for 20 seconds!"))
        << atomic.dump["messages"];

    const auto mortal = replay.Play("/L=atomic.dat", 22000, keys);
    EXPECT_FALSE(mortal.dump["Snakes"][0]["atomic"]);
    EXPECT_TRUE(HasMessage(mortal.dump, "Unknown is no longer immortal!"))
        << mortal.dump["messages"];

    // Deathmatch has no power items to collect: the edge kills.
    const auto deathmatch = replay.Play("/DM /L=atomic.dat", 1500, keys);
    EXPECT_EQ(deathmatch.dump["Snakes"][0]["powerEaten"], 0);
    EXPECT_EQ(deathmatch.dump["Snakes"][0]["deaths"], 1);
}

// ---- walls and TNT -----------------------------------------------------------

// The player runs down column 10 from row 2 over `tnt` TNT items (rows 3, 4, ...).
LevelText TntColumn(int tnt) {
    LevelText level("Blasting");
    for (int i = 0; i < tnt; ++i)
        level.Put(10, 3 + i, '*');
    return level.Key("numTNT=", tnt).Key("reqScore= 9999").PlayerStart(10, 2);
}

std::vector<bool> Standing(const nlohmann::json& dump) {
    std::vector<bool> standing;
    for (const auto& piece : dump["WallPieces"])
        standing.push_back(piece["standing"]);
    return standing;
}

TEST(WallsAndTnt, OneTntBlastsTwoPiecesMetInOneCall) {
    // A pair of pieces across the column at row 8, a single piece at row 12.
    const auto walls = [](LevelText level) {
        return level.Put(9, 8, '<').Put(10, 8, '>').Put(10, 12, '+');
    };
    Replay replay;

    replay.AddLevel("tnt1.dat", walls(TntColumn(1)));
    const auto one = replay.Play("/L=tnt1.dat", 2000, SetOff(kDown));
    EXPECT_TRUE(HasMessage(one.dump, "You got TNT, now you can blow walls!"));
    // Both blasts used up the one TNT: the single piece kills.
    EXPECT_EQ(Standing(one.dump), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(one.dump["Snakes"][0]["tnt"], 0);
    EXPECT_EQ(one.dump["Snakes"][0]["deaths"], 1);
    EXPECT_EQ(one.dump["centredLines"][0]["text"], "Uh - You loose a live...");

    replay.AddLevel("tnt2.dat", walls(TntColumn(2)));
    const auto two = replay.Play("/L=tnt2.dat", 2000, SetOff(kDown));
    EXPECT_EQ(Standing(two.dump), (std::vector<bool>{false, false, false}));
    // Three blasts in two calls: the single one costs nothing.
    EXPECT_EQ(two.dump["Snakes"][0]["tnt"], 1);
    EXPECT_EQ(two.dump["Snakes"][0]["deaths"], 0);
    EXPECT_GT(two.dump["Snakes"][0]["y"], CellY(13));
}

TEST(WallsAndTnt, AWallNoTntUserItemKillsWithTntInHand) {
    Replay replay;
    // The user item's picture: any wall piece will do.
    std::filesystem::copy_file(replay.dir() / "gfx" / "brik.bmp",
                               replay.dir() / "gfx" / "uwall.bmp");
    replay.AddLevel("notnt.dat", TntColumn(1)
                                     .Put(10, 7, 'a')
                                     .Put(10, 11, 'b')
                                     .Key("let:a=wall")
                                     .Key("let:b=wall_no_tnt")
                                     .Key("set:a=uwall.bmp")
                                     .Key("set:b=uwall.bmp"));
    const auto run = replay.Play("/L=notnt.dat", 2000, SetOff(kDown) + Press(1700, kEnter));
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

// ---- boxes that wait for Enter ---------------------------------------------------

// The life-lost box ends on a fresh press of Enter (one held since before the death
// must be let go first) or on Escape, which opens the menu as well.
TEST(KeyWaits, TheBoxWaitsForAFreshEnterOrForEscape) {
    Replay replay;
    replay.AddLevel("edge.dat", EdgeLevel());
    const std::string keys = CloseInfo() + Hold(250, 1000, kEnter) + Press(300, kLeft);
    for (const int at : {900, 1200}) {
        SCOPED_TRACE("at " + std::to_string(at) + " ms");
        const auto waiting = replay.Play("/L=edge.dat", at, keys);
        EXPECT_EQ(waiting.dump["Snakes"][0]["deaths"], 1);
        EXPECT_EQ(waiting.dump["Snakes"][0]["lives"], 3) << "still behind the box";
        EXPECT_EQ(waiting.dump["centredLines"][0]["text"], "Uh - You loose a live...");
    }
    const auto answered = replay.Play("/L=edge.dat", 1600, keys + Press(1300, kEnter));
    EXPECT_EQ(answered.dump["Snakes"][0]["lives"], 2);
    EXPECT_TRUE(CentredTexts(answered.dump).empty());
    EXPECT_EQ(answered.dump["Snakes"][0]["x"], CellX(1));
    EXPECT_FALSE(answered.dump["flags"]["menuShown"]);

    const auto escaped = replay.Play("/L=edge.dat", 1600, keys + Press(1300, kEscape));
    EXPECT_EQ(escaped.dump["Snakes"][0]["lives"], 2);
    EXPECT_TRUE(CentredTexts(escaped.dump).empty());
    EXPECT_TRUE(escaped.dump["flags"]["menuShown"]);
    EXPECT_FALSE(escaped.dump["flags"]["stopped"]) << "the game waits behind the menu";
}

}  // namespace
}  // namespace zelkor
