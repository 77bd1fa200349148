#include <cmath>
#include <functional>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kFrames = 45;

const StoneStyle kSlate{Rgb255(88, 100, 118), Rgb255(46, 48, 56), 0.10f, 5};
const StoneStyle kSandstone{Rgb255(196, 160, 104), Rgb255(110, 96, 74), 0.10f, 9};

// What an animated wall looks like at a point: u along its run, v across (0..20), and the
// animation phase (0..2 pi over the 45 frames, so the loop closes).
using EnergyLook = std::function<Color(float u, float v, float phase)>;

// A block that does not tile (rounded, with the grey key round its corners) or a run
// piece that fills its cell.
Canvas EnergyTile(const EnergyLook& look, bool vertical, bool block, float phase) {
    Canvas c(20, 20);
    auto outline = [block](float x, float y) {
        return block ? SdRoundRect(x, y, 10, 10, 9.5f, 9.5f, 4.0f) : -1.0f;
    };
    auto height = [&](float x, float y) { return block ? BevelHeight(outline, x, y, 3.0f) : 0.0f; };
    PaintShape(c, outline, [&](float x, float y) {
        const float u = vertical ? y : x, v = vertical ? x : y;
        const Color glow = look(u, v, phase);
        // The frame of the piece is lit like the walls; the energy shines on its own.
        const Color frame =
            Shade(Surface{Rgb255(60, 64, 74), 0.3f, 16.0f, 0.0f}, HeightNormal(height, x, y));
        const float edge = block ? Clamp01(-outline(x, y) / 3.0f) : 1.0f;
        return Mix(frame, glow, edge);
    });
    for (std::size_t i = 0; i < c.alpha.size(); ++i) {
        if (c.alpha[i] > 0 && c.alpha[i] < 1)
            c.color[i] = Mix(Rgb255(34, 34, 40), c.color[i], c.alpha[i]);
    }
    return c;
}

// A red-hot brick whose glow pulses.
Color LavaBrick(float u, float v, float phase) {
    const float crack = std::fabs(std::sin(u * 0.9f + std::sin(v * 0.7f) * 2.0f)) *
                        std::fabs(std::sin(v * 1.1f - u * 0.3f));
    const float pulse = 0.65f + 0.35f * std::sin(phase);
    const Color rock = Rgb255(70, 30, 22);
    return Mix(Mix(rock, Rgb255(255, 190, 60), pulse), rock, SmoothStep(0.05f, 0.3f, crack));
}

// A cyan force field with bright scan lines running along the run.
Color ScanField(float u, float v, float phase) {
    const float across = 1 - std::fabs(v - 10) / 10;
    const float scan = std::pow(0.5f + 0.5f * std::sin(u * (2 * kPi / 10) - 2 * phase), 6.0f);
    const float shimmer = 0.5f + 0.5f * std::sin(v * 1.7f + phase * 3);
    Color c = Mix(Rgb255(10, 50, 70), Rgb255(40, 170, 200), across * 0.6f + 0.15f * shimmer);
    c += Rgb255(150, 255, 255) * (scan * across);
    return c;
}

// Dark stone with glowing green runes that flicker.
Color RuneStone(float u, float v, float phase) {
    const int cell = static_cast<int>(std::floor(u / 10));
    const float lu = u - cell * 10.0f;
    const int shape = ((cell % 2) + 2) % 2 == 0 ? 1 : 3;
    float d = 1e9f;
    // A few strokes per rune, chosen by its slot.
    switch (shape) {
        case 0:
            d = std::min(SdSegment(lu, v, 5, 4, 5, 16, 0), SdSegment(lu, v, 2, 7, 8, 12, 0));
            break;
        case 1:
            d = std::min(SdSegment(lu, v, 3, 4, 7, 16, 0), SdSegment(lu, v, 7, 4, 3, 16, 0));
            break;
        case 2:
            d = std::min(SdSegment(lu, v, 3, 5, 7, 5, 0), SdSegment(lu, v, 5, 5, 5, 15, 0));
            break;
        default:
            d = std::min(SdSegment(lu, v, 3, 15, 5, 4, 0), SdSegment(lu, v, 5, 4, 7, 15, 0));
            break;
    }
    const float flicker = 0.55f + 0.45f * std::sin(phase * 3 + cell * 1.3f) * std::sin(phase * 2);
    const Color stone =
        Rgb255(44, 48, 44) * (0.9f + 0.1f * std::sin(u * (4 * kPi / 20) + v * 0.9f));
    const float rune = 1 - SmoothStep(0.6f, 1.4f, d);
    return Mix(stone, Rgb255(120, 255, 140) * flicker + Rgb255(20, 60, 20), rune);
}

