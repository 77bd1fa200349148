#include "common/captions.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(Captions, BuildTheTextsTheScreensShow) {
    EXPECT_EQ(ModelCaption("Viper", "Jo"), "Viper by Jo");
    EXPECT_EQ(YesNo(-1), "yes");
}

TEST(Captions, OnlyOneTwoAndThreeHaveTheirOwnSuffix) {
    EXPECT_EQ(OrdinalSuffix(1), "st");
    EXPECT_EQ(OrdinalSuffix(2), "nd");
    EXPECT_EQ(OrdinalSuffix(3), "rd");
    for (int n : {0, 4, 10, 11, 12, 13, 21, 22, 23, 101, -1})
        EXPECT_EQ(OrdinalSuffix(n), "th") << n;
}

TEST(Captions, PackColoursRedFirst) {
    static_assert(RGB(255, 0, 0) == 255);
    static_assert(RGB(0, 255, 0) == 65280);
    static_assert(RGB(0, 0, 255) == 16711680);
    EXPECT_EQ(RGB(1, 2, 3), 1 + 512 + 196608);
    EXPECT_EQ(SplitRgb(RGB(12, 200, 7)), (RgbParts{12, 200, 7}));
}

}  // namespace
}  // namespace zelkor
