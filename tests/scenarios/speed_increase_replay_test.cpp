// The "Speed!" option shortens the player's step every two seconds of play, and only
// of play.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

TEST(SpeedIncreaseReplay, SecondsPausedOrOnTheInformationScreenDoNotCount) {
    Replay replay;
    replay.AddLevel("speed.dat", EdgeLevel().Key("increase=True").Key("gSpeed=", 200));
    const auto interval = [&](const std::string& keys, int runMs) {
        return replay.Play("/L=speed.dat", runMs, keys).dump["timers"]["iWait"][0]["interval"];
    };
    // Five seconds of play after the information screen.
    const auto played = interval(CloseInfo(1000), 6000);
    EXPECT_LT(played, 200) << "the increase is on";
    EXPECT_EQ(interval(CloseInfo(7000), 12000), played)
        << "six seconds more on the information screen";
    EXPECT_EQ(interval(CloseInfo(1000) + Press(1500, kPause) + Press(7500, kPause), 12000), played)
        << "six seconds paused";
}

}  // namespace
}  // namespace zelkor
