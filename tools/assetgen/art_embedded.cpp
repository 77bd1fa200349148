#include <cmath>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/draw2d.h"
#include "tools/assetgen/lettering.h"
#include "tools/assetgen/png.h"

namespace zelkor::assetgen {
namespace {

const Color kBlankTile = Rgb255(20, 24, 36);

Canvas Blank() {
    Canvas c(20, 20);
    c.Fill(kBlankTile);
    return c;
}

Canvas OnBlank(const Canvas& piece) {
    Canvas c = Blank();
    c.Draw(piece, 0, 0);
    return c;
}

// A bevelled ring, as the start markers are drawn.
Canvas StartPoint() {
    Canvas c = Blank();
    auto ring = [](float x, float y) { return std::fabs(SdCircle(x, y, 10, 10, 6.5f)) - 2.2f; };
    auto height = [&](float x, float y) { return BevelHeight(ring, x, y, 2.2f); };
    PaintShape(c, ring, [&](float x, float y) {
        Surface s{Rgb255(90, 220, 80), 0.6f, 30.0f, 0.0f};
        s.glow = Rgb255(20, 60, 20);
        return Shade(s, HeightNormal(height, x, y));
    });
    return c;
}

// The "nothing" tool: an empty cell crossed out.
Canvas Nothing() {
    Canvas c = Blank();
    auto cross = [](float x, float y) {
        return std::min(SdSegment(x, y, 5, 5, 15, 15, 1.3f), SdSegment(x, y, 15, 5, 5, 15, 1.3f));
    };
    PaintShape(c, cross, [](float, float) { return Rgb255(220, 60, 50); });
    return c;
}

// A fix point: a small target.
Canvas FixPoint() {
    Canvas c = Blank();
    auto mark = [](float x, float y) {
        const float ring = std::fabs(SdCircle(x, y, 10, 10, 5.5f)) - 1.0f;
        const float cross =
            std::min(SdSegment(x, y, 10, 2, 10, 18, 0.6f), SdSegment(x, y, 2, 10, 18, 10, 0.6f));
        return std::min(ring, cross);
    };
    PaintShape(c, mark, [](float, float) { return Rgb255(250, 220, 70); });
    return c;
}

// The game's icon. The windows' copy sits on a dark square; the desktop menus' copy
// keeps the corners round the badge transparent.
Canvas Icon(int size, bool square = true) {
    Canvas c(size, size);
    if (square) c.Fill(Rgb255(12, 12, 20));
    const float k = size / 64.0f;
    auto badge = [=](float x, float y) {
        return SdRoundRect(x, y, 32 * k, 32 * k, 31 * k, 31 * k, 12 * k);
    };
    auto badgeHeight = [&](float x, float y) { return BevelHeight(badge, x, y, 4 * k); };
    PaintShape(c, badge, [&](float x, float y) {
        Surface s{Mix(Rgb255(60, 50, 130), Rgb255(18, 16, 50), y / size), 0.3f, 20.0f, 0.0f};
        return Shade(s, HeightNormal(badgeHeight, x, y));
    });
    // The snake: a green ring round the badge with its head at the upper right.
    auto body = [=](float x, float y) {
        return std::fabs(SdCircle(x, y, 32 * k, 32 * k, 21 * k)) - 5 * k;
    };
    auto head = [=](float x, float y) { return SdCircle(x, y, 47 * k, 17 * k, 8 * k); };
    auto snake = [=](float x, float y) { return std::min(body(x, y), head(x, y)); };
    auto snakeHeight = [&](float x, float y) { return BevelHeight(snake, x, y, 5 * k); };
    PaintShape(c, snake, [&](float x, float y) {
        Color base = Rgb255(60, 160, 50);
        const float angle = std::atan2(y - 32 * k, x - 32 * k);
        if (body(x, y) < 0 && std::fmod(angle * 4 + 40.0f, 1.0f) < 0.35f)
            base = Rgb255(235, 190, 60);
        if (SdCircle(x, y, 49 * k, 13 * k, 2 * k) < 0) base = Rgb255(250, 250, 240);
        return Shade(Surface{base, 0.6f, 30.0f, 0.0f}, HeightNormal(snakeHeight, x, y));
    });
    LetterStyle z;
    z.size = 30 * k;
    z.surface = Surface{Rgb255(255, 255, 255), 0.9f, 40.0f};
    z.surface.chrome = true;
    z.outlineWidth = size >= 48 ? 2 : 1;
    z.bevel = 1.5f * k;
    PaintLettering(c, "Z", z, 32 * k, 33 * k);
    return c;
}

// The level editor's icon: the game's badge with a pencil laid across its lower right.
Canvas EditorIcon(int size) {
    Canvas c = Icon(size, false);
    const float k = size / 64.0f;
    const float tipX = 33 * k, tipY = 61 * k;  // the pencil runs from its tip up to the right
    const float woodX = 39 * k, woodY = 55 * k, endX = 60 * k, endY = 34 * k;
    const float radius = 5 * k;
    auto body = [=](float x, float y) { return SdSegment(x, y, woodX, woodY, endX, endY, radius); };
    // The sharpened end narrows from the body's width to a point.
    auto tip = [=](float x, float y) {
        const float ax = x - woodX, ay = y - woodY, bx = tipX - woodX, by = tipY - woodY;
        const float t = Clamp01((ax * bx + ay * by) / (bx * bx + by * by));
        return std::hypot(ax - bx * t, ay - by * t) - radius * (1 - t);
    };
    auto pencil = [=](float x, float y) { return std::min(body(x, y), tip(x, y)); };
    auto height = [&](float x, float y) { return BevelHeight(pencil, x, y, 3 * k); };
    PaintShape(c, pencil, [&](float x, float y) {
        // Along the pencil: 0 at the tip, 1 at the far end.
        const float along = ((x - tipX) * (endX - tipX) + (y - tipY) * (endY - tipY)) /
                            ((endX - tipX) * (endX - tipX) + (endY - tipY) * (endY - tipY));
        Color base = Rgb255(250, 196, 40);                // painted body
        if (along < 0.32f) base = Rgb255(236, 200, 150);  // bare wood
        if (along < 0.12f) base = Rgb255(50, 50, 60);     // lead
        if (along > 0.86f) base = Rgb255(200, 200, 210);  // ferrule
        if (along > 0.92f) base = Rgb255(235, 120, 140);  // eraser
        return Shade(Surface{base, 0.5f, 30.0f, 0.8f}, HeightNormal(height, x, y));
    });
    return c;
}

Canvas StartupLogo() {
    Canvas c(300, 90);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            c.at(x, y) =
                Mix(Rgb255(30, 26, 70), Rgb255(8, 8, 24), static_cast<float>(y) / c.height);
            c.coverage(x, y) = 1;
        }
    }
    LetterStyle title;
    title.size = 46;
    title.surface = Surface{Rgb255(255, 255, 255), 0.9f, 40.0f};
    title.surface.chrome = true;
    title.outlineWidth = 2;
    title.bevel = 2.5f;
    title.shadow = 3;
    PaintLettering(c, "ZELKOR", title, 125, 45);
    LetterStyle three = title;
    three.size = 34;
    three.surface.chrome = false;
    three.surface.base = Rgb255(255, 180, 70);
    PaintLettering(c, "3D", three, 258, 52);
    return c;
}

}  // namespace

