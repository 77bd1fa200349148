// The cost of one game frame of rules with a full world, and of loading a level.
#include <benchmark/benchmark.h>

#include "common/settings_store.h"
#include "game/control/main_window.h"
#include "game/control/message_box.h"
#include "game/rules/movement.h"
#include "game/rules/placement.h"

namespace zelkor {
namespace {

struct BenchWorld {
    ManualClock clock{1'000'000};
    Game game{clock};
    NullKeyboard keyboard;
    Screen screen;
    NoWindowEvents events;
    SilentSound sound;
    SilentMusic music;
    MemorySettingsStore settings;
    NullArchiveService archives;
    NullMessageBox messageBox;
    MainWindow window{
        game, Services{keyboard, screen, events, sound, music, settings, messageBox, archives,
                       std::filesystem::path(ZELKOR_SOURCE_DIR) / "content"}};
};

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
            // The items fill the lower half, where no snake comes.
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

// One frame in which every snake steps. With the player's step comes the item
// appear/vanish pass, whose returning items are placed on a field with hardly a
// free position left.
void RunFrames(benchmark::State& state, bool playerSteps) {
    BenchWorld b;
    FillWorld(b.game);
    for (auto _ : state) {
        for (std::size_t k = 1; k < b.game.timers.iWait.size(); ++k)
            b.game.timers.iWait[k].Disable();
        if (playerSteps) {
            b.game.timers.iWait[0].Disable();
        } else {
            b.game.timers.iWait[0].Enable(b.clock.NowMs());
        }
        b.window.GameFrame();
        b.clock.Advance(16);
        benchmark::DoNotOptimize(b.game.world.Snakes[1].x);
    }
}

void BM_GameFrame(benchmark::State& state) {
    RunFrames(state, false);
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

void BM_GameFrameWithPlayerStep(benchmark::State& state) {
    RunFrames(state, true);
}
BENCHMARK(BM_GameFrameWithPlayerStep)->Unit(benchmark::kMillisecond);

// Placing one item on a field so full that every random try fails: the bounded
// search and the fallback scan of the whole lattice.
void BM_PlaceItemOnAFullField(benchmark::State& state) {
    BenchWorld b;
    FillWorld(b.game);
    for (auto _ : state) {
        const bool placed = PlaceItem(b.game, ItemKind::Yellow, 1, false);
        benchmark::DoNotOptimize(placed);
    }
}
BENCHMARK(BM_PlaceItemOnAFullField)->Unit(benchmark::kMillisecond);

void BM_LoadLevel(benchmark::State& state) {
    BenchWorld b;
    for (auto _ : state) {
        const int result = b.window.LoadLevel("lvl/lvl3.dat");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadLevel);

}  // namespace
}  // namespace zelkor

BENCHMARK_MAIN();
