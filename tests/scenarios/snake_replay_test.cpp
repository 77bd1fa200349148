// Whole runs of the game with a computer snake: steering to an item, and bites
// in deathmatch.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// ---- computer snakes ------------------------------------------------------------

// A computer snake starts at (290, 350), below and left of a yellow item at
// (350, 270); the player stands far off in the top left corner.
TEST(ComputerSnakes, OneWalksToAYellowItemAndEatsIt) {
    Replay replay;
    replay.AddLevel("hunter.dat", LevelText("Hunter")
                                      .Put(15, 18, '1')
                                      .Put(18, 14, '*')
                                      .Key("numYellow= 1")
                                      .Key("reqScore= 9999")
                                      .PlayerStart(2, 2));
    const std::string keys = SetOff(key::F2);
    // Along the longer distance first, one cell per step: a staircase of seven steps.
    const auto eaten = replay.Play("/AIS=1 /L=hunter.dat", 390 + 112 * 6, keys);
    EXPECT_EQ(eaten.dump["Snakes"][1]["x"], 350);
    EXPECT_EQ(eaten.dump["Snakes"][1]["y"], 270);
    EXPECT_EQ(eaten.dump["Snakes"][1]["yellowEaten"], 1);

    // It goes on to the item's next place.
    const auto later = replay.Play("/AIS=1 /L=hunter.dat", 4000, keys);
    const auto& snake = later.dump["Snakes"][1];
    EXPECT_GE(snake["yellowEaten"], 2);
    EXPECT_EQ(snake["score"], 10 * snake["yellowEaten"].get<int>());
    EXPECT_EQ(snake["length"], 1 + snake["yellowEaten"].get<int>());
    EXPECT_EQ(later.dump["Snakes"][0]["score"], 0);
}

// ---- bites in deathmatch -----------------------------------------------------------

// A computer snake starting at (290, 350) heads for two yellow items in column 18,
// (350, 270) first; the player comes down that column from (350, 150) and eats
// the one at (350, 190). Depending on when the player sets off, one of them runs
// into the other's body (the moments are those of this seed).
class DeathmatchBite : public ::testing::Test {
protected:
    DeathmatchBite() {
        replay.AddLevel("bite.dat", LevelText("Bite")
                                        .Put(15, 18, '1')
                                        .Put(18, 14, '*')
                                        .Put(18, 10, '*')
                                        .Key("numYellow= 2")
                                        .Key("reqScore= 9999")
                                        .PlayerStart(18, 8));
    }
    scenario::Run SetOff(int time, int runMs, const std::string& mode = "/DM",
                         const std::string& more = {}) {
        return replay.Play(mode + " /AIS=1 /L=bite.dat", runMs,
                           scenario::SetOff(key::F2) + Press(time, key::Down) + more);
    }
    Replay replay;
};

TEST_F(DeathmatchBite, ThePlayerRunningIntoTheComputerSnakeGivesItTheFrag) {
    const auto run = SetOff(624, 1600, "/DM", Press(1400, key::Enter));
    const auto& player = run.dump["Snakes"][0];
    const auto& snake = run.dump["Snakes"][1];
    EXPECT_EQ(player["deaths"], 1);
    EXPECT_EQ(player["frags"], 0);
    EXPECT_EQ(player["lives"], 3);
    EXPECT_EQ(player["score"], 10);
    EXPECT_EQ(snake["frags"], 1);
    // One yellow item, then the player's length (2) + 2.
    EXPECT_EQ(snake["score"], 10 + 4);
    EXPECT_TRUE(HasMessage(run.dump, "AI_Snake 1 stopped Unknown and gets another frag!"))
        << run.dump["messages"];
}

TEST_F(DeathmatchBite, TheComputerSnakeRunningIntoThePlayerGivesThePlayerTheFrag) {
    const auto run = SetOff(416, 1200);
    const auto& player = run.dump["Snakes"][0];
    const auto& snake = run.dump["Snakes"][1];
    EXPECT_EQ(snake["deaths"], 1);
    EXPECT_EQ(snake["frags"], 0);
    EXPECT_EQ(snake["x"], CellX(15));  // back on its start
    EXPECT_EQ(snake["y"], CellY(18));
    EXPECT_EQ(player["frags"], 1);
    // Two yellow items, then the computer snake's length (1) + 2.
    EXPECT_EQ(player["score"], 20 + 3);
    EXPECT_EQ(player["length"], 3);
    EXPECT_TRUE(HasMessage(run.dump, "Unknown stopped AI_Snake 1 and gets another frag!"))
        << run.dump["messages"];
}

}  // namespace
}  // namespace zelkor
