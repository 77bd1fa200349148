#include "common/player_game_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

// An installed data folder and a player's folder beside it, with a file outside both
// that nothing may touch.
class PlayerGameFolderTest : public ::testing::Test {
protected:
    TempFolder dir_;
    const fs::path shipped_ = dir_.path() / "usr" / "share" / "zelkor";
    const fs::path player_ = dir_.path() / "home" / "Zelkor";
    const fs::path outside_ = dir_.path() / "outside";
    std::map<std::string, std::string> files_;  // what is shipped now

    void SetUp() override { WriteBytes(outside_ / "precious.txt", "not the game's"); }

    // Installs `files` as the shipped data, replacing what was shipped before.
    void Ship(std::map<std::string, std::string> files) {
        fs::remove_all(shipped_);
        std::string list = "# shipped\n";
        for (const auto& [path, bytes] : files) {
            WriteBytes(shipped_ / path, bytes);
            list += "h" + std::to_string(std::hash<std::string>{}(bytes)) + " " +
                    std::to_string(bytes.size()) + " " + path + "\n";
        }
        WriteBytes(shipped_ / kShippedListName, list);
        files_ = std::move(files);
    }

    FolderPreparation Prepare() {
        FolderPreparation report = PreparePlayerGameFolder(shipped_, player_);
        for (const std::string& p : report.problems)
            ADD_FAILURE() << p;
        return report;
    }

    std::string Player(const std::string& path) const { return ReadBytes(player_ / path); }

    void ExpectOutsideUntouched() const {
        EXPECT_EQ(ReadBytes(outside_ / "precious.txt"), "not the game's");
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(outside_))
            names.push_back(e.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"precious.txt"});
    }

    static bool IsRealFolder(const fs::path& path) {
        return fs::is_directory(fs::symlink_status(path));
    }
};

const std::map<std::string, std::string> kFirstVersion = {
    {"AI_Names.lst", "Ann\nBob\n"},   {"gfx.zkr", "pictures v1"},
    {"lvl/lvl1.dat", "level one v1"}, {"lvl/lvl2.dat", "level two v1"},
    {"models/Zinc.zmp", "zinc"},      {"music/lion.mid", "lion"},
    {"old.zkr", "withdrawn later"},   {"lvl/old.dat", "withdrawn, changed first"},
};

TEST_F(PlayerGameFolderTest, TheFirstStartCopiesTheShippedFilesAndLaterStartsLeaveThem) {
    Ship(kFirstVersion);
    EXPECT_EQ(Prepare().copied, 8);
    for (const auto& [path, bytes] : files_)
        EXPECT_EQ(Player(path), bytes) << path;
    for (const char* folder : {"gfx", "snd", "lvl", "music", "models"})
        EXPECT_TRUE(IsRealFolder(player_ / folder)) << folder;

    const auto stamp = fs::last_write_time(player_ / "gfx.zkr");
    const FolderPreparation again = Prepare();
    EXPECT_EQ(again.copied + again.kept + again.removed, 0);
    EXPECT_EQ(fs::last_write_time(player_ / "gfx.zkr"), stamp);

    // A shipped file the player deleted comes back; that is no new version.
    fs::remove(player_ / "lvl" / "lvl1.dat");
    const FolderPreparation restored = Prepare();
    EXPECT_EQ(restored.copied, 1);
    EXPECT_EQ(restored.refreshed, 0);
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one v1");
}

