#pragma once

#include <array>
#include <string>

#include "game/present/display.h"
#include "game/present/line_text.h"
#include "game/present/picture_services.h"
#include "game/present/pictures.h"
#include "game/present/screen.h"
#include "game/present/startup_pictures.h"
#include "game/present/surface.h"

namespace zelkor {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The system-font styles: "Standart" and the name tags'.
inline constexpr TextStyle kStandartStyle{"Balloon", 14, false, Argb(150, 0, 0)};
inline constexpr TextStyle kNameTagStyle{"Arial", 7, false, Argb(200, 0, 0)};

// The game's pictures: every frame is composed in a 640 x 480 back buffer of our
// own from the pictures of the store and handed to the display at the flip.
class GameScreen : public Screen {
public:
    GameScreen(Display& display, PictureStore& pictures, TextRenderer& text);

    const Surface& backBuffer() const { return back_; }
    Surface& backBuffer() { return back_; }
    PictureStore& pictures() { return pictures_; }
    TextRenderer& text() { return text_; }

    // Loading
    std::optional<ModelList> CreateGraphics(const Game& game) override;
    void LoadBackground(const Game& game) override;
    void PrepareLvlGfx(const Game& game) override;
    void PrepareUserItemGfx(const Game& game) override;
    std::optional<std::string> TakeMissingPicture() override {
        return pictures_.TakeMissingPicture();
    }
    void ShowStartupWindow(const Game& game) override;

    // The frame
    void BeginGameFrame(const Game& game) override;
    void DrawComputerSnakes(const Game& game) override;
    void DrawPlayfield(const Game& game, bool allSnakes) override;
    void DrawPlayer(const Game& game) override;
    void DrawOverlays(const Game& game) override;
    void DrawMessages(const Game& game) override;
    void DrawHud(const Game& game) override;
    void DrawWallHitBanner(const Game& game) override;
    void RenderScene(const Game& game) override;
    void DrawPauseBanner(const Game& game) override;
    void DrawLevelInfo(const Game& game) override;
    void DrawTimeLimitHit(const Game& game) override;
    void DrawGameOverPicture(const Game& game) override;
    // The menu screens (menu_screen.cpp).
    void DrawMenu(const Game& game) override;
    void FillVisible(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void DrawKeyNumber(int scanCode) override;
    void Flip() override;
    void ShowCursor(bool shown) override { display_.ShowCursor(shown); }
    bool SaveScreenshot(const std::filesystem::path& file) override;

    // The building blocks, for the screens that compose their own pictures.
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

    // Parts of the frame.
    void DrawStartMarkers(const Game& game);
    void DrawSnake(const Game& game, int n);
    void DrawHead(const Game& game, int n);
    void DrawSegment(const Game& game, int segment, int n);
    void DrawTail(const Game& game, int n);
    void DrawItems(const Game& game, ItemKind kind, bool flat = false);
    void DrawWalls(const Game& game);
    void DrawUserItems(const Game& game);
    void DrawNameTags(const Game& game);
    void DrawStatistics(const Game& game);
    void DrawScoreLine(const Game& game);
    void DrawFpsCounter(const Game& game);
    void DrawCounterBar(const Game& game);
    void DrawCentredLines(const Game& game);

private:
    void DrawShownSnakes(const Game& game, int first);
    void DrawSprite(const Game& game, int model, int slot, int x, int y);
    void DrawFixed(Fixed which, int x, int y, bool keyed = true);
    void DrawStill(const Game& game);
    // The start-up window's own pictures, decoded on first use; empty where the
    // build carries none.
    const Surface& StartupPictureOf(StartupPicture which);

    Display& display_;
    PictureStore& pictures_;
    TextRenderer& text_;
    Surface back_{kScreenWidth, kScreenHeight};
    TextStyle style_ = kStandartStyle;
    LineText line_;
    std::string scratch_;
    // "Yellow_animated\7.bmp" and the like, made once: index [kind][frame 1..45].
    std::array<std::array<std::string, 46>, 6> frameNames_;
    std::array<Surface, kStartupPictures> startupPictures_;
    bool startupPicturesDecoded_ = false;
};

}  // namespace zelkor
