// The cost of one drawn game frame at its worst: the rules of a full world and
// every picture and line of text the playfield can show, drawn into the back
// buffer from the game's own pictures.
#include <benchmark/benchmark.h>

#include "tests/support/busy_frame.h"

namespace zelkor {
namespace {

using support::BusyFrame;

// One world for every benchmark: unpacking and loading the pictures takes seconds.
BusyFrame& Filled() {
    static BusyFrame world;
    world.Fill();
    return world;
}

void RunDrawnFrames(benchmark::State& state, bool playerSteps) {
    BusyFrame& d = Filled();
    for (auto _ : state) {
        d.GameFrame(playerSteps);
        benchmark::DoNotOptimize(d.setup.screen().backBuffer().Pixel(320, 240));
    }
}

void BM_DrawnGameFrame(benchmark::State& state) {
    RunDrawnFrames(state, false);
}
BENCHMARK(BM_DrawnGameFrame)->Unit(benchmark::kMicrosecond);

void BM_DrawnGameFrameWithPlayerStep(benchmark::State& state) {
    RunDrawnFrames(state, true);
}
BENCHMARK(BM_DrawnGameFrameWithPlayerStep)->Unit(benchmark::kMillisecond);

// The drawing of that frame alone, without the rules: what the pictures and the
// text cost.
void BM_DrawingOfAFullFrame(benchmark::State& state) {
    BusyFrame& d = Filled();
    for (bool& shown : d.game.flags.snakeShown)
        shown = true;
    GameScreen& screen = d.setup.screen();
    for (auto _ : state) {
        screen.BeginGameFrame(d.game);
        screen.DrawComputerSnakes(d.game);
        screen.DrawPlayfield(d.game, true);
        screen.DrawOverlays(d.game);
        screen.DrawMessages(d.game);
        screen.DrawHud(d.game);
        screen.Flip();
        d.game.flags.animFrame = static_cast<std::int16_t>(d.game.flags.animFrame % 45 + 1);
        benchmark::DoNotOptimize(screen.backBuffer().Pixel(320, 240));
    }
}
BENCHMARK(BM_DrawingOfAFullFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelkor
