#pragma once

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// `CollisionCheck`: once per frame, for every snake in order: the playfield edge,
// the six item kinds, the snake bodies; then the level goal.
void CollisionCheck(Game& game, RulesHost& host);

}  // namespace zelkor
