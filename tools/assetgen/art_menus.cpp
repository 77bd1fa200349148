#include <cmath>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/lettering.h"
#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr int kW = 640;
constexpr int kH = 480;
constexpr float kPi = 3.14159265f;

// The shared backdrop of the menu screens: a deep violet-blue gradient, a faint glow
// behind the title and a floor grid running into the distance.
Canvas Backdrop(int seed) {
    Canvas c(kW, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            Color col = Mix(Rgb255(26, 22, 58), Rgb255(6, 8, 22), static_cast<float>(y) / kH);
            const float glow =
                std::exp(-std::pow((x - 320.0f) / 260.0f, 2) - std::pow((y - 95.0f) / 90.0f, 2));
            col += Rgb255(40, 36, 90) * glow;
            col = col * (0.92f + 0.16f * Fractal(x / 120.0f, y / 120.0f, seed));
            if (y > 250) {
                // Perspective floor lines towards a vanishing point above the screen's middle.
                const float depth = (y - 230.0f) / 250.0f;
                const float across = (x - 320.0f) / depth;
                const float lineX =
                    std::fabs(std::fmod(std::fabs(across) + 30.0f, 60.0f) - 30.0f) * depth;
                const float lineY =
                    std::fabs(std::fmod(std::log(depth) * 9.0f + 100.0f, 1.0f) - 0.5f);
                const float grid =
                    std::max(1 - SmoothStep(0.0f, 1.2f, lineX), 1 - SmoothStep(0.0f, 0.06f, lineY));
                col += Rgb255(30, 40, 90) * (grid * depth * 0.7f);
            }
            c.at(x, y) = col;
            c.coverage(x, y) = 1;
        }
    }
    return c;
}

LetterStyle Chrome(float size) {
    LetterStyle s;
    s.size = size;
    s.surface = Surface{Rgb255(255, 255, 255), 0.9f, 40.0f};
    s.surface.chrome = true;
    s.outline = Rgb255(16, 14, 30);
    s.outlineWidth = 2;
    s.bevel = size / 18.0f;
    s.shadow = 5;
    return s;
}

// A green-gold snake weaving in front of and behind the title letters.
void PaintSnake(Canvas& c, const Mask& letters, float y0, float amplitude) {
    struct Point {
        float x, y, z, u;
    };
    std::vector<Point> path;
    float u = 0;
    for (int i = 0; i <= 240; ++i) {
        const float t = i / 240.0f;
        const float x = 70 + t * 470;
        const float phase = t * 3.3f * 2 * kPi;
        Point p{x, y0 + amplitude * std::sin(phase), 14 * std::cos(phase), 0};
        if (!path.empty()) u += std::hypot(p.x - path.back().x, p.y - path.back().y);
        p.u = u;
        path.push_back(p);
    }
    const float length = u;
    const Point head = path.back();
    auto radiusAt = [&](float along) {
        return 3.0f + 6.0f * SmoothStep(0.0f, 0.25f, along / length);
    };
    for (int py = static_cast<int>(y0 - amplitude - 16); py < y0 + amplitude + 16; ++py) {
        for (int px = 50; px < 600; ++px) {
            Color sum{};
            int hits = 0;
            for (int s = 0; s < 4; ++s) {
                const float x = px + 0.25f + 0.5f * (s % 2), y = py + 0.25f + 0.5f * (s / 2);
                float best = 1e9f, bz = 0, bu = 0, bnx = 0, bny = 0;
                for (std::size_t i = 0; i + 1 < path.size(); ++i) {
                    const Point& a = path[i];
                    const Point& b = path[i + 1];
                    const float abx = b.x - a.x, aby = b.y - a.y;
                    const float t =
                        Clamp01(((x - a.x) * abx + (y - a.y) * aby) / (abx * abx + aby * aby));
                    const float dx = x - (a.x + abx * t), dy = y - (a.y + aby * t);
                    const float d = std::hypot(dx, dy);
                    if (d < best) {
                        best = d;
                        bz = a.z + (b.z - a.z) * t;
                        bu = a.u + (b.u - a.u) * t;
                        bnx = dx;
                        bny = dy;
                    }
                }
                float r = radiusAt(bu);
                Color col;
                Vec3 n;
                float z;
                const float headD = std::hypot(x - head.x - 3, y - head.y);
                if (headD < 10.5f) {
                    n = {(x - head.x - 3) / 10.5f, (y - head.y) / 10.5f, 0};
                    n.z = std::sqrt(std::max(0.0f, 1 - n.x * n.x - n.y * n.y));
                    z = head.z + n.z * 10.5f;
                    col = Rgb255(60, 150, 50);
                    for (const float side : {-1.0f, 1.0f}) {
                        if (std::hypot(x - head.x - 6, y - head.y - side * 4.5f) < 2.2f)
                            col = Rgb255(250, 240, 170);
                        if (std::hypot(x - head.x - 7, y - head.y - side * 4.5f) < 1.1f)
                            col = Rgb255(26, 24, 30);
                    }
                } else if (best < r) {
                    const float h = std::sqrt(r * r - best * best);
                    n = Normalize({bnx, bny, h});
                    z = bz + h;
                    const float local = std::fmod(bu, 18.0f);
                    const float across = best / r * (bnx * 0 + 1);
                    const bool diamond = std::fabs(local - 9) / 5 + across / 0.45f < 1;
                    col = diamond ? Rgb255(235, 190, 60) : Rgb255(60, 150, 50);
                } else {
                    continue;
                }
                // Behind the letters where they cover this point and the snake dips back.
                if (letters.get(px, py) > 0.5f && z < 6) continue;
                sum += Shade(Surface{col, 0.55f, 30.0f, 1.0f, Rgb255(20, 44, 18)}, n);
                ++hits;
            }
            if (hits > 0) c.Blend(px, py, sum * (1.0f / hits), hits / 4.0f);
        }
    }
}

