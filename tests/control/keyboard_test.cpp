#include "game/control/input/keyboard.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

constexpr int kRightShift = 54;

// A scripted keyboard on a manual clock, polled every 10 ms like the keyboard timer.
struct ScriptedRun {
    ManualClock clock;
    ScriptedKeyboard keyboard{clock};
    KeyState keys;

    ScriptedRun() {
        KeyboardStartError error;
        EXPECT_TRUE(keyboard.DI_Init(error));
    }

    void NextPoll() {
        clock.Advance(10);
        PollKeyboard(keyboard, keys);
    }
};

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
