#include "common/text_encoding.h"

#include <array>
#include <cstdint>

namespace zelkor {
namespace {

// The characters of bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHighControlRow{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char kUnknown = '?';

char32_t CharacterOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRow[byte - 0x80];
    return byte;
}

// The byte of a character, or nothing when the code page lacks it.
int ByteOfCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControlRow.size(); ++i)
        if (kHighControlRow[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // every character of the code page lies below U+10000
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

struct Decoded {
    char32_t character;  // only meaningful when valid
    std::size_t length;  // bytes taken, at least 1
    bool valid;
};

// Decodes one UTF-8 sequence at the start of `s`. A broken sequence takes its
// longest valid-looking beginning (at least one byte), so it becomes one '?'.
Decoded DecodeOne(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t need = 0;
    char32_t c = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        c = b0 & 0x0F;
        if (b0 == 0xE0) low = 0xA0;   // no overlong forms
        if (b0 == 0xED) high = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        c = b0 & 0x07;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return {0, 1, false};
    }
    for (std::size_t i = 1; i <= need; ++i) {
        if (i >= s.size()) return {0, i, false};
        const auto b = static_cast<unsigned char>(s[i]);
        const unsigned char lo = (i == 1) ? low : 0x80;
        const unsigned char hi = (i == 1) ? high : 0xBF;
        if (b < lo || b > hi) return {0, i, false};
        c = (c << 6) | (b & 0x3F);
    }
    return {c, need + 1, true};
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char ch : cp1252)
        AppendUtf8(out, CharacterOfByte(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = DecodeOne(utf8);
        const int byte = d.valid ? ByteOfCharacter(d.character) : -1;
        out += byte >= 0 ? static_cast<char>(byte) : kUnknown;
        utf8.remove_prefix(d.length);
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const Decoded d = DecodeOne(text);
        if (!d.valid) return false;
        text.remove_prefix(d.length);
    }
    return true;
}

}  // namespace zelkor
