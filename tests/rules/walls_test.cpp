#include "game/rules/walls.h"

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using Walls = RulesTest;

TEST_F(Walls, OneTntPaysForTwoBlastsOverTheWholeCall) {
    SnakeRecord& p = game.Player();
    p.tnt = 1;
    PutWall(1, 300, 220);
    WallCheck(game, host);
    EXPECT_FALSE(game.world.WallPieces[1].standing);
    EXPECT_EQ(p.tnt, 1);  // one blast keeps the TNT

    PutWall(2, 300, 220);
    PutWall(3, 310, 230);
    WallCheck(game, host);
    EXPECT_FALSE(game.world.WallPieces[3].standing);
    EXPECT_EQ(p.tnt, 0);
    EXPECT_EQ(host.Count(kExplodeSound), 3);

    // The count runs across snakes: the second single blast of the call costs a TNT.
    p.tnt = 1;
    SnakeRecord& bot = PutSnake(2, 110, 110, Dir::Left);
    bot.tnt = 1;
    PutWall(4, 300, 220);
    PutWall(5, 100, 100);
    WallCheck(game, host);
    EXPECT_EQ(p.tnt, 1);
    EXPECT_EQ(bot.tnt, 0);
    EXPECT_EQ(p.deaths + bot.deaths, 0);
}

TEST_F(Walls, WithoutTntAWallKillsUnlessTheSnakePassesThrough) {
    PutWall(1, 300, 220);
    game.Player().atomic = true;
    WallCheck(game, host);
    game.Player().atomic = false;
    game.cheats.godMode = true;
    WallCheck(game, host);
    EXPECT_EQ(game.Player().deaths, 0);
    game.cheats.godMode = false;
    WallCheck(game, host);
    EXPECT_EQ(game.Player().deaths, 1);
    EXPECT_TRUE(game.world.WallPieces[1].standing);
}

TEST_F(Walls, UserItemWalls) {
    game.level.UserItemGfx = true;
    game.world.userItemCount = 2;
    UserItemCell& wall = game.world.UserItemCells[1];
    wall = {300, 220, true, "brick.bmp", "ani_wall"};
    game.world.UserItemCells[2] = {400, 100, false, "rock.bmp", "wall_no_tnt"};
    SnakeRecord& p = game.Player();
    p.tnt = 2;
    WallCheck(game, host);
    EXPECT_FALSE(wall.hasGfx);  // blasted
    EXPECT_EQ(p.deaths, 0);

    p.x = 410;  // "wall_no_tnt" kills with TNT in hand, whatever its graphic flag
    p.y = 110;
    WallCheck(game, host);
    EXPECT_EQ(p.deaths, 1);
}

}  // namespace
}  // namespace zelkor
