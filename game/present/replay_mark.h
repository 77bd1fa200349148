#pragma once

#include "game/present/pictures.h"
#include "game/present/surface.h"
#include "game/rules/game.h"

namespace zelkor {

// What the counter bar tells of a replay being watched.
struct ReplayMark {
    bool paused = false;
    bool fast = false;  // played at four times its speed
};

// "REPLAY" at the right end of the bottom counter bar, "PAUSED" and "x4" left of it, in the
// counters' bitmap font: clear of the counters and the time left, and in a deathmatch of the
// frags in the corner.
void DrawReplayMark(const PictureStore& pictures, Surface& target, const Game& game,
                    ReplayMark mark);

}  // namespace zelkor
