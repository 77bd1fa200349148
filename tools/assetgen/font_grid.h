#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace zelkor::assetgen {

// The glyph grid every bitmap font picture follows: cells of W x H pixels (W and H may be
// fractional), letters in rows 0 and 1, digits and signs in row 2, the signs of
// row 3 (apostrophe, comma, angle brackets, tilde) below them.
struct FontGrid {
    std::string_view file;  // below gfx/fonts/
    int pictureWidth, pictureHeight;
    double cellWidth, cellHeight;
    int spacing;  // how much closer than a cell width the text routine sets characters
};

inline constexpr std::array<FontGrid, 6> kFontGrids = {{
    {"fnt_cour_8.bmp", 499, 56, 7, 14, 0},
    {"fnt_cour_11.bmp", 499, 66, 9.05, 16.5, 0},
    {"fnt_bl_16.bmp", 439, 133, 17, 23, 6},
    {"fnt_sys_8.bmp", 499, 60, 8, 15, 0},
    {"fnt_DM_16.bmp", 439, 133, 16.7, 24, 5},
    {"fnt_cour_16.bmp", 439, 140, 11, 21, 2},
}};

// The signs of row 2 after the digits; column 10 is the blank cell.
inline constexpr std::string_view kRowTwoSigns = ".:-+*/()=\\_!?";
// The signs of row 3, from column 0.
inline constexpr std::string_view kRowThreeSigns = "',<>~";

struct CellPlace {
    int column, row;
};

// Where a character's glyph lives; nullopt for characters drawn as the blank cell.
std::optional<CellPlace> CellOf(unsigned char ch);

// Rounds to the nearest whole number, halves to the nearest even one, as the text
// routine does with every fractional position.
inline int RoundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The part of the picture the text routine copies for a cell: [left, right) x [top, bottom).
struct CellRect {
    int left, top, right, bottom;
};
CellRect CellRectOf(const FontGrid& grid, CellPlace place);

}  // namespace zelkor::assetgen
