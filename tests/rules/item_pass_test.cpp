#include "game/rules/item_pass.h"

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using ItemPass = RulesTest;

TEST_F(ItemPass, WhatComesBackAndWhatStaysHidden) {
    for (ItemKind kind : kItemKinds)
        PutItem(kind, 1, 100, 100).visible = false;
    game.level.blueRate = 2;          // 1 in 2
    game.level.powerRate = 1;         // every pass
    game.level.HideCollected = true;  // collected blue and black wait for a death
    game.flags.immortal = true;       // hidden power items wait too
    for (int i = 0; i < 200; ++i)
        ItemAppearVanishPass(game);
    for (ItemKind kind :
         {ItemKind::Yellow, ItemKind::Red, ItemKind::Blue, ItemKind::Black, ItemKind::Power})
        EXPECT_FALSE(game.world.Items(kind).slots[1].visible) << ItemKindName(kind);

    game.level.HideCollected = false;
    game.flags.immortal = false;
    ItemAppearVanishPass(game);
    EXPECT_TRUE(game.world.Items(ItemKind::Power).slots[1].visible);
    for (int i = 0; i < 200 && !game.world.Items(ItemKind::Blue).slots[1].visible; ++i)
        ItemAppearVanishPass(game);
    EXPECT_TRUE(game.world.Items(ItemKind::Blue).slots[1].visible);
}

}  // namespace
}  // namespace zelkor