TEST_F(PlayerGameFolderTest, ANewVersionRefreshesItsCopiesAndKeepsWhatThePlayerMadeOrChanged) {
    Ship(kFirstVersion);
    Prepare();
    // The player edits a shipped level, saves levels of their own (one under a name
    // the next version ships) and leaves the editor's test level behind.
    WriteBytes(player_ / "lvl" / "lvl2.dat", "level two, my way");
    WriteBytes(player_ / "lvl" / "old.dat", "withdrawn, but I changed it");
    WriteBytes(player_ / "lvl" / "mine.dat", "my level");
    WriteBytes(player_ / "lvl" / "lvl3.dat", "my lvl3");
    WriteBytes(player_ / "lvl" / "EditTemp.dat", "test level");

    Ship({{"AI_Names.lst", "Ann\nBob\n"},
          {"gfx.zkr", "pictures v2, larger"},
          {"lvl/lvl1.dat", "level one v2"},
          {"lvl/lvl2.dat", "level two v2"},
          {"lvl/lvl3.dat", "level three"},
          {"lvl/lvl4.dat", "level four"},
          {"models/Zinc.zmp", "zinc"},
          {"music/lion.mid", "lion"}});
    const FolderPreparation report = Prepare();
    EXPECT_EQ(report.copied, 3);     // gfx.zkr, lvl1, lvl4
    EXPECT_EQ(report.refreshed, 2);  // gfx.zkr, lvl1
    EXPECT_EQ(report.kept, 2);       // lvl2, lvl3
    EXPECT_EQ(report.removed, 1);    // old.zkr

    EXPECT_EQ(Player("gfx.zkr"), "pictures v2, larger");
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one v2");
    EXPECT_EQ(Player("lvl/lvl4.dat"), "level four");
    EXPECT_EQ(Player("lvl/lvl2.dat"), "level two, my way");
    EXPECT_EQ(Player("lvl/lvl3.dat"), "my lvl3");
    EXPECT_EQ(Player("lvl/old.dat"), "withdrawn, but I changed it");
    EXPECT_EQ(Player("lvl/mine.dat"), "my level");
    EXPECT_EQ(Player("lvl/EditTemp.dat"), "test level");
    EXPECT_FALSE(fs::exists(player_ / "old.zkr"));

    // The player's files stay theirs through the next version too.
    Ship({{"lvl/lvl1.dat", "level one v3"}, {"lvl/lvl2.dat", "level two v3"}});
    Prepare();
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one v3");
    EXPECT_EQ(Player("lvl/lvl2.dat"), "level two, my way");
    EXPECT_EQ(Player("lvl/lvl3.dat"), "my lvl3");
    EXPECT_FALSE(fs::exists(player_ / "lvl" / "lvl4.dat"));
}

TEST_F(PlayerGameFolderTest, AFolderFilledBeforeItsRecordAdoptsTheShippedFilesItHolds) {
    // As a start broken off after copying, or a folder copied by hand: files that equal
    // the shipped ones become copies and are refreshed later; others are the player's.
    Ship(kFirstVersion);
    WriteBytes(player_ / "lvl" / "lvl1.dat", "level one v1");
    WriteBytes(player_ / "lvl" / "lvl2.dat", "someone's level two");
    EXPECT_EQ(Prepare().kept, 1);
    auto next = kFirstVersion;
    next["lvl/lvl1.dat"] = "level one v2";
    next["lvl/lvl2.dat"] = "level two v2";
    Ship(next);
    Prepare();
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one v2");
    EXPECT_EQ(Player("lvl/lvl2.dat"), "someone's level two");
}

TEST_F(PlayerGameFolderTest, LinksInTheFolderAreReplacedAndWhatTheyPointAtStaysUntouched) {
    Ship(kFirstVersion);
    fs::create_directories(player_);
    fs::create_directory_symlink(outside_, player_ / "lvl");
    fs::create_directory_symlink(outside_, player_ / "gfx");
    fs::create_directory_symlink(outside_, player_ / "music");
    fs::create_symlink(outside_ / "precious.txt", player_ / "gfx.zkr");
    fs::create_symlink(outside_ / "precious.txt", player_ / kShippedCopiesName);
    fs::create_symlink(outside_ / "precious.txt", player_ / kPreparationLockName);
    fs::create_symlink(outside_ / "new.txt", player_ / "AI_Names.lst.tmp");

    Prepare();
    ExpectOutsideUntouched();
    for (const char* folder : {"lvl", "gfx", "music"})
        EXPECT_TRUE(IsRealFolder(player_ / folder)) << folder;
    for (const auto& [path, bytes] : files_) {
        EXPECT_FALSE(fs::is_symlink(player_ / path)) << path;
        EXPECT_EQ(Player(path), bytes) << path;
    }
    EXPECT_FALSE(fs::is_symlink(player_ / kShippedCopiesName));
}

