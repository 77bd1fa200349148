#include "game/rules/placement.h"

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using Placement = RulesTest;

TEST_F(Placement, WhatMakesAPositionOccupied) {
    EXPECT_TRUE(IsOccupied(game, 0, 100) && IsOccupied(game, 615, 100) &&
                IsOccupied(game, 100, 448));
    EXPECT_FALSE(IsOccupied(game, 614, 447));
    PutItem(ItemKind::Red, 1, 200, 200);
    EXPECT_TRUE(IsOccupied(game, 212, 212));
    EXPECT_FALSE(IsOccupied(game, 200, 213));  // the red window, not the yellow one
    // Wall slots count even past the wall count, which loading settles last.
    game.world.WallPieces[5] = {400, 100, true, WallKind::v};
    EXPECT_TRUE(IsOccupied(game, 384, 112));
    EXPECT_FALSE(IsOccupied(game, 383, 112));
    game.world.userItemCount = 1;
    game.world.UserItemCells[1] = {100, 300, true, "x.bmp", ""};
    EXPECT_TRUE(IsOccupied(game, 82, 314));
    EXPECT_FALSE(IsOccupied(game, 100, 315));
    LayBody(1, 500, 300, 20, 0, 2);  // the player's body counts, computer snakes' do not
    EXPECT_TRUE(IsOccupied(game, 530, 310));
    EXPECT_FALSE(IsOccupied(game, 531, 300));
    PutSnake(2, 50, 50, Dir::Left);
    LayBody(2, 100, 400, 0, 0, 1);
    EXPECT_FALSE(IsOccupied(game, 100, 400));
}

TEST_F(Placement, SpawnPointsFirstThenTheLattice) {
    World& w = game.world;
    w.spawnCount = 3;
    for (int s = 1; s <= 3; ++s)
        w.SpawnPoints[s] = {static_cast<std::int16_t>(100 * s), 50, true, {}, 0};
    w.SpawnPoints[1].state = SpawnState::New();
    w.SpawnPoints[2].state = SpawnState::Item(4);
    ItemSlot& slot = PutItem(ItemKind::Blue, 2, 0, 0);
    EXPECT_TRUE(PlaceItem(game, ItemKind::Blue, 2, false));
    EXPECT_EQ(slot.x, 300);
    EXPECT_EQ(slot.spawnPoint, 3);
    EXPECT_EQ(w.SpawnPoints[3].state, SpawnState::Item(2));
    EXPECT_TRUE(w.SpawnPoints[1].state.IsFree());  // "new" is skipped once

    w.SpawnPoints[1].state = SpawnState::Item(9);  // all taken: the 10-pixel lattice
    EXPECT_TRUE(PlaceItem(game, ItemKind::Blue, 2, true));
    EXPECT_EQ(slot.spawnPoint, 3);
    EXPECT_TRUE(slot.x % 10 == 0 && slot.y % 10 == 0);
}

TEST_F(Placement, RestoreTaken) {
    for (ItemKind kind : kItemKinds) {
        ItemSlot& slot = PutItem(kind, 1, 100, 100);
        slot.visible = false;
        slot.taken = true;
    }
    RestoreTaken(game);
    EXPECT_TRUE(game.world.Items(ItemKind::Black).slots[1].visible);
    EXPECT_FALSE(game.world.Items(ItemKind::TNT).slots[1].visible);
}

}  // namespace
}  // namespace zelkor
