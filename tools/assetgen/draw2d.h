#pragma once

#include <algorithm>
#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/shading.h"
#include "tools/assetgen/text.h"

namespace zelkor::assetgen {

// Flat signed distances (negative inside), in pixels.
inline float SdRoundRect(float x, float y, float cx, float cy, float hw, float hh, float round) {
    const float qx = std::fabs(x - cx) - hw + round;
    const float qy = std::fabs(y - cy) - hh + round;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - round;
}

inline float SdCircle(float x, float y, float cx, float cy, float r) {
    return std::hypot(x - cx, y - cy) - r;
}

inline float SdSegment(float x, float y, float ax, float ay, float bx, float by, float r) {
    const float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
    const float h = Clamp01((pax * bax + pay * bay) / (bax * bax + bay * bay));
    return std::hypot(pax - bax * h, pay - bay * h) - r;
}

// Paints the inside of a flat shape over the canvas, 4 x 4 samples per pixel; shade(x, y)
// gives the colour at a sample. Only the pixels of the box [x0, x1) x [y0, y1) are visited.
template <class Sdf, class Shade>
void PaintShape(Canvas& canvas, Sdf sdf, Shade shade, int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, canvas.width);
    y1 = std::min(y1, canvas.height);
    for (int py = y0; py < y1; ++py) {
        for (int px = x0; px < x1; ++px) {
            Color sum{};
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const float x = px + (sx + 0.5f) / 4, y = py + (sy + 0.5f) / 4;
                    if (sdf(x, y) < 0) {
                        sum += shade(x, y);
                        ++inside;
                    }
                }
            }
            if (inside > 0) canvas.Blend(px, py, sum * (1.0f / inside), inside / 16.0f);
        }
    }
}

template <class Sdf, class Shade>
void PaintShape(Canvas& canvas, Sdf sdf, Shade shade) {
    PaintShape(canvas, sdf, shade, 0, 0, canvas.width, canvas.height);
}

// The normal of a surface of height h(x, y) (in pixels).
template <class Height>
Vec3 HeightNormal(Height h, float x, float y) {
    constexpr float e = 0.25f;
    return Normalize(
        {(h(x - e, y) - h(x + e, y)) / (2 * e), (h(x, y - e) - h(x, y + e)) / (2 * e), 1});
}

// A bevelled slab: flat inside, rounding down over `width` pixels towards its edge.
template <class Sdf>
float BevelHeight(Sdf sdf, float x, float y, float width) {
    const float t = Clamp01(-sdf(x, y) / width);
    return width * std::sqrt(1 - (1 - t) * (1 - t));
}

// Paints a coverage mask over the canvas at (x, y) with colours from shade(mask x, mask y).
template <class Shade>
void PaintMask(Canvas& canvas, const Mask& mask, int x, int y, Shade shade) {
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const float a = mask.get(mx, my);
            if (a > 0) canvas.Blend(x + mx, y + my, shade(mx, my), a);
        }
    }
}

}  // namespace zelkor::assetgen
