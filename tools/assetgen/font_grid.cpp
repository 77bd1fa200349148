#include "tools/assetgen/font_grid.h"

#include <algorithm>

namespace zelkor::assetgen {

std::optional<CellPlace> CellOf(unsigned char ch) {
    if (ch >= 'A' && ch <= 'Z') return CellPlace{ch - 'A', 0};
    if (ch >= 'a' && ch <= 'z') return CellPlace{ch - 'a', 1};
    if (ch >= '0' && ch <= '9') return CellPlace{ch - '0', 2};
    const auto at = kRowTwoSigns.find(static_cast<char>(ch));
    if (at != std::string_view::npos) return CellPlace{11 + static_cast<int>(at), 2};
    const auto below = kRowThreeSigns.find(static_cast<char>(ch));
    if (below != std::string_view::npos) return CellPlace{static_cast<int>(below), 3};
    return std::nullopt;
}

CellRect CellRectOf(const FontGrid& g, CellPlace p) {
    CellRect r{RoundHalfEven(p.column * g.cellWidth), RoundHalfEven(p.row * g.cellHeight),
               RoundHalfEven((p.column + 1) * g.cellWidth - 1),
               RoundHalfEven((p.row + 1) * g.cellHeight)};
    r.right = std::min(r.right, g.pictureWidth);
    r.bottom = std::min(r.bottom, g.pictureHeight);
    return r;
}

}  // namespace zelkor::assetgen
