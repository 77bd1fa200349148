#include "game/rules/computer_snakes.h"

#include <set>

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

// Computer snake 2 steers; the player waits in the far corner, out of the way.
class Steering : public RulesTest {
protected:
    Steering() {
        game.Player().x = 590;
        game.Player().y = 430;
    }
    Dir SteerFrom(int x, int y, Dir cur) {
        PutSnake(2, x, y, cur);
        return Steer(game, 2);
    }
};

TEST_F(Steering, EveryStepOfTheRule) {
    struct Wall {
        int x, y;
    };
    struct Case {
        const char* what;
        int hx, hy;
        Dir cur;
        int tx, ty;
        std::vector<Wall> walls;
        Dir expected;
    };
    const Dir F = Dir::Forw, B = Dir::Back, L = Dir::Left, R = Dir::Right;
    const Case cases[] = {
        {"the axis with the larger distance", 310, 230, L, 210, 220, {}, L},
        {"equal distances: the vertical axis", 310, 250, L, 250, 190, {}, F},
        // Standing on the target leaves this call without a candidate; later calls
        // (and other snakes) still seek their targets.
        {"on the target: no candidate", 310, 230, L, 310, 230, {}, Dir::None},
        {"left edge", 10, 230, L, 310, 230, {}, B},
        {"left edge, bottom", 10, 470, L, 310, 230, {}, F},
        {"right edge", 610, 230, R, 310, 230, {}, F},
        {"right edge, top", 610, 10, R, 310, 230, {}, B},
        {"top edge, left corner", 10, 10, F, 310, 230, {}, R},
        {"top edge", 150, 10, F, 310, 230, {}, L},
        {"bottom edge", 150, 450, B, 310, 230, {}, R},
        {"bottom edge, right corner", 630, 450, B, 310, 230, {}, L},
        {"no edge at 21: reversal guard", 21, 250, L, 310, 230, {}, F},
        {"blocked: the alternative", 210, 230, L, 110, 230, {{190, 230}}, F},
        {"blocked twice: no third check", 210, 230, L, 110, 230, {{190, 230}, {210, 210}}, L},
        {"reversal on the target's row", 310, 230, R, 110, 230, {}, B},
        {"reversal toward the target's row", 310, 230, R, 110, 210, {}, F},
        {"moving up, target below left", 310, 230, F, 290, 330, {}, L},
        {"moving up, target below", 310, 230, F, 310, 330, {}, R},
        {"moving down, target above", 310, 230, B, 310, 130, {}, R},
        {"moving down, sideways turn blocked", 310, 230, B, 310, 130, {{330, 230}}, B},
    };
    for (const Case& c : cases) {
        for (int i = 1; i <= 2; ++i)
            game.world.WallPieces[i] = WallPiece{};
        int i = 0;
        for (const Wall& w : c.walls)
            PutWall(++i, w.x, w.y).standing = false;  // fallen walls count
        PutItem(ItemKind::Yellow, 1, c.tx, c.ty);
        EXPECT_EQ(DirName(SteerFrom(c.hx, c.hy, c.cur)), DirName(c.expected)) << c.what;
    }
}

TEST_F(Steering, TargetsAndObstacles) {
    PutItem(ItemKind::Yellow, 1, 210, 230);  // 100 to the left
    PutItem(ItemKind::Red, 1, 310, 170);     // 60 up: the smaller sum
    EXPECT_EQ(SteerFrom(310, 230, Dir::Left), Dir::Forw);
    PutItem(ItemKind::Yellow, 1, 250, 230);  // 60 to the left: a tie keeps yellow
    EXPECT_EQ(SteerFrom(310, 230, Dir::Left), Dir::Left);
    PutItem(ItemKind::Blue, 3, 310, 270).visible = false;  // hidden slots count too
    PutItem(ItemKind::Black, 1, 310, 250);                 // never a target
    EXPECT_EQ(SteerFrom(310, 230, Dir::Left), Dir::Back);

    // Only the first 200 wall slots; other snakes' bodies and tail tips, not its own.
    game.world.Items(ItemKind::Blue).count = 0;
    game.world.Items(ItemKind::Red).count = 0;
    PutItem(ItemKind::Yellow, 1, 110, 230);
    PutWall(201, 230, 230);
    EXPECT_EQ(SteerFrom(250, 230, Dir::Left), Dir::Left);
    PutSnake(3, 400, 400, Dir::None);
    LayBody(3, 230, 230, 0, 20, 1);
    EXPECT_EQ(SteerFrom(250, 230, Dir::Left), Dir::Forw);
    LayBody(3, 400, 420, 0, 20, 1);
    game.Snake(3).tailX = 230;
    game.Snake(3).tailY = 230;
    EXPECT_EQ(SteerFrom(250, 230, Dir::Left), Dir::Forw);
    game.Snake(3).tailX = 400;
    LayBody(2, 230, 230, 20, 0, 1);
    EXPECT_EQ(SteerFrom(250, 230, Dir::Left), Dir::Left);
}

TEST_F(RulesTest, ComputerSnakesStartNamedAndStop) {
    game.world.NumSnakes = 3;
    game.Snake(2).startX = 50;
    game.Snake(3).speed = 80;
    StartComputerSnakes(game, host);
    EXPECT_EQ(game.Snake(2).name, "AI_Snake 1");  // no name list
    EXPECT_EQ(game.Snake(3).name, "AI_Snake 2");
    EXPECT_TRUE(game.Snake(2).dir == Dir::Forw && game.Snake(2).nextDir == Dir::Forw);
    EXPECT_EQ(game.Snake(2).x, 50);
    EXPECT_EQ(game.Snake(3).curSpeed, 80);
    EXPECT_TRUE(game.timers.iWait[1].enabled && game.timers.iWait[2].enabled);
    EXPECT_FALSE(game.timers.iWait[0].enabled);
    StopComputerSnakes(game);
    EXPECT_FALSE(game.timers.iWait[2].enabled);
    EXPECT_EQ(game.Snake(3).dir, Dir::None);
    StartAITimers(game);
    EXPECT_TRUE(game.timers.iWait[2].enabled);
    EXPECT_EQ(game.timers.iWait[2].interval, 80);

    host.aiNames = std::vector<std::string>{"Zed\r"};  // read again for each snake
    StartComputerSnakes(game, host);
    EXPECT_EQ(game.Snake(2).name, "<bot> Zed");
    EXPECT_EQ(game.Snake(3).name, "<bot> Zed");
    host.aiNames = std::vector<std::string>{"", ""};  // no usable name: the draw gives up
    StartComputerSnakes(game, host);
    EXPECT_EQ(game.Snake(3).name, "AI_Snake 2");
    host.aiNames = std::vector<std::string>(120, "X");
    LoadAINames(game, host);
    EXPECT_EQ(game.AINameCount, 99);

    EXPECT_EQ(PickModel(game, host), 0);  // a single model
    host.highestModel = 3;
    std::set<int> models;
    for (int i = 0; i < 200; ++i)
        models.insert(PickModel(game, host));
    EXPECT_EQ(models, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace zelkor
