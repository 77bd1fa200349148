#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zelkor {

// Capacities of the level tables. A level that needs more fails to load.
inline constexpr int kMaxItems = 300;  // items of one kind
inline constexpr int kMaxWallPieces = 681;
inline constexpr int kMaxSpawnPoints = 300;
inline constexpr int kMaxUserItemCells = 681;
inline constexpr int kMaxRequiredFiles = 32;

// Lines 1 to 22 of a level file are also rows 1 to 22 of the playfield.
inline constexpr int kGridRows = 22;
inline constexpr int kCellSize = 20;  // pixels

// The wall graphics a grid code places ("v" for "|", "h_t" for "^", ...).
enum class WallKind : std::uint8_t { v, h, v_l, v_r, h_t, h_b, s };

inline constexpr std::string_view WallKindName(WallKind kind) {
    constexpr std::array<std::string_view, 7> kNames{"v", "h", "v_l", "v_r", "h_t", "h_b", "s"};
    return kNames[static_cast<std::size_t>(kind)];
}

}  // namespace zelkor