void MakeEmbeddedPictures(AssetSet& set) {
    // The level editor's tool pictures (20 x 20, drawn into the cells of its grid).
    set.AddPicture("embed/editor/single_brick.bmp",
                   OnBlank(WallTile(kRedBrick, false, RunPart::Single)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/vertical_wall.bmp",
                   OnBlank(WallTile(kRedBrick, true, RunPart::Middle)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/vertical_wall_end.bmp",
                   OnBlank(WallTile(kRedBrick, true, RunPart::End)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/vertical_wall_start.bmp",
                   OnBlank(WallTile(kRedBrick, true, RunPart::Start)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/horizontal_wall.bmp",
                   OnBlank(WallTile(kRedBrick, false, RunPart::Middle)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/horizontal_wall_start.bmp",
                   OnBlank(WallTile(kRedBrick, false, RunPart::Start)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/horizontal_wall_end.bmp",
                   OnBlank(WallTile(kRedBrick, false, RunPart::End)), KeyMode::NearBlack);
    set.AddPicture("embed/editor/start_point.bmp", StartPoint(), KeyMode::NearBlack);
    set.AddPicture("embed/editor/nothing.bmp", Nothing(), KeyMode::NearBlack);
    set.AddPicture("embed/editor/fix_point.bmp", FixPoint(), KeyMode::NearBlack);
    set.AddPicture("embed/editor/blank_tile.bmp", Blank(), KeyMode::NearBlack);
    // The game's icon, for its windows and the desktop entry.
    set.AddPicture("embed/icon.png", Icon(64), KeyMode::NearBlack);
    set.AddPicture("embed/icon_32.bmp", Icon(32), KeyMode::NearBlack);
    // The icons of the desktop menus, at the sizes of the icon theme, with transparency.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder =
            "desktop/icons/" + std::to_string(size) + "x" + std::to_string(size) + "/";
        set.AddFile(folder + "zelkor.png", EncodePngWithAlpha(Icon(size, false)));
        set.AddFile(folder + "zelkor-editor.png", EncodePngWithAlpha(EditorIcon(size)));
    }
    // The start-up window, shown before any archive is unpacked.
    set.AddPicture("embed/startup/logo.bmp", StartupLogo(), KeyMode::NearBlack);
    set.AddPicture("embed/startup/deathmatch_red.bmp", RedTeamBanner(), KeyMode::NearBlack);
    set.AddPicture("embed/startup/deathmatch_blue.bmp", BlueTeamBanner(), KeyMode::NearBlack);
    set.AddPicture("embed/startup/hunting.bmp",
                   TeamBanner(250, 70, "HUNTING", Rgb255(50, 150, 50), Rgb255(14, 60, 16), 32),
                   KeyMode::NearBlack);
}

}  // namespace zelkor::assetgen
