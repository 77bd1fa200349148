#include "tests/scenarios/replay.h"

// Out of the header: parsing JSON is by far the heaviest code a scenario test
// compiles, and every test file needs it only through these.
namespace zelkor::scenario {

Replay::Replay() {
    std::filesystem::create_directories(dir() / "lvl");
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(ZELKOR_SOURCE_DIR) / "content" / "lvl"))
        std::filesystem::copy_file(entry.path(), dir() / "lvl" / entry.path().filename());
    // The game's pictures as "gfx.zkr" unpacks them, so every frame is drawn as
    // the player sees it. Linked, not copied: the game only ever replaces files.
    std::filesystem::copy(support::UnpackedPictures() / "gfx", dir() / "gfx",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::create_hard_links);
}

Run Replay::Play(const std::string& commandLine, std::int64_t runMs, const std::string& keys,
                 std::int64_t seed, int status) {
    ProgramOptions o;
    o.screenshots = std::exchange(shots_, {});
    o.gameDir = dir();
    o.seed = seed;
    o.runMs = runMs;
    o.commandLine = commandLine;
    o.settingsFile = settings_;
    o.recordFile = std::exchange(record_, {});
    o.picturesFolder = pictures_;
    if (!keys.empty()) {
        o.keysFile = dir() / "keys.txt";
        WriteBytes(*o.keysFile, keys);
    }
    o.dumpFile = dir() / "dump.json";
    Run run;
    run.status = RunHeadless(o);
    EXPECT_EQ(run.status, status);
    run.text = ReadBytes(*o.dumpFile);
    run.dump = nlohmann::json::parse(run.text);
    return run;
}

std::string Replay::Verify(const std::filesystem::path& file, int status) {
    ProgramOptions o;
    o.gameDir = dir();
    o.replayFile = file;
    o.verifyReplay = o.headless = true;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunHeadless(o), status);
    return testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
}

bool HasMessage(const nlohmann::json& dump, const std::string& text) {
    for (const auto& line : dump["messages"])
        if (line == text) return true;
    return false;
}

std::vector<std::string> CentredTexts(const nlohmann::json& dump) {
    std::vector<std::string> texts;
    for (const auto& line : dump["centredLines"])
        if (!line["text"].get<std::string>().empty())
            texts.push_back(line["text"].get<std::string>() + " @" +
                            std::to_string(line["y"].get<int>()));
    return texts;
}

}  // namespace zelkor::scenario
