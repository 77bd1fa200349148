// Two copies of the game in one game folder (a second window, or the editor's test
// run beside an open game): the first to end leaves the other's unpacked files, the
// last cleans up, and a copy that was killed does not hold the clean-up back.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "game/control/run/run_registration.h"
#include "tests/scenarios/replay.h"

extern char** environ;

namespace zelkor {
namespace {

namespace fs = std::filesystem;

// The real program started headless in `folder`; its process id.
pid_t StartCopy(const fs::path& folder, const std::string& runMs, const char* commandLine) {
    const std::string program = (fs::path(ZELKOR_DIST_DIR) / "Zelkor").string();
    const std::string dir = folder.string();
    std::vector<const char*> argv = {program.c_str(), "--headless",  "--game-dir", dir.c_str(),
                                     "--run-ms",      runMs.c_str(), commandLine,  nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr,
                          const_cast<char* const*>(argv.data()), environ),
              0);
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Every regular file left below the folder's picture and sound folders, and the
// clean-up lists.
std::vector<std::string> Unpacked(const fs::path& folder) {
    std::vector<std::string> left;
    for (const char* sub : {"gfx", "snd"})
        if (fs::exists(folder / sub))
            for (const auto& entry : fs::recursive_directory_iterator(folder / sub))
                if (entry.is_regular_file()) left.push_back(entry.path().string());
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".zkc") left.push_back(entry.path().string());
    return left;
}

// The picture files of a running copy: when it first asks for an item picture (as a
// new game starts), another copy runs in the same folder from its start to its end.
class SecondCopyMidRun final : public PictureFiles {
public:
    SecondCopyMidRun(PictureFiles& real, fs::path folder)
        : real_(real), folder_(std::move(folder)) {}
    std::optional<Surface> Decode(const fs::path& file) override {
        if (!secondStatus_ && file.string().find("black_animated") != std::string::npos)
            secondStatus_ = WaitFor(StartCopy(folder_, "2000", "/L=lvl2.dat"));
        return real_.Decode(file);
    }
    std::optional<Surface> DecodeBytes(std::span<const std::uint8_t> bytes) override {
        return real_.DecodeBytes(bytes);
    }
    bool SavePng(const Surface& picture, const fs::path& file) override {
        return real_.SavePng(picture, file);
    }
    std::optional<int> secondStatus_;

private:
    PictureFiles& real_;
    fs::path folder_;
};

ProgramOptions RunIn(const TempFolder& folder, std::int64_t runMs) {
    ProgramOptions o;
    o.gameDir = folder.path();
    o.runMs = runMs;
    o.dumpFile = folder.path() / "dump.json";
    return o;
}

TEST(TwoCopies, TheFirstToEndLeavesTheOthersFilesAndTheLastCleansUp) {
    TempFolder folder;
    support::LinkStagedFolder(folder.path());  // as shipped: nothing unpacked
    PlatformForHeadless platform;
    SecondCopyMidRun pictures(platform.pictures, folder.path());
    // From the menu into a new game, which loads the first level's pictures from disk
    // after the other copy has ended.
    ProgramOptions o = RunIn(folder, 3000);
    o.keysFile = folder.path() / "keys.txt";
    WriteBytes(*o.keysFile, scenario::Press(1000, key::Enter));
    EXPECT_EQ(RunHeadless(o, {platform.archives, pictures, platform.text}), 0);

    ASSERT_TRUE(pictures.secondStatus_) << "the second copy ran while the first played";
    EXPECT_TRUE(WIFEXITED(*pictures.secondStatus_) && WEXITSTATUS(*pictures.secondStatus_) == 0);
    const auto dump = nlohmann::json::parse(ReadBytes(*o.dumpFile));
    EXPECT_EQ(dump["level"]["LevelFile"], "lvl/lvl1.dat") << dump["level"].dump();
    EXPECT_EQ(Unpacked(folder.path()), std::vector<std::string>{});
}

TEST(TwoCopies, AKilledCopyDoesNotHoldTheCleanUpBack) {
    TempFolder folder;
    support::LinkStagedFolder(folder.path());  // as shipped: nothing unpacked
    const pid_t killed = StartCopy(folder.path(), "3600000", "/L=lvl1.dat");
    // Killed once it has unpacked the pictures and sounds and plays.
    for (int waited = 0; waited < 60000 && !(fs::exists(folder.path() / "cleanup-gfx.zkr.zkc") &&
                                             fs::exists(folder.path() / "cleanup-snd.zkr.zkc"));
         waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(killed, SIGKILL);
    WaitFor(killed);
    EXPECT_FALSE(Unpacked(folder.path()).empty());

    EXPECT_EQ(RunHeadless(RunIn(folder, 500)), 0);
    EXPECT_EQ(Unpacked(folder.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace zelkor
