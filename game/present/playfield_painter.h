#pragma once

#include <array>
#include <string>

#include "game/present/canvas.h"
#include "game/rules/game.h"

namespace zelkor {

// Draws the playfield into the canvas: the snakes and their start markers, the items,
// the walls, the level's user items and the snakes' name tags.
class PlayfieldPainter {
public:
    explicit PlayfieldPainter(Canvas& canvas);

    void DrawStartMarkers(const Game& game);
    void DrawSnake(const Game& game, int n);
    // The snakes that the last snake pass shows, from `first` on.
    void DrawShownSnakes(const Game& game, int first);
    void DrawHead(const Game& game, int n);
    void DrawSegment(const Game& game, int segment, int n);
    void DrawTail(const Game& game, int n);
    // Every visible item of the kind; `flat` draws yellow ones unanimated.
    void DrawItems(const Game& game, ItemKind kind, bool flat = false);
    void DrawWalls(const Game& game);
    void DrawUserItems(const Game& game);
    void DrawNameTags(const Game& game);
    // The kind's picture as lists show it beside their lines: its first animation frame,
    // or its flat picture without animation; (x, y) is where a line of text starts.
    void DrawItemIcon(const Game& game, ItemKind kind, int x, int y);

private:
    void DrawSprite(const Game& game, int model, int slot, int x, int y);

    Canvas& canvas_;
    // "Yellow_animated\7.bmp" and the like, made once: index [kind][frame 1..45].
    std::array<std::array<std::string, 46>, 6> frameNames_;
};

}  // namespace zelkor
