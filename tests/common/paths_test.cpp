#include "common/paths.h"

#include <gtest/gtest.h>

#include "common/game_files.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
protected:
    PathsTest() { folder_.Touch("gfx/Bricks/brick2_v.bmp"); }
    TempFolder folder_;
    const fs::path root_ = folder_.path();
};

TEST(ToRelativePath, TurnsBackslashPathsIntoRelativeSlashPaths) {
    EXPECT_EQ(ToRelativePath("\\gfx\\menu\\bkg.bmp"), "gfx/menu/bkg.bmp");
    EXPECT_EQ(ToRelativePath("bricks\\brick2_v.bmp"), "bricks/brick2_v.bmp");
    EXPECT_EQ(ToRelativePath("a\\\\b/"), "a/b");
}

TEST_F(PathsTest, FindsFilesWhateverTheCaseOfTheirLetters) {
    EXPECT_TRUE(PathExists(root_, "\\GFX\\bricks\\BRICK2_V.bmp"));
    EXPECT_EQ(ResolvePath(root_, "gfx\\bricks\\brick2_v.bmp"),
              root_ / "gfx" / "Bricks" / "brick2_v.bmp");
    EXPECT_FALSE(PathExists(root_, "gfx\\bricks\\missing.bmp"));
}

TEST_F(PathsTest, MissingComponentsAreKeptAsWrittenBelowTheFoundOnes) {
    EXPECT_EQ(ResolvePath(root_, "GFX/new/File.bmp"), root_ / "gfx" / "new" / "File.bmp");
}

TEST_F(PathsTest, InsideMeansBelowTheFolderAfterDotDot) {
    EXPECT_TRUE(IsInside(root_, root_ / "gfx" / "x.bmp"));
    EXPECT_FALSE(IsInside(root_, root_ / "gfx" / ".." / ".." / "x.bmp"));
    EXPECT_FALSE(IsInside(root_ / "gfx", root_ / "gfxother" / "x"));
}

// The game's paths name files below the game folder whether or not the folder is
// written in front; only the level the player names may lead out of it.
TEST_F(PathsTest, GamePathsStayInTheGameFolderUnlessThePlayerNamesTheLevel) {
    WriteBytes(root_ / "game" / "lvl" / "Lvl1.DAT", "level");
    WriteBytes(root_ / "outside.dat", "secret");
    const GameFiles files(root_ / "game");
    EXPECT_EQ(files.ReadLevelFile(files.FolderPath("lvl", "lvl1.dat")), "level");
    EXPECT_EQ(files.ReadLevelFile("\\LVL\\lvl1.dat"), "level");
    const std::string up = files.FolderPath("lvl", "..\\..\\outside.dat");
    EXPECT_EQ(files.ReadLevelFile(up), std::nullopt);
    EXPECT_FALSE(files.Exists("\\gfx\\..\\..\\outside.dat"));
    EXPECT_EQ(files.ReadLevelFile(up, GameFiles::Reach::Anywhere), "secret");
}

}  // namespace
}  // namespace zelkor
