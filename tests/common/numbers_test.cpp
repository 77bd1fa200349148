#include "common/numbers.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(ReadNumber, SkipsBlanksAnywhereBeforeTheNumberEnds) {
    EXPECT_EQ(ReadNumber("1 2"), 12);
    EXPECT_EQ(ReadNumber(" -4"), -4);
    EXPECT_EQ(ReadNumber("\t 2.5"), 2.5);
    EXPECT_EQ(ReadNumber("- 3"), -3);
}

TEST(ReadNumber, StopsAtTheFirstCharacterThatCannotBelong) {
    EXPECT_EQ(ReadNumber("3x"), 3);
    EXPECT_EQ(ReadNumber("1e3"), 1) << "no exponent form";
    EXPECT_EQ(ReadNumber("&H10"), 0) << "no hexadecimal form";
    EXPECT_EQ(ReadNumber("1.2.3"), 1.2);
    EXPECT_EQ(ReadNumber("--1"), 0);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber(".5"), 0.5);
    EXPECT_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_EQ(ReadNumber("7."), 7);
}

TEST(ToInt16, RoundsHalfToEvenAndRefusesOutOfRange) {
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(2.51), 3);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5).has_value());
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_FALSE(ToInt16(40000).has_value());
    EXPECT_FALSE(ToInt32(4294967296.0).has_value());
    EXPECT_EQ(ToInt32(-2147483648.0), INT32_MIN);
}

TEST(ReadTruth, AcceptsTruthWordsAndNumbersOnly) {
    EXPECT_EQ(ReadTruth("True"), true);
    EXPECT_EQ(ReadTruth(" false "), false);
    EXPECT_EQ(ReadTruth("TRUE"), true);
    EXPECT_EQ(ReadTruth("0"), false);
    EXPECT_EQ(ReadTruth("-1"), true);
    EXPECT_EQ(ReadTruth("0.0"), false);
    EXPECT_FALSE(ReadTruth("yes").has_value());
    EXPECT_FALSE(ReadTruth("").has_value());
    EXPECT_FALSE(ReadTruth("1x").has_value());
    EXPECT_TRUE(IsExactTrue("True"));
    EXPECT_FALSE(IsExactTrue(" True"));
    EXPECT_FALSE(IsExactTrue("true"));
}

TEST(NumberText, WritesTheShortestPlainForm) {
    EXPECT_EQ(NumberText(100), "100");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(1e20), "100000000000000000000");
}

}  // namespace
}  // namespace zelkor
