#include "game/control/input/key_maps.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(DI_KeyChar, EachRowOfTheMainBlockTypesWhatIsPrintedOnItsKeys) {
    // The first and last key of every row, so a row shifted by one key shows; the German map
    // types Windows-1252 and keeps letters lower case with shift.
    struct Case {
        KeyMap map;
        int code;
        std::string_view plain, shifted;
    };
    const Case cases[] = {{KeyMap::US, 2, "1", "!"},        {KeyMap::US, 13, "=", "+"},
                          {KeyMap::US, 16, "q", "Q"},       {KeyMap::US, 27, "]", "}"},
                          {KeyMap::US, 30, "a", "A"},       {KeyMap::US, 40, "'", "\""},
                          {KeyMap::US, 43, "\\", "|"},      {KeyMap::US, 44, "z", "Z"},
                          {KeyMap::US, 53, "/", "?"},       {KeyMap::DE, 2, "1", "!"},
                          {KeyMap::DE, 4, "3", "\xA7"},     {KeyMap::DE, 12, "\xDF", "?"},
                          {KeyMap::DE, 13, "\xB4", "`"},    {KeyMap::DE, 16, "q", "q"},
                          {KeyMap::DE, 21, "z", "z"},       {KeyMap::DE, 26, "\xFC", "\xFC"},
                          {KeyMap::DE, 27, "+", "*"},       {KeyMap::DE, 39, "\xF6", "\xF6"},
                          {KeyMap::DE, 40, "\xE4", "\xE4"}, {KeyMap::DE, 43, "#", "'"},
                          {KeyMap::DE, 44, "y", "y"},       {KeyMap::DE, 51, ",", ";"},
                          {KeyMap::DE, 53, "-", "_"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.map == KeyMap::DE ? "DE " : "US ") << c.code);
        EXPECT_EQ(DI_KeyChar(c.code, false, c.map), c.plain);
        EXPECT_EQ(DI_KeyChar(c.code, true, c.map), c.shifted);
    }
}

TEST(DI_KeyChar, SpaceInBothMapsAndNothingForKeysWithoutACharacter) {
    for (KeyMap map : {KeyMap::US, KeyMap::DE}) {
        for (bool shift : {false, true}) {
            EXPECT_EQ(DI_KeyChar(57, shift, map), " ");
            for (int code : {-1, 0, 1, 14, 15, 28, 29, 41, 42, 54, 55, 56, 58, 59, 200, 255, 256}) {
                EXPECT_EQ(DI_KeyChar(code, shift, map), "") << "code " << code;
            }
        }
    }
}

TEST(DI_KeyChar, MapNamesOtherThanDeMeanUs) {
    EXPECT_EQ(KeyMapNamed("DE"), KeyMap::DE);
    EXPECT_EQ(KeyMapNamed("US"), KeyMap::US);
    EXPECT_EQ(KeyMapNamed("de"), KeyMap::US);
    EXPECT_EQ(KeyMapNamed("FR"), KeyMap::US);
    EXPECT_EQ(DI_KeyChar(21, false, "DE"), "z");
    EXPECT_EQ(DI_KeyChar(21, false, "XX"), "y");
}

}  // namespace
}  // namespace zelkor
