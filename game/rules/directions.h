#pragma once

#include <cstdint>
#include <string_view>

namespace zelkor {

// A direction word: "Forw" (up), "Back" (down), "Left", "Right", or standing still.
enum class Dir : std::uint8_t { None, Forw, Back, Left, Right };

// What a body segment or the tail tip shows: a straight piece travelling one way,
// or a corner named by the direction before and after the turn.
enum class Piece : std::uint8_t { None, Forw, Back, Left, Right, FL, FR, BL, BR, LF, LB, RF, RB };

std::string_view DirName(Dir d);
std::string_view PieceName(Piece p);

Dir Opposite(Dir d);
bool IsCorner(Piece p);
// The straight piece for a direction word (None for None).
Piece StraightPiece(Dir d);
// The direction of a straight piece; None for corners and the empty piece.
Dir PieceDir(Piece p);
bool Perpendicular(Dir a, Dir b);

// `Corner`(before, after): the corner code for a perpendicular pair.
Piece Corner(Dir before, Dir after);
// `Straight`(code): the direction word of a corner code's second letter.
Dir Straight(Piece corner);

// The head offset of one step (20 pixels) in a direction.
struct Step {
    int dx;
    int dy;
};
Step StepOf(Dir d);

}  // namespace zelkor
