#include "game/rules/random.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(Random, DrawsStayInsideTheUnitInterval) {
    Random r(7);
    for (int i = 0; i < 10000; ++i) {
        const double v = r.Rnd();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

TEST(Random, ReseedingWithinOneMillisecondKeepsTheSequenceMoving) {
    Random r(5);
    r.Mix(1000);
    const double first = r.Rnd();
    r.Mix(1000);
    const double second = r.Rnd();
    EXPECT_NE(first, second);
}

TEST(Random, AJumpOrARestoredStateLandsWhereTheDrawsWould) {
    for (const std::uint64_t draws : {0, 1, 2, 63, 64, 255, 20000}) {
        Random drawn(99), jumped(99);
        drawn.Mix(12345);
        jumped.Mix(12345);
        for (std::uint64_t i = 0; i < draws; ++i)
            drawn.Rnd();
        RandomJump(draws).Apply(jumped);
        Random restored;
        restored.Restore(drawn.Words());
        for (int i = 0; i < 8; ++i) {
            const double next = drawn.Rnd();
            ASSERT_EQ(next, jumped.Rnd()) << draws << " draws";
            ASSERT_EQ(next, restored.Rnd()) << draws << " draws";
        }
    }
}

}  // namespace
}  // namespace zelkor
