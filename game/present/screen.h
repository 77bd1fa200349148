#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "game/rules/game.h"

namespace zelkor {

// The drawing side of the game. The main loop calls these at the points of a
// frame where the picture is composed; every change a frame makes to the game's
// state is made by the loop itself, so a screen only reads the game: what loading
// finds is handed back for the game to keep. The base class draws and loads nothing,
// which is what tests of the loops use.
class Screen {
public:
    virtual ~Screen() = default;

    // Loading, at start-up and with each level.
    // `DD_CreateGraphicsFromFile`: the fixed pictures, then the model packs it
    // hands back; nothing when it loaded none (the player chose to quit instead).
    virtual std::optional<ModelList> CreateGraphics(const Game&) { return std::nullopt; }
    // The level's background picture (the path the level loader set).
    virtual void LoadBackground(const Game&) {}
    virtual void PrepareLvlGfx(const Game&) {}
    virtual void PrepareUserItemGfx(const Game&) {}
    // The picture a draw or a load by name could not find, once: the game says so
    // and ends, from its loop, never from inside a frame.
    virtual std::optional<std::string> TakeMissingPicture() { return std::nullopt; }
    // The start-up window: loading label, console, progress frame and bar.
    virtual void ShowStartupWindow(const Game&) {}

    // Game frame: black fill, background, start markers, the frame's text style.
    virtual void BeginGameFrame(const Game&) {}
    // The computer snakes 2..NumSnakes, drawn whole after their steps.
    virtual void DrawComputerSnakes(const Game&) {}
    // Items, walls, user items; all snakes too when `allSnakes` (no player step).
    virtual void DrawPlayfield(const Game&, bool /*allSnakes*/) {}
    // The player's body, tail and head after its step.
    virtual void DrawPlayer(const Game&) {}
    // Name tags and the statistics list.
    virtual void DrawOverlays(const Game&) {}
    virtual void DrawMessages(const Game&) {}
    // Score line, frags, FPS counter, counter bar.
    virtual void DrawHud(const Game&) {}
    // The wall-hit banner over the scene as it stands.
    virtual void DrawWallHitBanner(const Game&) {}
    // The whole still scene with the centred box lines (pause, info screen, waits).
    virtual void RenderScene(const Game&) {}
    virtual void DrawPauseBanner(const Game&) {}
    virtual void DrawLevelInfo(const Game&) {}
    virtual void DrawTimeLimitHit(const Game&) {}
    virtual void DrawGameOverPicture(const Game&) {}
    // One pass of the menu screens (main menu, options or hall of fame).
    virtual void DrawMenu(const Game&) {}
    // Fills the picture with one colour (the menu's fade).
    virtual void FillVisible(std::uint8_t /*r*/, std::uint8_t /*g*/, std::uint8_t /*b*/) {}
    virtual void DrawKeyNumber(int /*scanCode*/) {}
    // Writes the picture last shown as a PNG file; false when it cannot be written.
    virtual bool SaveScreenshot(const std::filesystem::path& /*file*/) { return false; }
    // Shows the back buffer; paced by the display. The only place a picture is shown.
    virtual void Flip() {}
    // The mouse cursor over the game (full screen hides it unless it is shown).
    virtual void ShowCursor(bool /*shown*/) {}
};

}  // namespace zelkor
