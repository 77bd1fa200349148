#pragma once

#include "game/present/canvas.h"
#include "game/present/playfield_painter.h"
#include "game/rules/game.h"

namespace zelkor {

// The boxes and banners drawn over a still scene: the centred box lines, the pause,
// wall-hit and game-over pictures, the time-limit lines and the level's information
// screen.
class InfoScreens {
public:
    InfoScreens(Canvas& canvas, PlayfieldPainter& playfield)
        : canvas_(canvas), playfield_(playfield) {}

    // The centred lines on a darkened band, so they read over any scene.
    void DrawCentredLines(const Game& game);
    void DrawPauseBanner();
    void DrawWallHitBanner();
    void DrawGameOverPicture();
    void DrawTimeLimitHit();
    // What the level asks for and what the player has, the clock and the lights.
    void DrawLevelInfo(const Game& game);

private:
    Canvas& canvas_;
    PlayfieldPainter& playfield_;  // the items' pictures beside the lines
};

}  // namespace zelkor
