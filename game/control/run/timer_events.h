#pragma once

#include "game/rules/game.h"

namespace zelkor {

// When the first of the timers other than the keyboard's comes due (`now` + 1 s at the latest):
// a loop with nothing to draw may wait until then.
std::int64_t NextTimerDue(const Timers& timers, std::int64_t now);

// What each window timer does when it fires (inside DoEvents only).

// `tmr1`, every second: message scroll, death suppression, frames per second,
// atomic power, the speed increase and the level clock.
void OnTmr1(Game& game);

// `picChange`, every 66 ms: the animation frame 1..45 and the light counter 0..4.
void OnPicChange(Game& game);

// `ResetSpeed`, 4 to 9 seconds after a red or black item changed a speed.
void OnResetSpeed(Game& game);

// A level is being played: not paused, not behind the menu, the information screen
// or a box that waits for a key.
bool LevelInPlay(const LoopFlags& flags);

// The player's step interval after the speed increase so far, never below maxSpd.
int IncreasedPlayerInterval(const Game& game);

}  // namespace zelkor
