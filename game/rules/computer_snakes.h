#pragma once

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// `StartComputerSnakes`: snakes 2..NumSnakes set off "Forw" from their start
// positions, each with a model and a name, their step timers running.
void StartComputerSnakes(Game& game, RulesHost& host);

// `StartAITimers`: the computer snakes' step timers run at each snake's `speed`.
void StartAITimers(Game& game);

// `StopComputerSnakes`: the computer snakes' step timers stop and they stand.
void StopComputerSnakes(Game& game);

// `LoadAINames`: reads up to 99 names from "AI_Names.lst"; a missing file leaves
// the list as it was.
void LoadAINames(Game& game, RulesHost& host);

// Names computer snake n: "<bot> " + a name drawn from the list (the name is then
// blanked there), or "AI_Snake " + (n - 1) when the list holds no usable name.
void NameComputerSnake(Game& game, int n);

// `PickModel`: a random model 1..the highest model number; the only model when
// just one is installed.
int PickModel(Game& game, RulesHost& host);

// `Steer`(n): the steering decision for computer snake n; `Dir::None` keeps the
// current direction. Deterministic: asking twice gives the same answer.
Dir Steer(const Game& game, int n);

}  // namespace zelkor
