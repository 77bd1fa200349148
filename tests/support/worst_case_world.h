#pragma once

// The busiest world the rules allow, for the benchmarks and the allocation test.
#include <cstdint>

#include "game/rules/game.h"

namespace zelkor::support {

// Sixteen snakes of 99 segments crawling right through the upper half, wrapping at the
// edge, and every item list holding `itemsPerKind` (full by default) in the lower half,
// where no snake comes at first. The level goes on (no goal is met, nobody runs out of
// lives), god mode keeps every snake alive, and every step timer runs out on every frame.
// The walls are the caller's.
inline void FillWorstCase(Game& game, int itemsPerKind = kMaxItems) {
    World& w = game.world;
    game.level.ReqYellow = 1e9;  // no level-end box waits for Enter
    game.run.gameMode = "DM";
    game.run.limit = 30000;
    game.cheats.godMode = true;
    w.NumSnakes = kMaxSnakes;
    w.Frozen = false;
    for (int n = 1; n <= kMaxSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        s.startX = s.x = static_cast<std::int16_t>(30 + 20 * ((n * 7) % 28));
        s.startY = s.y = static_cast<std::int16_t>(30 + 12 * n);
        s.length = kMaxLength;
        s.dir = s.nextDir = Dir::Right;
        s.speed = s.curSpeed = 1;
    }
    for (ItemKind kind : kItemKinds) {
        ItemList& list = w.Items(kind);
        list.count = static_cast<std::int16_t>(itemsPerKind);
        for (int k = 1; k <= itemsPerKind; ++k) {
            list.slots[k].x = static_cast<std::int16_t>(20 + (k * 37) % 600);
            list.slots[k].y = static_cast<std::int16_t>(260 + (k * 53) % 190);
            list.slots[k].visible = true;
        }
    }
    for (Timer& t : game.timers.iWait)
        t.interval = 1;
}

}  // namespace zelkor::support
