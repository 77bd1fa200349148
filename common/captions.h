#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkor {

// Texts the menus, the statistics and the cheat messages build from values.

// "Viper by Jo": a snake model's name and its author.
std::string ModelCaption(std::string_view name, std::string_view author);

// A switched flag: "activated" or "deactivated".
std::string_view FlagCaption(bool on);

// A number shown as an answer: "no" for 0, "yes" for anything else.
std::string_view YesNo(int value);

// The suffix after a place number: "st" for 1, "nd" for 2, "rd" for 3 and "th" for
// every other number (11, 21 and 22 included).
std::string_view OrdinalSuffix(int number);

// A colour packed as the game keeps it: r + 256 x g + 65536 x b.
constexpr std::int32_t RGB(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

struct RgbParts {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const RgbParts&, const RgbParts&) = default;
};

constexpr RgbParts SplitRgb(std::int32_t colour) {
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

}  // namespace zelkor
