// `make bench`: runs every benchmark and prints one table, each figure beside its
// target. Google Benchmark's own options (--benchmark_filter=...) still work.
// `--quick` (make bench-quick) prints the table in under a minute: each benchmark runs
// briefly, and the runs of the game program that take tens of seconds are left out.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Measure { CpuTime, RealTime, Counter };

struct Figure {
    const char* caption;
    const char* benchmark;  // the slowest of the benchmarks whose names start so
    Measure measure;
    const char* counter;  // for Measure::Counter
    const char* unit;     // "us", "ms", or the counter's own unit
    double target;        // the most the figure may be, in `unit`; kNoTarget: shown only
};

constexpr double kNoTarget = -1;

constexpr Figure kFigures[] = {
    {"Rules-only frame, worst case", "BM_RulesFrameWorstCase", Measure::CpuTime, "", "us", 300},
    {"Drawing of a full frame alone", "BM_DrawingOfAFullFrame", Measure::CpuTime, "", "ms", 0.8},
    {"Drawn frame, worst case", "BM_DrawnGameFrame", Measure::CpuTime, "", "ms", 1.2},
    {"Present of a frame, window scaled (CPU)", "BM_PresentOfAFrame", Measure::CpuTime, "", "ms",
     kNoTarget},
    {"LoadLevel, 300 of each item, 16 snakes", "BM_LoadLevelFullHouse", Measure::CpuTime, "", "ms",
     5},
    {"LoadLevel, slowest shipped level", "BM_LoadLevel/", Measure::CpuTime, "", "ms", 2},
    {"Launch to menu, archives unpacked (CPU)", "BM_LaunchToMenu", Measure::RealTime, "", "ms",
     500},
    {"Peak memory of a long crowded game", "BM_PeakMemoryOfAGame", Measure::Counter, "peak MB",
     "MB", 150},
    {"Heap allocations per rules frame", "BM_RulesFrameWorstCase", Measure::Counter, "allocations",
     "", 0},
    {"Idle CPU at the menu in a window", "BM_IdleCpuAtMenu", Measure::Counter, "% of a core", "%",
     5},
};

// What `--quick` asks of Google Benchmark: a short time for each benchmark, and neither
// the game played for two minutes nor the menu watched for ten seconds.
constexpr const char* kQuickOptions[] = {
    "--benchmark_min_time=0.05", "--benchmark_filter=-BM_PeakMemoryOfAGame|BM_IdleCpuAtMenu"};

// One benchmark's result.
struct Result {
    std::string name;
    double cpuSeconds = 0;
    double realSeconds = 0;
    std::map<std::string, double> counters;
    std::string error;
};

double UnitsPerSecond(const std::string& unit) {
    if (unit == "ns") return 1e9;
    if (unit == "us") return 1e6;
    if (unit == "ms") return 1e3;
    return 1;
}

// Keeps every run instead of printing it.
class Collector : public benchmark::BenchmarkReporter {
public:
    explicit Collector(std::vector<Result>& results) : results_(results) {}

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            std::fprintf(stderr, ".");
            if (run.run_type != Run::RT_Iteration) continue;
            Result r;
            r.name = run.run_name.function_name;
            const double toSeconds = 1.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            r.cpuSeconds = run.GetAdjustedCPUTime() * toSeconds;
            r.realSeconds = run.GetAdjustedRealTime() * toSeconds;
            for (const auto& [name, counter] : run.counters)
                r.counters[name] = counter.value;
            if (run.error_occurred) r.error = run.error_message;
            results_.push_back(std::move(r));
        }
    }

private:
    std::vector<Result>& results_;
};

// The figure's value, with the part of the name that tells which run it came from;
// nothing when no run measured it (`error` says why if one failed).
std::optional<std::pair<double, std::string>> Value(const std::vector<Result>& results,
                                                    const Figure& f, std::string& error) {
    const std::string name = f.benchmark;
    std::optional<std::pair<double, std::string>> worst;
    for (const Result& r : results) {
        if (!r.name.starts_with(name)) continue;
        if (!r.error.empty()) {
            error = r.error;
            return std::nullopt;
        }
        double value = 0;
        switch (f.measure) {
            case Measure::CpuTime:
                value = r.cpuSeconds * UnitsPerSecond(f.unit);
                break;
            case Measure::RealTime:
                value = r.realSeconds * UnitsPerSecond(f.unit);
                break;
            case Measure::Counter: {
                const auto counter = r.counters.find(f.counter);
                if (counter == r.counters.end()) continue;
                value = counter->second;
                break;
            }
        }
        if (!worst || value > worst->first) worst = {value, r.name.substr(name.size())};
    }
    return worst;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value >= 100 || value == 0 ? "%.0f" : "%.3g", value);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    const auto quickFlag = std::find(args.begin() + 1, args.end(), std::string_view("--quick"));
    const bool quick = quickFlag != args.end();
    if (quick) {
        args.erase(quickFlag);
        // Before the caller's own options, which still win.
        for (const char* option : kQuickOptions)
            args.insert(args.begin() + 1, const_cast<char*>(option));
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    std::fprintf(stderr, quick ? "Measuring briefly" : "Measuring (a few minutes)");
    std::vector<Result> results;
    Collector collector(results);
    benchmark::RunSpecifiedBenchmarks(&collector);
    std::fprintf(stderr, "\n\n");

    std::printf("%-42s %-26s %-11s %s\n", "Figure", "Measured", "Target", "");
    for (const Figure& f : kFigures) {
        std::string error;
        const auto value = Value(results, f, error);
        std::string measured, verdict;
        if (value) {
            measured = Number(value->first) + (*f.unit ? " " : "") + f.unit;
            if (!value->second.empty()) measured += " (" + value->second + ")";
            if (f.target != kNoTarget) verdict = value->first <= f.target ? "ok" : "OVER";
        } else {
            measured = error.empty() ? "not measured" : "error: " + error;
        }
        const std::string target = f.target == kNoTarget
                                       ? "none"
                                       : "<= " + Number(f.target) + (*f.unit ? " " : "") + f.unit;
        std::printf("%-42s %-26s %-11s %s\n", f.caption, measured.c_str(), target.c_str(),
                    verdict.c_str());
    }
    benchmark::Shutdown();
    return 0;
}
