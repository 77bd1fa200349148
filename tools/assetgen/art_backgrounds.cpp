#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr int kW = 640;
constexpr int kH = 480;
constexpr float kPi = 3.14159265f;

// Darkens towards the corners so the playfield's middle reads best.
float Vignette(float x, float y, float strength) {
    const float dx = (x - kW / 2.0f) / (kW / 2.0f);
    const float dy = (y - kH / 2.0f) / (kH / 2.0f);
    return 1.0f - strength * Clamp01((dx * dx + dy * dy) * 0.5f);
}

template <class Fn>
Canvas PerPixel(Fn colourAt) {
    Canvas c(kW, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            c.at(x, y) = colourAt(x + 0.5f, y + 0.5f);
            c.coverage(x, y) = 1;
        }
    }
    return c;
}

// Deep blue with a faint grid on the 20-pixel wall lattice.
Canvas Standard() {
    return PerPixel([](float x, float y) {
        Color c = Mix(Rgb255(16, 26, 62), Rgb255(8, 12, 34), y / kH);
        c = c * (0.9f + 0.2f * Fractal(x / 90, y / 90, 11));
        const float gx = std::fabs(std::fmod(x, 20.0f) - 0.5f);
        const float gy = std::fabs(std::fmod(y, 20.0f) - 0.5f);
        const float line = std::max(1 - SmoothStep(0.0f, 1.2f, gx), 1 - SmoothStep(0.0f, 1.2f, gy));
        c += Rgb255(14, 22, 44) * line;
        return c * Vignette(x, y, 0.35f);
    });
}

// Dark green board with copper traces between pads.
Canvas Circuit() {
    Canvas c = PerPixel([](float x, float y) {
        Color base = Rgb255(12, 40, 24) * (0.85f + 0.3f * Fractal(x / 60, y / 60, 21));
        // The weave of the board material.
        base = base * (0.95f + 0.05f * std::sin(x * 1.3f) * std::sin(y * 1.3f));
        return base * Vignette(x, y, 0.3f);
    });
    const Color copper = Rgb255(92, 64, 30);
    Surface metal{copper, 0.35f, 20.0f, 0.0f};
    for (int cy = 0; cy < kH / 20; ++cy) {
        for (int cx = 0; cx < kW / 20; ++cx) {
            const float px = cx * 20 + 10.0f, py = cy * 20 + 10.0f;
            const float r = Hash01(cx, cy, 22);
            if (r > 0.55f) continue;
            // A trace from this pad to the right or down, some running on for a while.
            const bool across = Hash01(cx, cy, 23) < 0.5f;
            const int length = 1 + static_cast<int>(Hash01(cx, cy, 24) * 4);
            const float ex = across ? px + 20.0f * length : px;
            const float ey = across ? py : py + 20.0f * length;
            auto trace = [=](float x, float y) { return SdSegment(x, y, px, py, ex, ey, 1.1f); };
            PaintShape(
                c, trace,
                [&](float x, float y) {
                    return Shade(
                        metal, HeightNormal(
                                   [&](float a, float b) { return BevelHeight(trace, a, b, 1.0f); },
                                   x, y));
                },
                static_cast<int>(std::min(px, ex)) - 3, static_cast<int>(std::min(py, ey)) - 3,
                static_cast<int>(std::max(px, ex)) + 4, static_cast<int>(std::max(py, ey)) + 4);
            for (const auto& [qx, qy] : {std::pair{px, py}, std::pair{ex, ey}}) {
                auto pad = [=](float x, float y) { return SdCircle(x, y, qx, qy, 2.6f); };
                PaintShape(
                    c, pad,
                    [&](float x, float y) {
                        const float hole = SdCircle(x, y, qx, qy, 1.0f);
                        if (hole < 0) return Rgb255(6, 16, 10);
                        return Shade(metal, HeightNormal(
                                                [&](float a, float b) {
                                                    return BevelHeight(pad, a, b, 1.5f);
                                                },
                                                x, y));
                    },
                    static_cast<int>(qx) - 4, static_cast<int>(qy) - 4, static_cast<int>(qx) + 5,
                    static_cast<int>(qy) + 5);
            }
        }
    }
    // Keep the traces quiet.
    for (Color& col : c.color)
        col = Mix(Rgb255(12, 40, 24), col, 0.55f);
    return c;
}