// A violet crystal block, its facets catching a slowly turning glow.
Color Crystal(float u, float v, float phase) {
    const float fu = std::fabs(u - 10), fv = std::fabs(v - 10);
    const float facet = fu > fv ? (u > 10 ? 0.0f : 1.0f) : (v > 10 ? 2.0f : 3.0f);
    const float glow = 0.5f + 0.5f * std::sin(phase + facet * kPi / 2);
    const float core = 1 - Clamp01(std::max(fu, fv) / 10);
    return Mix(Rgb255(70, 30, 110), Rgb255(220, 150, 255), 0.3f * glow + 0.5f * core);
}

// Blue-white plasma with an arc that wanders along the run.
Color Plasma(float u, float v, float phase) {
    const float wander = 10 + 4.5f * std::sin(u * (2 * kPi / 20) * 2 + phase) *
                                  std::cos(phase * 2 + u * (2 * kPi / 20));
    const float arc = std::exp(-std::pow((v - wander) / 1.3f, 2));
    const float haze =
        0.5f + 0.5f * std::sin(u * (6 * kPi / 20) - phase * 2) * std::sin(v * 0.9f + phase);
    Color c = Mix(Rgb255(14, 20, 70), Rgb255(40, 60, 160), haze * 0.6f);
    c += Rgb255(200, 220, 255) * arc;
    return c;
}

}  // namespace

void MakeUserItems(AssetSet& set) {
    set.AddPicture("bricks/brick2_v.bmp", WallTile(kSlate, false, RunPart::Middle),
                   KeyMode::NearBlack);
    set.AddPicture("bricks/brick2_h.bmp", WallTile(kSlate, true, RunPart::Middle),
                   KeyMode::NearBlack);
    set.AddPicture("bricks/brick3_v_l.bmp", WallTile(kSandstone, false, RunPart::Start),
                   KeyMode::NearBlack);
    set.AddPicture("bricks/brick3_v_r.bmp", WallTile(kSandstone, false, RunPart::End),
                   KeyMode::NearBlack);
    set.AddPicture("bricks/brick3_h_t.bmp", WallTile(kSandstone, true, RunPart::Start),
                   KeyMode::NearBlack);
    set.AddPicture("bricks/brick3_h_b.bmp", WallTile(kSandstone, true, RunPart::End),
                   KeyMode::NearBlack);
    const struct {
        const char* name;
        EnergyLook look;
        bool block;
    } animated[] = {{"brick1", LavaBrick, true},
                    {"wall2", ScanField, false},
                    {"wall3", RuneStone, false},
                    {"brick4", Crystal, true},
                    {"wall4", Plasma, false}};
    for (const auto& a : animated) {
        for (const bool vertical : {false, true}) {
            const std::string folder =
                std::string("bricks/") + a.name + "_animated" + (vertical ? "_h" : "");
            for (int f = 1; f <= kFrames; ++f) {
                const float phase = 2 * kPi * (f - 1) / kFrames;
                set.AddPicture(folder + "/" + std::to_string(f) + ".bmp",
                               EnergyTile(a.look, vertical, a.block, phase), KeyMode::Grey131);
            }
        }
    }
}

}  // namespace zelkor::assetgen
