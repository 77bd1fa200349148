// Whole runs of the game without a window: a level, a seed, a key file, the dump.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

class HeadlessReplay : public ::testing::Test {
protected:
    Replay replay;
};

TEST_F(HeadlessReplay, ComputerSnakesStartWithTheFirstKeyAndCarryNames) {
    WriteBytes(replay.dir() / "AI_Names.lst", "Viper\r\nAdder\r\n");
    const auto frozen = replay.Play("/L=lvl2.dat /AIS=2", 1500, CloseInfo(), 3);
    ASSERT_EQ(frozen.dump["NumSnakes"], 3);
    EXPECT_TRUE(frozen.dump["Frozen"]);
    EXPECT_EQ(frozen.dump["Snakes"][1]["dir"], "");
    const auto moving = replay.Play("/L=lvl2.dat /AIS=2", 1500, SetOff(key::Right), 3);
    EXPECT_FALSE(moving.dump["Frozen"]);
    const std::string name = moving.dump["Snakes"][1]["name"];
    EXPECT_EQ(name.rfind("<bot> ", 0), 0u) << name;
}

// Fewer start points than computer snakes asked for, and hunting without a deathmatch:
// the message line says what the run plays instead.
TEST_F(HeadlessReplay, TheMessageLineSaysHowManyComputerSnakesFitAndThatHuntingNeedsADeathmatch) {
    replay.AddLevel("alone.dat", EdgeLevel());
    replay.AddLevel("duel.dat", LevelText("Duel").Put(15, 18, '1').PlayerStart(2, 2));
    const auto alone = replay.Play("/DM /AIS=3 /L=alone.dat", 300, "");
    EXPECT_EQ(alone.dump["NumSnakes"], 1);
    EXPECT_TRUE(HasMessage(alone.dump, "This level has room for 0 computer snakes"))
        << alone.dump["messages"];

    const auto duel = replay.Play("/H /AIS=2 /L=duel.dat", 300, "");
    EXPECT_TRUE(HasMessage(duel.dump, "This level has room for 1 computer snake"));
    EXPECT_TRUE(HasMessage(duel.dump, "Hunting mode (/H) needs a deathmatch (/DM)"));
    EXPECT_FALSE(HasMessage(replay.Play("/AIS=1 /L=duel.dat", 300, "").dump,
                            "This level has room for 1 computer snake"));
}

}  // namespace
}  // namespace zelkor
