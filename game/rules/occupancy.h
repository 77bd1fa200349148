#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "game/rules/collection_windows.h"
#include "game/rules/world.h"

namespace zelkor {

// The item lattice, where random placement puts items: X = 20, 30, ..., 620 and
// Y = 20, 30, ..., 450.
inline constexpr int kLatticeColumns = 61;
inline constexpr int kLatticeRows = 44;
inline constexpr int kLatticePoints = kLatticeColumns * kLatticeRows;
constexpr int LatticeX(int col) {
    return 20 + 10 * col;
}
constexpr int LatticeY(int row) {
    return 20 + 10 * row;
}

// The lattice points that a window around (x, y) holds; empty when first > last.
struct LatticeRange {
    int firstCol, lastCol, firstRow, lastRow;
};
LatticeRange LatticeRangeOf(const Window& window, int x, int y);

// Where things stand, so that placing an item or finding the items a head meets
// costs the same on a crowded field as on an empty one:
// - for every lattice point, how many of the things that keep items off it cover it
//   (visible items, standing walls, user items with a graphic, the edge of the field);
// - the visible items of each kind, by where they stand.
//
// The index keeps a copy of the tables it was built from. `Sync` compares the tables
// with that copy and re-enters only what changed, so the rules go on changing items,
// walls and user items directly, and a caller only has to sync before asking. The
// player's body moves every step and is not held here.
class OccupancyIndex {
public:
    OccupancyIndex();

    // Brings everything up to the world's tables.
    void Sync(const World& world);
    // Brings only the items of one kind up to date.
    void SyncItems(const World& world, ItemKind kind);

    bool Covered(int col, int row) const { return cover_[Point(col, row)] != 0; }
    // Lattice points that nothing covers.
    int UncoveredCount() const { return uncovered_; }
    // One mark for every lattice point, row by row.
    using LatticeMarks = std::array<std::uint8_t, kLatticePoints>;

    // Calls visit(k) for every visible slot of the kind that stands near enough to
    // (x, y) for its window to hold that point: every slot whose window holds it, and
    // perhaps a few more, in no particular order.
    template <typename Visit>
    void ForEachItemAround(ItemKind kind, int x, int y, Visit visit) const;

private:
    // Items are filed by position in 32-pixel buckets over the screen and a margin.
    static constexpr int kBucketSize = 32;
    static constexpr int kBucketOrigin = -64;
    static constexpr int kBucketColumns = 24;  // x from -64 to 703
    static constexpr int kBucketRows = 19;     // y from -64 to 543
    static constexpr int kBuckets = kBucketColumns * kBucketRows;
    static constexpr std::int16_t kNone = 0;  // slots count from 1

    struct CellKey {
        std::int16_t x = 0;
        std::int16_t y = 0;
        bool covers = false;
        friend bool operator==(const CellKey&, const CellKey&) = default;
    };

    // Slot numbers of one kind's visible items, a doubly linked list per bucket.
    struct ItemBuckets {
        std::array<std::int16_t, kBuckets> first{};
        std::array<std::int16_t, kMaxItems + 1> next{};
        std::array<std::int16_t, kMaxItems + 1> prev{};
    };

    static int Point(int col, int row) { return row * kLatticeColumns + col; }
    static int BucketColumn(int x);
    static int BucketRow(int y);
    static int Bucket(int x, int y) { return BucketRow(y) * kBucketColumns + BucketColumn(x); }

    void Cover(const Window& window, int x, int y, int delta);
    void EnterItem(ItemKind kind, int k, const ItemSlot& slot);
    void RemoveItem(ItemKind kind, int k, const ItemSlot& slot);
    void SyncWalls(const World& world);
    void SyncUserItems(const World& world);

    std::array<std::uint16_t, kLatticePoints> cover_{};
    int uncovered_ = 0;

    // The tables as last entered.
    std::array<ItemList, kItemKinds.size()> items_{};
    OneBased<WallPiece, kMaxWallPieces> walls_{};
    OneBased<CellKey, kMaxUserItemCells> cells_{};
    int cellCount_ = 0;

    std::array<ItemBuckets, kItemKinds.size()> buckets_{};
};

template <typename Visit>
void OccupancyIndex::ForEachItemAround(ItemKind kind, int x, int y, Visit visit) const {
    // A window holds (x, y) when the item stands within x - right .. x + left and
    // y - down .. y + up.
    const Window w = ItemWindow(kind);
    const ItemBuckets& b = buckets_[static_cast<std::size_t>(kind)];
    const int lastRow = BucketRow(y + w.up);
    const int lastColumn = BucketColumn(x + w.left);
    for (int row = BucketRow(y - w.down); row <= lastRow; ++row) {
        for (int col = BucketColumn(x - w.right); col <= lastColumn; ++col) {
            for (int k = b.first[static_cast<std::size_t>(row * kBucketColumns + col)]; k != kNone;
                 k = b.next[static_cast<std::size_t>(k)])
                visit(k);
        }
    }
}

}  // namespace zelkor
