#include "game/present/snake_sprites.h"

#include <gtest/gtest.h>

#include <array>

namespace zelkor {
namespace {

TEST(SnakeSprites, CornersNeedTheirFlagsAndLeftHandCornersTheirOwnSprites) {
    EXPECT_EQ(HeadSlot(Dir::None), -1);
    EXPECT_EQ((std::array{HeadSlot(Dir::Forw), HeadSlot(Dir::Back), HeadSlot(Dir::Left),
                          HeadSlot(Dir::Right)}),
              (std::array{0, 1, 2, 3}))
        << "head_forw (up), head_back, head_left, head_right";
    EXPECT_EQ(SegmentSlot(Piece::Back, false, false), 5);
    EXPECT_EQ(SegmentSlot(Piece::FL, false, true), -1) << "a gap without EDGES";
    // Without EDGES_INVERS the corner pairs share a sprite.
    for (const auto& [a, b, slot] : {std::tuple{Piece::FL, Piece::RB, 8},
                                     {Piece::LB, Piece::FR, 9},
                                     {Piece::RF, Piece::BL, 10},
                                     {Piece::BR, Piece::LF, 11}}) {
        EXPECT_EQ(SegmentSlot(a, true, false), slot);
        EXPECT_EQ(SegmentSlot(b, true, false), slot);
        EXPECT_EQ(SegmentSlot(b, true, true), slot) << "the right-hand corner keeps its sprite";
    }
    EXPECT_EQ(SegmentSlot(Piece::FL, true, true), 12);
    EXPECT_EQ(SegmentSlot(Piece::LB, true, true), 13);
    EXPECT_EQ(SegmentSlot(Piece::RF, true, true), 14);
    EXPECT_EQ(SegmentSlot(Piece::BR, true, true), 15);
    EXPECT_EQ(TailSlot(Piece::Left, false), 18);
    EXPECT_EQ(TailSlot(Piece::BL, false), -1);
    EXPECT_EQ(TailSlot(Piece::BL, true), 24);
    EXPECT_EQ(TailSlot(Piece::FR, true), 27);
}

}  // namespace
}  // namespace zelkor
