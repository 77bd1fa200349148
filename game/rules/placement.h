#pragma once

#include "game/rules/game.h"

namespace zelkor {

// `PlaceItem`(kind, k, preferRandomSpawn): puts slot k of the kind's list on a
// spawn point, or at random on the 10-pixel lattice. Level loading passes true
// (a random spawn point is tried first); every other caller passes false. Returns
// false, with the slot hidden, when no free position exists at all.
bool PlaceItem(Game& game, ItemKind kind, int k, bool preferRandomSpawn);

// Shows and places items 1 to count of every list in turn, as loading a level does:
// each as `PlaceItem` with a random spawn point tried first.
void PlaceLevelItems(Game& game);

// `IsOccupied`(X, Y): whether a candidate item position is outside the field or
// taken by a visible item, a standing wall, a user-item graphic or the player's body.
// This is the rule, looked up in every table; placement asks the occupancy index
// instead, which gives the same answer on every lattice point.
bool IsOccupied(const Game& game, int x, int y);

// `RestoreTaken`: every yellow, red, blue and black item hidden by a pick-up
// under "HideCollected" comes back.
void RestoreTaken(Game& game);

// `FreeSpawnPoints`: every usable spawn point becomes free.
void FreeSpawnPoints(Game& game);

}  // namespace zelkor
