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

    // Polls once after 10 ms; returns the codes that went down since the last poll.
    std::vector<int> NextPoll() {
        const KeySnapshot before = keys.snapshot;
        clock.Advance(10);
        PollKeyboard(keyboard, keys);
        std::vector<int> pressed;
        for (int k = 0; k < 256; ++k) {
            if (keys.snapshot[k] != 0 && before[k] == 0) pressed.push_back(k);
        }
        return pressed;
    }
    bool Held(int code) const { return keys.snapshot[code] != 0; }
};

TEST(ScriptedKeyboard, EachPollTakesOneChangePerKeySoQuickTypingArrivesInOrder) {
    // All between two polls: a single poll would show "d", "g", "o" in scan-code order and lose
    // the second "g".
    ScriptedRun run;
    for (int key : {kG, kG, kO, kD}) {
        run.keyboard.Press(1, key);
        run.keyboard.Release(1, key);
    }
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kG});
    EXPECT_TRUE(run.NextPoll().empty());
    EXPECT_FALSE(run.Held(kG));
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kG});
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kO});
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kD});
    run.NextPoll();
    EXPECT_FALSE(run.Held(kD));
}

TEST(ScriptedKeyboard, ChangesPlayAtTheFirstPollAtOrAfterTheirTimeInTheOrderAdded) {
    ScriptedRun run;
    run.keyboard.Press(35, kD);
    run.keyboard.Release(45, kD);
    run.keyboard.Press(5, kG);
    run.keyboard.Release(5, kG);
    run.keyboard.Press(5, kO);
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kG});  // 10
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kO});  // 20
    EXPECT_FALSE(run.Held(kG));
    EXPECT_TRUE(run.NextPoll().empty());              // 30
    EXPECT_EQ(run.NextPoll(), std::vector<int>{kD});  // 40
    EXPECT_TRUE(run.Held(kD));
    run.NextPoll();  // 50
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
