// Two arrows pressed within one step, with quick turns on (the default) and off.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// An open field; the player starts in its middle at (310, 210).
class QuickTurnsReplay : public ::testing::Test {
protected:
    QuickTurnsReplay() {
        replay.AddLevel("field.dat", LevelText("Field").Key("reqScore= 9999").PlayerStart(16, 11));
    }

    // The player's head after the run, as "x,y dir".
    std::string HeadAfter(const std::string& keys, int runMs, bool quickTurns) {
        replay.WriteSettings(std::string("[Tweak]\r\nQuickTurns=") +
                             (quickTurns ? "True" : "False") + "\r\n");
        const auto run = replay.Play("/L=field.dat", runMs, keys);
        const auto& player = run.dump["Snakes"][0];
        EXPECT_EQ(player["deaths"], 0);
        return std::to_string(player["x"].get<int>()) + "," +
               std::to_string(player["y"].get<int>()) + " " + player["dir"].get<std::string>();
    }

    Replay replay;
};

TEST_F(QuickTurnsReplay, TwoArrowsWithinOneStepTurnTwiceOnlyWithQuickTurns) {
    // Standing: Up then Left. With quick turns the snake goes one cell up first.
    const std::string start = CloseInfo() + Press(300, key::Up) + Press(320, key::Left);
    EXPECT_EQ(HeadAfter(start, 800, true), "230,190 Left");
    EXPECT_EQ(HeadAfter(start, 800, false), "210,210 Left");

    // Moving up: Left then Down turns back along its own trail; without quick turns
    // Down is a reversal and the snake keeps going up.
    const std::string uTurn = SetOff(key::Up) + Press(700, key::Left) + Press(720, key::Down);
    EXPECT_EQ(HeadAfter(uTurn, 1200, true), "290,190 Back");
    EXPECT_EQ(HeadAfter(uTurn, 1200, false), "310,50 Forw");
}

TEST_F(QuickTurnsReplay, AReversalBehindAWaitingTurnIsRefused) {
    const std::string keys = SetOff(key::Up) + Press(700, key::Left) + Press(720, key::Right);
    EXPECT_EQ(HeadAfter(keys, 1000, true), "270,130 Left");
    EXPECT_EQ(HeadAfter(keys, 1000, false), "350,130 Right");
}

}  // namespace
}  // namespace zelkor
