#include "game/control/run/quit.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/control/run/run_registration.h"
#include "tests/control/archives_fake.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

class QuitTest : public testing::ArchiveFolderTest {
protected:
    QuitTest() {
        services_.releaseDisplay = [this] { calls_ += "display "; };
        services_.releaseKeyboard = [this] { calls_ += "keyboard "; };
        services_.doEvents = [this] { calls_ += "events "; };
        state_.flags.running = true;
    }
    void Quit() { QuitCleanUp(state_, game_, settings_, services_); }
    void List(const std::string& name, const std::vector<fs::path>& files) {
        std::string text;
        for (const fs::path& f : files)
            text += f.string() + "\r\n";
        WriteBytes(game_ / name, text);
    }

    ManualClock clock_;
    Game state_{clock_};
    MemorySettingsStore settings_;
    QuitServices services_;
    std::string calls_;
};

TEST_F(QuitTest, DeletesTheListedFilesThenTheListsAndEndsTheNewInstall) {
    WriteBytes(game_ / "gfx" / "a.bmp", "a");
    WriteBytes(game_ / "snd" / "b.wav", "b");
    WriteBytes(game_ / "gfx" / "kept.bmp", "k");
    List("cleanup-gfx.zkr.zkc", {game_ / "gfx" / "a.bmp", game_ / "gfx" / "gone.bmp"});
    List("CLEANUP-SND.ZKR.ZKC", {game_ / "snd" / "b.wav"});
    Quit();
    EXPECT_FALSE(state_.flags.running);
    EXPECT_EQ(calls_, "display keyboard events ");
    EXPECT_EQ(settings_.Read("Options", "NewInstall"), "False");
    EXPECT_EQ(Tree(game_), (std::vector<std::string>{"gfx", "gfx/kept.bmp", "snd"}));
}

TEST_F(QuitTest, NoCleanUpKeepsEverythingButStillEndsTheNewInstall) {
    state_.options.noCleanUp = true;
    WriteBytes(game_ / "gfx" / "a.bmp", "a");
    List("cleanup-gfx.zkr.zkc", {game_ / "gfx" / "a.bmp"});
    Quit();
    EXPECT_EQ(settings_.Read("Options", "NewInstall"), "False");
    EXPECT_EQ(Tree(game_), (std::vector<std::string>{"cleanup-gfx.zkr.zkc", "gfx", "gfx/a.bmp"}));

    state_.options.newInstall = false;
    MemorySettingsStore untouched;
    QuitCleanUp(state_, game_, untouched, services_);
    EXPECT_EQ(untouched.Read("Options", "NewInstall"), std::nullopt);
}

TEST_F(QuitTest, DeletesOnlyRegularFilesInsideTheGameFolder) {
    const fs::path outside = root_ / "outside.txt";
    WriteBytes(outside, "precious");
    fs::create_directories(game_ / "gfx" / "folder.d");
    fs::create_symlink(outside, game_ / "gfx" / "link.bmp");
    fs::create_directory_symlink(root_, game_ / "gfx" / "up");
    List("cleanup-planted.zkr.zkc",
         {outside, game_ / ".." / "outside.txt", game_ / "gfx" / "link.bmp",
          game_ / "gfx" / "up" / "outside.txt", game_ / "gfx" / "folder.d", "gfx/relative.bmp"});
    WriteBytes(game_ / "gfx" / "relative.bmp", "r");
    Quit();
    EXPECT_EQ(ReadBytes(outside), "precious");
    EXPECT_EQ(Tree(game_), (std::vector<std::string>{"gfx", "gfx/folder.d", "gfx/link.bmp",
                                                     "gfx/relative.bmp", "gfx/up"}));
}

TEST_F(QuitTest, BinaryOrOversizedListsAreLeftUnread) {
    WriteBytes(game_ / "a.bmp", "a");
    WriteBytes(game_ / "b.bmp", "b");
    WriteBytes(game_ / "cleanup-bin.zkc",
               (game_ / "a.bmp").string() + "\r\n" + std::string(1, '\0'));
    WriteBytes(game_ / "cleanup-big.zkc",
               (game_ / "b.bmp").string() + "\r\n" + std::string(kMaxCleanUpListBytes, '#'));
    Quit();
    EXPECT_EQ(Tree(game_), (std::vector<std::string>{"a.bmp", "b.bmp"}));
}

// A folder that gives no lock (here: none at all) cannot tell copies apart: the
// clean-up goes on as the last copy's and says so once.
TEST_F(QuitTest, WithoutLocksEveryCopyCleansUpAndSaysSoOnce) {
    std::ostringstream problems;
    RunRegistration copy(game_ / "missing", problems);
    EXPECT_TRUE(copy.IsLastCopy());
    EXPECT_TRUE(copy.IsLastCopy());
    EXPECT_EQ(problems.str(),
              "Zelkor: the game folder gives no locks, so other copies of the game cannot be told "
              "apart; the clean-up deletes what they may still use\n");
}

}  // namespace
}  // namespace zelkor
