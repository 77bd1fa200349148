#pragma once

#include <array>
#include <string>

#include "game/present/canvas.h"
#include "game/present/display.h"
#include "game/present/hud_painter.h"
#include "game/present/info_screens.h"
#include "game/present/picture_services.h"
#include "game/present/pictures.h"
#include "game/present/playfield_painter.h"
#include "game/present/screen.h"
#include "game/present/startup_pictures.h"
#include "game/present/surface.h"

namespace zelkor {

// The game's pictures: every frame is composed in the canvas's back buffer by the
// playfield and HUD painters and the information screens (the menus and the
// start-up window by their own screens), and handed to the display at the flip.
class GameScreen : public Screen {
public:
    GameScreen(Display& display, PictureStore& pictures, TextRenderer& text);

    const Surface& backBuffer() const { return canvas_.back(); }
    Canvas& canvas() { return canvas_; }
    PictureStore& pictures() { return canvas_.pictures(); }

    // Loading
    std::optional<ModelList> CreateGraphics(const Game& game) override;
    void LoadBackground(const Game& game) override;
    void PrepareLvlGfx(const Game& game) override;
    void PrepareUserItemGfx(const Game& game) override;
    std::optional<std::string> TakeMissingPicture() override {
        return pictures().TakeMissingPicture();
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
    void DrawKeyNumber(int scanCode) override { hud_.DrawKeyNumber(scanCode); }
    void Flip() override;
    void ShowCursor(bool shown) override { display_.ShowCursor(shown); }
    bool SaveScreenshot(const std::filesystem::path& file) override;

private:
    // The whole scene without its box: playfield, snakes and the text over them.
    void DrawStill(const Game& game);
    // The start-up window's own pictures, decoded on first use; empty where the
    // build carries none.
    const Surface& StartupPictureOf(StartupPicture which);

    Display& display_;
    Canvas canvas_;
    PlayfieldPainter playfield_{canvas_};
    HudPainter hud_{canvas_};
    InfoScreens info_{canvas_, playfield_};
    std::array<Surface, kStartupPictures> startupPictures_;
    bool startupPicturesDecoded_ = false;
};

}  // namespace zelkor
