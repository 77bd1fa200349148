#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/font_grid.h"
#include "tools/assetgen/text.h"

namespace zelkor::assetgen {
namespace {

enum class Look { Plain, Gold, Red };

struct FontLook {
    const char* face;
    float pixelSize;  // wanted size; shrunk when the cells are too small
    Look look;
    Color ink;
    Color edge;
};

// Same order as kFontGrids.
const FontLook kLooks[] = {
    {"DejaVuSansMono.ttf", 11, Look::Plain, Rgb255(205, 205, 210), Rgb255(44, 44, 50)},
    {"DejaVuSansMono.ttf", 13, Look::Plain, Rgb255(205, 205, 210), Rgb255(44, 44, 50)},
    {"DejaVuSans-Bold.ttf", 19, Look::Gold, Rgb255(240, 190, 50), Rgb255(64, 38, 12)},
    {"DejaVuSans.ttf", 11, Look::Plain, Rgb255(250, 250, 250), Rgb255(50, 50, 56)},
    {"DejaVuSans-Bold.ttf", 20, Look::Red, Rgb255(210, 30, 24), Rgb255(52, 8, 8)},
    {"DejaVuSansMono.ttf", 15, Look::Plain, Rgb255(205, 205, 210), Rgb255(44, 44, 50)},
};

std::string AllGlyphs() {
    std::string s;
    for (char c = 'A'; c <= 'Z'; ++c)
        s += c;
    for (char c = 'a'; c <= 'z'; ++c)
        s += c;
    for (char c = '0'; c <= '9'; ++c)
        s += c;
    s += kRowTwoSigns;
    s += kRowThreeSigns;
    return s;
}

struct Fit {
    float size;
    float squeeze;
    int ascent;  // pixels above the baseline the tallest glyph reaches
};

// Chooses a size and horizontal squeeze so that every glyph (with its outline) fits the
// smallest cell of the grid with a pixel to spare.
Fit FitGlyphs(const TypeFace& face, const FontGrid& grid, const FontLook& look, int outline,
              bool crisp) {
    int narrowest = 1 << 20, lowest = 1 << 20;
    for (int col = 0; col < 26; ++col) {
        for (int row = 0; row < 4; ++row) {
            const CellRect r = CellRectOf(grid, {col, row});
            narrowest = std::min(narrowest, r.right - r.left - grid.spacing);
            lowest = std::min(lowest, r.bottom - r.top);
        }
    }
    Fit fit{look.pixelSize, 1.0f, 0};
    for (int attempt = 0; attempt < 40; ++attempt) {
        int up = 0, down = 0, wide = 0;
        for (unsigned char ch : AllGlyphs()) {
            const Mask m = face.Glyph(ch, fit.size, fit.squeeze, crisp);
            const InkBox ink = FindInk(m, 0.2f);
            if (ink.empty()) continue;
            up = std::max(up, m.baseline - ink.y0);
            down = std::max(down, ink.y1 - m.baseline);
            wide = std::max(wide, ink.x1 - ink.x0);
        }
        fit.ascent = up;
        const bool tallOk = up + down + 2 * outline <= lowest - 1;
        // Crisp fonts squeeze only the few glyphs that are too wide, one by one.
        const bool wideOk = crisp || wide + 2 * outline <= narrowest;
        if (tallOk && wideOk) break;
        if (!tallOk) fit.size -= 0.5f;
        if (!wideOk) fit.squeeze = std::max(0.6f, fit.squeeze - 0.04f);
    }
    return fit;
}

Color InkColour(const FontLook& look, float heightInCell) {
    switch (look.look) {
        case Look::Gold:
            return heightInCell < 0.45f
                       ? Mix(Rgb255(255, 245, 170), look.ink, heightInCell / 0.45f)
                       : Mix(look.ink, Rgb255(165, 95, 20), (heightInCell - 0.45f) / 0.55f);
        case Look::Red:
            return heightInCell < 0.45f
                       ? Mix(Rgb255(255, 130, 110), look.ink, heightInCell / 0.45f)
                       : Mix(look.ink, Rgb255(115, 6, 6), (heightInCell - 0.45f) / 0.55f);
        case Look::Plain:
            break;
    }
    return look.ink;
}

Canvas FontPicture(const FontGrid& grid, const FontLook& look) {
    const TypeFace face(look.face);
    const int outline = look.look == Look::Plain ? 0 : 1;
    const bool crisp = look.look == Look::Plain;
    const Fit fit = FitGlyphs(face, grid, look, outline, crisp);
    Canvas canvas(grid.pictureWidth, grid.pictureHeight);
    for (unsigned char ch : AllGlyphs()) {
        const CellPlace place = *CellOf(ch);
        const CellRect cell = CellRectOf(grid, place);
        // Centre the ink in the part of the cell the characters advance by.
        const int penLeft = cell.left + grid.spacing;
        const int penWidth = cell.right - penLeft;
        Mask glyph = face.Glyph(ch, fit.size, fit.squeeze, crisp);
        InkBox ink = FindInk(glyph, 0.0f);
        for (float squeeze = fit.squeeze * 0.92f;
             crisp && ink.x1 - ink.x0 > penWidth && squeeze > 0.5f; squeeze *= 0.92f) {
            glyph = face.Glyph(ch, fit.size, squeeze, crisp);
            ink = FindInk(glyph, 0.0f);
        }
        if (ink.empty()) continue;
        const int x = penLeft + (penWidth - (ink.x1 - ink.x0)) / 2 - ink.x0;
        const int baseline = cell.top + 1 + outline + fit.ascent;
        const int y = baseline - glyph.baseline;
        const Mask body = glyph;
        const Mask rim = outline > 0 ? Dilate(glyph, outline) : glyph;
        const int cellHeight = cell.bottom - cell.top;
        for (int my = -outline; my < glyph.height + outline; ++my) {
            for (int mx = -outline; mx < glyph.width + outline; ++mx) {
                const int px = x + mx, py = y + my;
                // Nothing may reach outside the part of the cell that is copied.
                if (px < cell.left || px >= cell.right || py < cell.top || py >= cell.bottom)
                    continue;
                const float inside = body.get(mx, my);
                const float around = rim.get(mx, my);
                const float cover = std::max(inside, around);
                if (cover < 0.3f) continue;
                const Color fill = InkColour(look, static_cast<float>(py - cell.top) / cellHeight);
                const float t =
                    outline > 0 ? SmoothStep(0.15f, 0.85f, inside) : SmoothStep(0.3f, 0.9f, inside);
                canvas.at(px, py) = Mix(look.edge, fill, t);
                canvas.coverage(px, py) = 1;
            }
        }
    }
    return canvas;
}

}  // namespace

void MakeFonts(AssetSet& set) {
    for (std::size_t i = 0; i < kFontGrids.size(); ++i) {
        set.AddPicture("gfx/fonts/" + std::string(kFontGrids[i].file),
                       FontPicture(kFontGrids[i], kLooks[i]), KeyMode::NearBlack3);
    }
}

}  // namespace zelkor::assetgen
