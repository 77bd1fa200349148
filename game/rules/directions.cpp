#include "game/rules/directions.h"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 5> kDirNames{"", "Forw", "Back", "Left", "Right"};
constexpr std::array<std::string_view, 13> kPieceNames{
    "", "Forw", "Back", "Left", "Right", "FL", "FR", "BL", "BR", "LF", "LB", "RF", "RB"};

}  // namespace

std::string_view DirName(Dir d) {
    return kDirNames[static_cast<std::size_t>(d)];
}
std::string_view PieceName(Piece p) {
    return kPieceNames[static_cast<std::size_t>(p)];
}

Dir Opposite(Dir d) {
    switch (d) {
        case Dir::Forw:
            return Dir::Back;
        case Dir::Back:
            return Dir::Forw;
        case Dir::Left:
            return Dir::Right;
        case Dir::Right:
            return Dir::Left;
        case Dir::None:
            break;
    }
    return Dir::None;
}

bool IsCorner(Piece p) {
    return p >= Piece::FL;
}

Piece StraightPiece(Dir d) {
    return static_cast<Piece>(static_cast<std::uint8_t>(d));
}

Dir PieceDir(Piece p) {
    return IsCorner(p) ? Dir::None : static_cast<Dir>(static_cast<std::uint8_t>(p));
}

bool Perpendicular(Dir a, Dir b) {
    const bool aVertical = a == Dir::Forw || a == Dir::Back;
    const bool bVertical = b == Dir::Forw || b == Dir::Back;
    return a != Dir::None && b != Dir::None && aVertical != bVertical;
}

Piece Corner(Dir before, Dir after) {
    switch (before) {
        case Dir::Forw:
            return after == Dir::Left ? Piece::FL : after == Dir::Right ? Piece::FR : Piece::None;
        case Dir::Back:
            return after == Dir::Left ? Piece::BL : after == Dir::Right ? Piece::BR : Piece::None;
        case Dir::Left:
            return after == Dir::Forw ? Piece::LF : after == Dir::Back ? Piece::LB : Piece::None;
        case Dir::Right:
            return after == Dir::Forw ? Piece::RF : after == Dir::Back ? Piece::RB : Piece::None;
        case Dir::None:
            break;
    }
    return Piece::None;
}

Dir Straight(Piece corner) {
    switch (corner) {
        case Piece::FL:
        case Piece::BL:
            return Dir::Left;
        case Piece::FR:
        case Piece::BR:
            return Dir::Right;
        case Piece::LF:
        case Piece::RF:
            return Dir::Forw;
        case Piece::LB:
        case Piece::RB:
            return Dir::Back;
        default:
            return PieceDir(corner);
    }
}

Step StepOf(Dir d) {
    switch (d) {
        case Dir::Forw:
            return {0, -20};
        case Dir::Back:
            return {0, 20};
        case Dir::Left:
            return {-20, 0};
        case Dir::Right:
            return {20, 0};
        case Dir::None:
            break;
    }
    return {0, 0};
}

}  // namespace zelkor
