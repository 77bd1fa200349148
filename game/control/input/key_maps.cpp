#include "game/control/input/key_maps.h"

#include <array>

namespace zelkor {
namespace {

constexpr int kSpaceCode = 57;

// One key of a map: its character and, where the key has one, its shifted character.
struct KeyChars {
    char base = 0;
    char shifted = 0;
};

using KeyTable = std::array<KeyChars, kSpaceCode + 1>;

// Rows of the main block from their first scan code; each character pairs with the one at the
// same place in the shifted row, where a blank means "no shifted character of its own".
struct KeyRow {
    int firstCode;
    std::string_view base;
    std::string_view shifted;
};

constexpr KeyTable MakeTable(std::initializer_list<KeyRow> rows) {
    KeyTable table{};
    for (const KeyRow& row : rows) {
        if (row.base.size() != row.shifted.size()) throw "a shifted row must match its row";
        for (std::size_t i = 0; i < row.base.size(); ++i) {
            KeyChars& key = table[row.firstCode + i];
            key.base = row.base[i];
            if (row.shifted[i] != ' ') key.shifted = row.shifted[i];
        }
    }
    return table;
}

constexpr KeyTable kUsKeys = MakeTable({
    {2, "1234567890-=", "!@#$%^&*()_+"},
    {16, "qwertyuiop[]", "          {}"},
    {30, "asdfghjkl;'", "         :\""},
    {43, "\\", "|"},
    {44, "zxcvbnm,./", "       <>?"},
});

// Windows-1252: \xDF sharp s, \xB4 acute accent, \xFC u umlaut, \xF6 o umlaut, \xE4 a umlaut,
// \xA7 section sign.
constexpr KeyTable kDeKeys = MakeTable({
    {2, "1234567890\xDF\xB4", "!\"\xA7$%&/()=?`"},
    {16, "qwertzuiop\xFC+", "           *"},
    {30, "asdfghjkl\xF6\xE4", "           "},
    {43, "#", "'"},
    {44, "yxcvbnm,.-", "       ;:_"},
});

// Upper and lower case of Windows-1252 letters (the sharp s has no capital here).
char ToUpper1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) {
        return static_cast<char>(u - 0x20);
    }
    return c;
}

char ToLower1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
        return static_cast<char>(u + 0x20);
    }
    return c;
}

}  // namespace

KeyMap KeyMapNamed(std::string_view name) {
    return name == "DE" ? KeyMap::DE : KeyMap::US;
}

std::string DI_KeyChar(int key, bool shift, KeyMap keyMap) {
    if (key == kSpaceCode) return " ";
    if (key < 0 || key >= kSpaceCode) return "";
    const KeyChars& chars = (keyMap == KeyMap::DE ? kDeKeys : kUsKeys)[key];
    if (chars.base == 0) return "";
    if (!shift) return std::string(1, chars.base);
    if (chars.shifted != 0) return std::string(1, chars.shifted);
    return std::string(1, keyMap == KeyMap::DE ? ToLower1252(chars.base) : ToUpper1252(chars.base));
}

std::string DI_KeyChar(int key, bool shift, std::string_view keyMapName) {
    return DI_KeyChar(key, shift, KeyMapNamed(keyMapName));
}

}  // namespace zelkor
