// A headless run unpacks the game's archives and, at its end, cleans up as the
// game's exit does.
#include <gtest/gtest.h>

#include "game/rules/game.h"
#include "tests/scenarios/scenario.h"
#include "tools/zkpack/archive_writer.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;

fs::path GameFolderWithPictures(const std::string& name) {
    const fs::path dir = scenario::MakeGameFolder(name);
    zkpack::ArchiveWriter gfx(dir / "gfx.zkr", zkpack::ArchiveFormat::Zip, kArchivePassword);
    gfx.AddFolder("gfx/");
    gfx.AddFile("gfx/menu.bmp", "BM picture");
    gfx.Finish();
    return dir;
}

HeadlessOptions ShortRun(const fs::path& dir, std::string commandLine) {
    HeadlessOptions o;
    o.gameDir = dir;
    o.runMs = 300;
    o.commandLine = std::move(commandLine);
    return o;
}

TEST(HeadlessCleanUp, TheEndOfARunDeletesWhatWasUnpackedAndItsList) {
    const fs::path dir = GameFolderWithPictures("cleanup");
    const auto run = scenario::RunGame(ShortRun(dir, ""), "");
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(fs::exists(dir / "gfx" / "menu.bmp"));
    EXPECT_FALSE(fs::exists(dir / "cleanup-gfx.zkr.zkc"));
    EXPECT_TRUE(fs::exists(dir / "gfx.zkr"));
    EXPECT_TRUE(fs::exists(dir / "lvl" / "lvl1.dat"));
}

TEST(HeadlessCleanUp, NoCleanUpKeepsTheUnpackedFilesAndTheirList) {
    const fs::path dir = GameFolderWithPictures("nocleanup");
    const auto run = scenario::RunGame(ShortRun(dir, "/NoClean=True"), "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(scenario::ReadFile(dir / "gfx" / "menu.bmp"), "BM picture");
    EXPECT_TRUE(fs::exists(dir / "cleanup-gfx.zkr.zkc"));
}

}  // namespace
}  // namespace zelkor
