#pragma once

#include "game/rules/world.h"

namespace zelkor {

// Whether a head at (x, y) meets a target at (tx, ty). Each kind has its own
// window; the windows are deliberately uneven (the red one is narrower in Y than
// the black one) and wide enough for heads that run on a lattice shifted by a
// wrap-around.
bool MeetsItem(ItemKind kind, int x, int y, int tx, int ty);
// Wall pieces and wall-like user items.
bool MeetsWall(int x, int y, int tx, int ty);
// A body segment: strictly closer than 20 pixels on both axes.
bool MeetsBody(int x, int y, int tx, int ty);

}  // namespace zelkor
