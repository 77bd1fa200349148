#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/level_format.h"
#include "common/user_item_cells.h"
#include "game/rules/directions.h"
#include "game/rules/one_based.h"

namespace zelkor {

inline constexpr int kBodySlots = 101;  // slot 0 is the working slot, 1..100 the body
inline constexpr int kMaxLength = 99;

struct BodySegment {
    std::int16_t x = -20;
    std::int16_t y = -20;
    Piece piece = Piece::None;
};

struct SnakeRecord {
    std::int16_t x = 0;
    std::int16_t y = 0;
    Dir dir = Dir::None;
    Dir nextDir = Dir::None;
    // The player's second pending turn with quick turns on: taken at the step
    // after the one that takes `nextDir`.
    Dir queuedTurn = Dir::None;
    std::int16_t length = 1;
    std::int16_t grow = 0;
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::array<BodySegment, kBodySlots> body{};
    std::int16_t tailX = 0;
    std::int16_t tailY = 0;
    Piece tailPiece = Piece::None;
    std::int32_t score = 0;
    std::int32_t totalScore = 0;
    std::int16_t lives = 0;
    std::int16_t frags = 0;
    std::string name;  // Windows-1252 bytes
    std::int16_t speed = 0;
    std::int16_t curSpeed = 0;
    std::int16_t model = 0;
    std::int16_t deaths = 0;
    std::int16_t redEaten = 0;
    std::int16_t blueEaten = 0;
    std::int16_t blackEaten = 0;
    std::int16_t yellowEaten = 0;
    std::int16_t powerEaten = 0;
    std::int16_t tnt = 0;
    bool atomic = false;
    std::int16_t atomicLeft = 0;
    std::int16_t atomicGiven = 0;

    // Body slot i (0..100). An index outside the body stops the program at once
    // instead of writing over the fields behind it.
    BodySegment& Segment(int i) { return body[CheckedSlot(i)]; }
    const BodySegment& Segment(int i) const { return body[CheckedSlot(i)]; }

    // Growth paid at once ("length += 1"). `CapLengths` brings a snake back to 99
    // every frame; until then the spare slot 100 is the most a body can use,
    // however many items are eaten in one frame.
    void AddLength(int segments) {
        length = static_cast<std::int16_t>(std::min(length + segments, kBodySlots - 1));
    }

private:
    static std::size_t CheckedSlot(int i) {
        if (i < 0 || i >= kBodySlots) std::abort();
        return static_cast<std::size_t>(i);
    }
};

enum class ItemKind : std::uint8_t { Yellow, Red, Blue, Black, TNT, Power };
inline constexpr std::array<ItemKind, 6> kItemKinds{ItemKind::Yellow, ItemKind::Red,
                                                    ItemKind::Blue,   ItemKind::Black,
                                                    ItemKind::TNT,    ItemKind::Power};
std::string_view ItemKindName(ItemKind kind);  // "Yellow", "Red", ..., "TNT", "Power"

struct ItemSlot {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool visible = false;
    std::int16_t spawnPoint = 0;
    bool taken = false;
};

struct ItemList {
    std::int16_t count = 0;
    OneBased<ItemSlot, kMaxItems> slots;
};

struct WallPiece {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool standing = false;
    WallKind kind = WallKind::v;
};

// A spawn point's `state`: free (the empty text), "new" (just vacated, skipped
// once by placement), or the slot number of the item standing on it.
struct SpawnState {
    enum class Kind : std::uint8_t { Free, New, Item };
    Kind kind = Kind::Free;
    std::int16_t slot = 0;

    static SpawnState Free() { return {}; }
    static SpawnState New() { return {Kind::New, 0}; }
    static SpawnState Item(int k) { return {Kind::Item, static_cast<std::int16_t>(k)}; }
    bool IsFree() const { return kind == Kind::Free; }
    bool IsNew() const { return kind == Kind::New; }
    // Val(state): the item slot number, 0 for the empty text and "new".
    int Value() const { return kind == Kind::Item ? slot : 0; }
    std::string Text() const;
    friend bool operator==(const SpawnState&, const SpawnState&) = default;
};

struct SpawnPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool usable = false;
    SpawnState state;
    std::int16_t extra = 0;  // cleared with `state` when a life is lost; read nowhere else
};

// The world of a running level: every table with its fixed capacity.
struct World {
    OneBased<SnakeRecord, kMaxSnakes> Snakes;
    std::int16_t NumSnakes = 1;
    bool Frozen = false;

    std::array<ItemList, 6> items;
    ItemList& Items(ItemKind kind) { return items[static_cast<std::size_t>(kind)]; }
    const ItemList& Items(ItemKind kind) const { return items[static_cast<std::size_t>(kind)]; }

    OneBased<WallPiece, kMaxWallPieces> WallPieces;
    std::int16_t wallCount = 0;

    OneBased<SpawnPoint, kMaxSpawnPoints> SpawnPoints;
    std::int16_t spawnCount = 0;

    OneBased<UserItemCell, kMaxUserItemCells> UserItemCells;
    std::int16_t userItemCount = 0;
};

}  // namespace zelkor
