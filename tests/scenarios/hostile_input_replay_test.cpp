// Runs of the game on levels and game folders made to break it: names the file system
// refuses, FIFOs and links where the game reads and writes.
#include <gtest/gtest.h>

#include "tests/common/hostile_files.h"
#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;
using namespace scenario;

class HostileInputReplay : public ::testing::Test {
protected:
    Replay replay;
};

TEST_F(HostileInputReplay, AMusicNameTheFileSystemRefusesIsAMissingFile) {
    fs::create_directories(replay.dir() / "music");
    fs::create_symlink("loop", replay.dir() / "music" / "loop");
    for (const std::string& music : {OverlongName(".mid"), std::string("loop/x.mid")}) {
        replay.AddLevel("music.dat", EdgeLevel().Key("MusicFile=" + music));
        // Every frame of play checks the music.
        const auto run = replay.Play("/L=music.dat", 1500, SetOff(kDown));
        EXPECT_EQ(run.dump["Snakes"][0]["dir"], "Back") << music;
    }
}

}  // namespace
}  // namespace zelkor
