// The occupancy index against the rules looked up table by table, over many random
// crowded worlds: whatever the index answers, and wherever placement puts an item,
// must be what the plain lookups give.
#include "game/rules/occupancy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "game/rules/collection_windows.h"
#include "game/rules/placement.h"

namespace zelkor {
namespace {

class WorldMaker {
public:
    explicit WorldMaker(unsigned seed) : gen_(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(gen_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(gen_); }

    // Mostly on the item lattice or the snake cells, sometimes anywhere near the field.
    std::int16_t Coordinate(int limit) {
        switch (Int(0, 3)) {
            case 0:
                return static_cast<std::int16_t>(20 * Int(1, limit / 20) - 10);
            case 1:
                return static_cast<std::int16_t>(Int(-40, limit + 40));
            default:
                return static_cast<std::int16_t>(20 + 10 * Int(0, limit / 10 - 2));
        }
    }

    void Item(World& w, ItemKind kind, int k) {
        w.Items(kind).slots[k] = {Coordinate(640), Coordinate(480), Chance(0.7), 0, false};
    }
    void Wall(World& w, int i) {
        w.WallPieces[i] = {static_cast<std::int16_t>(20 * Int(0, 32)),
                           static_cast<std::int16_t>(20 * Int(0, 24)), Chance(0.5), WallKind::s};
    }
    void Cell(World& w, int c) {
        UserItemCell& cell = w.UserItemCells[c];
        cell.x = static_cast<std::int16_t>(20 * Int(1, 31));
        cell.y = static_cast<std::int16_t>(20 * Int(1, 22));
        cell.hasGfx = Chance(0.5);
    }

    // Up to `items` of each kind (slots past the count hold leftovers), walls in
    // about a tenth of the slots, some user items.
    void Fill(World& w, int items) {
        for (ItemKind kind : kItemKinds) {
            w.Items(kind).count = static_cast<std::int16_t>(Int(0, items));
            for (int k = 1; k <= kMaxItems; ++k)
                Item(w, kind, k);
        }
        for (int i = 1; i <= kMaxWallPieces; ++i) {
            Wall(w, i);
            w.WallPieces[i].standing = Chance(0.1);
        }
        w.userItemCount = static_cast<std::int16_t>(Int(0, 30));
        for (int c = 1; c <= kMaxUserItemCells; ++c)
            Cell(w, c);
    }

    // A crawl of `length` segments from a random cell, on a lattice shifted by 5
    // pixels now and then, as after a wrap-around.
    void Body(SnakeRecord& s, int length) {
        int x = Coordinate(640), y = Coordinate(480);
        s.length = static_cast<std::int16_t>(length);
        for (int i = 1; i <= length; ++i) {
            s.Segment(i).x = static_cast<std::int16_t>(x);
            s.Segment(i).y = static_cast<std::int16_t>(y);
            if (Chance(0.5)) {
                x += Chance(0.5) ? 20 : -20;
            } else {
                y += Chance(0.5) ? 20 : -20;
            }
        }
    }

    // A few changes of the kinds the rules make: items moved, hidden and shown, counts
    // changed, walls blown, user-item graphics lost.
    void Change(World& w) {
        for (int n = Int(1, 30); n > 0; --n) {
            const ItemKind kind = kItemKinds[static_cast<std::size_t>(Int(0, 5))];
            ItemList& list = w.Items(kind);
            switch (Int(0, 6)) {
                case 0:
                    list.count = static_cast<std::int16_t>(Int(0, kMaxItems));
                    break;
                case 1:
                    Wall(w, Int(1, kMaxWallPieces));
                    break;
                case 2:
                    Cell(w, Int(1, kMaxUserItemCells));
                    w.userItemCount = static_cast<std::int16_t>(Int(0, 30));
                    break;
                case 3:
                    list.slots[Int(1, kMaxItems)].visible ^= true;
                    break;
                default:
                    Item(w, kind, Int(1, kMaxItems));
                    break;
            }
        }
    }

private:
    std::mt19937 gen_;
};

// Items are what the index holds; the player's body is left off the field here.
void ParkPlayer(Game& game) {
    game.Player().length = 1;
    game.Player().Segment(1) = {-100, -100, Piece::None};
}

void ExpectIndexMatchesTables(const Game& game) {
    int free = 0;
    for (int row = 0; row < kLatticeRows; ++row) {
        for (int col = 0; col < kLatticeColumns; ++col) {
            const bool occupied = IsOccupied(game, LatticeX(col), LatticeY(row));
            ASSERT_EQ(game.occupancy.Covered(col, row), occupied)
                << "at " << LatticeX(col) << ", " << LatticeY(row);
            free += occupied ? 0 : 1;
        }
    }
    EXPECT_EQ(game.occupancy.UncoveredCount(), free);
}

void ExpectItemsAroundMatchTables(const Game& game, WorldMaker& maker) {
    for (int probe = 0; probe < 200; ++probe) {
        const int x = maker.Int(-30, 670), y = maker.Int(-30, 510);
        for (ItemKind kind : kItemKinds) {
            const ItemList& list = game.world.Items(kind);
            std::vector<int> found, scanned;
            game.occupancy.ForEachItemAround(kind, x, y, [&](int k) {
                const ItemSlot& slot = list.slots[k];
                if (MeetsItem(kind, x, y, slot.x, slot.y)) found.push_back(k);
            });
            for (int k = 1; k <= list.count; ++k) {
                const ItemSlot& slot = list.slots[k];
                if (slot.visible && MeetsItem(kind, x, y, slot.x, slot.y)) scanned.push_back(k);
            }
            std::sort(found.begin(), found.end());
            ASSERT_EQ(found, scanned) << ItemKindName(kind) << " around " << x << ", " << y;
        }
    }
}

TEST(OccupancyIndex, AgreesWithTheTablesThroughEveryKindOfChange) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        WorldMaker maker(seed);
        ManualClock clock(1000);
        Game game(clock);
        ParkPlayer(game);
        maker.Fill(game.world, static_cast<int>(seed) * 25);
        for (int round = 0; round < 8; ++round) {
            game.occupancy.Sync(game.world);
            ExpectIndexMatchesTables(game);
            ExpectItemsAroundMatchTables(game, maker);
            maker.Change(game.world);
        }
    }
}

// Placement as the rules put it, every try asking `IsOccupied`.
bool PlaceItemByTheRules(Game& game, ItemKind kind, int k, bool preferRandomSpawn) {
    game.rng.Mix(game.Now());
    World& w = game.world;
    ItemSlot& slot = w.Items(kind).slots[k];
    const auto takeSpawn = [&](int s) {
        slot.x = w.SpawnPoints[s].x;
        slot.y = w.SpawnPoints[s].y;
        slot.spawnPoint = static_cast<std::int16_t>(s);
        w.SpawnPoints[s].state = SpawnState::Item(k);
        return true;
    };
    if (w.spawnCount > 0) {
        for (int tries = 0; preferRandomSpawn && tries < 20000; ++tries) {
            const int s = game.rng.Below(w.spawnCount) + 1;
            if (w.SpawnPoints[s].state.IsFree()) return takeSpawn(s);
        }
        for (int s = 1; s <= w.spawnCount; ++s) {
            SpawnPoint& point = w.SpawnPoints[s];
            if (point.state.IsNew()) {
                point.state = SpawnState::Free();
            } else if (point.state.Value() == 0 && point.usable) {
                return takeSpawn(s);
            }
        }
    }
    const auto takeIfFree = [&](int x, int y) {
        if (IsOccupied(game, x, y)) return false;
        slot.x = static_cast<std::int16_t>(x);
        slot.y = static_cast<std::int16_t>(y);
        return true;
    };
    for (int tries = 0; tries < 10000; ++tries) {
        const int x = game.rng.Below(61) * 10 + 20;
        const int y = game.rng.Below(44) * 10 + 20;
        if (takeIfFree(x, y)) return true;
    }
    for (int y = 20; y <= 450; y += 10)
        for (int x = 20; x <= 620; x += 10)
            if (takeIfFree(x, y)) return true;
    slot.visible = false;
    return false;
}

// Whether slot k of `kind` lies where the rules put it, shown or hidden alike.
::testing::AssertionResult SameSlot(const Game& game, const Game& rules, ItemKind kind, int k) {
    const ItemSlot& slot = game.world.Items(kind).slots[k];
    const ItemSlot& expected = rules.world.Items(kind).slots[k];
    if (slot.x == expected.x && slot.y == expected.y && slot.visible == expected.visible &&
        slot.spawnPoint == expected.spawnPoint)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << slot.x << ", " << slot.y << " instead of "
                                         << expected.x << ", " << expected.y;
}

// Spawn points, some of them free, or none at all.
void AddSpawnPoints(World& w, WorldMaker& maker) {
    w.spawnCount = static_cast<std::int16_t>(maker.Chance(0.5) ? 0 : maker.Int(1, 40));
    for (int s = 1; s <= w.spawnCount; ++s) {
        SpawnPoint& point = w.SpawnPoints[s];
        point = {maker.Coordinate(640), maker.Coordinate(480), true, {}, 0};
        const int state = maker.Int(0, 5);
        if (state == 0) point.state = SpawnState::New();
        if (state >= 2) point.state = SpawnState::Item(maker.Int(1, 300));
    }
}

// A standing wall in every cell but a few: the field is full, or all but full.
void WallUp(World& w, WorldMaker& maker) {
    int i = 0;
    for (int y = 20; y <= 440 && i < kMaxWallPieces; y += 20)
        for (int x = 20; x <= 620 && i < kMaxWallPieces; x += 20)
            w.WallPieces[++i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), true,
                                 WallKind::s};
    for (int holes = maker.Int(0, 2); holes > 0; --holes)
        w.WallPieces[maker.Int(1, kMaxWallPieces)].standing = false;
}

