#include "common/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zelkor {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Int>
std::optional<Int> ToWhole(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // The nearest whole number, a half going to the even neighbour, whatever the
    // floating-point rounding mode is.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

double ReadNumber(std::string_view text) {
    // Gather the characters of the number with the blanks taken out, in the form
    // the standard conversion reads: "-0.5" for "- .5", "7" for "7.".
    std::string digits;
    bool negative = false, signAllowed = true, pointSeen = false, digitSeen = false;
    bool wholePartNonZero = false;
    for (char c : text) {
        if (IsBlank(c)) continue;
        if ((c == '-' || c == '+') && signAllowed) {
            negative = c == '-';
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (IsDigit(c)) {
            digitSeen = true;
            if (!pointSeen && c != '0') wholePartNonZero = true;
            digits += c;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            digits += c;
        } else {
            break;
        }
    }
    if (!digitSeen) return 0.0;
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    if (digits.back() == '.') digits.pop_back();
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range)
        // Too many digits for a double: huge numbers become infinite, so that every
        // range check refuses them, and tiny ones become 0.
        value = wholePartNonZero ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::optional<std::int16_t> ToInt16(double value) {
    return ToWhole<std::int16_t>(value);
}
std::optional<std::int32_t> ToInt32(double value) {
    return ToWhole<std::int32_t>(value);
}
std::optional<std::int16_t> ReadInt16(std::string_view text) {
    return ToInt16(ReadNumber(text));
}
std::optional<std::int32_t> ReadInt32(std::string_view text) {
    return ToInt32(ReadNumber(text));
}

std::optional<bool> ReadTruth(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    if (EqualsIgnoringCase(t, "True")) return true;
    if (EqualsIgnoringCase(t, "False")) return false;
    // A number: an optional sign, digits with at most one point, nothing else.
    bool digit = false, point = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!((c == '-' || c == '+') && i == 0) && !IsBlank(c)) {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return ReadNumber(t) != 0.0;
}

bool IsExactTrue(std::string_view text) {
    return text == "True";
}

std::string NumberText(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    // The longest plain form of a double: 309 whole digits, or "0." and 324 places
    // before the last significant digit of the smallest one.
    std::array<char, 400> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buf.data(), end);
}

std::string_view TruthText(bool value) {
    return value ? "True" : "False";
}

}  // namespace zelkor