// Brushed dark steel plates with rivets.
Canvas Steel() {
    auto plateHeight = [](float x, float y) {
        const float lx = std::fmod(x, 160.0f), ly = std::fmod(y, 120.0f);
        const float plate = SdRoundRect(lx, ly, 80, 60, 79, 59, 3);
        float h = BevelHeight([&](float, float) { return plate; }, 0, 0, 2.5f);
        for (const float rx : {8.0f, 152.0f}) {
            for (const float ry : {8.0f, 112.0f}) {
                const float d = std::hypot(lx - rx, ly - ry);
                if (d < 3.2f) h += std::sqrt(3.2f * 3.2f - d * d) * 0.8f;
            }
        }
        return h;
    };
    return PerPixel([&](float x, float y) {
        const int plate = static_cast<int>(x / 160) + 7 * static_cast<int>(y / 120);
        const float brush = ValueNoise(x / 40, y * 1.5f, 31 + plate) * 0.6f +
                            ValueNoise(x / 9, y * 3.1f, 32 + plate) * 0.4f;
        Color base = Rgb255(44, 48, 54) * (0.85f + 0.25f * brush);
        base = base * (0.92f + 0.16f * Hash01(plate, 3, 33));
        Surface s{base, 0.25f, 10.0f, 0.0f};
        return Shade(s, HeightNormal(plateHeight, x, y)) * 0.8f * Vignette(x, y, 0.35f);
    });
}

// Layers of dark leaves, the upper ones catching a little light from above.
Canvas Jungle() {
    Canvas c = PerPixel([](float x, float y) {
        return Mix(Rgb255(14, 30, 18), Rgb255(6, 14, 8), y / kH) *
               (0.8f + 0.4f * Fractal(x / 70, y / 70, 41));
    });
    Rng rng(42);
    for (int layer = 0; layer < 3; ++layer) {
        const int count = 140 + layer * 60;
        const float size = 46.0f - layer * 12.0f;
        for (int i = 0; i < count; ++i) {
            const float cx = rng.Unit() * (kW + 40) - 20;
            const float cy = rng.Unit() * (kH + 40) - 20;
            const float angle = rng.Unit() * 2 * kPi;
            const float len = size * (0.6f + 0.6f * rng.Unit());
            const float width = len * 0.32f;
            const float ux = std::cos(angle), uy = std::sin(angle);
            const float shade = (0.45f + 0.25f * layer) * (0.75f + 0.5f * rng.Unit());
            const float light = 1.25f - 0.75f * Clamp01(cy / kH);
            const Color tint = Mix(Rgb255(20, 52, 24), Rgb255(34, 64, 22), rng.Unit());
            auto leaf = [=](float x, float y) {
                const float a = (x - cx) * ux + (y - cy) * uy;
                const float b = (x - cx) * -uy + (y - cy) * ux;
                // A pointed oval: the meeting of two large circles.
                const float r = (len * len / 4 + width * width) / (2 * width);
                return std::max(std::hypot(a, b - (width - r)), std::hypot(a, b + (width - r))) - r;
            };
            auto paint = [=](float x, float y) {
                const float a = (x - cx) * ux + (y - cy) * uy;
                const float b = (x - cx) * -uy + (y - cy) * ux;
                const float vein = 1 - SmoothStep(0.0f, 0.9f, std::fabs(b));
                const float side = b < 0 ? 1.08f : 0.9f;
                return tint * (shade * light * side * (1 - 0.35f * vein) *
                               (0.9f + 0.2f * Clamp01(0.5f + a / len)));
            };
            const int r = static_cast<int>(len) + 2;
            PaintShape(c, leaf, paint, static_cast<int>(cx) - r, static_cast<int>(cy) - r,
                       static_cast<int>(cx) + r, static_cast<int>(cy) + r);
        }
    }
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x)
            c.at(x, y) = c.at(x, y) * (0.8f * Vignette(x, y, 0.4f));
    }
    return c;
}

// Black above, deep red glow below, with embers drifting up.
Canvas Fire() {
    Canvas c = PerPixel([](float x, float y) {
        const float t = y / kH;
        const float smoke = Fractal(x / 80, y / 50 - 3, 51);
        const float glow = Clamp01(t * t * (0.6f + 0.8f * smoke));
        return Mix(Rgb255(10, 6, 8), Rgb255(96, 16, 6), glow) * Vignette(x, y, 0.25f);
    });
    Rng rng(52);
    for (int i = 0; i < 260; ++i) {
        const float ex = rng.Unit() * kW;
        const float ey = rng.Unit() * kH;
        const float heat = (0.25f + 0.75f * rng.Unit()) * (0.35f + 0.65f * ey / kH);
        const float r = 0.6f + 1.1f * rng.Unit();
        const float trail = 6 + 14 * rng.Unit();
        const float drift = (rng.Unit() - 0.5f) * 6;
        auto ember = [=](float x, float y) {
            return SdSegment(x, y, ex, ey, ex + drift, ey + trail, r * 0.5f) - r * 0.5f;
        };
        auto paint = [=](float, float y) {
            const float along = Clamp01((y - ey) / trail);
            return Mix(Rgb255(255, 170, 60), Rgb255(110, 20, 6), along) * heat;
        };
        PaintShape(c, ember, paint, static_cast<int>(ex - 8), static_cast<int>(ey - 3),
                   static_cast<int>(ex + 8), static_cast<int>(ey + trail + 4));
    }
    return c;
}

