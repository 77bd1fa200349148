#include "game/rules/item_pass.h"

#include <cmath>

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

// How often a lone slot changes state in one pass, measured over many passes from a
// fixed seed. The count may stray four standard deviations from the chance, and never
// more than 30 %: a chance off by a fifth shows where it is drawn often.
TEST_F(ItemPass, ItemsVanishAndReturnAtTheirRates) {
    game.level.blueRate = 8;
    game.level.powerRate = 5;
    struct Case {
        ItemKind kind;
        bool visible;  // the state the slot starts each pass in
        double chance;
    };
    const Case cases[] = {
        {ItemKind::Blue, true, 1.0 / 40},   {ItemKind::Blue, false, 1.0 / 8},
        {ItemKind::Black, true, 1.0 / 500}, {ItemKind::Black, false, 1.0 / 30},
        {ItemKind::TNT, true, 1.0 / 800},   {ItemKind::TNT, false, 1.0 / 1000},
        {ItemKind::Power, true, 1.0 / 200}, {ItemKind::Power, false, 1.0 / 5},
    };
    constexpr int kPasses = 60000;
    for (const Case& c : cases) {
        for (ItemKind kind : kItemKinds)
            game.world.Items(kind).count = 0;
        ItemSlot& slot = PutItem(c.kind, 1, 100, 100);
        int changes = 0;
        for (int i = 0; i < kPasses; ++i) {
            slot.visible = c.visible;
            ItemAppearVanishPass(game);
            changes += slot.visible != c.visible;
        }
        const double expected = c.chance * kPasses;
        EXPECT_NEAR(changes, expected, std::min(4 * std::sqrt(expected), expected * 0.3))
            << ItemKindName(c.kind) << (c.visible ? " vanishing" : " coming back");
    }
}

}  // namespace
}  // namespace zelkor
