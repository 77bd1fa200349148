#include "game/control/archives/unextract.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "game/control/archives/archive_service.h"
#include "game/control/headless/check_level.h"
#include "tests/common/hostile_files.h"
#include "tests/control/archives_fake.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;
using Kind = ArchiveEntry::Kind;
using testing::FakeArchives;

class UnextractTest : public testing::UnpackFolderTest {
protected:
    UnextractTest() {
        hooks_.setValue = [this](double percent) { percents_.push_back(percent); };
    }
    void Unpack(const std::vector<testing::FakeEntry>& entries) {
        readers_.archives[game_ / "lvl.zkr"] = entries;
        const UnextractContext context{readers_, game_, newInstall_, true, progress_, hooks_};
        ZkUnextractFile(context, game_ / "lvl.zkr", dest_, "kt90472");
    }
    std::string List() const { return ReadBytes(game_ / "cleanup-lvl.zkr.zkc"); }
    std::string Line(const fs::path& p) const { return p.string() + "\r\n"; }

    FakeArchives readers_;
    bool newInstall_ = true;
    std::vector<double> percents_;
};

TEST_F(UnextractTest, ListsUnpackedFilesButNotFoldersAndUsesExistingFoldersOfAnyCase) {
    fs::create_directories(dest_ / "snd");
    Unpack({{"Snd", Kind::Folder},
            {"Snd\\collect.wav", Kind::File, "wave"},
            {"New/deep/x.bmp", Kind::File, "bmp"},
            {"README", Kind::File, "a file without a dot is still a file"},
            {"v1.2", Kind::Folder}});
    EXPECT_EQ(ReadBytes(dest_ / "snd" / "collect.wav"), "wave");
    EXPECT_EQ(ReadBytes(dest_ / "New" / "deep" / "x.bmp"), "bmp");
    EXPECT_EQ(Tree(dest_), (std::vector<std::string>{"New", "New/deep", "New/deep/x.bmp", "README",
                                                     "snd", "snd/collect.wav", "v1.2"}));
    EXPECT_EQ(List(), Line(dest_ / "snd" / "collect.wav") + Line(dest_ / "New" / "deep" / "x.bmp") +
                          Line(dest_ / "README"));
}

TEST_F(UnextractTest, TheListReplacesWhateverStandsAtItsNameWithoutWritingThroughIt) {
    const fs::path list = game_ / "cleanup-lvl.zkr.zkc";
    const fs::path outside = root_ / "someone-elses.txt";
    WriteBytes(outside, "precious");
    fs::create_hard_link(outside, list);
    Unpack({{"a.bmp"}});
    EXPECT_EQ(ReadBytes(outside), "precious");
    EXPECT_EQ(List(), Line(dest_ / "a.bmp"));

    fs::remove(list);
    MakeFifo(list);
    ExpectTrueWithin(5, [&] {
        Unpack({{"b.bmp"}});
        return List() == Line(dest_ / "b.bmp");
    });
}

TEST_F(UnextractTest, PresentFilesAreSkippedButListedUnlessNewInstall) {
    const std::vector<testing::FakeEntry> archive = {{"a.bmp", Kind::File, "packed"}};
    Unpack(archive);
    WriteBytes(dest_ / "a.bmp", "changed");
    newInstall_ = false;
    Unpack(archive);
    EXPECT_EQ(ReadBytes(dest_ / "a.bmp"), "changed");
    EXPECT_EQ(List(), Line(dest_ / "a.bmp"));  // rewritten from empty: listed once
    newInstall_ = true;
    Unpack(archive);
    EXPECT_EQ(ReadBytes(dest_ / "a.bmp"), "packed");
    EXPECT_EQ(lines_, (std::vector<std::string>{"ZkUnextractFile: processing a.bmp",
                                                "ZkUnextractFile: skipping a.bmp",
                                                "ZkUnextractFile: processing a.bmp"}));
}

TEST_F(UnextractTest, EscapingNamesAndLinksAreRefusedAndWriteNothingAnywhere) {
    const fs::path outside = root_ / "outside";
    fs::create_directories(outside);
    fs::create_directory_symlink(outside, dest_ / "away");
    WriteBytes(outside / "planted.txt", "mine");  // a list planted as a link leads here
    fs::create_symlink(outside / "planted.txt", game_ / "cleanup-lvl.zkr.zkc");
    Unpack({{"../up.txt"},
            {"/abs.txt"},
            {"C:\\drive.txt"},
            {"ok\\..\\..\\up2.txt"},
            {"away/through.txt"},
            {"link.txt", Kind::Link},
            {"good.txt", Kind::File, "fine"}});
    EXPECT_EQ(Tree(root_ / "outside"), std::vector<std::string>{"planted.txt"});
    EXPECT_EQ(ReadBytes(outside / "planted.txt"), "mine");
    EXPECT_EQ(Tree(game_),
              (std::vector<std::string>{"cleanup-lvl.zkr.zkc", "gfx", "gfx/away", "gfx/good.txt"}));
    EXPECT_FALSE(fs::exists("/abs.txt"));
    EXPECT_EQ(List(), Line(dest_ / "good.txt"));
    EXPECT_EQ(lines_.size(), 7u);
    EXPECT_EQ(lines_[0], "ZkUnextractFile: refusing ../up.txt");
    EXPECT_EQ(lines_[4], "ZkUnextractFile: refusing away/through.txt");
    EXPECT_EQ(lines_[5], "ZkUnextractFile: refusing link.txt");
}

