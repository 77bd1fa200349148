#include "game/rules/directions.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(Directions, CornerNamesTheTurnBeforeAndAfter) {
    EXPECT_EQ(Corner(Dir::Forw, Dir::Left), Piece::FL);
    EXPECT_EQ(Corner(Dir::Back, Dir::Right), Piece::BR);
    EXPECT_EQ(Corner(Dir::Left, Dir::Back), Piece::LB);
    EXPECT_EQ(Corner(Dir::Right, Dir::Forw), Piece::RF);
    EXPECT_EQ(Corner(Dir::Forw, Dir::Back), Piece::None) << "only perpendicular pairs turn";
}

TEST(Directions, StraightTakesTheSecondLetter) {
    EXPECT_EQ(Straight(Piece::FL), Dir::Left);
    EXPECT_EQ(Straight(Piece::BL), Dir::Left);
    EXPECT_EQ(Straight(Piece::FR), Dir::Right);
    EXPECT_EQ(Straight(Piece::BR), Dir::Right);
    EXPECT_EQ(Straight(Piece::LF), Dir::Forw);
    EXPECT_EQ(Straight(Piece::RF), Dir::Forw);
    EXPECT_EQ(Straight(Piece::LB), Dir::Back);
    EXPECT_EQ(Straight(Piece::RB), Dir::Back);
}

TEST(Directions, NamesRoundTripAsTheGameWritesThem) {
    for (int i = 0; i <= static_cast<int>(Piece::RB); ++i) {
        const auto p = static_cast<Piece>(i);
        EXPECT_EQ(PieceFromName(PieceName(p)), p);
    }
    EXPECT_EQ(DirName(Dir::Forw), "Forw");
    EXPECT_EQ(PieceName(Piece::LB), "LB");
    EXPECT_FALSE(DirFromName("forw").has_value());
}

}  // namespace
}  // namespace zelkor