// A dark glass panel where the screen writes its text.
void Panel(Canvas& c, float x0, float y0, float x1, float y1) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    auto outer = [=](float x, float y) {
        return SdRoundRect(x, y, cx, cy, (x1 - x0) / 2, (y1 - y0) / 2, 12);
    };
    auto height = [&](float x, float y) { return BevelHeight(outer, x, y, 3); };
    PaintShape(
        c, outer,
        [&](float x, float y) {
            const float inner = -outer(x, y);
            if (inner > 3) return Mix(Rgb255(14, 16, 32), Rgb255(10, 10, 22), (y - y0) / (y1 - y0));
            return Shade(Surface{Rgb255(80, 90, 140), 0.5f, 20.0f, 0.0f},
                         HeightNormal(height, x, y));
        },
        static_cast<int>(x0) - 1, static_cast<int>(y0) - 1, static_cast<int>(x1) + 2,
        static_cast<int>(y1) + 2);
}

Canvas MainMenu() {
    Canvas c = Backdrop(301);
    Mask letters = PaintLettering(c, "ZELKOR", Chrome(96), 290, 100);
    LetterStyle badge = Chrome(64);
    badge.top = Rgb255(255, 210, 120);
    badge.bottom = Rgb255(200, 90, 20);
    badge.surface.chrome = false;
    badge.surface.base = Rgb255(255, 190, 80);
    const Mask three = PaintLettering(c, "3D", badge, 560, 152);
    for (std::size_t i = 0; i < letters.value.size(); ++i)
        letters.value[i] = std::max(letters.value[i], three.value[i]);
    PaintSnake(c, letters, 112, 34);
    return c;
}

Canvas OptionsMenu() {
    Canvas c = Backdrop(302);
    PaintLettering(c, "OPTIONS", Chrome(58), 320, 92);
    // The panel holds every option line, the last ones at y = 437, clear of its bottom edge.
    Panel(c, 28, 178, 612, 462);
    return c;
}

Canvas HallOfFame() {
    Canvas c = Backdrop(303);
    PaintLettering(c, "HALL OF FAME", Chrome(54), 320, 92);
    Panel(c, 280, 196, 612, 430);
    // A gold cup on the left: a bowl, a stem and a foot, lit like everything else.
    auto cup = [](float x, float y) {
        const float bowl = std::max(SdCircle(x, y, 140, 240, 52), 240.0f - y);
        const float stem = SdRoundRect(x, y, 140, 305, 9, 22, 3);
        const float foot = SdRoundRect(x, y, 140, 335, 40, 9, 5);
        float handles = 1e9f;
        for (const float side : {-1.0f, 1.0f}) {
            handles = std::min(handles, std::fabs(SdCircle(x, y, 140 + side * 50, 258, 18)) - 5);
        }
        handles = std::max(handles, 44 - std::fabs(x - 140));
        return std::min({bowl, stem, foot, handles});
    };
    auto height = [&](float x, float y) { return BevelHeight(cup, x, y, 10); };
    PaintShape(
        c, cup,
        [&](float x, float y) {
            Surface s{Rgb255(235, 185, 70), 0.8f, 40.0f, 0.0f};
            return Shade(s, HeightNormal(height, x, y)) * 0.8f;
        },
        60, 180, 220, 350);
    return c;
}

Canvas LevelsMenu() {
    Canvas c = Backdrop(304);
    PaintLettering(c, "LEVELS", Chrome(58), 320, 92);
    // The list of ten levels, and beside it the frame of the selected level's grid
    // (124 x 88 pixels at (485, 187)).
    Panel(c, 28, 180, 472, 430);
    Panel(c, 480, 180, 614, 282);
    return c;
}

}  // namespace

void MakeMenuBackgrounds(AssetSet& set) {
    set.AddPicture("gfx/menu/bkg.bmp", MainMenu(), KeyMode::NearBlack);
    set.AddPicture("gfx/menu/bkg_o.bmp", OptionsMenu(), KeyMode::NearBlack);
    set.AddPicture("gfx/menu/bkg_hs.bmp", HallOfFame(), KeyMode::NearBlack);
    set.AddPicture("gfx/menu/bkg_lv.bmp", LevelsMenu(), KeyMode::NearBlack);
}

}  // namespace zelkor::assetgen
