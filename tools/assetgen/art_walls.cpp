#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr float kPi = 3.14159265f;

// Outline of a piece in run coordinates (u along the run, v across), negative inside.
float PieceOutline(RunPart part, float u, float v) {
    switch (part) {
        case RunPart::Middle:
            return std::fabs(v - 10) - 10;
        case RunPart::Start:
            return SdRoundRect(u, v, 60, 10, 59, 10, 6);
        case RunPart::End:
            return SdRoundRect(u, v, -40, 10, 59, 10, 6);
        case RunPart::Single:
            break;
    }
    return SdRoundRect(u, v, 10, 10, 9.5f, 9.5f, 3.5f);
}

// Two courses of bricks, joints staggered by half a brick; the pattern repeats every
// 20 pixels so that neighbouring pieces meet without a seam.
float BrickHeight(float u, float v) {
    const bool lower = v >= 10;
    const float shift = lower ? 10.0f : 0.0f;
    const float local = std::fmod(u + shift + 40.0f, 20.0f);
    const float brick = SdRoundRect(local, lower ? v - 10 : v, 10, 5, 9.2f, 4.2f, 1.2f);
    return BevelHeight([&](float, float) { return brick; }, 0, 0, 1.4f);
}

// Fine surface texture that repeats every 20 pixels along the run.
float Ripple(float u, float v, int seed) {
    float sum = 0;
    for (int k = 1; k <= 5; ++k) {
        const float phase = Hash01(k, seed) * 2 * kPi;
        const float slant = (Hash01(k, seed + 1) - 0.5f) * 1.6f;
        sum += std::sin(2 * kPi * (2 * k + 1) * u / 20.0f + v * slant * k + phase) / (k + 1);
    }
    return sum * 0.5f;
}

}  // namespace

Canvas WallTile(const StoneStyle& style, bool vertical, RunPart part) {
    auto toRun = [vertical](float x, float y) {
        return vertical ? std::pair{y, x} : std::pair{x, y};
    };
    auto outline = [&](float x, float y) {
        const auto [u, v] = toRun(x, y);
        return PieceOutline(part, u, v);
    };
    auto height = [&](float x, float y) {
        const auto [u, v] = toRun(x, y);
        const float body =
            BevelHeight([&](float, float) { return PieceOutline(part, u, v); }, 0, 0, 3.0f);
        const float bricks = part == RunPart::Single ? 0.0f : BrickHeight(u, v);
        const float grain = Ripple(u, v, style.seed + 7) * 0.3f;
        return body * 0.9f + bricks + grain;
    };
    auto shade = [&](float x, float y) {
        const auto [u, v] = toRun(x, y);
        // Brick tint varies along the run with a 20-pixel period, so joins stay seamless.
        const float course = v >= 10 ? 1.0f : 0.0f;
        const float wave = std::sin((u / 20.0f) * 2 * kPi + course * 2.1f + style.seed);
        const float speckle = Ripple(u + 3.0f, v * 1.7f, style.seed) * 0.6f;
        Color stone = style.stone * (1.0f + style.variation * (0.6f * wave + speckle));
        const bool mortar = part != RunPart::Single && BrickHeight(u, v) < 0.05f;
        Surface surface{mortar ? style.mortar : stone, 0.18f, 14.0f, 0.0f};
        return Shade(surface, HeightNormal(height, x, y));
    };
    Canvas canvas(20, 20);
    PaintShape(canvas, outline, shade);
    // Pixels a piece covers only partly take a dark edge instead of the key colour.
    for (std::size_t i = 0; i < canvas.alpha.size(); ++i) {
        if (canvas.alpha[i] > 0 && canvas.alpha[i] < 1) {
            canvas.color[i] = Mix(Rgb255(30, 24, 22), canvas.color[i], canvas.alpha[i]);
        }
    }
    return canvas;
}

void MakeWalls(AssetSet& set) {
    // A horizontal run ("-", "<", ">") is drawn with the brik_v pictures and a vertical
    // run ("|", "^", ".") with the brik_h pictures.
    set.AddPicture("gfx/brik_v.bmp", WallTile(kRedBrick, false, RunPart::Middle),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/brik_v_l.bmp", WallTile(kRedBrick, false, RunPart::Start),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/brik_v_r.bmp", WallTile(kRedBrick, false, RunPart::End),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/brik_h.bmp", WallTile(kRedBrick, true, RunPart::Middle),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/brik_h_t.bmp", WallTile(kRedBrick, true, RunPart::Start),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/brik_h_b.bmp", WallTile(kRedBrick, true, RunPart::End), KeyMode::NearBlack);
    set.AddPicture("gfx/brik.bmp", WallTile(kRedBrick, false, RunPart::Single), KeyMode::NearBlack);
}

}  // namespace zelkor::assetgen
