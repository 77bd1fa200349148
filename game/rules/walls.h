#pragma once

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// `WallCheck`: once per player step, before the player's head advances. A snake
// without TNT dies on a standing wall piece or wall-like user item; with TNT the
// wall is blasted away, and one TNT pays for two blasts counted over the whole
// call. "wall_no_tnt" user items kill whatever TNT the snake holds.
void WallCheck(Game& game, RulesHost& host);

}  // namespace zelkor
