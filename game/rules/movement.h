#pragma once

#include "game/rules/game.h"

namespace zelkor {

// `MoveSnake`(n): one step of computer snake n: its steering decision, then the
// head advance. While `Frozen` the snake stands with an empty `dir`.
void MoveSnake(Game& game, int n);

// Moves the head of snake n one cell (20 pixels) in its `dir`.
void AdvanceHead(SnakeRecord& snake);

// An arrow key steering the player. Without quick turns it replaces `nextDir`.
// With them up to two turns wait, taken one per step: a press is refused when it
// repeats or reverses the direction the snake will have after the turns already
// waiting, or when two are waiting.
void RequestTurn(SnakeRecord& player, Dir d, bool quickTurns);

// The player's direction for the next step: `nextDir` unless it would reverse.
// A turn queued behind it moves up once `nextDir` has been taken.
void TakePlayerDirection(SnakeRecord& player);

// `StepBody`(n): the body follows the head that has just advanced; corner codes
// travel down the body one segment per step, and the tail fields take the last
// segment's piece and position.
void StepBody(Game& game, int n);

// `GrowSnakes`: pending growth is paid out at one segment per frame.
void GrowSnakes(Game& game);

// `CapLengths`: no snake is longer than 99 segments.
void CapLengths(Game& game);

// The step timer that paces snake n gets a new interval in milliseconds (a
// fractional value is rounded as window timers take it).
void SetStepInterval(Game& game, int n, double ms);

// `ResetBody`(n): every segment out of play at (-20, -20), no tail drawn; length 1, no
// growth owed.
void ResetBody(Game& game, int n);

// `ClearPieces`(n): every segment's piece, `dir` and `tailPiece` become empty.
void ClearPieces(Game& game, int n);

// The wrap-around of a head that left the playfield, tested in this order:
// X < 1 -> 600, X > 614 -> 15, Y < 1 -> 440, Y > 454 -> 15.
void WrapAround(SnakeRecord& snake);

// True while 1 <= X <= 614 and 1 <= Y <= 454.
bool InsidePlayfield(int x, int y);

// The list resets of a level reset: power items hidden, every wall piece fallen,
// every spawn point cleared, the graphic flag and letter of the first 300
// user-item cells cleared.
void ResetLists(Game& game);

}  // namespace zelkor
