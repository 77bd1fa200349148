// A whole run of the game with a computer snake steering to an item (bites in
// deathmatch are the collision rules' tests and the kept deathmatch replay's).
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

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

}  // namespace
}  // namespace zelkor
