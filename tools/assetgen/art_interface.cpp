#include <cmath>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/lettering.h"

namespace zelkor::assetgen {
namespace {

// A raised plate with rounded corners: flat top, bevel rounding down to its edge.
void PaintPlate(Canvas& c, float x0, float y0, float x1, float y1, float round, float bevel,
                const Surface& surface, Color bottomTint) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hw = (x1 - x0) / 2, hh = (y1 - y0) / 2;
    auto sdf = [=](float x, float y) { return SdRoundRect(x, y, cx, cy, hw, hh, round); };
    auto height = [&](float x, float y) { return BevelHeight(sdf, x, y, bevel); };
    PaintShape(c, sdf, [&](float x, float y) {
        Surface s = surface;
        s.base = Mix(surface.base, bottomTint, Clamp01((y - y0) / (y1 - y0)));
        s.rim = 0;
        return Shade(s, HeightNormal(height, x, y));
    });
}

// Where a plate's partly covered edge pixels end up visible, give them a dark edge
// instead of letting them fade towards the transparent colour.
void HardenEdges(Canvas& c, Color edge) {
    for (std::size_t i = 0; i < c.alpha.size(); ++i) {
        if (c.alpha[i] > 0 && c.alpha[i] < 1) {
            c.color[i] = Mix(edge, c.color[i], c.alpha[i]);
            c.alpha[i] = c.alpha[i] >= 0.35f ? 1.0f : 0.0f;
        }
    }
}

Canvas Button(const std::string& label, bool highlighted) {
    // Buttons are drawn 20 pixels apart, so the bar keeps to the top 20 rows; the rows
    // below stay transparent where the next button overlaps.
    Canvas c(250, 30);
    const Color top = highlighted ? Rgb255(255, 200, 90) : Rgb255(110, 140, 185);
    const Color bottom = highlighted ? Rgb255(200, 110, 20) : Rgb255(40, 62, 100);
    PaintPlate(c, 2, 1, 248, 20, 9.0f, 5.0f, Surface{top, 0.5f, 30.0f}, bottom);
    // The glass: a soft bright reflection over the upper half.
    for (int y = 3; y < 10; ++y) {
        for (int x = 8; x < 242; ++x) {
            if (c.coverage(x, y) < 1) continue;
            const float fade = 1.0f - (y - 3) / 7.0f;
            c.at(x, y) = Mix(c.at(x, y), Rgb255(255, 255, 255), 0.35f * fade);
        }
    }
    if (highlighted) {
        for (Color& col : c.color)
            col = col + Rgb255(20, 10, 0);
    }
    LetterStyle text;
    text.size = 13;
    text.bevel = 1;
    text.outline = highlighted ? Rgb255(90, 40, 0) : Rgb255(16, 24, 44);
    text.surface = Surface{highlighted ? Rgb255(255, 250, 235) : Rgb255(235, 240, 250), 0.3f};
    PaintLettering(c, label, text, 125, 10.5f);
    HardenEdges(c, Rgb255(28, 30, 40));
    return c;
}

Canvas Banner(int w, int h, const std::string& label, Color letters, Color lettersDark,
              float size) {
    Canvas c(w, h);
    PaintPlate(c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, h * 0.3f, 4.0f,
               Surface{Rgb255(70, 78, 100), 0.4f, 20.0f}, Rgb255(24, 28, 40));
    // A darker inset field for the letters.
    PaintPlate(c, 4, 4, w - 4.0f, h - 4.0f, h * 0.22f, 2.0f, Surface{Rgb255(30, 34, 48), 0.2f},
               Rgb255(18, 20, 30));
    LetterStyle text;
    text.size = size;
    text.top = letters;
    text.bottom = lettersDark;
    text.surface = Surface{letters, 0.6f, 24.0f};
    text.bevel = 1.5f;
    text.outline = Rgb255(12, 12, 16);
    PaintLettering(c, label, text, w / 2.0f, h / 2.0f);
    HardenEdges(c, Rgb255(26, 28, 36));
    return c;
}

Canvas StatisticsPanel() {
    Canvas c(315, 201);
    PaintPlate(c, 0.5f, 0.5f, 314.5f, 200.5f, 10, 4, Surface{Rgb255(58, 66, 88), 0.3f, 16.0f},
               Rgb255(30, 34, 48));
    PaintPlate(c, 6, 30, 309, 178, 6, 2, Surface{Rgb255(20, 24, 34), 0.1f}, Rgb255(16, 18, 26));
    LetterStyle title;
    title.size = 12;
    title.bevel = 1;
    title.surface = Surface{Rgb255(240, 200, 90), 0.4f};
    title.outline = Rgb255(30, 20, 8);
    const TypeFace face(title.face);
    const float width = static_cast<float>(face.Line("LEVEL INFORMATION", title.size).width);
    PaintLettering(c, "LEVEL INFORMATION", title, 14 + width / 2, 15);
    // Sockets for the five indicator lights at the lower right.
    for (int i = 0; i < 5; ++i) {
        const float x = 265.0f + 10 * i;
        PaintPlate(c, x - 1.5f, 191.5f, x + 7.5f, 199.5f, 2, 1, Surface{Rgb255(14, 16, 22), 0.1f},
                   Rgb255(30, 34, 46));
    }
    HardenEdges(c, Rgb255(26, 28, 36));
    return c;
}

Canvas Light(Color colour) {
    Canvas c(6, 5);
    PaintShape(
        c, [](float x, float y) { return SdRoundRect(x, y, 3, 2.5f, 3, 2.5f, 1.6f); },
        [&](float x, float y) {
            const float d = std::hypot((x - 2.4f) / 3.0f, (y - 1.9f) / 2.5f);
            return Mix(Mix(colour, Rgb255(255, 255, 255), 0.6f), colour * 0.55f, Clamp01(d));
        });
    HardenEdges(c, colour * 0.3f + Rgb255(20, 20, 20));
    return c;
}

}  // namespace

