#include "game/platform/letterbox.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(Letterbox, TheLargestWholeMagnificationCentredAndASmallOutputShrinksKeepingTheShape) {
    EXPECT_EQ(LetterboxedPicture(640, 480), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(LetterboxedPicture(1920, 1080), (Rect{320, 60, 1600, 1020})) << "twice, not 2.25";
    EXPECT_EQ(LetterboxedPicture(2560, 1440), (Rect{320, 0, 2240, 1440})) << "three times";
    EXPECT_EQ(LetterboxedPicture(1279, 959), (Rect{319, 239, 959, 719})) << "not yet twice";
    EXPECT_EQ(LetterboxedPicture(320, 480), (Rect{0, 120, 320, 360})) << "narrower: halved";
    EXPECT_EQ(LetterboxedPicture(640, 240), (Rect{160, 0, 480, 240})) << "lower: halved";
}

}  // namespace
}  // namespace zelkor
