#include "game/rules/physical_keys.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace zelkor {
namespace {

// Every key of a 105-key keyboard by its set-1 code (extended keys as 128 + code).
constexpr std::pair<std::uint8_t, std::string_view> kNamedKeys[] = {
    {1, "Escape"},
    {2, "1"},
    {3, "2"},
    {4, "3"},
    {5, "4"},
    {6, "5"},
    {7, "6"},
    {8, "7"},
    {9, "8"},
    {10, "9"},
    {11, "0"},
    {12, "Minus"},
    {13, "Equals"},
    {14, "Backspace"},
    {15, "Tab"},
    {16, "Q"},
    {17, "W"},
    {18, "E"},
    {19, "R"},
    {20, "T"},
    {21, "Y"},
    {22, "U"},
    {23, "I"},
    {24, "O"},
    {25, "P"},
    {26, "LeftBracket"},
    {27, "RightBracket"},
    {28, "Enter"},
    {29, "LeftCtrl"},
    {30, "A"},
    {31, "S"},
    {32, "D"},
    {33, "F"},
    {34, "G"},
    {35, "H"},
    {36, "J"},
    {37, "K"},
    {38, "L"},
    {39, "Semicolon"},
    {40, "Quote"},
    {41, "Grave"},
    {42, "LeftShift"},
    {43, "Backslash"},
    {44, "Z"},
    {45, "X"},
    {46, "C"},
    {47, "V"},
    {48, "B"},
    {49, "N"},
    {50, "M"},
    {51, "Comma"},
    {52, "Period"},
    {53, "Slash"},
    {54, "RightShift"},
    {55, "KeypadMultiply"},
    {56, "LeftAlt"},
    {57, "Space"},
    {58, "CapsLock"},
    {59, "F1"},
    {60, "F2"},
    {61, "F3"},
    {62, "F4"},
    {63, "F5"},
    {64, "F6"},
    {65, "F7"},
    {66, "F8"},
    {67, "F9"},
    {68, "F10"},
    {69, "NumLock"},
    {70, "ScrollLock"},
    {71, "Keypad7"},
    {72, "Keypad8"},
    {73, "Keypad9"},
    {74, "KeypadMinus"},
    {75, "Keypad4"},
    {76, "Keypad5"},
    {77, "Keypad6"},
    {78, "KeypadPlus"},
    {79, "Keypad1"},
    {80, "Keypad2"},
    {81, "Keypad3"},
    {82, "Keypad0"},
    {83, "KeypadPeriod"},
    {86, "NonUSBackslash"},
    {87, "F11"},
    {88, "F12"},
    {156, "KeypadEnter"},
    {157, "RightCtrl"},
    {181, "KeypadDivide"},
    {183, "PrintScreen"},
    {184, "RightAlt"},
    {197, "Pause"},
    {199, "Home"},
    {200, "Up"},
    {201, "PageUp"},
    {203, "Left"},
    {205, "Right"},
    {207, "End"},
    {208, "Down"},
    {209, "PageDown"},
    {210, "Insert"},
    {211, "Delete"},
    {219, "LeftWindows"},
    {220, "RightWindows"},
    {221, "Menu"},
};

constexpr std::array<std::string_view, 256> MakeNames() {
    std::array<std::string_view, 256> names{};
    for (const auto& [code, name] : kNamedKeys)
        names[code] = name;
    return names;
}

constexpr auto kNames = MakeNames();

}  // namespace

std::string_view PhysicalKeyName(int code) {
    if (code < 0 || code >= static_cast<int>(kNames.size())) std::abort();
    return kNames[static_cast<std::size_t>(code)];
}

int PhysicalKeyCode(std::string_view name) {
    const auto sameLetters = [name](std::string_view known) {
        return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    };
    if (name.empty()) return 0;
    for (const auto& [code, known] : kNamedKeys)
        if (sameLetters(known)) return code;
    return 0;
}

int MenuKeyOf(int code) {
    switch (code) {
        case pad::Up:
            return 200;
        case pad::Down:
            return 208;
        case pad::Left:
            return 203;
        case pad::Right:
            return 205;
        default:
            return code;
    }
}

}  // namespace zelkor