TEST_F(UnextractTest, AFailedEntryLeavesNothingBehindAndIsNotListed) {
    WriteBytes(dest_ / "old.bmp", "old");
    Unpack({{"old.bmp", Kind::File, "broken new", true},
            {"new.bmp", Kind::File, "broken", true},
            {"fine.bmp", Kind::File, "fine"}});
    EXPECT_EQ(Tree(dest_), (std::vector<std::string>{"fine.bmp", "old.bmp"}));
    EXPECT_EQ(ReadBytes(dest_ / "old.bmp"), "old");
    EXPECT_EQ(List(), Line(dest_ / "fine.bmp"));
    EXPECT_EQ(progress_.count, 1);
}

TEST_F(UnextractTest, ProgressAdvancesPerEntryAndShowsOnlyUpToTheTotal) {
    progress_.total = 2;
    const std::string longest = std::string(251, 'c') + ".bmp";  // 255 bytes, as long as allowed
    Unpack({{"a.bmp"}, {"b.bmp"}, {longest}});
    EXPECT_TRUE(fs::exists(dest_ / longest));
    EXPECT_EQ(progress_.count, 3);
    EXPECT_EQ(percents_, (std::vector<double>{50, 100}));
}

TEST_F(UnextractTest, TheServiceBindsTheGameAndFindsArchivesAndEntriesInAnyCase) {
    ManualClock clock;
    Game game(clock);
    game.run.debug = false;
    game.progress.total = 1;
    readers_.archives[game_ / "Bricks.ZKR"] = {{"bricks\\Brick2_v.bmp", Kind::File, "b"}};
    WriteBytes(game_ / "Bricks.ZKR", "");
    const GameFiles files(game_);
    GameArchiveService service(game, files, readers_, hooks_);

    EXPECT_TRUE(service.HoldsEntry("bricks.zkr", "kt90472", "Bricks\\brick2_v.BMP"));
    EXPECT_FALSE(service.HoldsEntry("bricks.zkr", "kt90472", "brick2_v.bmp"));
    EXPECT_FALSE(service.HoldsEntry("..\\game\\bricks.zkr", "kt90472", "bricks\\brick2_v.bmp"));
    service.Unextract("\\bricks.zkr", "\\GFX\\", "kt90472");
    EXPECT_EQ(ReadBytes(dest_ / "bricks" / "Brick2_v.bmp"), "b");
    EXPECT_EQ(game.progress.count, 1);
    EXPECT_EQ(percents_, std::vector<double>{100});
    EXPECT_TRUE(lines_.empty());  // no debug lines without "/Debug"
    service.Unextract("..\\outside.zkr", "\\gfx\\", "");
    service.Unextract("bricks.zkr", "..\\..\\", "");
    EXPECT_EQ(game.progress.count, 1);
}

TEST_F(UnextractTest, CheckLevelFindsSetPicturesInArchivesRequiredBeforeThem) {
    const fs::path level = fs::path(ZELKOR_TEST_DATA_DIR) / "levels" / "editor_layout.dat";
    const auto hasGfx = [&](ArchiveReaderFactory* archives) {
        std::ostringstream out;
        RunCheckLevel(level, game_, out, archives);
        const nlohmann::json doc = nlohmann::json::parse(out.str());
        std::vector<bool> found;
        for (const auto& cell : doc["userItems"])
            found.push_back(cell["hasGfx"]);
        return found;
    };
    readers_.archives[game_ / "bricks.zkr"] = {{"Bricks/Brick2_V.bmp"}};
    EXPECT_EQ(hasGfx(&readers_), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(hasGfx(nullptr), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Tree(game_), std::vector<std::string>{"gfx"});  // nothing unpacked

    // The loader unpacks a required ".ZKR" as well, so its pictures count too.
    std::ofstream(game_ / "upper.dat")
        << "a 0\n\nRequires=BRICKS.ZKR\nset:a=bricks\\brick2_v.bmp\n";
    readers_.archives[game_ / "BRICKS.ZKR"] = {{"Bricks/Brick2_V.bmp"}};
    std::ostringstream out;
    RunCheckLevel(game_ / "upper.dat", game_, out, &readers_);
    EXPECT_EQ(nlohmann::json::parse(out.str())["userItems"][0]["hasGfx"], true);
}

}  // namespace
}  // namespace zelkor
