#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelkor {

// Capacities of the level tables. A level that needs more fails to load.
inline constexpr int kMaxSnakes = 16;  // the player and fifteen computer snakes
inline constexpr int kMaxItems = 300;  // items of one kind
inline constexpr int kMaxWallPieces = 681;
inline constexpr int kMaxSpawnPoints = 300;
inline constexpr int kMaxUserItemCells = 681;
inline constexpr int kMaxRequiredFiles = 32;
inline constexpr int kMaxUserItems = 26;  // one per letter a..z

// Lines 1 to 22 of a level file are also rows 1 to 22 of the playfield. The editor
// writes 31 cells per row; the game places the first 30 of them (the blank after the
// 31st is the line's last character, which the game never examines).
inline constexpr int kGridRows = 22;
inline constexpr int kGridColumns = 31;
inline constexpr int kPlayfieldColumns = 30;
inline constexpr int kGridCells = kGridRows * kGridColumns;  // 682
inline constexpr int kCellSize = 20;                         // pixels

// The wall graphics a grid code places ("v" for "|", "h_t" for "^", ...).
enum class WallKind : std::uint8_t { v, h, v_l, v_r, h_t, h_b, s };

inline constexpr std::string_view WallKindName(WallKind kind) {
    constexpr std::array<std::string_view, 7> kNames{"v", "h", "v_l", "v_r", "h_t", "h_b", "s"};
    return kNames[static_cast<std::size_t>(kind)];
}

// ---- Grid codes: one character per cell ----

inline constexpr char kEmptyCellCode = '0';   // what the editor writes for an empty cell
inline constexpr char kSpawnPointCode = '*';  // a free item spawn point

// The wall codes, indexed by WallKind: "|" is a vertical run's middle, "^" and "."
// its top and bottom ends; "-" a horizontal run's middle, "<" and ">" its left and
// right ends; "+" a single brick.
inline constexpr std::array<char, 7> kWallCodes{'|', '-', '<', '>', '^', '.', '+'};

inline constexpr char WallCode(WallKind kind) {
    return kWallCodes[static_cast<std::size_t>(kind)];
}

inline constexpr std::optional<WallKind> WallKindOfCode(char code) {
    for (std::size_t i = 0; i < kWallCodes.size(); ++i)
        if (kWallCodes[i] == code) return static_cast<WallKind>(i);
    return std::nullopt;
}

// Start codes, snake 1 (the player) first: "S", then "1".."9" for snakes 2..10 and
// "A".."F" for snakes 11..16 (the snake number is the code read as a hexadecimal
// digit plus 1).
inline constexpr std::string_view kStartCodes = "S123456789ABCDEF";
static_assert(kStartCodes.size() == kMaxSnakes);

// The snake a start code places, 1..16; 0 for any other character.
inline constexpr int StartSnakeOfCode(char code) {
    const std::size_t at = kStartCodes.find(code);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

// The start code of snake 1..16. Any other number stops the program, as a table
// index out of range does.
char StartCode(int snake);

// User-item cells carry their letter, a..z in the grid.
inline constexpr bool IsUserItemCode(char code) {
    return code >= 'a' && code <= 'z';
}

// The user-item slot (1..26) of a letter a..z; 0 for any other character.
inline constexpr int UserItemSlotOfLetter(char letter) {
    return IsUserItemCode(letter) ? letter - 'a' + 1 : 0;
}

// ---- User items ----

// The types a "let:" line gives a user item. "ani_" types are animated (their
// graphics are a folder of frames); "_no_tnt" types are not destroyed by TNT.
inline constexpr std::array<std::string_view, 4> kUserItemTypes{"wall", "ani_wall", "wall_no_tnt",
                                                                "ani_wall_no_tnt"};

bool IsUserItemType(std::string_view type);

// A "let:" or "set:" line after its four key characters are matched: the letter is
// the line's 5th character, the value everything from its 7th (the 6th may be any
// character, the editor writes "="). Nothing when the value is empty or the letter's
// code lies outside 97..133 (only a..z can ever match a cell).
struct UserItemLine {
    char letter = 'a';
    std::string_view value;
};
std::optional<UserItemLine> SplitUserItemLine(std::string_view line);

// ---- Required files ----

// A "Requires=" name that the game unpacks into its gfx folder when the level loads:
// one ending in ".zkr", in any letter case.
bool IsLevelArchiveName(std::string_view name);

}  // namespace zelkor
