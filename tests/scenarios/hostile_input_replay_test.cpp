// Runs of the game on levels and game folders made to break it: names the file system
// refuses, FIFOs and links where the game reads and writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/control/headless/check_level.h"
#include "game/rules/game.h"
#include "tests/common/hostile_files.h"
#include "tests/scenarios/replay.h"
#include "tools/zkpack/archive_writer.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;
using namespace scenario;

class HostileInputReplay : public ::testing::Test {
protected:
    // An archive in the game folder holding one file.
    void Pack(const std::string& archive, const std::string& file, const std::string& bytes,
              std::string_view password = kArchivePassword) {
        zkpack::ArchiveWriter writer(replay.dir() / archive, zkpack::ArchiveFormat::Zip, password);
        writer.AddFile(file, bytes);
        writer.Finish();
    }
    // "x.zkr" with one picture, and a level that requires it and then `more`.
    void AddRequiringLevel(const std::string& more = "") {
        Pack("x.zkr", "x/pic.bmp", "BM picture");
        LevelText level = EdgeLevel().Key("Requires=x.zkr");
        if (!more.empty()) level.Key(more);
        replay.AddLevel("needs.dat", level);
    }

    Replay replay;
};

TEST_F(HostileInputReplay, AMusicNameTheFileSystemRefusesIsAMissingFile) {
    fs::create_directories(replay.dir() / "music");
    fs::create_symlink("loop", replay.dir() / "music" / "loop");
    for (const std::string& music : {OverlongName(".mid"), std::string("loop/x.mid")}) {
        replay.AddLevel("music.dat", EdgeLevel().Key("MusicFile=" + music));
        // Every frame of play checks the music.
        const auto run = replay.Play("/L=music.dat", 1500, SetOff(key::Down));
        EXPECT_EQ(run.dump["Snakes"][0]["dir"], "Back") << music;
    }
}

TEST_F(HostileInputReplay, SettingsThatCannotBeWrittenAreReportedOnceAndPlayGoesOn) {
    WriteBytes(replay.dir() / "blocker", "a file where the settings folder should be");
    replay.UseSettingsFile(replay.dir() / "blocker" / "settings.ini");
    // The options page twice: leaving it writes the settings.
    const std::string twice = Press(300, key::Down) + Press(500, key::Enter) +
                              Press(700, key::Escape) + Press(900, key::Enter) +
                              Press(1100, key::Escape);
    const auto menu = replay.Play("", 1500, twice);
    int reports = 0;
    for (const auto& line : menu.dump["console"])
        reports += line.get<std::string>().starts_with("Could not save the settings: ") ? 1 : 0;
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(HasMessage(menu.dump, "Could not save the settings: Not a directory"))
        << "and on the message line";

    const auto run = replay.Play("", 3000,
                                 twice + Press(1300, key::Up) + Press(1500, key::Enter) +
                                     CloseInfo(2000) + Press(2200, key::Down));
    EXPECT_EQ(run.dump["Snakes"][0]["dir"], "Back") << "a new game plays";
}

TEST_F(HostileInputReplay, AnArchiveAFullDiskStopsIsNamedWithItsReasonInAStartUpBox) {
    // The pictures still packed, so that start-up unpacks them for real.
    fs::remove_all(replay.dir() / "gfx");
    fs::copy_file(fs::path(ZELKOR_DIST_DIR) / "gfx.zkr", replay.dir() / "gfx.zkr");
    ProgramOptions options;
    options.gameDir = replay.dir();
    options.runMs = 300;
    ExpectTrueOnAFullDisk(
        2000,
        [&] {
            RunHeadless(options);
            return true;
        },
        "gfx.zkr could not be unpacked: File too large\n\nGo on without it\?");
}

TEST_F(HostileInputReplay, ALevelsArchiveAFullDiskStopsIsSaidOnTheMessageLine) {
    Pack("x.zkr", "x/pic.bmp", std::string(8000, 'x'));
    // A new game from the menu: the first level's archive is unpacked during play.
    replay.AddLevel("lvl1.dat", EdgeLevel().Key("Requires=x.zkr"));
    WriteBytes(replay.dir() / "keys.txt", Press(300, key::Enter));
    ProgramOptions options;
    options.gameDir = replay.dir();
    options.keysFile = replay.dir() / "keys.txt";
    options.runMs = 1000;
    ExpectTrueOnAFullDisk(4000, [&] {
        // The dump goes through a pipe: a file would not get past the full disk.
        std::array<int, 2> ends{};
        if (::pipe(ends.data()) != 0) return false;
        std::string dump;
        std::thread reader([&] {
            std::array<char, 4096> part{};
            for (ssize_t n; (n = ::read(ends[0], part.data(), part.size())) > 0;)
                dump.append(part.data(), static_cast<std::size_t>(n));
        });
        options.dumpFile = "/proc/self/fd/" + std::to_string(ends[1]);
        RunHeadless(options);
        ::close(ends[1]);
        reader.join();
        return HasMessage(nlohmann::json::parse(dump),
                          "x.zkr could not be unpacked: File too large") &&
               !fs::exists(replay.dir() / "gfx" / "x" / "pic.bmp");
    });
}