TEST(OccupancyIndex, PlacementDrawsAndLandsAsTheRulesSayAlsoWhenALevelLoads) {
    int fullFields = 0, placements = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        WorldMaker maker(seed);
        ManualClock clock(1000);
        Game game(clock), rules(clock);
        game.rng.Seed(seed);
        // Every third world is walled up; a full field makes the rules try 10000 times.
        const bool walled = seed % 3 == 0;
        maker.Fill(game.world, walled ? 10 : static_cast<int>(seed) * 25);
        if (walled) WallUp(game.world, maker);
        maker.Body(game.Player(), maker.Int(1, 99));
        AddSpawnPoints(game.world, maker);
        rules.world = game.world;
        rules.rng = game.rng;
        for (int step = 0; step < (walled ? 8 : 60); ++step) {
            const ItemKind kind = kItemKinds[static_cast<std::size_t>(maker.Int(0, 5))];
            const int k = maker.Int(1, 300);
            const bool preferRandomSpawn = maker.Chance(0.3);
            game.world.Items(kind).slots[k].visible = true;
            rules.world.Items(kind).slots[k].visible = true;
            const bool placed = PlaceItem(game, kind, k, preferRandomSpawn);
            ASSERT_EQ(placed, PlaceItemByTheRules(rules, kind, k, preferRandomSpawn)) << step;
            ++placements;
            fullFields += placed ? 0 : 1;
            ASSERT_TRUE(SameSlot(game, rules, kind, k)) << step;
            for (int s = 1; s <= game.world.spawnCount; ++s)
                ASSERT_EQ(game.world.SpawnPoints[s].state, rules.world.SpawnPoints[s].state);
            ASSERT_EQ(game.rng.Rnd(), rules.rng.Rnd()) << "the draws went apart at " << step;
            // The player moves on; now and then a piece is blown away.
            if (maker.Chance(0.2)) maker.Body(game.Player(), maker.Int(1, 99));
            if (maker.Chance(0.2))
                game.world.WallPieces[maker.Int(1, kMaxWallPieces)].standing = false;
            rules.world = game.world;
        }
        if (walled) continue;  // the rules' ten thousand tries for every item take too long
        // A level's items, placed as loading does, land as placed one after another.
        for (ItemKind kind : kItemKinds)
            game.world.Items(kind).count = static_cast<std::int16_t>(maker.Int(0, 50));
        rules.world = game.world;
        PlaceLevelItems(game);
        for (ItemKind kind : kItemKinds) {
            for (int k = 1; k <= rules.world.Items(kind).count; ++k) {
                rules.world.Items(kind).slots[k].visible = true;
                PlaceItemByTheRules(rules, kind, k, true);
            }
        }
        for (ItemKind kind : kItemKinds) {
            for (int k = 1; k <= kMaxItems; ++k)
                ASSERT_TRUE(SameSlot(game, rules, kind, k)) << ItemKindName(kind) << " " << k;
        }
        ASSERT_EQ(game.rng.Rnd(), rules.rng.Rnd()) << "the draws went apart loading a level";
    }
    // The worlds are crowded enough that some fields fill up.
    EXPECT_GT(fullFields, 0);
    EXPECT_LT(fullFields, placements);
}

