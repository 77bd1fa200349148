#include "game/rules/movement.h"

#include <cmath>
#include <utility>

#include "game/rules/computer_snakes.h"

namespace zelkor {

void AdvanceHead(SnakeRecord& snake) {
    const Step step = StepOf(snake.dir);
    snake.x = static_cast<std::int16_t>(snake.x + step.dx);
    snake.y = static_cast<std::int16_t>(snake.y + step.dy);
}

void MoveSnake(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    if (game.world.Frozen) {
        snake.dir = Dir::None;
        return;
    }
    const Dir d = Steer(game, n);
    if (d != Dir::None) snake.dir = d;
    AdvanceHead(snake);
}

namespace {

bool TurnsFrom(Dir wanted, Dir current) {
    return wanted != Dir::None && wanted != current && wanted != Opposite(current);
}

}  // namespace

void RequestTurn(SnakeRecord& player, Dir d, bool quickTurns) {
    // A queued turn only counts behind a `nextDir` that the next step takes; one
    // left over from a stop or a reset is dropped here.
    const bool firstWaiting = TurnsFrom(player.nextDir, player.dir);
    if (!quickTurns || !firstWaiting) {
        player.queuedTurn = Dir::None;
        if (!quickTurns || TurnsFrom(d, player.dir)) player.nextDir = d;
        return;
    }
    if (player.queuedTurn == Dir::None && TurnsFrom(d, player.nextDir)) player.queuedTurn = d;
}

void TakePlayerDirection(SnakeRecord& player) {
    const bool turns = TurnsFrom(player.nextDir, player.dir);
    if (player.nextDir != player.dir && player.nextDir != Opposite(player.dir))
        player.dir = player.nextDir;
    const Dir queued = std::exchange(player.queuedTurn, Dir::None);
    if (turns && queued != Dir::None) player.nextDir = queued;
}

namespace {

// A straight piece perpendicular to the new direction turns into a corner.
Piece Follow(Piece old, Dir travel) {
    const Dir oldDir = PieceDir(old);
    if (Perpendicular(oldDir, travel)) return Corner(oldDir, travel);
    return StraightPiece(travel);
}

}  // namespace

void StepBody(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    // Slot 0: the cell the head has just left.
    const Step step = StepOf(snake.dir);
    BodySegment& left = snake.Segment(0);
    left.x = static_cast<std::int16_t>(snake.x - step.dx);
    left.y = static_cast<std::int16_t>(snake.y - step.dy);
    left.piece = Follow(left.piece, snake.dir);

    for (int i = snake.length; i >= 1; --i) {
        BodySegment& seg = snake.Segment(i);
        BodySegment& ahead = snake.Segment(i - 1);
        seg.x = ahead.x;
        seg.y = ahead.y;
        if (IsCorner(ahead.piece)) ahead.piece = StraightPiece(Straight(ahead.piece));
        seg.piece = Follow(seg.piece, PieceDir(ahead.piece));
    }

    const BodySegment& last = snake.Segment(snake.length);
    snake.tailPiece = last.piece;
    snake.tailX = last.x;
    snake.tailY = last.y;
}

void SetStepInterval(Game& game, int n, double ms) {
    game.timers.iWait[static_cast<std::size_t>(n - 1)].SetInterval(
        static_cast<int>(std::nearbyint(ms)), game.Now());
}

void GrowSnakes(Game& game) {
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        if (s.grow > 0) {
            s.AddLength(1);
            --s.grow;
        }
    }
}

void CapLengths(Game& game) {
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        if (s.length >= kMaxLength) s.length = kMaxLength;
    }
}

void ResetBody(Game& game, int n) {
    SnakeRecord& s = game.Snake(n);
    for (int i = 1; i <= s.length; ++i)
        s.Segment(i) = BodySegment{};
    s.length = 1;
    s.grow = 0;
    // The tail's picture goes with the body (a new level's screen must not show it).
    s.tailPiece = Piece::None;
}

void ClearPieces(Game& game, int n) {
    SnakeRecord& s = game.Snake(n);
    for (int i = 1; i <= s.length; ++i)
        s.Segment(i).piece = Piece::None;
    s.dir = Dir::None;
    s.tailPiece = Piece::None;
}

void WrapAround(SnakeRecord& s) {
    if (s.x < 1) s.x = 600;
    if (s.x > 614) s.x = 15;
    if (s.y < 1) s.y = 440;
    if (s.y > 454) s.y = 15;
}

bool InsidePlayfield(int x, int y) {
    return x >= 1 && x <= 614 && y >= 1 && y <= 454;
}

void ResetLists(Game& game) {
    World& w = game.world;
    for (ItemSlot& slot : w.Items(ItemKind::Power).slots)
        slot.visible = false;
    for (WallPiece& piece : w.WallPieces)
        piece.standing = false;
    for (SpawnPoint& point : w.SpawnPoints) {
        point.usable = false;
        point.state = SpawnState::Free();
    }
    for (int i = 1; i <= 300; ++i) {
        w.UserItemCells[i].hasGfx = false;
        w.UserItemCells[i].gfx.clear();
    }
}

}  // namespace zelkor
