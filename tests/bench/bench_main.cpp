// `make bench`: runs every benchmark and prints one table, each figure beside its
// target. The drawn frame is measured by its own program beside this one, whose
// results are read back as JSON. Google Benchmark's own options
// (--benchmark_filter=...) still work for the benchmarks of this program.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace {

enum class Measure { CpuTime, RealTime, Counter };

struct Figure {
    const char* caption;
    const char* benchmark;  // the slowest of the benchmarks whose names start so
    Measure measure;
    const char* counter;  // for Measure::Counter
    const char* unit;     // "us", "ms", or the counter's own unit
    double target;        // the most the figure may be, in `unit`
};

constexpr Figure kFigures[] = {
    {"Rules-only frame, worst case", "BM_RulesFrameWorstCase", Measure::CpuTime, "", "us", 50},
    {"Drawn frame, worst case", "BM_DrawnGameFrame", Measure::CpuTime, "", "ms", 1},
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

// The drawn frames, from the display's benchmark program: the worst of these.
constexpr const char* kDrawnFramesProgram = "frame_bench";
constexpr const char* kDrawnFramesFilter = "BM_DrawnGameFrame";

// One benchmark's result, from this program or from a companion.
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

// Runs a companion benchmark program and reads its results; nothing when it is not
// built or fails.
void RunCompanion(const std::filesystem::path& program, const std::string& filter,
                  std::vector<Result>& results) {
    std::error_code ec;
    if (!std::filesystem::exists(program, ec)) return;
    const std::string command = "'" + program.string() + "' --benchmark_format=json " +
                                "--benchmark_filter='" + filter + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    ::pclose(pipe);
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object() || !json.contains("benchmarks")) return;
    for (const nlohmann::json& b : json["benchmarks"]) {
        if (b.value("run_type", "iteration") != "iteration") continue;
        Result r;
        r.name = b.value("run_name", b.value("name", ""));
        const double perSecond = UnitsPerSecond(b.value("time_unit", "ns"));
        r.cpuSeconds = b.value("cpu_time", 0.0) / perSecond;
        r.realSeconds = b.value("real_time", 0.0) / perSecond;
        if (b.value("error_occurred", false)) r.error = b.value("error_message", "failed");
        results.push_back(std::move(r));
    }
}

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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::fprintf(stderr, "Measuring (a few minutes)");
    std::vector<Result> results;
    Collector collector(results);
    benchmark::RunSpecifiedBenchmarks(&collector);
    RunCompanion(std::filesystem::path(argv[0]).parent_path() / kDrawnFramesProgram,
                 kDrawnFramesFilter, results);
    std::fprintf(stderr, "\n\n");

    std::printf("%-42s %-26s %-11s %s\n", "Figure", "Measured", "Target", "");
    for (const Figure& f : kFigures) {
        std::string error;
        const auto value = Value(results, f, error);
        std::string measured, verdict;
        if (value) {
            measured = Number(value->first) + (*f.unit ? " " : "") + f.unit;
            if (!value->second.empty()) measured += " (" + value->second + ")";
            verdict = value->first <= f.target ? "ok" : "OVER";
        } else {
            measured = error.empty() ? "not measured" : "error: " + error;
        }
        const std::string target = "<= " + Number(f.target) + (*f.unit ? " " : "") + f.unit;
        std::printf("%-42s %-26s %-11s %s\n", f.caption, measured.c_str(), target.c_str(),
                    verdict.c_str());
    }
    benchmark::Shutdown();
    return 0;
}
