#pragma once

#include "game/rules/world.h"

namespace zelkor {

// The window tx - left <= x <= tx + right, ty - up <= y <= ty + down around a target
// at (tx, ty).
struct Window {
    int left, right, up, down;
    constexpr bool Holds(int x, int y, int tx, int ty) const {
        return tx - left <= x && x <= tx + right && ty - up <= y && y <= ty + down;
    }
};

// Each item kind has its own window; the windows are deliberately uneven (the red
// one is narrower in Y than the black one) and wide enough for heads that run on a
// lattice shifted by a wrap-around.
Window ItemWindow(ItemKind kind);
// Wall pieces and wall-like user items.
inline constexpr Window kWallWindow{16, 12, 16, 12};
// A user item with a graphic keeps items off a wider square around it.
inline constexpr Window kUserItemGraphicWindow{18, 14, 18, 14};
// The player's body keeps items 10 pixels away.
inline constexpr Window kPlayerBodyWindow{10, 10, 10, 10};

// Whether a head at (x, y) meets a target at (tx, ty).
bool MeetsItem(ItemKind kind, int x, int y, int tx, int ty);
bool MeetsWall(int x, int y, int tx, int ty);
// A body segment: strictly closer than 20 pixels on both axes.
bool MeetsBody(int x, int y, int tx, int ty);

}  // namespace zelkor
