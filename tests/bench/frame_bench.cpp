// The cost of one drawn game frame at its worst: the rules of a full world and
// every picture and line of text the playfield can show, drawn into the back
// buffer from the game's own pictures.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "game/platform/sdl_window.h"
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

// One window for every run of the benchmark below, opened on the X display: SDL does
// not always open a second one after closing the first. The driver the caller asked
// for (the tests' dummy one) comes back afterwards for the game runs of the other
// benchmarks. Nothing where no window opens.
SdlWindow* BenchWindow() {
    static std::optional<SdlWindow> window;
    if (!window) {
        const char* asked = std::getenv("SDL_VIDEODRIVER");
        const std::string driver = asked != nullptr ? asked : "";
        ::setenv("SDL_VIDEODRIVER", "x11", 1);
        window.emplace(true);
        if (asked != nullptr)
            ::setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
        else
            ::unsetenv("SDL_VIDEODRIVER");
    }
    return window->Open() ? &*window : nullptr;
}

// Showing a finished frame in a window on the X display the benchmarks run under
// (`make bench` starts a virtual one): the back buffer uploaded and copied, scaled, into
// the window. The processor time is the game's side only; the wait for the next frame
// costs none.
void BM_PresentOfAFrame(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display (make bench runs under xvfb-run)");
        return;
    }
    SdlWindow* window = BenchWindow();
    if (window == nullptr) {
        state.SkipWithError("no window");
        return;
    }
    Surface back(kScreenWidth, kScreenHeight, Argb(20, 60, 20));
    window->Present(back);  // the first present sets the renderer up
    std::uint8_t shade = 0;
    for (auto _ : state) {
        // Each frame differs from the one shown in its last pixel, so the window sends
        // every one after comparing all of it.
        back.SetPixel(kScreenWidth - 1, kScreenHeight - 1, Argb(++shade, 0, 0));
        window->Present(back);
    }
}
BENCHMARK(BM_PresentOfAFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelkor
