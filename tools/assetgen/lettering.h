#pragma once

#include <string_view>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/shading.h"
#include "tools/assetgen/text.h"

namespace zelkor::assetgen {

// Raised display letters: bevelled, lit by the key light, with a dark outline.
struct LetterStyle {
    const char* face = "DejaVuSans-Bold.ttf";
    float size = 24;
    float squeeze = 1.0f;
    float spacing = 0.0f;
    Surface surface{Rgb255(230, 230, 235)};
    Color top{}, bottom{};  // optional vertical gradient of the base colour (when top != bottom)
    Color outline = Rgb255(26, 24, 30);
    int outlineWidth = 1;
    float bevel = 2.0f;  // blur radius that rounds the letters
    int shadow = 0;      // drop shadow offset to the lower right
};

// Paints text centred on (cx, cy) and returns the coverage it painted (for z tests).
Mask PaintLettering(Canvas& canvas, std::string_view text, const LetterStyle& style, float cx,
                    float cy);

}  // namespace zelkor::assetgen
