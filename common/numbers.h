#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// Reads a decimal number the way level files, the command line and the settings
// are read: blanks and tabs are skipped wherever they stand before the number
// ends ("1 2" is 12), an optional sign, digits, an optional point and digits; the
// number ends at the first other character ("3x" is 3, "1e3" is 1); text without
// digits gives 0.
double ReadNumber(std::string_view text);

// Whole-number conversions: the nearest whole number, a half going to the even
// neighbour; nothing when the result lies outside the type's range.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);
std::optional<std::int16_t> ReadInt16(std::string_view text);
std::optional<std::int32_t> ReadInt32(std::string_view text);

// A truth value: "True" or "False" in any letter case (blanks around them
// ignored), or a number (0 is false). Anything else is not a truth value.
std::optional<bool> ReadTruth(std::string_view text);

// The exact-"True" rule of some level keys: the text is "True", nothing else.
bool IsExactTrue(std::string_view text);

// A number as the game writes it: the shortest decimal form, no exponent, no
// trailing zeros ("100", "0.5", "-3").
std::string NumberText(double value);

// A truth value as the settings store writes it: "True" or "False".
std::string_view TruthText(bool value);

}  // namespace zelkor
