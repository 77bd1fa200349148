#include "common/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

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

TEST(ReadNumber, ReadsNumbersOfAnyLengthWithoutLosingTheirSize) {
    // Hundreds of digits must neither wrap nor turn into 0, or a huge count would
    // slip through the range checks.
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(ReadNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_FALSE(ToInt16(ReadNumber(huge)).has_value());
    EXPECT_EQ(ReadNumber(std::string(500, '0') + "12"), 12);
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ReadNumber("2.5" + std::string(500, '0')), 2.5);
}

TEST(ToInt16, RoundsHalfToEvenAndRefusesOutOfRange) {
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(-3.5), -4);
    EXPECT_EQ(ToInt16(0.5), 0);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
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
    EXPECT_FALSE(ReadTruth("1.2.3").has_value());
    EXPECT_FALSE(ReadTruth("1-").has_value());
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
    EXPECT_EQ(NumberText(1e300).size(), 301u) << "no cut-off for large numbers";
    EXPECT_EQ(NumberText(-1e-300).substr(0, 4), "-0.0");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Infinity");
}

}  // namespace
}  // namespace zelkor
