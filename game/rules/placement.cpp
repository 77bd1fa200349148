#include "game/rules/placement.h"

#include <algorithm>
#include <array>

#include "game/rules/collection_windows.h"
#include "game/rules/occupancy.h"

namespace zelkor {
namespace {

constexpr int kSpawnTries = 20000;
// Random placement gives up after this many tries and takes the first free
// lattice position in reading order, so a crowded level never hangs the game.
constexpr int kRandomTries = 10000;
// Both searches draw this many numbers when every try fails.
constexpr int kDrawsOfAFailedSearch = 20000;
static_assert(kSpawnTries == kDrawsOfAFailedSearch && 2 * kRandomTries == kDrawsOfAFailedSearch);

const RandomJump& FailedSearch() {
    static const RandomJump jump(kDrawsOfAFailedSearch);
    return jump;
}

void TakeSpawnPoint(Game& game, ItemSlot& slot, int k, int s) {
    SpawnPoint& point = game.world.SpawnPoints[s];
    slot.x = point.x;
    slot.y = point.y;
    slot.spawnPoint = static_cast<std::int16_t>(s);
    point.state = SpawnState::Item(k);
}

bool PlaceOnSpawnPoint(Game& game, ItemSlot& slot, int k, bool preferRandomSpawn) {
    World& w = game.world;
    const int count = w.spawnCount;
    if (preferRandomSpawn) {
        const auto first = w.SpawnPoints.begin();
        const bool anyFree =
            std::any_of(first, first + count, [](const SpawnPoint& p) { return p.state.IsFree(); });
        if (!anyFree) {
            FailedSearch().Apply(game.rng);
        } else {
            for (int tries = 0; tries < kSpawnTries; ++tries) {
                const int s = game.rng.Below(count) + 1;
                if (w.SpawnPoints[s].state.IsFree()) {
                    TakeSpawnPoint(game, slot, k, s);
                    return true;
                }
            }
        }
    }
    for (int s = 1; s <= count; ++s) {
        SpawnPoint& point = w.SpawnPoints[s];
        if (point.state.IsNew()) {
            point.state = SpawnState::Free();  // skipped this once
        } else if (point.state.Value() == 0 && point.usable) {
            TakeSpawnPoint(game, slot, k, s);
            return true;
        }
    }
    return false;
}

// Whether the player's body keeps items off (x, y). On the lattice, `IsOccupied` is
// the index's cover or this; only points that nothing else covers get this far.
bool UnderPlayerBody(const SnakeRecord& player, int x, int y) {
    for (int i = 1; i <= player.length; ++i) {
        const BodySegment& seg = player.Segment(i);
        if (kPlayerBodyWindow.Holds(x, y, seg.x, seg.y)) return true;
    }
    return false;
}

// On a crowded field the first few tries run on the plain look-ups; most placements
// end there. Only when they fail are the points under the player's body marked, so
// that each later try costs two look-ups and a search that cannot succeed is known
// at once.
constexpr int kQuickTries = 64;

const RandomJump& RestOfAFailedSearch() {
    static const RandomJump jump(kDrawsOfAFailedSearch - 2 * kQuickTries);
    return jump;
}

void Put(ItemSlot& slot, int col, int row) {
    slot.x = static_cast<std::int16_t>(LatticeX(col));
    slot.y = static_cast<std::int16_t>(LatticeY(row));
}

// Random tries number `first` up to `last`; true when one lands on a free point.
template <typename IsFree>
bool TryAtRandom(Random& rng, ItemSlot& slot, IsFree isFree, int first, int last) {
    // The draws come from a copy held in registers, handed back however the tries end.
    Random draws = rng;
    bool found = false;
    for (int tries = first; tries < last && !found; ++tries) {
        const int col = draws.Below(kLatticeColumns);
        const int row = draws.Below(kLatticeRows);
        if (isFree(col, row)) {
            Put(slot, col, row);
            found = true;
        }
    }
    rng = draws;
    return found;
}

// The rest of the tries, then the first free point in reading order.
template <typename IsFree>
bool FinishSearch(Random& rng, ItemSlot& slot, IsFree isFree, int firstTry) {
    if (TryAtRandom(rng, slot, isFree, firstTry, kRandomTries)) return true;
    for (int row = 0; row < kLatticeRows; ++row) {
        for (int col = 0; col < kLatticeColumns; ++col) {
            if (isFree(col, row)) {
                Put(slot, col, row);
                return true;
            }
        }
    }
    return false;
}

// The index must be up to date.
bool PlaceAtRandom(Game& game, ItemSlot& slot) {
    const OccupancyIndex& index = game.occupancy;
    if (index.UncoveredCount() == 0) {
        FailedSearch().Apply(game.rng);  // no try could succeed, nor the scan after them
        return false;
    }
    const SnakeRecord& player = game.Player();
    const auto looksFree = [&](int col, int row) {
        return !index.Covered(col, row) && !UnderPlayerBody(player, LatticeX(col), LatticeY(row));
    };
    if (TryAtRandom(game.rng, slot, looksFree, 0, kQuickTries)) return true;

    // The points under the player's body, and how many uncovered points that leaves.
    OccupancyIndex::LatticeMarks underBody{};
    int free = index.UncoveredCount();
    for (int i = 1; i <= player.length; ++i) {
        const BodySegment& seg = player.Segment(i);
        const LatticeRange r = LatticeRangeOf(kPlayerBodyWindow, seg.x, seg.y);
        for (int row = r.firstRow; row <= r.lastRow; ++row) {
            for (int col = r.firstCol; col <= r.lastCol; ++col) {
                std::uint8_t& mark =
                    underBody[static_cast<std::size_t>(row * kLatticeColumns + col)];
                if (mark == 0 && !index.Covered(col, row)) --free;
                mark = 1;
            }
        }
    }
    if (free == 0) {
        RestOfAFailedSearch().Apply(game.rng);
        return false;
    }
    return FinishSearch(
        game.rng, slot,
        [&](int col, int row) {
            return underBody[static_cast<std::size_t>(row * kLatticeColumns + col)] == 0 &&
                   !index.Covered(col, row);
        },
        kQuickTries);
}

bool InUserItemGraphic(const UserItemCell& cell, int x, int y) {
    return kUserItemGraphicWindow.Holds(x, y, cell.x, cell.y);
}

// Places slot k; `sync` brings the index up to date before the lattice is searched.
template <typename Sync>
bool Place(Game& game, ItemKind kind, int k, bool preferRandomSpawn, Sync sync) {
    game.rng.Mix(game.Now());
    ItemSlot& slot = game.world.Items(kind).slots[k];
    if (game.world.spawnCount > 0 && PlaceOnSpawnPoint(game, slot, k, preferRandomSpawn))
        return true;
    sync();
    if (PlaceAtRandom(game, slot)) return true;
    slot.visible = false;
    return false;
}

}  // namespace

bool PlaceItem(Game& game, ItemKind kind, int k, bool preferRandomSpawn) {
    return Place(game, kind, k, preferRandomSpawn, [&] { game.occupancy.Sync(game.world); });
}

void PlaceLevelItems(Game& game) {
    // Nothing else changes the world meanwhile: once a search has brought the whole
    // index up to date, the next needs only the lists placed in since.
    bool synced = false;
    std::size_t changedFrom = 0;
    for (std::size_t n = 0; n < kItemKinds.size(); ++n) {
        ItemList& list = game.world.Items(kItemKinds[n]);
        for (int k = 1; k <= list.count; ++k) {
            list.slots[k].visible = true;
            Place(game, kItemKinds[n], k, true, [&] {
                if (synced) {
                    for (std::size_t m = changedFrom; m <= n; ++m)
                        game.occupancy.SyncItems(game.world, kItemKinds[m]);
                } else {
                    game.occupancy.Sync(game.world);
                    synced = true;
                }
                changedFrom = n;
            });
        }
    }
}

bool IsOccupied(const Game& game, int x, int y) {
    if (x < 1 || x >= 615 || y < 1 || y >= 448) return true;
    const World& w = game.world;
    for (ItemKind kind : kItemKinds) {
        const ItemList& list = w.Items(kind);
        for (int k = 1; k <= list.count; ++k) {
            const ItemSlot& slot = list.slots[k];
            if (slot.visible && MeetsItem(kind, x, y, slot.x, slot.y)) return true;
        }
    }
    // Every wall slot: loading places the items before it settles the wall count.
    for (const WallPiece& piece : w.WallPieces)
        if (piece.standing && MeetsWall(x, y, piece.x, piece.y)) return true;
    for (int c = 1; c <= w.userItemCount; ++c) {
        const UserItemCell& cell = w.UserItemCells[c];
        if (cell.hasGfx && InUserItemGraphic(cell, x, y)) return true;
    }
    const SnakeRecord& player = game.Snake(1);
    for (int i = 1; i <= player.length; ++i) {
        const BodySegment& seg = player.Segment(i);
        if (kPlayerBodyWindow.Holds(x, y, seg.x, seg.y)) return true;
    }
    return false;
}

void RestoreTaken(Game& game) {
    for (ItemKind kind : {ItemKind::Yellow, ItemKind::Red, ItemKind::Blue, ItemKind::Black}) {
        ItemList& list = game.world.Items(kind);
        for (int k = 1; k <= list.count; ++k) {
            ItemSlot& slot = list.slots[k];
            if (slot.taken) {
                slot.visible = true;
                slot.taken = false;
            }
        }
    }
}

void FreeSpawnPoints(Game& game) {
    for (SpawnPoint& point : game.world.SpawnPoints) {
        if (!point.usable) continue;
        point.state = SpawnState::Free();
        point.extra = 0;
    }
}

}  // namespace zelkor
