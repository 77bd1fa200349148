// Guards against drift: a handful of whole runs (level, seed, key file) kept with the
// state dump they ended in. Every member the kept dump holds must come out the same;
// members the dump gained since are not compared, so the dump may grow. A change
// that alters a run on purpose rewrites the kept dumps with scripts/update-golden,
// and the diff is reviewed in the commit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kGoldenFolder = fs::path(ZELKOR_SOURCE_DIR) / "tests" / "golden";

// Members that only show texts which are edited freely (the credits scrolling by in
// the menu). Neither kept nor compared, so that rewording the credits is no drift.
const std::vector<json::json_pointer> kNotKept = {json::json_pointer("/menu/tickerLine")};

json WithoutMembersNotKept(json dump) {
    for (const auto& member : kNotKept)
        if (dump.contains(member)) dump.at(member.parent_pointer()).erase(member.back());
    return dump;
}

// The levels the kept runs play, as they were when the runs were kept. They replace
// the shipped ones in the run's game folder, so that tuning a shipped level is no
// drift here (its own kept win guards it).
const fs::path kGoldenLevels = kGoldenFolder / "levels";

// A kept run: "NAME.keys" with its command line, seed and length in comment lines
// ("# command-line: /L=lvl1.dat", "# seed: 5", "# run-ms: 9000"), and "NAME.json".
struct GoldenRun {
    std::string name;
    std::string commandLine;
    std::int64_t seed = 0;
    std::int64_t runMs = 0;
    std::string keys;
};

GoldenRun ReadGoldenRun(const std::string& name) {
    GoldenRun run;
    run.name = name;
    run.keys = ReadBytes(kGoldenFolder / (name + ".keys"));
    std::istringstream lines(run.keys);
    for (std::string line; std::getline(lines, line);) {
        const auto value = [&](std::string_view key) -> std::optional<std::string> {
            const std::string prefix = "# " + std::string(key) + ": ";
            if (!line.starts_with(prefix)) return std::nullopt;
            return line.substr(prefix.size());
        };
        if (auto v = value("command-line")) run.commandLine = *v;
        if (auto v = value("seed")) run.seed = std::stoll(*v);
        if (auto v = value("run-ms")) run.runMs = std::stoll(*v);
    }
    return run;
}

std::vector<std::string> GoldenRunNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGoldenFolder))
        if (entry.path().extension() == ".keys") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string WithoutFolder(std::string text, const std::string& folder) {
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
        text.replace(at, folder.size(), "<game>");
    return text;
}

// Where `actual` differs from `kept` in a member that `kept` holds, one line each.
void CollectDrift(const json& kept, const json& actual, const std::string& path,
                  std::vector<std::string>& drift) {
    if (kept.is_object() && actual.is_object()) {
        for (const auto& [key, value] : kept.items()) {
            if (!actual.contains(key))
                drift.push_back(path + "/" + key + ": gone");
            else
                CollectDrift(value, actual[key], path + "/" + key, drift);
        }
    } else if (kept.is_array() && actual.is_array() && kept.size() == actual.size()) {
        for (std::size_t i = 0; i < kept.size(); ++i)
            CollectDrift(kept[i], actual[i], path + "/" + std::to_string(i), drift);
    } else if (kept != actual) {
        drift.push_back(path + ": kept " + kept.dump() + ", now " + actual.dump());
    }
}

class GoldenReplay : public ::testing::TestWithParam<std::string> {};

// ZELKOR_UPDATE_GOLDEN=1 keeps what the runs give now (scripts/update-golden).
TEST_P(GoldenReplay, EndsInTheKeptState) {
    const GoldenRun golden = ReadGoldenRun(GetParam());
    ASSERT_GT(golden.runMs, 0) << "no \"# run-ms:\" line in " << golden.name << ".keys";
    scenario::Replay replay;
    for (const auto& level : fs::directory_iterator(kGoldenLevels))
        fs::copy_file(level.path(), replay.dir() / "lvl" / level.path().filename(),
                      fs::copy_options::overwrite_existing);
    const auto run = replay.Play(golden.commandLine, golden.runMs, golden.keys, golden.seed);
    // The game folder is a new temporary folder each time.
    const json actual =
        WithoutMembersNotKept(json::parse(WithoutFolder(run.text, replay.dir().string())));
    const fs::path keptFile = kGoldenFolder / (golden.name + ".json");
    if (std::getenv("ZELKOR_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(keptFile, std::ios::binary) << actual.dump(2) << "\n";
        return;
    }
    const std::string keptText = ReadBytes(keptFile);
    ASSERT_FALSE(keptText.empty()) << "no kept dump " << keptFile << "; run scripts/update-golden";
    std::vector<std::string> drift;
    CollectDrift(WithoutMembersNotKept(json::parse(keptText)), actual, "", drift);
    std::string shown;
    for (std::size_t i = 0; i < drift.size() && i < 20; ++i)
        shown += "\n  " + drift[i];
    EXPECT_TRUE(drift.empty()) << drift.size() << " members drifted:" << shown;
}

INSTANTIATE_TEST_SUITE_P(Kept, GoldenReplay, ::testing::ValuesIn(GoldenRunNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(GoldenDrift, NamesEveryMemberThatChangedOrWentAndIgnoresNewOnes) {
    const json kept = json::parse(R"({"a": 1, "b": {"c": [1, 2], "d": "x"}, "e": true})");
    const json grown =
        json::parse(R"({"a": 1, "b": {"c": [1, 2], "d": "x", "new": 0}, "e": true})");
    std::vector<std::string> drift;
    CollectDrift(kept, grown, "", drift);
    EXPECT_TRUE(drift.empty());

    const json changed = json::parse(R"({"a": 2, "b": {"c": [1, 3]}, "e": true})");
    CollectDrift(kept, changed, "", drift);
    EXPECT_EQ(drift, (std::vector<std::string>{"/a: kept 1, now 2", "/b/c/1: kept 2, now 3",
                                               "/b/d: gone"}));
}

}  // namespace
}  // namespace zelkor
