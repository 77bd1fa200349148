// A headless run unpacks the game's archives and, at its end, cleans up as the
// game's exit does.
#include <gtest/gtest.h>

#include "game/rules/game.h"
#include "tests/scenarios/replay.h"
#include "tools/zkpack/archive_writer.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;

// A picture archive with one picture, which every run unpacks.
void AddPictureArchive(const fs::path& dir) {
    zkpack::ArchiveWriter gfx(dir / "gfx.zkr", zkpack::ArchiveFormat::Zip, kArchivePassword);
    gfx.AddFolder("gfx/");
    gfx.AddFile("gfx/menu.bmp", "BM picture");
    gfx.Finish();
}

TEST(HeadlessCleanUp, TheEndOfARunDeletesWhatWasUnpackedAndItsList) {
    scenario::Replay replay;
    const fs::path& dir = replay.dir();
    AddPictureArchive(dir);
    replay.Play("", 300, "");
    EXPECT_FALSE(fs::exists(dir / "gfx" / "menu.bmp"));
    EXPECT_FALSE(fs::exists(dir / "cleanup-gfx.zkr.zkc"));
    EXPECT_TRUE(fs::exists(dir / "gfx.zkr"));
    EXPECT_TRUE(fs::exists(dir / "lvl" / "lvl1.dat"));
}

TEST(HeadlessCleanUp, NoCleanUpKeepsTheUnpackedFilesAndTheirList) {
    scenario::Replay replay;
    const fs::path& dir = replay.dir();
    AddPictureArchive(dir);
    replay.Play("/NoClean=True", 300, "");
    EXPECT_EQ(ReadBytes(dir / "gfx" / "menu.bmp"), "BM picture");
    EXPECT_TRUE(fs::exists(dir / "cleanup-gfx.zkr.zkc"));
}

}  // namespace
}  // namespace zelkor
