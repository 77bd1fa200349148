// Every shipped level is won by the kept replay of its win (seed and key file), played
// again with the headless runner. The autopilot that records those wins plays only when
// asked to record them anew (after a change of the rules or of a level).
#include "tests/content/autopilot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "game/control/headless/headless.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"
#include "tests/content/game_folder.h"

namespace zelkor::content {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kFiveMinutes = 5 * 60 * 1000;

// A kept win: "# seed S won-at T lives-lost L" on the first line, then the keys.
struct KeptReplay {
    std::int64_t seed = 1;
    std::int64_t wonAtMs = 0;
    int livesLost = 0;
    std::string keys;
};

fs::path ReplayFile(int level) {
    return fs::path(ZELKOR_SOURCE_DIR) / "tests" / "content" / "replays" /
           ("lvl" + std::to_string(level) + ".keys");
}

std::optional<KeptReplay> ReadReplay(int level) {
    const std::string text = ReadBytes(ReplayFile(level));
    if (text.empty()) return std::nullopt;
    KeptReplay replay;
    std::istringstream header(text.substr(0, text.find('\n')));
    std::string hash, word;
    header >> hash >> word >> replay.seed >> word >> replay.wonAtMs >> word >> replay.livesLost;
    replay.keys = text;
    return replay;
}

std::string ReplayText(std::int64_t seed, const AutopilotRun& run) {
    return "# seed " + std::to_string(seed) + " won-at " + std::to_string(run.wonAtMs) +
           " lives-lost " + std::to_string(run.livesLost) + "\n" + run.keys;
}

class EveryLevel : public ::testing::TestWithParam<int> {};

// ZELKOR_RECORD_REPLAYS=1 keeps the autopilot's wins as the replays below.
TEST_P(EveryLevel, TheAutopilotWinsItWithinFiveMinutes) {
    if (std::getenv("ZELKOR_RECORD_REPLAYS") == nullptr)
        GTEST_SKIP() << "the kept replays prove the wins; ZELKOR_RECORD_REPLAYS=1 records them";
    const int level = GetParam();
    const auto kept = ReadReplay(level);
    const std::int64_t seed = kept ? kept->seed : level;
    const AutopilotRun run =
        PlayLevel(UnpackedGameFolder(), LevelFileName(level), seed, kFiveMinutes);
    EXPECT_TRUE(run.won) << run.endReason << " after losing " << run.livesLost << " lives";
    EXPECT_LE(run.livesLost, 3) << "more than the lives a game starts with";
    std::cout << "lvl" << level << ": won " << run.won << " at " << run.wonAtMs / 1000.0
              << " s, lives lost " << run.livesLost << "\n";
    if (run.won) {
        fs::create_directories(ReplayFile(level).parent_path());
        std::ofstream(ReplayFile(level), std::ios::binary) << ReplayText(seed, run);
    }
}

TEST_P(EveryLevel, ItsKeptWinReplaysWithTheHeadlessRunner) {
    const int level = GetParam();
    const auto kept = ReadReplay(level);
    ASSERT_TRUE(kept) << "no kept replay " << ReplayFile(level);
    // The unpacked folder serves every replay; the game's rules do not look at whether a
    // picture came from an archive just now.
    ProgramOptions o;
    o.gameDir = UnpackedGameFolder();
    o.seed = kept->seed;
    o.runMs = kept->wonAtMs + 100;
    o.commandLine = "/L=" + LevelFileName(level);
    const TempFolder notes;
    o.keysFile = notes.path() / "keys.txt";
    o.dumpFile = notes.path() / "dump.json";
    WriteBytes(*o.keysFile, kept->keys);
    NullArchiveReaders archives;
    SdlPictureFiles pictures;
    SdlTextRenderer text;
    ASSERT_EQ(RunHeadless(o, HeadlessPlatform{archives, pictures, text}), 0);
    const auto dump = nlohmann::json::parse(ReadBytes(*o.dumpFile));
    EXPECT_EQ(dump["level"]["LevelFile"], "lvl/" + LevelFileName(level));
    EXPECT_EQ(dump["centredLines"][0]["text"], "Next Level!!!");
    EXPECT_EQ(dump["flags"]["cheatUsed"], false);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, EveryLevel, ::testing::Range(1, kShippedLevels + 1),
                         [](const auto& info) { return "lvl" + std::to_string(info.param); });

}  // namespace
}  // namespace zelkor::content
