#include "game/control/input/keyboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

constexpr int kG = 34, kO = 24, kD = 32, kRightShift = 54;

// A scripted keyboard on a manual clock, polled every 10 ms like the keyboard timer.
struct ScriptedRun {
    ManualClock clock;
    ScriptedKeyboard keyboard{clock};
    KeyState keys;

    ScriptedRun() {
        KeyboardStartError error;
        EXPECT_TRUE(keyboard.DI_Init(error));
    }

    // Polls once after 10 ms; returns the presses it took, in order.
    std::vector<int> NextPoll() {
        clock.Advance(10);
        PollKeyboard(keyboard, keys);
        std::vector<int> pressed(keys.presses.codes.begin(),
                                 keys.presses.codes.begin() + keys.presses.count);
        keys.presses.Clear();
        return pressed;
    }
    bool Held(int code) const { return keys.snapshot[code] != 0; }
};

TEST(ScriptedKeyboard, KeysTappedBetweenTwoPollsShowForOnePollAndKeepTheirOrder) {
    ScriptedRun run;
    for (int key : {kG, kG, kO, kD}) {
        run.keyboard.Press(1, key);
        run.keyboard.Release(1, key);
    }
    run.keyboard.Press(35, kD);
    run.keyboard.Release(45, kD);
    EXPECT_EQ(run.NextPoll(), (std::vector<int>{kG, kG, kO, kD}));  // 10
    EXPECT_TRUE(run.Held(kG) && run.Held(kO) && run.Held(kD));
    EXPECT_TRUE(run.NextPoll().empty());  // 20
    EXPECT_FALSE(run.Held(kG) || run.Held(kO) || run.Held(kD));
    run.NextPoll();                                   // 30
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kD});  // 40
    EXPECT_TRUE(run.NextPoll().empty());              // 50
    EXPECT_FALSE(run.Held(kD));
    EXPECT_EQ(run.keyboard.Pending(), 0u);
}

TEST(PollKeyboard, OnlyTheLeftShiftKeySetsShift) {
    ScriptedRun run;
    run.keyboard.Press(1, kRightShift);
    run.NextPoll();
    EXPECT_FALSE(run.keys.shift);
    run.keyboard.Press(11, kLeftShiftCode);
    run.NextPoll();
    EXPECT_TRUE(run.keys.shift);
    run.keyboard.Release(21, kLeftShiftCode);
    run.NextPoll();
    EXPECT_FALSE(run.keys.shift);
}

}  // namespace
}  // namespace zelkor
