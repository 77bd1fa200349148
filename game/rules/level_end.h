#pragma once

#include <cstdint>

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// `GoalReached`(n): in a normal game the player's required items and score; in a
// deathmatch snake n's frags (or, hunting, its length) against the match limit.
bool GoalReached(const Game& game, int n);

// `NextLevel`: the level total and time bonus, the level-end box, then the next
// level, or the menu after the last one.
void NextLevel(Game& game, RulesHost& host);

// `CheckTimeLimit`: after the head advance of every player step; when the level's
// time is up the player loses a life and is put back.
void CheckTimeLimit(Game& game, RulesHost& host);

// The first hall-of-fame place (1..10) whose score is below the total; 0 for none.
int HighScorePlace(const Game& game, std::int32_t totalScore);

}  // namespace zelkor
