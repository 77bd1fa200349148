// The cost of `LoadLevel`: every shipped level, and a level asking for 300 of
// each item with sixteen snakes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/bench/bench_world.h"

namespace zelkor::bench {
namespace {

void LoadOver(benchmark::State& state, const std::string& path) {
    BenchWorld b;
    b.game.run.cmdLevelPath = path;  // as if named on the command line: it may lie anywhere
    for (auto _ : state) {
        const int result = b.window.LoadLevel(path);
        if (result != 1) state.SkipWithError(("cannot load " + path).c_str());
        benchmark::DoNotOptimize(result);
    }
}

void BM_LoadLevelFullHouse(benchmark::State& state) {
    // Beside the game folder, as a player may name a level of their own.
    LoadOver(state, "../tests/data/scenarios/crowded_300.dat");
}
BENCHMARK(BM_LoadLevelFullHouse)->Unit(benchmark::kMillisecond);

// One benchmark per shipped level: "BM_LoadLevel/lvl1.dat", ...
const bool registered = [] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(ZELKOR_SOURCE_DIR) / "content" / "lvl"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        benchmark::RegisterBenchmark(
            ("BM_LoadLevel/" + name).c_str(),
            [name](benchmark::State& state) { LoadOver(state, "lvl/" + name); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace zelkor::bench
