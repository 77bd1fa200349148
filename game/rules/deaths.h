#pragma once

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// Why a snake died.
enum class DeathReason {
    PutBack = 0,  // after the time limit, or leaving the field while immortal
    Wall = 1,     // a wall piece or wall-like user item without TNT
    Body = 2,     // a snake body (the killer is its owner)
    Edge = 3,     // leaving the playfield
};

// `Die`(skipDeath, victim, reason, killer): the death count and sound, the death
// message of deathmatch games, the player's life-lost box, the respawn with the
// items restored, and the game over when the player has no lives left. With
// skipDeath only the game-over test runs.
void Die(Game& game, RulesHost& host, bool skipDeath, int victim, DeathReason reason,
         int killer = 0);

// `Respawn`(n): snake n back on its start position, standing, one segment long.
void Respawn(Game& game, int n);

}  // namespace zelkor
