#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zelkor {
namespace {

TEST(TextEncoding, EveryCodePageByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(TextEncoding, UsesTheCodePageCharactersOfTheHighRow) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x85"), "\u2026");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A"), "\u0160\u0161");
    EXPECT_EQ(Cp1252ToUtf8("\x93x\x94"), "\u201Cx\u201D");
    EXPECT_EQ(Cp1252ToUtf8("\x99"), "\u2122");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\u0081") << "an undefined byte keeps its number";
    EXPECT_EQ(Cp1252ToUtf8("M\xE4use \xDF"), "M\u00E4use \u00DF");
    EXPECT_EQ(Utf8ToCp1252("\u20AC \u00E4 \u017D"), "\x80 \xE4 \x8E");
}

TEST(TextEncoding, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\U0001F40D"), "?");
    EXPECT_EQ(Utf8ToCp1252("\u0080"), "?") << "a control character the code page moved away";
}

TEST(TextEncoding, BrokenUtf8BecomesQuestionMarksAndReadingGoesOn) {
    EXPECT_EQ(Utf8ToCp1252("a\x80z"), "a?z") << "stray continuation byte";
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82z"), "a?z") << "cut-off sequence";
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "?") << "cut off at the end of the text";
    EXPECT_EQ(Utf8ToCp1252("\xC0\x80"), "??") << "overlong form";
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???") << "surrogate";
    EXPECT_EQ(Utf8ToCp1252("\xF5\x80\x80\x80"), "????") << "beyond the last character";
    EXPECT_EQ(Utf8ToCp1252("\xE4"), "?") << "Windows-1252 bytes are not UTF-8";
    EXPECT_EQ(Utf8ToCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace zelkor