TEST_F(HostileInputReplay, UnpackingProblemsReachTheConsoleAndStandardErrorWithoutDebugMode) {
    Pack("escaping.zkr", "../up.bmp", "BM outside");
    Pack("locked.zkr", "x/pic.bmp", "BM picture", "another password");
    WriteBytes(replay.dir() / "damaged.zkr", ReadBytes(replay.dir() / "locked.zkr").substr(0, 60));
    replay.AddLevel("needs.dat", EdgeLevel()
                                     .Key("Requires=escaping.zkr")
                                     .Key("Requires=locked.zkr")
                                     .Key("Requires=damaged.zkr"));

    ::testing::internal::CaptureStderr();
    const auto run = replay.Play("/L=needs.dat", 1500, SetOff(key::Down));
    const std::string errors = ::testing::internal::GetCapturedStderr();
    const std::vector<std::string> expected = {
        "ZkUnextractFile: refusing ../up.bmp", "ZkUnextractFile: locked.zkr: wrong password",
        "ZkUnextractFile: damaged.zkr: is damaged or no archive"};
    for (const std::string& line : expected)
        EXPECT_NE(errors.find(line + "\n"), std::string::npos) << line;
    // The console keeps its last five lines; the level's own loading lines follow.
    EXPECT_EQ(run.dump["console"][0], expected[1] + "\r\n");
    EXPECT_EQ(run.dump["console"][1], expected[2] + "\r\n");
    EXPECT_FALSE(fs::exists(replay.dir() / "up.bmp"));
    EXPECT_EQ(run.dump["Snakes"][0]["dir"], "Back") << "the level is played all the same";
}

TEST_F(HostileInputReplay, FifosWhereTheGameReadsOrWritesNeitherHangItNorStopPlay) {
    AddRequiringLevel("Requires=fifo.zkr");
    MakeFifo(replay.dir() / "fifo.zkr");
    MakeFifo(replay.dir() / "cleanup-x.zkr.zkc");
    const fs::path settings = replay.WriteSettings("");
    fs::remove(settings);
    MakeFifo(settings);
    // A user item whose picture is a FIFO is a picture that cannot be read: the game
    // says so and ends, as for a missing one.
    replay.AddLevel("picture.dat",
                    EdgeLevel().Put(15, 5, 'a').Key("let:a=wall").Key("set:a=fifo.bmp"));
    MakeFifo(replay.dir() / "gfx" / "fifo.bmp");

    ExpectTrueWithin(60, [&] {
        const auto run = replay.Play("/L=needs.dat", 1500, SetOff(key::Down));
        std::ostringstream checked;
        const int checkStatus =
            RunCheckLevel(replay.dir() / "lvl" / "needs.dat", replay.dir(), checked, nullptr);
        LibraryArchiveReaders readers;
        RunCheckLevel(replay.dir() / "lvl" / "needs.dat", replay.dir(), checked, &readers);
        const int pictureStatus =
            replay.Play("/L=picture.dat", 1500, SetOff(key::Down), 11, 1).status;
        return run.dump["Snakes"][0]["dir"] == "Back" && checkStatus == 0 && pictureStatus == 1;
    });
    EXPECT_TRUE(fs::is_fifo(settings));
    EXPECT_TRUE(fs::is_fifo(replay.dir() / "fifo.zkr"));
}

// A picture the game needs that is gone when its turn comes during play: the game says
// which and ends with status 1, as a failure.
TEST_F(HostileInputReplay, APictureLostDuringPlayEndsTheGameWithStatusOne) {
    fs::remove(replay.dir() / "gfx" / "Yellow_animated" / "30.bmp");
    replay.AddLevel("bite.dat", EdgeLevel().Put(10, 5, '*').Key("numYellow= 1"));
    ::testing::internal::CaptureStderr();
    const auto run = replay.Play("/L=bite.dat", 3000, CloseInfo(), 11, 1);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(
        errors.find("unable to find " + replay.dir().string() + "\\gfx\\Yellow_animated\\30.bmp"),
        std::string::npos)
        << errors;
    EXPECT_FALSE(run.dump["flags"]["infoScreen"]) << "the level was in play";
}

}  // namespace
}  // namespace zelkor
