#include "common/paths.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zelkor