// A walled field with one hole, the player lying on it or away from it: the hole
// under the body is no place for an item, and the search then fails with the same
// draws as the rules' ten thousand tries.
TEST(OccupancyIndex, AHoleUnderThePlayersBodyIsNoPlaceAndTheDrawsStayTheSame) {
    for (const bool onTheHole : {true, false}) {
        SCOPED_TRACE(onTheHole);
        ManualClock clock(1000);
        Game game(clock), rules(clock);
        game.rng.Seed(7);
        int i = 0;
        for (int y = 20; y <= 440; y += 20)
            for (int x = 20; x <= 620; x += 20)
                if (x != 300 || y != 240)
                    game.world.WallPieces[++i] = {static_cast<std::int16_t>(x),
                                                  static_cast<std::int16_t>(y), true, WallKind::s};
        SnakeRecord& player = game.Player();
        player.length = 3;
        for (int s = 1; s <= 3; ++s)
            player.Segment(s) = {static_cast<std::int16_t>(onTheHole ? 300 : 100),
                                 static_cast<std::int16_t>(200 + 20 * s), Piece::None};
        rules.world = game.world;
        rules.rng = game.rng;
        game.world.Items(ItemKind::Red).slots[1].visible = true;
        rules.world.Items(ItemKind::Red).slots[1].visible = true;
        const bool placed = PlaceItem(game, ItemKind::Red, 1, false);
        EXPECT_EQ(placed, !onTheHole);
        EXPECT_EQ(placed, PlaceItemByTheRules(rules, ItemKind::Red, 1, false));
        EXPECT_TRUE(SameSlot(game, rules, ItemKind::Red, 1));
        EXPECT_EQ(game.rng.Rnd(), rules.rng.Rnd());
    }
}

}  // namespace
}  // namespace zelkor
