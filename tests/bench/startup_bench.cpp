// The game program as a player starts it: launch to the menu with every archive
// unpacked, the memory a long crowded game takes, and what the menu costs while it
// waits in a window. Each run is the staged `Zelkor` in a game folder of its own, a
// copy of the staged one, with its settings kept in that folder too.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/common/temp_folder.h"

extern char** environ;

namespace zelkor::bench {
namespace {

namespace fs = std::filesystem;

class GameFolderCopy {
public:
    GameFolderCopy() {
        std::error_code ec;
        fs::copy(ZELKOR_DIST_DIR, path(), fs::copy_options::recursive, ec);
        fs::copy_file(fs::path(ZELKOR_SOURCE_DIR) / "tests/data/scenarios/crowded_300.dat",
                      path() / "lvl" / "crowded_300.dat", ec);
        // Close the information screen, then steer now and then.
        std::ofstream keys(path() / "keys.txt");
        keys << "200 59 1\n240 59 0\n";
        for (int t = 1000; t < 120000; t += 700)
            keys << t << ' ' << (t / 700 % 2 ? 205 : 208) << " 1\n"
                 << t + 40 << ' ' << (t / 700 % 2 ? 205 : 208) << " 0\n";
    }

    const fs::path& path() const { return folder_.path(); }

private:
    // Beside the build rather than in the shared temporary folder: a folder where many
    // files come and go makes creating each file cost far more than it does in a
    // player's game folder.
    TempFolder folder_{ZELKOR_BENCH_DIR};
};

struct ChildRun {
    bool ok = false;
    double wallSeconds = 0;
    double cpuSeconds = 0;  // user and system time: what the run costs on a busy machine too
    double peakMegabytes = 0;
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Starts the staged game program in `folder` with `args` after the folder options.
pid_t StartGame(const fs::path& folder, std::vector<std::string> args) {
    const std::string program = (fs::path(ZELKOR_DIST_DIR) / "Zelkor").string();
    args.insert(args.begin(), {program, "--game-dir", folder.string(), "--settings",
                               (folder / "settings.ini").string()});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return 0;
    return pid;
}

// Runs the staged game program headless in `folder` and waits for it.
ChildRun RunGame(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "--headless");
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = StartGame(folder, std::move(args));
    if (pid == 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Started without a level, the game unpacks its archives and shows the menu; the
// run ends a few menu frames later and quits, deleting what it unpacked, so every
// launch unpacks everything again. The time is the program's own processor time,
// which the other work of a shared machine does not stretch; the wall-clock time
// is kept as a counter.
void BM_LaunchToMenu(benchmark::State& state) {
    const GameFolderCopy folder;
    double wall = 0;
    for (auto _ : state) {
        const ChildRun run = RunGame(folder.path(), {"--run-ms", "50"});
        if (!run.ok) state.SkipWithError("the game did not run");
        state.SetIterationTime(run.cpuSeconds);
        wall += run.wallSeconds;
    }
    state.counters["wall ms"] = benchmark::Counter(wall * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LaunchToMenu)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Two minutes of game time with sixteen snakes on the level with 300 of each item.
void BM_PeakMemoryOfAGame(benchmark::State& state) {
    const GameFolderCopy folder;
    ChildRun run;
    for (auto _ : state) {
        run = RunGame(folder.path(),
                      {"--run-ms", "120000", "--keys", (folder.path() / "keys.txt").string(),
                       "/L=crowded_300.dat", "/AIS=15"});
        if (!run.ok) state.SkipWithError("the game did not run");
    }
    state.counters["peak MB"] = run.peakMegabytes;
}
BENCHMARK(BM_PeakMemoryOfAGame)->Iterations(1)->Unit(benchmark::kMillisecond);

// The processor time a running process has used so far, in seconds; negative once
// it is gone.
double ProcessorSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) return -1;
    // The fields after the command name in parentheses: state is the 3rd field,
    // utime and stime the 14th and 15th.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int n = 3; n <= 15 && rest >> field; ++n)
        if (n >= 14) ticks += std::stod(field);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The game in a window on the X display the benchmarks run under (`make bench`
// starts a virtual one), left alone at the menu: the share of a core it takes over
// ten seconds, once start-up is over.
void BM_IdleCpuAtMenu(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display (make bench runs under xvfb-run)");
        return;
    }
    const GameFolderCopy folder;
    double share = 0;
    for (auto _ : state) {
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
        const pid_t pid = StartGame(folder.path(), {"--window"});
        if (pid == 0) {
            state.SkipWithError("the game did not start");
            break;
        }
        // Start-up (unpacking, the first frames) takes seconds on a busy machine.
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double before = ProcessorSeconds(pid);
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double after = ProcessorSeconds(pid);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (before < 0 || after < 0) {
            state.SkipWithError("the game ended before the measurement did");
            break;
        }
        share = 100.0 * (after - before) / wall;
    }
    state.counters["% of a core"] = share;
}
BENCHMARK(BM_IdleCpuAtMenu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace zelkor::bench
