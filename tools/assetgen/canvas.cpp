#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace zelkor::assetgen {

Color Mix(Color a, Color b, float t) {
    return a + (b - a) * t;
}

float Luma(Color c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

void Canvas::Fill(Color c) {
    std::fill(color.begin(), color.end(), c);
    std::fill(alpha.begin(), alpha.end(), 1.0f);
}

void Canvas::Blend(int x, int y, Color c, float a) {
    if (!inside(x, y) || a <= 0.0f) return;
    a = std::min(a, 1.0f);
    const std::size_t i = index(x, y);
    const float old = alpha[i];
    const float out = a + old * (1.0f - a);
    if (out <= 0.0f) return;
    // Straight (not premultiplied) colours: weight the old colour by what shows through.
    color[i] = (c * a + color[i] * (old * (1.0f - a))) * (1.0f / out);
    alpha[i] = out;
}

void Canvas::Draw(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height; ++sy) {
        for (int sx = 0; sx < src.width; ++sx) {
            const std::size_t i = src.index(sx, sy);
            Blend(x + sx, y + sy, src.color[i], src.alpha[i]);
        }
    }
}

Pixel ToPixel(Color c) {
    auto channel = [](float v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0f), 0L, 255L));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

bool IsKeyPixel(Pixel p, KeyMode mode) {
    switch (mode) {
        case KeyMode::Grey131:
            return p == kKey131;
        case KeyMode::Grey128:
            return p == kKey128;
        default:
            return p.r <= 10 && p.g <= 10 && p.b <= 10;
    }
}

Image Finish(const Canvas& canvas, KeyMode mode) {
    Image image(canvas.width, canvas.height);
    const Pixel key = mode == KeyMode::Grey131   ? kKey131
                      : mode == KeyMode::Grey128 ? kKey128
                                                 : Pixel{0, 0, 0};
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (canvas.alpha[i] < 0.5f) {
            image.pixels[i] = key;
            continue;
        }
        Pixel p = ToPixel(canvas.color[i]);
        if (mode == KeyMode::Grey131 || mode == KeyMode::Grey128) {
            if (p == key) p.r = static_cast<std::uint8_t>(p.r + 1);
        } else {
            const int top = std::max({p.r, p.g, p.b});
            if (top < kDarkestVisible) {
                const int lift = kDarkestVisible - top;
                p = {static_cast<std::uint8_t>(p.r + lift), static_cast<std::uint8_t>(p.g + lift),
                     static_cast<std::uint8_t>(p.b + lift)};
            }
        }
        image.pixels[i] = p;
    }
    return image;
}

}  // namespace zelkor::assetgen
