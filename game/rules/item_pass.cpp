#include "game/rules/item_pass.h"

#include "game/rules/placement.h"

namespace zelkor {
namespace {

void ComeBack(Game& game, ItemKind kind, int k) {
    game.world.Items(kind).slots[k].visible = true;
    PlaceItem(game, kind, k, false);
}

// A visible slot vanishes when `vanishes` draws true; a hidden one comes back
// when `returns` does.
template <typename Vanishes, typename Returns>
void Pass(Game& game, ItemKind kind, Vanishes vanishes, Returns returns) {
    ItemList& list = game.world.Items(kind);
    for (int k = 1; k <= list.count; ++k) {
        ItemSlot& slot = list.slots[k];
        if (slot.visible) {
            if (vanishes()) slot.visible = false;
        } else if (returns()) {
            ComeBack(game, kind, k);
        }
    }
}

}  // namespace

void ItemAppearVanishPass(Game& game) {
    Random& rng = game.rng;
    if (!game.level.HideCollected) {
        Pass(
            game, ItemKind::Blue, [&] { return rng.Below(40) + 20 == 21; },
            [&] { return rng.Below(game.level.blueRate) == 1; });
        Pass(
            game, ItemKind::Black, [&] { return rng.Below(500) + 20 == 21; },
            [&] { return rng.Below(30) == 1; });
    }
    Pass(
        game, ItemKind::TNT, [&] { return rng.Below(800) + 20 == 21; },
        [&] { return rng.Below(1000) == 1; });

    // Power items: while the immortality flag is set, the first hidden one ends the pass.
    ItemList& power = game.world.Items(ItemKind::Power);
    for (int k = 1; k <= power.count; ++k) {
        ItemSlot& slot = power.slots[k];
        if (slot.visible) {
            if (rng.Below(200) == 21) slot.visible = false;
        } else {
            if (game.flags.immortal) return;
            if (rng.Below(game.level.powerRate) + 1 == 1) ComeBack(game, ItemKind::Power, k);
        }
    }
}

}  // namespace zelkor
