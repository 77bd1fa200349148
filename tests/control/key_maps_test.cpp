#include "game/control/key_maps.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

// What each row of the main block types, from its first scan code, as printed on the keys.
struct Row {
    int first;
    std::string_view chars;
};

void ExpectRows(KeyMap map, bool shift, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.chars.size(); ++i) {
            const int code = row.first + static_cast<int>(i);
            EXPECT_EQ(DI_KeyChar(code, shift, map), std::string(1, row.chars[i]))
                << "code " << code << (shift ? " with shift" : "");
        }
    }
}

TEST(DI_KeyChar, UsMapTypesEveryKeyOfTheMainBlock) {
    ExpectRows(KeyMap::US, false,
               {{2, "1234567890-="},
                {16, "qwertyuiop[]"},
                {30, "asdfghjkl;'"},
                {43, "\\"},
                {44, "zxcvbnm,./"}});
    ExpectRows(KeyMap::US, true,
               {{2, "!@#$%^&*()_+"},
                {16, "QWERTYUIOP{}"},
                {30, "ASDFGHJKL:\""},
                {43, "|"},
                {44, "ZXCVBNM<>?"}});
}

TEST(DI_KeyChar, GermanMapTypesWindows1252AndKeepsLettersLowerCaseWithShift) {
    ExpectRows(KeyMap::DE, false,
               {{2, "1234567890\xDF\xB4"},
                {16, "qwertzuiop\xFC+"},
                {30, "asdfghjkl\xF6\xE4"},
                {43, "#"},
                {44, "yxcvbnm,.-"}});
    ExpectRows(KeyMap::DE, true,
               {{2, "!\"\xA7$%&/()=?`"},
                {16, "qwertzuiop\xFC*"},
                {30, "asdfghjkl\xF6\xE4"},
                {43, "'"},
                {44, "yxcvbnm;:_"}});
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
