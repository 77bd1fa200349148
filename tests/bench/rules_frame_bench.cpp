// The cost of one game frame of rules in the worst case the game allows.
#include <benchmark/benchmark.h>

#include "tests/bench/bench_world.h"
#include "tests/support/allocation_count.h"
#include "tests/support/worst_case_world.h"

namespace zelkor::bench {
namespace {

// Every snake steps, the player too, with the item appear/vanish pass that comes
// with its step. The computer snakes soon eat their way into the items, so most
// frames place several items on a field with hardly a free position left (a row of
// walls along the bottom leaves it no room to spare).
void StepEverySnake(BenchWorld& b) {
    for (Timer& t : b.game.timers.iWait)
        t.Disable();
    b.window.GameFrame();
    b.clock.Advance(16);
}

void BM_RulesFrameWorstCase(benchmark::State& state) {
    BenchWorld b;
    support::FillWorstCase(b.game);
    World& w = b.game.world;
    for (int i = 1; i <= 200; ++i)
        w.WallPieces[i] =
            WallPiece{static_cast<std::int16_t>(20 * (i % 30 + 1)), 460, true, WallKind::h};
    w.wallCount = 200;
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
