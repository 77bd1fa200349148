#pragma once

#include <cstdint>
#include <span>

#include "game/present/surface.h"

namespace zelkor {

// The start-up window's own pictures. They are carried inside the program, because
// the window shows them before any archive is unpacked.
enum class StartupPicture : std::uint8_t { Logo, RedTeam, BlueTeam, Hunting };
inline constexpr int kStartupPictures = 4;

// The picture's bitmap file bytes; empty in a build without generated art.
std::span<const std::uint8_t> StartupPictureBytes(StartupPicture which);

// Where the window shows them.
namespace startup_layout {
inline constexpr Rect kLogo{40, 16, 340, 106};
inline constexpr Rect kRedPlate{350, 22, 600, 92};
inline constexpr Rect kBluePlate{350, 110, 600, 180};
inline constexpr Rect kHuntingPlate{40, 136, 290, 206};
}  // namespace startup_layout

}  // namespace zelkor