TEST_F(PlayerGameFolderTest, ListsThatNameFilesOutsideTheFolderAreNotFollowed) {
    // A damaged list of shipped files, and a record that names a file outside the
    // folder with its true size and time stamp, as if it were a copy now withdrawn.
    Ship({{"lvl/lvl1.dat", "level one"}});
    WriteBytes(shipped_ / kShippedListName,
               ReadBytes(shipped_ / kShippedListName) +
                   "h1 3 ../outside/precious.txt\nh2 3 /tmp/x\nh3 3 lvl/../../x\nh4 3 \nh5 x "
                   "lvl/a.dat\nh6 3 shipped-copies.lst\nh7 3 lvl//b.dat\n");
    struct stat st {};
    ASSERT_EQ(::stat((outside_ / "precious.txt").c_str(), &st), 0);
    const std::int64_t mtime =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    WriteBytes(player_ / kShippedCopiesName, "h0 " + std::to_string(st.st_size) + " " +
                                                 std::to_string(mtime) +
                                                 " ../outside/precious.txt\n");

    const FolderPreparation report = PreparePlayerGameFolder(shipped_, player_);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("has 7 lines that name no file"), std::string::npos)
        << report.problems[0];
    EXPECT_EQ(report.removed, 0);
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one");
    ExpectOutsideUntouched();
    EXPECT_FALSE(fs::exists(dir_.path() / "x"));
}

TEST_F(PlayerGameFolderTest, WhatStandsInTheWayIsMovedAsideOrReported) {
    Ship(kFirstVersion);
    WriteBytes(player_ / "lvl", "a file where the levels belong");
    fs::create_directories(player_ / "gfx.zkr");  // a folder where a file belongs
    const FolderPreparation report = PreparePlayerGameFolder(shipped_, player_);
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_NE(report.problems[0].find("lvl.not-a-folder"), std::string::npos);
    EXPECT_NE(report.problems[1].find("gfx.zkr"), std::string::npos);
    EXPECT_EQ(Player("lvl.not-a-folder"), "a file where the levels belong");
    EXPECT_EQ(Player("lvl/lvl1.dat"), "level one v1");

    // Without the list of shipped files nothing is made at all.
    const fs::path other = dir_.path() / "other";
    EXPECT_EQ(PreparePlayerGameFolder(dir_.path() / "nothing", other).problems.size(), 1u);
    EXPECT_FALSE(fs::exists(other));
}

TEST_F(PlayerGameFolderTest, GamesStartedTogetherPrepareTheFolderOnceAndWhole) {
    std::map<std::string, std::string> many;
    for (int i = 0; i < 40; ++i)
        many["lvl/lvl" + std::to_string(i) + ".dat"] = std::string(1000 + i, 'a' + i % 26);
    Ship(many);
    std::vector<FolderPreparation> reports(4);
    std::vector<std::thread> games;
    for (FolderPreparation& report : reports)
        games.emplace_back([&] { report = PreparePlayerGameFolder(shipped_, player_); });
    for (std::thread& t : games)
        t.join();

    int copied = 0;
    for (const FolderPreparation& r : reports) {
        EXPECT_TRUE(r.problems.empty());
        copied += r.copied;
    }
    EXPECT_EQ(copied, 40);
    for (const auto& [path, bytes] : files_)
        EXPECT_EQ(Player(path), bytes) << path;
    for (const auto& e : fs::recursive_directory_iterator(player_))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
    EXPECT_EQ(Prepare().copied, 0);
}

}  // namespace
}  // namespace zelkor
