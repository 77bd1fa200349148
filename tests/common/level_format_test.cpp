#include "common/level_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/level_summary.h"

namespace zelkor {
namespace {

TEST(GridCodes, EveryCodeMapsBackToItself) {
    for (char code : kWallCodes)
        EXPECT_EQ(WallCode(*WallKindOfCode(code)), code);
    for (int snake = 1; snake <= kMaxSnakes; ++snake)
        EXPECT_EQ(StartSnakeOfCode(StartCode(snake)), snake);
    // No character is two things at once.
    for (int c = 0; c < 256; ++c) {
        const char code = static_cast<char>(c);
        const int kinds = WallKindOfCode(code).has_value() + (StartSnakeOfCode(code) != 0) +
                          (code == kSpawnPointCode) + IsUserItemCode(code);
        EXPECT_LE(kinds, 1) << c;
    }
    EXPECT_EQ(StartSnakeOfCode('F'), 16);
    EXPECT_EQ(StartSnakeOfCode(kEmptyCellCode), 0);
    EXPECT_EQ(UserItemSlotOfLetter('z'), kMaxUserItems);
    EXPECT_EQ(UserItemSlotOfLetter('{'), 0);
    EXPECT_DEATH(StartCode(17), "");
}

std::string Level(std::string_view grid, std::string_view keys) {
    return std::string(grid) + std::string(21, '\n') + std::string(keys);
}

TEST(LevelSummary, FollowsTheLinesInFileOrder) {
    std::vector<std::string> required;
    LevelSummaryHooks hooks;
    hooks.requiredFile = [&](const std::string& name) { required.push_back(name); };
    // Only pictures named after a required archive "exist".
    hooks.gfxExists = [&](const std::string& name) { return !required.empty() && name == "x.bmp"; };
    const LevelSummary level = SummarizeLevel(
        ReadLevelText(Level(
            "a 2 b S a 0 ",
            "set:a=x.bmp\nlet:a=wall\nRequires=pack.zkr\nset:a=x.bmp\nlet:b=ani_wall\nset:b=y.bmp\n"
            "numRed= 3\nnumRed= 4\n")),
        hooks);
    ASSERT_FALSE(level.error);
    EXPECT_EQ(required, std::vector<std::string>{"pack.zkr"});
    ASSERT_EQ(level.userItems.size(), 3u);
    EXPECT_EQ(level.userItems[0].gfx, "x.bmp") << "found once the archive was named";
    EXPECT_EQ(level.userItems[0].decl, "wall");
    EXPECT_EQ(level.userItems[1].gfx, "B") << "y.bmp exists nowhere";
    EXPECT_EQ(level.userItems[1].decl, "ani_wall");
    EXPECT_EQ(level.StartCount(), 2);
    EXPECT_EQ(level.lastStart, 1);
    EXPECT_EQ(level.Number(LevelKey::numRed, -1), 4) << "the last line wins";
    EXPECT_EQ(level.Number(LevelKey::numBlue, -1), -1);
    EXPECT_EQ(level.Key(LevelKey::Requires), nullptr);
}

}  // namespace
}  // namespace zelkor
