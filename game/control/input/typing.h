#pragma once

#include "game/control/input/cheat_console.h"
#include "game/rules/game.h"

namespace zelkor {

inline constexpr std::size_t kPlayerNameLength = 14;
inline constexpr std::size_t kConsoleLength = 9;

// A typed key while the page shown allows typing: its character in the run's key
// map goes to the player name (kept to its first 14 characters) or to the cheat
// console (its first 9), whose commands are then tested.
void TypeIntoTarget(Game& game, int scanCode, const ConsoleLevels& levels);

}  // namespace zelkor