// Distance to the nearest edge of a hexagon mesh with cells `size` across.
float HexEdge(float x, float y, float size) {
    const float sq3 = 1.7320508f;
    const float w = size, h = size * sq3;
    auto cellDist = [&](float ox, float oy) {
        float px = std::fmod(x - ox + 100 * w, w) - w / 2;
        float py = std::fmod(y - oy + 100 * h, h) - h / 2;
        px = std::fabs(px);
        py = std::fabs(py);
        return std::max(px * 0.5f + py * sq3 / 2, px);  // hexagon "radius" of the point
    };
    const float a = cellDist(0, 0);
    const float b = cellDist(w / 2, h / 2);
    const float inner = std::min(a, b);
    return w / 2 - inner;
}

Canvas Tech() {
    return PerPixel([](float x, float y) {
        Color c = Mix(Rgb255(10, 18, 26), Rgb255(6, 10, 16), y / kH);
        c = c * (0.85f + 0.3f * Fractal(x / 100, y / 100, 61));
        const float edge = HexEdge(x, y, 28);
        const float line = 1 - SmoothStep(0.0f, 1.3f, edge);
        const float pulse = 0.5f + 0.5f * Fractal(x / 50, y / 50, 62);
        c += Rgb255(20, 78, 88) * (line * (0.35f + 0.65f * pulse));
        c += Rgb255(6, 22, 26) * ((1 - SmoothStep(0.0f, 5.0f, edge)) * 0.5f);
        return c * Vignette(x, y, 0.45f);
    });
}

Canvas Masonry() {
    auto local = [](float x, float y, float& bx, float& by, int& id) {
        const int row = static_cast<int>(std::floor(y / 24));
        const float shift = (row % 2) * 24.0f;
        const int col = static_cast<int>(std::floor((x + shift) / 48));
        bx = x + shift - col * 48.0f;
        by = y - row * 24.0f;
        id = row * 131 + col;
    };
    auto height = [&](float x, float y) {
        float bx, by;
        int id;
        local(x, y, bx, by, id);
        const float d = SdRoundRect(bx, by, 24, 12, 22.5f, 10.5f, 2.5f);
        return BevelHeight([&](float, float) { return d; }, 0, 0, 2.5f) +
               0.6f * Fractal(x / 6, y / 6, 71 + id % 5, 2);
    };
    return PerPixel([&](float x, float y) {
        float bx, by;
        int id;
        local(x, y, bx, by, id);
        const bool mortar = SdRoundRect(bx, by, 24, 12, 22.5f, 10.5f, 2.5f) > 0;
        Color base =
            mortar ? Rgb255(34, 30, 28) : Rgb255(70, 44, 34) * (0.8f + 0.4f * Hash01(id, 0, 72));
        Surface s{base, 0.08f, 8.0f, 0.0f};
        return Shade(s, HeightNormal(height, x, y)) * (0.5f * Vignette(x, y, 0.75f));
    });
}

}  // namespace

void MakeBackgrounds(AssetSet& set) {
    set.AddPicture("gfx/bkg_standart.bmp", Standard(), KeyMode::NearBlack);
    set.AddPicture("gfx/bkg_circuit.bmp", Circuit(), KeyMode::NearBlack);
    set.AddPicture("gfx/bkg_steel.bmp", Steel(), KeyMode::NearBlack);
    set.AddPicture("gfx/bkg_jungle.bmp", Jungle(), KeyMode::NearBlack);
    set.AddPicture("gfx/bkg_fire.bmp", Fire(), KeyMode::NearBlack);
    set.AddPicture("bkg/bkg_tech.bmp", Tech(), KeyMode::NearBlack);
    set.AddPicture("bkg/bkg_bricks.bmp", Masonry(), KeyMode::NearBlack);
}

}  // namespace zelkor::assetgen
