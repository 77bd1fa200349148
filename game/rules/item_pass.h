#pragma once

#include "game/rules/game.h"

namespace zelkor {

// The item appear/vanish pass, once per player step before the player moves:
// blue, black, TNT and power items leave the field and come back at random,
// each kind with its own odds. Yellow and red items have no such pass.
void ItemAppearVanishPass(Game& game);

}  // namespace zelkor
