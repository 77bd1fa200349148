#pragma once

#include <cstdint>
#include <string_view>

#include "game/present/surface.h"

namespace zelkor {

class PictureStore;

// The cell of a character in every font picture: letters in rows 0 and 1, digits
// and signs in row 2, apostrophe, comma, "<", ">" and "~" in row 3, everything
// else (space, accented letters) in the blank cell 10 of row 2.
struct GlyphCell {
    int column = 10;
    int row = 2;
};
GlyphCell CellOf(unsigned char c);

// `DrawBmpText`: draws `text` (Windows-1252) in bitmap font 1..6 with its top-left
// corner at (x, y), unless `measureOnly`, and returns its width as callers use it
// to right-align. A font outside 1..6 draws nothing and measures 0.
std::int32_t DrawBmpText(const PictureStore& pictures, Surface& target, std::string_view text,
                         int x, int y, int font, bool measureOnly = false);

// The width alone.
std::int32_t BmpTextWidth(std::string_view text, int font);

}  // namespace zelkor
