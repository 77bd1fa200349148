#include "tools/assetgen/lettering.h"

#include <algorithm>
#include <cmath>

namespace zelkor::assetgen {

Mask PaintLettering(Canvas& canvas, std::string_view text, const LetterStyle& style, float cx,
                    float cy) {
    const TypeFace face(style.face);
    const Mask line = face.Line(text, style.size, style.squeeze, style.spacing);
    const InkBox ink = FindInk(line, 0.05f);
    if (ink.empty()) return {};
    const int ox = static_cast<int>(std::lround(cx - (ink.x0 + ink.x1) / 2.0f));
    // Centre the capitals, so that descenders do not lift a line.
    const int oy = static_cast<int>(std::lround(cy - (ink.y0 + line.baseline) / 2.0f));
    const int radius = std::max(1, static_cast<int>(std::lround(style.bevel)));
    const Mask height = Blur(line, radius, 2);
    const Mask rim = style.outlineWidth > 0 ? Dilate(line, style.outlineWidth) : line;
    Mask painted(canvas.width, canvas.height);

    if (style.shadow > 0) {
        const Mask soft = Blur(rim, 2, 1);
        for (int y = 0; y < rim.height; ++y) {
            for (int x = 0; x < rim.width; ++x) {
                canvas.Blend(ox + x + style.shadow, oy + y + style.shadow, Rgb255(8, 8, 12),
                             soft.get(x, y) * 0.7f);
            }
        }
    }
    const float depth = 3.0f * style.bevel;
    const int inkHeight = std::max(1, ink.y1 - ink.y0);
    for (int y = 0; y < line.height; ++y) {
        for (int x = 0; x < line.width; ++x) {
            const float edge = rim.get(x, y);
            if (edge <= 0) continue;
            const float body = line.get(x, y);
            const Vec3 n = Normalize({(height.get(x - 1, y) - height.get(x + 1, y)) * depth,
                                      (height.get(x, y - 1) - height.get(x, y + 1)) * depth, 1});
            Surface s = style.surface;
            if (!(style.top.r == style.bottom.r && style.top.g == style.bottom.g &&
                  style.top.b == style.bottom.b)) {
                s.base = Mix(style.top, style.bottom,
                             Clamp01(static_cast<float>(y - ink.y0) / inkHeight));
            }
            s.rim = 0;
            const Color lit = Shade(s, n);
            const Color c = Mix(style.outline, lit, SmoothStep(0.2f, 0.9f, body));
            canvas.Blend(ox + x, oy + y, c, std::min(1.0f, edge * 1.5f));
            if (ox + x >= 0 && oy + y >= 0 && ox + x < canvas.width && oy + y < canvas.height) {
                painted.at(ox + x, oy + y) = edge;
            }
        }
    }
    return painted;
}

}  // namespace zelkor::assetgen
