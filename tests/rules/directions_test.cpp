#include "game/rules/directions.h"

#include <gtest/gtest.h>

#include <string>

namespace zelkor {
namespace {

// A corner is named by its two directions' first letters; its straight part is the second.
TEST(Directions, CornersNameTheTurnBeforeAndAfter) {
    int corners = 0;
    for (const Dir before : {Dir::Forw, Dir::Back, Dir::Left, Dir::Right}) {
        for (const Dir after : {Dir::Forw, Dir::Back, Dir::Left, Dir::Right}) {
            const Piece corner = Corner(before, after);
            const bool turns = (before == Dir::Forw || before == Dir::Back) !=
                               (after == Dir::Forw || after == Dir::Back);
            if (!turns) {
                EXPECT_EQ(corner, Piece::None) << "only perpendicular pairs turn";
                continue;
            }
            ++corners;
            EXPECT_EQ(PieceName(corner), (std::string{DirName(before)[0], DirName(after)[0]}));
            EXPECT_EQ(Straight(corner), after) << PieceName(corner);
        }
    }
    EXPECT_EQ(corners, 8);
}

}  // namespace
}  // namespace zelkor
