#include "game/present/canvas.h"

#include <cmath>

#include "game/present/bitmap_font.h"

namespace zelkor {

int RoundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

Canvas::Canvas(PictureStore& pictures, TextRenderer& text) : pictures_(pictures), text_(text) {}

int Canvas::DrawBmpText(std::string_view text, int x, int y, int font, bool measureOnly) {
    return zelkor::DrawBmpText(pictures_, back_, text, x, y, font, measureOnly);
}

void Canvas::DrawBmpTextCentered(std::string_view text, int y, int font) {
    const int w = BmpTextWidth(text, font);
    DrawBmpText(text, RoundHalfEven(kScreenWidth / 2.0 - w / 2.0), y, font);
}

void Canvas::SetTextStyle(std::string_view name) {
    if (name == "Standart") style_ = kStandartStyle;
}

void Canvas::DrawSystemText(std::string_view text, int x, int y) {
    text_.Draw(back_, x, y, style_, text);
}

int Canvas::txtWidth(std::string_view text) {
    return text_.Width(style_, text);
}

void Canvas::DrawPic(const Game& game, std::string_view name, Rect from, int x, int y, int keyMode,
                     bool keyed) {
    pictures_.DD_DrawPic(game, back_, name, from, x, y, keyMode, keyed);
}

void Canvas::DrawFixed(Fixed which, int x, int y, bool keyed) {
    const Surface& picture = pictures_.fixed(which);
    Blit(back_, x, y, picture, picture.bounds(), keyed);
}

void Canvas::DrawBackground(Fixed which, bool keyed) {
    const Surface& picture = pictures_.fixed(which);
    const Rect screen = back_.bounds();
    const bool covers =
        Intersect(picture.bounds(), screen) == screen && (!keyed || picture.OpaqueOver(screen));
    if (!covers) back_.Fill(kOpaqueBlack);
    Blit(back_, 0, 0, picture, picture.bounds(), keyed);
}

}  // namespace zelkor
