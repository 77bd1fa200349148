#include "game/present/bitmap_rules.h"

#include <cstdint>

namespace zelkor {
namespace {

bool InKey(std::uint32_t p, int keyMode) {
    const int r = RedOf(p), g = GreenOf(p), b = BlueOf(p);
    switch (keyMode) {
        case 1:
            return r == 131 && g == 131 && b == 131;
        case 2:
            return r == 128 && g == 128 && b == 128;
        default:
            return r <= 10 && g <= 10 && b <= 10;
    }
}

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return v;
}

}  // namespace

void ApplyColourKey(Surface& picture, int keyMode) {
    for (std::uint32_t& p : picture.pixels())
        p = InKey(p, keyMode) ? (p & 0x00FFFFFFu) : (p | 0xFF000000u);
}

std::optional<std::array<int, 2>> BitmapSize(std::string_view header) {
    if (header.size() < 26 || header[0] != 'B' || header[1] != 'M') return std::nullopt;
    const std::uint32_t infoSize = LittleEndian32(header, 14);
    if (infoSize == 12) {  // the old OS/2 header keeps 16-bit sizes
        const int w =
            static_cast<unsigned char>(header[18]) | static_cast<unsigned char>(header[19]) << 8;
        const int h =
            static_cast<unsigned char>(header[20]) | static_cast<unsigned char>(header[21]) << 8;
        return std::array<int, 2>{w, h};
    }
    const auto w = static_cast<std::int32_t>(LittleEndian32(header, 18));
    const auto h = static_cast<std::int32_t>(LittleEndian32(header, 22));
    if (w <= 0 || h == 0 || h == INT32_MIN) return std::nullopt;
    return std::array<int, 2>{w, h < 0 ? -h : h};
}

}  // namespace zelkor
