#include "game/rules/movement.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zelkor {
namespace {

class MovementTest : public ::testing::Test {
protected:
    MovementTest() : game(clock) {}

    // Puts snake 1 at (x, y) moving `dir` with a straight body behind it.
    SnakeRecord& PlaceSnake(int x, int y, Dir dir, int length) {
        SnakeRecord& s = game.Snake(1);
        s.x = static_cast<std::int16_t>(x);
        s.y = static_cast<std::int16_t>(y);
        s.dir = dir;
        s.length = static_cast<std::int16_t>(length);
        return s;
    }

    // One step: head advance and body step, as the main loop does it.
    void Step(Dir dir) {
        SnakeRecord& s = game.Snake(1);
        s.dir = dir;
        AdvanceHead(s);
        StepBody(game, 1);
    }

    ManualClock clock;
    Game game;
};

TEST_F(MovementTest, AReversalRequestIsIgnoredAndKept) {
    SnakeRecord& s = PlaceSnake(310, 230, Dir::Forw, 1);
    s.nextDir = Dir::Back;
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::Forw);
    EXPECT_EQ(s.nextDir, Dir::Back);
    s.nextDir = Dir::Left;
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::Left);
    s.dir = Dir::None;
    s.nextDir = Dir::Back;
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::Back) << "a standing snake may start any way";
}

// The directions the player moves in over the next steps, after these arrow presses
// from a snake moving `start` (None: standing).
std::vector<Dir> Steps(Dir start, std::initializer_list<Dir> presses, bool quickTurns,
                       int steps = 3) {
    SnakeRecord s;
    s.dir = s.nextDir = start;
    for (Dir d : presses)
        RequestTurn(s, d, quickTurns);
    std::vector<Dir> taken;
    for (int i = 0; i < steps; ++i) {
        TakePlayerDirection(s);
        taken.push_back(s.dir);
    }
    return taken;
}

TEST(QuickTurns, UpToTwoTurnsWaitAndAreTakenOnePerStep) {
    using enum Dir;
    using Dirs = std::vector<Dir>;
    // Turning back along a corridor: with one waiting direction the second press
    // overwrites the first, and a reversal is no turn at all.
    EXPECT_EQ(Steps(Forw, {Left, Back}, true), (Dirs{Left, Back, Back}));
    EXPECT_EQ(Steps(Forw, {Left, Back}, false), (Dirs{Forw, Forw, Forw}));
    EXPECT_EQ(Steps(None, {Forw, Left}, true), (Dirs{Forw, Left, Left}));
    EXPECT_EQ(Steps(None, {Forw, Left}, false), (Dirs{Left, Left, Left}));
    // A press that reverses or repeats the direction after the waiting turns is refused,
    // and so is a third turn.
    EXPECT_EQ(Steps(Forw, {Left, Right}, true), (Dirs{Left, Left, Left}));
    EXPECT_EQ(Steps(Forw, {Left, Right}, false), (Dirs{Right, Right, Right}));
    EXPECT_EQ(Steps(Forw, {Left, Left, Back}, true), (Dirs{Left, Back, Back}));
    EXPECT_EQ(Steps(Forw, {Back, Forw, Right}, true), (Dirs{Right, Right, Right}));
    EXPECT_EQ(Steps(Forw, {Left, Back, Right}, true), (Dirs{Left, Back, Back}));
    EXPECT_EQ(Steps(None, {Forw, Back}, true), (Dirs{Forw, Forw, Forw}));
}

TEST(QuickTurns, ATurnWaitingBehindAStopIsDropped) {
    SnakeRecord s;
    s.dir = s.nextDir = Dir::Forw;
    RequestTurn(s, Dir::Left, true);
    RequestTurn(s, Dir::Back, true);
    s.dir = s.nextDir = Dir::None;  // a death or a new level stops the snake
    TakePlayerDirection(s);
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::None) << "the snake waits for a key";
    RequestTurn(s, Dir::Back, true);
    RequestTurn(s, Dir::Right, true);
    RequestTurn(s, Dir::Left, true);
    s.dir = s.nextDir = Dir::None;
    RequestTurn(s, Dir::Forw, true);  // the first press after the stop starts afresh
    RequestTurn(s, Dir::Left, true);
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::Forw);
    TakePlayerDirection(s);
    EXPECT_EQ(s.dir, Dir::Left);
}

TEST_F(MovementTest, GrowthIsPaidOneSegmentPerFrameAndLengthIsCapped) {
    game.world.NumSnakes = 2;
    game.Snake(1).grow = 3;
    GrowSnakes(game);
    EXPECT_EQ(game.Snake(1).length, 2);
    EXPECT_EQ(game.Snake(1).grow, 2);
    GrowSnakes(game);
    GrowSnakes(game);
    GrowSnakes(game);
    EXPECT_EQ(game.Snake(1).length, 4);
    game.Snake(2).length = 120;
    CapLengths(game);
    EXPECT_EQ(game.Snake(2).length, 99);
}

TEST_F(MovementTest, WrapTargetsAreFixed) {
    SnakeRecord s;
    s.x = -5;
    s.y = 100;
    WrapAround(s);
    EXPECT_EQ(s.x, 600);
    s.x = 630;
    WrapAround(s);
    EXPECT_EQ(s.x, 15);
    s.x = 100;
    s.y = -10;
    WrapAround(s);
    EXPECT_EQ(s.y, 440);
    s.y = 470;
    WrapAround(s);
    EXPECT_EQ(s.y, 15);
    EXPECT_TRUE(InsidePlayfield(614, 454));
    EXPECT_FALSE(InsidePlayfield(615, 10));
    EXPECT_FALSE(InsidePlayfield(10, 0));
}

TEST_F(MovementTest, ResetBodyPutsSegmentsOutOfPlay) {
    SnakeRecord& s = PlaceSnake(310, 230, Dir::Left, 5);
    for (int i = 0; i < 6; ++i)
        Step(Dir::Left);
    s.grow = 2;
    ResetBody(game, 1);
    EXPECT_EQ(s.length, 1);
    EXPECT_EQ(s.grow, 0);
    EXPECT_EQ(s.body[3].x, -20);
    EXPECT_EQ(s.body[3].piece, Piece::None);
    s.body[1].piece = Piece::Left;
    ClearPieces(game, 1);
    EXPECT_EQ(s.body[1].piece, Piece::None);
    EXPECT_EQ(s.dir, Dir::None);
    EXPECT_EQ(s.tailPiece, Piece::None);
}

}  // namespace
}  // namespace zelkor
