#include "common/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

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
    const double rounded = std::nearbyint(value);  // the default mode rounds half to even
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
    // Gather the characters of the number with the blanks taken out, then let the
    // standard conversion read them.
    std::array<char, 400> buf{};
    std::size_t n = 0;
    bool signAllowed = true, pointSeen = false, digitSeen = false;
    for (char c : text) {
        if (IsBlank(c)) continue;
        if ((c == '-' || c == '+') && signAllowed) {
            if (c == '-') buf[n++] = c;
            signAllowed = false;
            continue;
        }
        if (IsDigit(c)) {
            digitSeen = true;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        signAllowed = false;
        if (n + 1 >= buf.size()) break;
        buf[n++] = c;
    }
    if (!digitSeen) return 0.0;
    double value = 0.0;
    const char* first = buf.data();
    const char* last = buf.data() + n;
    if (n > 0 && buf[n - 1] == '.') --last;  // "3." reads as 3
    if (*first == '-' && first + 1 < last && first[1] == '.') {
        // "-.5": from_chars wants a digit before the point
        std::array<char, 402> tmp{};
        tmp[0] = '-';
        tmp[1] = '0';
        std::size_t m = 2;
        for (const char* p = first + 1; p < last; ++p)
            tmp[m++] = *p;
        std::from_chars(tmp.data(), tmp.data() + m, value);
        return value;
    }
    if (*first == '.') {
        std::array<char, 402> tmp{};
        tmp[0] = '0';
        std::size_t m = 1;
        for (const char* p = first; p < last; ++p)
            tmp[m++] = *p;
        std::from_chars(tmp.data(), tmp.data() + m, value);
        return value;
    }
    std::from_chars(first, last, value);
    return value;
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
    // A number: an optional sign, digits and point, nothing else after it.
    bool digit = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (IsDigit(c)) {
            digit = true;
        } else if (!((c == '-' || c == '+') && i == 0) && c != '.' && !IsBlank(c)) {
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
    std::array<char, 64> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buf.data(), end);
}

std::string_view TruthText(bool value) {
    return value ? "True" : "False";
}

}  // namespace zelkor