Canvas TeamBanner(int w, int h, const std::string& label, Color plate, Color plateDark,
                  float size) {
    Canvas c(w, h);
    PaintPlate(c, 0.5f, 0.5f, w - 0.5f, h - 0.5f, h * 0.25f, 4.0f, Surface{plate, 0.5f, 24.0f},
               plateDark);
    LetterStyle text;
    text.size = size;
    text.surface = Surface{Rgb255(250, 250, 250), 0.6f};
    text.outline = Rgb255(20, 16, 20);
    text.bevel = 1.5f;
    text.shadow = 2;
    PaintLettering(c, label, text, w / 2.0f, h / 2.0f);
    HardenEdges(c, plateDark * 0.5f + Rgb255(16, 16, 16));
    return c;
}

Canvas RedTeamBanner() {
    return TeamBanner(250, 70, "RED TEAM", Rgb255(200, 36, 30), Rgb255(90, 12, 10), 32);
}

Canvas BlueTeamBanner() {
    return TeamBanner(250, 70, "BLUE TEAM", Rgb255(40, 80, 200), Rgb255(14, 26, 90), 32);
}

void MakeInterface(AssetSet& set) {
    const struct {
        const char* file;
        const char* label;
    } buttons[] = {{"NewGame", "New Game"},
                   {"Options", "Options"},
                   {"HiScore", "High Scores"},
                   {"Levels", "Levels"},
                   {"Exit", "Exit"}};
    for (const auto& b : buttons) {
        set.AddPicture(std::string("gfx/menu/") + b.file + "_n.bmp", Button(b.label, false),
                       KeyMode::NearBlack);
        set.AddPicture(std::string("gfx/menu/") + b.file + "_h.bmp", Button(b.label, true),
                       KeyMode::NearBlack);
    }
    set.AddPicture("gfx/pause.bmp",
                   Banner(174, 44, "PAUSE", Rgb255(200, 235, 255), Rgb255(90, 150, 210), 24),
                   KeyMode::NearBlack);
    set.AddPicture("gfx/gover.bmp",
                   Banner(174, 44, "GAME OVER", Rgb255(255, 170, 110), Rgb255(200, 40, 20), 21),
                   KeyMode::NearBlack);
    set.AddPicture(
        "gfx/hitwall.bmp",
        Banner(203, 24, "OUCH! YOU HIT A WALL", Rgb255(255, 240, 140), Rgb255(230, 150, 30), 12),
        KeyMode::NearBlack);
    set.AddPicture("gfx/statistics.bmp", StatisticsPanel(), KeyMode::NearBlack);
    set.AddPicture("gfx/LED_Yellow.bmp", Light(Rgb255(250, 210, 40)), KeyMode::NearBlack);
    set.AddPicture("gfx/LED_Red.bmp", Light(Rgb255(240, 40, 30)), KeyMode::NearBlack);
    set.AddPicture("gfx/LED_Blue.bmp", Light(Rgb255(50, 120, 250)), KeyMode::NearBlack);
    set.AddPicture("gfx/LED_Green.bmp", Light(Rgb255(50, 230, 70)), KeyMode::NearBlack);
    set.AddPicture("gfx/dm.bmp",
                   TeamBanner(54, 21, "DM", Rgb255(190, 30, 30), Rgb255(90, 10, 10), 14),
                   KeyMode::NearBlack3);
    set.AddPicture("gfx/dm_red.bmp", RedTeamBanner(), KeyMode::NearBlack3);
    set.AddPicture("gfx/dm_blue.bmp", BlueTeamBanner(), KeyMode::NearBlack3);
}

}  // namespace zelkor::assetgen
