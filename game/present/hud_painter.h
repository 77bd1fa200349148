#pragma once

#include "game/present/canvas.h"
#include "game/rules/game.h"

namespace zelkor {

// Draws the text and counters over the playfield: the score line, the frames per
// second, the eaten-items bar, the message lines and the statistics list.
class HudPainter {
public:
    explicit HudPainter(Canvas& canvas) : canvas_(canvas) {}

    void DrawScoreLine(const Game& game);
    void DrawFpsCounter(const Game& game);
    // The item counters at the bottom, and the time left of a timed level right of them.
    void DrawCounterBar(const Game& game);
    void DrawMessages(const Game& game);
    void DrawStatistics(const Game& game);
    // The scan code of the key just pressed, top left (a debugging aid).
    void DrawKeyNumber(int scanCode);

private:
    // "1:15", counting down, clear of the item counters.
    static constexpr int kTimeLeftX = 300;
    void DrawTimeLeft(const Game& game);

    Canvas& canvas_;
};

}  // namespace zelkor
