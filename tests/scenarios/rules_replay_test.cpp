// Whole runs of the game on small levels: the playfield's edge, and the boxes that
// wait for a key.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// ---- keys ----------------------------------------------------------------------------

// F1, then Left and Up within one frame (Up's scan code comes first), then Pause: taps of 5 ms
// do what 40 ms presses do, and the two arrows turn in the order they went down.
TEST(KeyTaps, TapsOfFiveMillisecondsDoWhatLongPressesDo) {
    Replay replay;
    replay.AddLevel("field.dat", LevelText("Field").Key("reqScore= 9999").PlayerStart(16, 11));
    for (const int holdMs : {40, 5}) {
        const std::string keys =
            Hold(200, 200 + holdMs, key::F1) + Hold(300, 300 + holdMs, key::Left) +
            Hold(302, 302 + holdMs, key::Up) + Hold(700, 700 + holdMs, key::Pause);
        const auto run = replay.Play("/L=field.dat", 1000, keys);
        const auto& player = run.dump["Snakes"][0];
        // One cell left, then up until the pause.
        EXPECT_EQ(player["x"], 290) << holdMs;
        EXPECT_EQ(player["y"], 150) << holdMs;
        EXPECT_EQ(player["dir"], "Forw") << holdMs;
    }
}

// ---- the playfield edge ------------------------------------------------------------

// With open walls the head comes back on the far side (the wrap targets are the
// movement rules' own), and the snake lives on.
TEST(PlayfieldEdge, OpenWallsWrapTheHead) {
    Replay replay;
    replay.AddLevel(
        "open.dat",
        LevelText("Open").Key("reqScore= 9999").Key("hasOpenWalls=True").PlayerAt(30, 210));
    const auto run = replay.Play("/L=open.dat", 1000, SetOff(key::Left));
    EXPECT_EQ(run.dump["Snakes"][0]["deaths"], 0);
    EXPECT_GT(run.dump["Snakes"][0]["x"], 500) << "wrapped to 600";
}

// A power item one cell left of the player, who then runs on to the left edge.
TEST(PlayfieldEdge, AtomicPowerWrapsInsteadOfDying) {
    Replay replay;
    replay.AddLevel("atomic.dat", LevelText("Atomic")
                                      .Put(4, 11, '*')
                                      .Key("numPower= 1")
                                      .Key("reqScore= 9999")
                                      .PlayerStart(5, 11));
    const auto atomic = replay.Play("/L=atomic.dat", 2000, SetOff(key::Left));
    const auto& player = atomic.dump["Snakes"][0];
    EXPECT_EQ(player["powerEaten"], 1);
    EXPECT_TRUE(player["atomic"]);
    EXPECT_EQ(player["deaths"], 0);
    EXPECT_EQ(player["x"].get<int>() % 20, 0) << "wrapped to 600";
}

// ---- boxes that wait for Enter ---------------------------------------------------

// The life-lost box ends on a fresh press of Enter (one held since before the death
// must be let go first) or on Escape, which opens the menu as well.
TEST(KeyWaits, TheBoxWaitsForAFreshEnterOrForEscape) {
    Replay replay;
    replay.AddLevel("edge.dat", EdgeLevel());
    const std::string keys = CloseInfo() + Hold(250, 1000, key::Enter) + Press(300, key::Left);
    for (const int at : {900, 1200}) {
        SCOPED_TRACE("at " + std::to_string(at) + " ms");
        const auto waiting = replay.Play("/L=edge.dat", at, keys);
        EXPECT_EQ(waiting.dump["Snakes"][0]["deaths"], 1);
        EXPECT_EQ(waiting.dump["Snakes"][0]["lives"], 3) << "still behind the box";
        EXPECT_EQ(waiting.dump["centredLines"][0]["text"], "Uh - You loose a live...");
    }
    // A tap of 5 ms answers it as a press does.
    const auto answered = replay.Play("/L=edge.dat", 1600, keys + Hold(1300, 1305, key::Enter));
    EXPECT_EQ(answered.dump["Snakes"][0]["lives"], 2);
    EXPECT_TRUE(CentredTexts(answered.dump).empty());
    EXPECT_EQ(answered.dump["Snakes"][0]["x"], CellX(1));
    EXPECT_FALSE(answered.dump["flags"]["menuShown"]);

    const auto escaped = replay.Play("/L=edge.dat", 1600, keys + Press(1300, key::Escape));
    EXPECT_EQ(escaped.dump["Snakes"][0]["lives"], 2);
    EXPECT_TRUE(CentredTexts(escaped.dump).empty());
    EXPECT_TRUE(escaped.dump["flags"]["menuShown"]);
    EXPECT_FALSE(escaped.dump["flags"]["stopped"]) << "the game waits behind the menu";
}

}  // namespace
}  // namespace zelkor
