#include "game/present/bitmap_font.h"

#include <array>
#include <cmath>
#include <string>

#include "game/present/pictures.h"

namespace zelkor {
namespace {

// Cell width W, cell height H and the spacing reduction S of fonts 1..6.
struct FontGrid {
    double w;
    double h;
    double s;
};
constexpr std::array<FontGrid, 6> kGrids{
    {{7, 14, 0}, {9.05, 16.5, 0}, {17, 23, 6}, {8, 15, 0}, {16.7, 24, 5}, {11, 21, 2}}};

// Halves go to the even neighbour.
int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

constexpr std::string_view kSigns = ".:-+*/()=\\_!?";
constexpr std::string_view kRowThreeSigns = "',<>~";

}  // namespace

GlyphCell CellOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return {c - 'A', 0};
    if (c >= 'a' && c <= 'z') return {c - 'a', 1};
    if (c >= '0' && c <= '9') return {c - '0', 2};
    const std::size_t sign = kSigns.find(static_cast<char>(c));
    if (sign != std::string_view::npos) return {11 + static_cast<int>(sign), 2};
    const std::size_t below = kRowThreeSigns.find(static_cast<char>(c));
    if (below != std::string_view::npos) return {static_cast<int>(below), 3};
    return {};
}

std::int32_t BmpTextWidth(std::string_view text, int font) {
    if (font < 1 || font > 6) return 0;
    const FontGrid& g = kGrids[static_cast<std::size_t>(font - 1)];
    const double n = static_cast<double>(text.size());
    return Round((n + 1) * g.w - (n + 2) * g.s);
}

std::int32_t DrawBmpText(const PictureStore& pictures, Surface& target, std::string_view text,
                         int x, int y, int font, bool measureOnly) {
    if (font < 1 || font > 6) return 0;
    if (!measureOnly) {
        const FontGrid& g = kGrids[static_cast<std::size_t>(font - 1)];
        const Surface& glyphs = *pictures.font(font);
        for (std::size_t k = 0; k < text.size(); ++k) {
            const double i = static_cast<double>(k + 1);
            const GlyphCell cell = CellOf(static_cast<unsigned char>(text[k]));
            const Rect from{Round(cell.column * g.w), Round(cell.row * g.h),
                            Round((cell.column + 1) * g.w - 1), Round((cell.row + 1) * g.h)};
            Blit(target, x + Round((i - 1) * g.w - i * g.s), y, glyphs, from, true);
        }
    }
    return BmpTextWidth(text, font);
}

}  // namespace zelkor
