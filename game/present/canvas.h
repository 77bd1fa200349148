#pragma once

#include <string_view>

#include "game/present/line_text.h"
#include "game/present/picture_services.h"
#include "game/present/pictures.h"
#include "game/present/surface.h"
#include "game/rules/game.h"

namespace zelkor {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The system-font styles: "Standart" and the name tags'.
inline constexpr TextStyle kStandartStyle{"Balloon", 14, false, Argb(150, 0, 0)};
inline constexpr TextStyle kNameTagStyle{"Arial", 7, false, Argb(200, 0, 0)};

// The 640 x 480 back buffer every screen composes its picture in, and the ways to
// draw there: the store's pictures, bitmap-font text and system-font text in the
// current style. It draws only; showing the picture is the flip's.
class Canvas {
public:
    Canvas(PictureStore& pictures, TextRenderer& text);

    Surface& back() { return back_; }
    const Surface& back() const { return back_; }
    PictureStore& pictures() { return pictures_; }
    TextRenderer& text() { return text_; }
    // A line of text to build before drawing it, kept so that drawing allocates nothing.
    LineText& line() { return line_; }

    // `DrawBmpText` on the back buffer; returns the width.
    int DrawBmpText(std::string_view text, int x, int y, int font, bool measureOnly = false);
    // `DrawBmpTextCentered`: bitmap text centred on x = 320.
    void DrawBmpTextCentered(std::string_view text, int y, int font);
    // `SetTextStyle`: "Standart" sets its style; any other name changes nothing.
    void SetTextStyle(std::string_view name);
    const TextStyle& textStyle() const { return style_; }
    void SetTextStyle(const TextStyle& style) { style_ = style; }
    // System-font text in the current style, and `txtWidth`.
    void DrawSystemText(std::string_view text, int x, int y);
    int txtWidth(std::string_view text);
    // `DD_DrawPic` on the back buffer.
    void DrawPic(const Game& game, std::string_view name, Rect from, int x, int y, int keyMode,
                 bool keyed = true);
    // A fixed picture, whole, with its top-left corner at (x, y).
    void DrawFixed(Fixed which, int x, int y, bool keyed = true);
    // A screen's background: a fixed picture at (0, 0) over black. The black is left
    // out where the picture covers the whole back buffer by itself.
    void DrawBackground(Fixed which, bool keyed);

private:
    PictureStore& pictures_;
    TextRenderer& text_;
    Surface back_{kScreenWidth, kScreenHeight};
    TextStyle style_ = kStandartStyle;
    LineText line_;
};

// Halves go to the even neighbour.
int RoundHalfEven(double v);

}  // namespace zelkor
