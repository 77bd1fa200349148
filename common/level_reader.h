#pragma once

// Reading a level file the way the game reads it. The reader has no side effects:
// it turns the file's bytes into the list of what each line does, in file order,
// and the level loader applies that list in the same order (an archive named by
// "Requires=" is unpacked before a later "set:" line looks for its picture).

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/level_format.h"

namespace zelkor {

// The keys the game reads, in the order every line is tested against them.
enum class LevelKey : std::uint8_t {
    numYellow,
    numRed,
    numBlue,
    numBlack,
    numTNT,
    numPower,
    hasOpenWalls,
    reqYellow,
    reqRed,
    reqBlue,
    reqBlack,
    reqScore,
    blueRate,
    powerRate,
    HideCollected,
    nextLvl,
    lvlName,
    Timeout,
    SnakeStrtX,
    SnakeStrtY,
    AIS,
    BkgPic,
    Requires,
    MusicFile,
    increase,
    incrBy,
    gSpeed,
    maxSpd,
    minSpd,
    set,
    let,
};
inline constexpr int kLevelKeyCount = 31;

// How a key's value is taken from the rest of its line.
enum class LevelValueType : std::uint8_t {
    Integer,    // nearest 16-bit integer, a half to the even neighbour; out of range fails
    Whole,      // the same for 32 bits
    Decimal,    // the number as read
    ExactTrue,  // true only for the exact text "True"
    Truth,      // "True"/"False" in any case, or a number; anything else fails
    Text,       // unchanged
    Name,       // leading blanks removed
    UserItem,   // "set:"/"let:", see UserItemTypeRead and UserItemGfxRead
};

// All keys in table order.
const std::array<LevelKey, kLevelKeyCount>& LevelKeys();
// The key as it stands in the file: "numYellow=", "set:".
std::string_view LevelKeyText(LevelKey key);
// The key without its "=" ("numYellow", "SnakeStrtX"); "set" and "let" for the two
// user-item keys.
std::string_view LevelKeyName(LevelKey key);
LevelValueType LevelKeyType(LevelKey key);
// The five keys whose value starts one character after the "=".
bool SkipsOneCharacter(LevelKey key);

// A converted value: std::int16_t for Integer, std::int32_t for Whole, double for
// Decimal, bool for ExactTrue and Truth, std::string (Windows-1252 bytes) for Text
// and Name.
using LevelValue = std::variant<std::int16_t, std::int32_t, double, bool, std::string>;

// Grid codes. Positions are the playfield pixels the game uses: walls and user-item
// cells at (20 x column, 20 x row), starts and spawn points at the cell centre
// (20 x column - 10, 20 x row - 10).
struct WallPlaced {
    std::int16_t x = 0;
    std::int16_t y = 0;
    WallKind kind = WallKind::v;
    friend bool operator==(const WallPlaced&, const WallPlaced&) = default;
};

struct StartPlaced {
    int snake = 1;  // 1 for "S", 2..10 for "1".."9", 11..16 for "A".."F"
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const StartPlaced&, const StartPlaced&) = default;
};

struct SpawnPointPlaced {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const SpawnPointPlaced&, const SpawnPointPlaced&) = default;
};

struct UserItemCellPlaced {
    std::int16_t x = 0;
    std::int16_t y = 0;
    char letter = 'A';  // upper case
    friend bool operator==(const UserItemCellPlaced&, const UserItemCellPlaced&) = default;
};

// A key line other than "set:"/"let:". A repeated key yields one effect per line;
// the last one wins when applied in order ("Requires=" accumulates).
struct KeyRead {
    LevelKey key = LevelKey::numYellow;
    LevelValue value;
    friend bool operator==(const KeyRead&, const KeyRead&) = default;
};

// "let:" + letter + any character + type: every user-item cell read so far whose
// letter (its gfx text) equals `letter` takes `type` as its declaration.
struct UserItemTypeRead {
    char letter = 'A';  // the line's 5th character, a..z given in upper case
    std::string type;   // never empty
    friend bool operator==(const UserItemTypeRead&, const UserItemTypeRead&) = default;
};

// "set:" + letter + any character + name: when `name` exists below the gfx folder,
// every user-item cell read so far whose letter equals `letter` takes `name` as its
// graphics. The reader does not look for the file: a "Requires=" archive read
// earlier may provide it.
struct UserItemGfxRead {
    char letter = 'A';  // as for UserItemTypeRead
    std::string name;   // never empty, as written (backslashes kept)
    friend bool operator==(const UserItemGfxRead&, const UserItemGfxRead&) = default;
};

using LevelEffect = std::variant<WallPlaced, StartPlaced, SpawnPointPlaced, UserItemCellPlaced,
                                 KeyRead, UserItemTypeRead, UserItemGfxRead>;

struct LevelError {
    int line = 0;  // 1-based; 0 when the file could not be read at all
    std::string reason;
    friend bool operator==(const LevelError&, const LevelError&) = default;
};

// The effects up to the first failure, and the failure if there was one. What was
// read before a failure stays, as it stays in the game's tables. Most failures stop
// the reading at their line; an item count above 300 fails only when the whole file
// has been read (the last "num...=" line of a kind wins), at the line that set it.
struct LevelReadResult {
    std::vector<LevelEffect> effects;
    std::optional<LevelError> error;
    bool ok() const { return !error.has_value(); }
};

// Reads the bytes of a level file. Lines end at CR LF, LF or CR.
LevelReadResult ReadLevelText(std::string_view bytes);

// A level at every table's limit takes well under a megabyte; a larger file is not
// a level, and reading it whole could exhaust the memory.
inline constexpr std::uintmax_t kMaxLevelFileBytes = 16u << 20;

// The whole file, or nothing when it cannot be read, is no regular file or is larger
// than kMaxLevelFileBytes.
std::optional<std::string> ReadLevelBytes(const std::filesystem::path& file);

}  // namespace zelkor
