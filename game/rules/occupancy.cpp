#include "game/rules/occupancy.h"

#include <cstring>

namespace zelkor {
namespace {

int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int CeilDiv(int a, int b) {
    return -FloorDiv(-a, b);
}

bool Active(const ItemList& list, int k) {
    return k <= list.count && list.slots[k].visible;
}

template <typename T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

}  // namespace

LatticeRange LatticeRangeOf(const Window& window, int x, int y) {
    return {std::max(CeilDiv(x - window.left - LatticeX(0), 10), 0),
            std::min(FloorDiv(x + window.right - LatticeX(0), 10), kLatticeColumns - 1),
            std::max(CeilDiv(y - window.up - LatticeY(0), 10), 0),
            std::min(FloorDiv(y + window.down - LatticeY(0), 10), kLatticeRows - 1)};
}

OccupancyIndex::OccupancyIndex() {
    // Beyond X 614 and Y 447 is outside the field: the last column and row stay covered.
    for (int row = 0; row < kLatticeRows; ++row) {
        for (int col = 0; col < kLatticeColumns; ++col) {
            const bool outside = LatticeX(col) >= 615 || LatticeY(row) >= 448;
            cover_[static_cast<std::size_t>(Point(col, row))] = outside ? 1 : 0;
            if (!outside) ++uncovered_;
        }
    }
}

int OccupancyIndex::BucketColumn(int x) {
    return std::clamp(FloorDiv(x - kBucketOrigin, kBucketSize), 0, kBucketColumns - 1);
}

int OccupancyIndex::BucketRow(int y) {
    return std::clamp(FloorDiv(y - kBucketOrigin, kBucketSize), 0, kBucketRows - 1);
}

// Adds delta to every lattice point that the window around (x, y) holds.
void OccupancyIndex::Cover(const Window& window, int x, int y, int delta) {
    const LatticeRange r = LatticeRangeOf(window, x, y);
    for (int row = r.firstRow; row <= r.lastRow; ++row) {
        for (int col = r.firstCol; col <= r.lastCol; ++col) {
            std::uint16_t& count = cover_[static_cast<std::size_t>(Point(col, row))];
            if (delta > 0) {
                if (count++ == 0) --uncovered_;
            } else {
                if (--count == 0) ++uncovered_;
            }
        }
    }
}

void OccupancyIndex::EnterItem(ItemKind kind, int k, const ItemSlot& slot) {
    Cover(ItemWindow(kind), slot.x, slot.y, +1);
    ItemBuckets& b = buckets_[static_cast<std::size_t>(kind)];
    std::int16_t& first = b.first[static_cast<std::size_t>(Bucket(slot.x, slot.y))];
    const auto i = static_cast<std::size_t>(k);
    b.prev[i] = kNone;
    b.next[i] = first;
    if (first != kNone) b.prev[static_cast<std::size_t>(first)] = static_cast<std::int16_t>(k);
    first = static_cast<std::int16_t>(k);
}

void OccupancyIndex::RemoveItem(ItemKind kind, int k, const ItemSlot& slot) {
    Cover(ItemWindow(kind), slot.x, slot.y, -1);
    ItemBuckets& b = buckets_[static_cast<std::size_t>(kind)];
    const auto i = static_cast<std::size_t>(k);
    if (b.prev[i] != kNone) {
        b.next[static_cast<std::size_t>(b.prev[i])] = b.next[i];
    } else {
        b.first[static_cast<std::size_t>(Bucket(slot.x, slot.y))] = b.next[i];
    }
    if (b.next[i] != kNone) b.prev[static_cast<std::size_t>(b.next[i])] = b.prev[i];
}

void OccupancyIndex::Sync(const World& world) {
    for (ItemKind kind : kItemKinds)
        SyncItems(world, kind);
    SyncWalls(world);
    SyncUserItems(world);
}

void OccupancyIndex::SyncItems(const World& world, ItemKind kind) {
    const ItemList& now = world.Items(kind);
    ItemList& seen = items_[static_cast<std::size_t>(kind)];
    if (SameBytes(now, seen)) return;
    // Slots are compared a block at a time; a block whose bytes are the same holds no
    // change, unless the count moved across it.
    constexpr int kBlock = 20;
    static_assert(kMaxItems % kBlock == 0);
    const int low = std::min(now.count, seen.count), high = std::max(now.count, seen.count);
    for (int first = 1; first <= high; first += kBlock) {
        const int last = std::min(first + kBlock - 1, high);
        const bool countMoved = last > low;
        if (!countMoved &&
            std::memcmp(&now.slots[first], &seen.slots[first], sizeof(ItemSlot) * kBlock) == 0)
            continue;
        for (int k = first; k <= last; ++k) {
            const bool was = Active(seen, k);
            const bool is = Active(now, k);
            const ItemSlot& before = seen.slots[k];
            const ItemSlot& after = now.slots[k];
            if (was == is && (!is || (before.x == after.x && before.y == after.y))) continue;
            if (was) RemoveItem(kind, k, before);
            if (is) EnterItem(kind, k, after);
        }
    }
    seen = now;
}

// Every wall slot counts, past the wall count too: loading places the items before
// it settles the count.
void OccupancyIndex::SyncWalls(const World& world) {
    if (SameBytes(world.WallPieces, walls_)) return;
    for (int i = 1; i <= kMaxWallPieces; ++i) {
        const WallPiece& before = walls_[i];
        const WallPiece& after = world.WallPieces[i];
        if (before.standing == after.standing &&
            (!after.standing || (before.x == after.x && before.y == after.y)))
            continue;
        if (before.standing) Cover(kWallWindow, before.x, before.y, -1);
        if (after.standing) Cover(kWallWindow, after.x, after.y, +1);
    }
    walls_ = world.WallPieces;
}

void OccupancyIndex::SyncUserItems(const World& world) {
    const int count = world.userItemCount;
    const int last = std::max(count, cellCount_);
    for (int c = 1; c <= last; ++c) {
        CellKey now;
        if (c <= count) {
            const UserItemCell& cell = world.UserItemCells[c];
            now = {cell.x, cell.y, cell.hasGfx};
        }
        CellKey& seen = cells_[c];
        if (now == seen || (!now.covers && !seen.covers)) continue;
        if (seen.covers) Cover(kUserItemGraphicWindow, seen.x, seen.y, -1);
        if (now.covers) Cover(kUserItemGraphicWindow, now.x, now.y, +1);
        seen = now;
    }
    cellCount_ = count;
}

}  // namespace zelkor
