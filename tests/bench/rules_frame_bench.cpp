// The cost of one game frame of rules in the worst case the game allows.
#include <benchmark/benchmark.h>

#include "tests/bench/bench_world.h"
#include "tests/common/allocation_count.h"

namespace zelkor::bench {
namespace {

// Sixteen snakes of 99 segments crawling in rows, and every item list full.
void FillWorld(Game& game) {
    World& w = game.world;
    game.level.ReqYellow = 1e9;  // the level goes on: no level-end box waits for Enter
    game.run.gameMode = "DM";    // and nobody runs out of lives
    game.run.limit = 30000;
    w.NumSnakes = kMaxSnakes;
    w.Frozen = false;
    for (int n = 1; n <= kMaxSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        // The snakes crawl right through the upper half, wrapping at the edge.
        s.startX = s.x = static_cast<std::int16_t>(30 + 20 * ((n * 7) % 28));
        s.startY = s.y = static_cast<std::int16_t>(30 + 12 * n);
        s.length = kMaxLength;
        s.dir = s.nextDir = Dir::Right;
        s.speed = s.curSpeed = 1;
        s.atomic = true;  // immortal, so the snakes keep their length through collisions
        s.atomicLeft = 30000;
    }
    for (ItemKind kind : kItemKinds) {
        ItemList& list = w.Items(kind);
        list.count = kMaxItems;
        for (int k = 1; k <= kMaxItems; ++k) {
            // The items fill the lower half, where no snake comes at first.
            list.slots[k].x = static_cast<std::int16_t>(20 + (k * 37) % 600);
            list.slots[k].y = static_cast<std::int16_t>(260 + (k * 53) % 190);
            list.slots[k].visible = true;
        }
    }
    for (int i = 1; i <= 200; ++i) {
        w.WallPieces[i] =
            WallPiece{static_cast<std::int16_t>(20 * (i % 30 + 1)), 460, true, WallKind::h};
    }
    w.wallCount = 200;
    for (Timer& t : game.timers.iWait)
        t.interval = 1;
}

// Every snake steps, the player too, with the item appear/vanish pass that comes
// with its step. The computer snakes soon eat their way into the items, so most
// frames place several items on a field with hardly a free position left.
void StepEverySnake(BenchWorld& b) {
    for (Timer& t : b.game.timers.iWait)
        t.Disable();
    b.window.GameFrame();
    b.clock.Advance(16);
}

void BM_RulesFrameWorstCase(benchmark::State& state) {
    BenchWorld b;
    FillWorld(b.game);
    for (int frame = 0; frame < 300; ++frame)  // warm-up: the field fills, messages grow
        StepEverySnake(b);
    // Allocations are counted over frames of their own: the benchmark's own
    // bookkeeping between timed frames allocates too.
    constexpr int kCountedFrames = 500;
    const std::int64_t allocationsBefore = AllocationsSoFar();
    for (int frame = 0; frame < kCountedFrames; ++frame)
        StepEverySnake(b);
    const double allocations = static_cast<double>(AllocationsSoFar() - allocationsBefore);
    for (auto _ : state) {
        StepEverySnake(b);
        benchmark::DoNotOptimize(b.game.world.Snakes[1].x);
    }
    state.counters["allocations"] = allocations / kCountedFrames;
}
BENCHMARK(BM_RulesFrameWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelkor::bench
