#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "game/present/surface.h"

namespace zelkor {

// The rules the game's bitmap files follow once decoded: their header's size and the
// colour key that makes part of a picture transparent.

// The transparent colour of a picture, chosen when it is loaded: mode 1 is exactly
// RGB(131,131,131), mode 2 exactly RGB(128,128,128), every other mode the near-black
// range RGB(0,0,0)..RGB(10,10,10). Pixels in the key get alpha 0, colour kept.
void ApplyColourKey(Surface& picture, int keyMode);

// The width and height a bitmap file's header gives, or nothing when the bytes are
// no bitmap header. Heights of bottom-up and top-down files are both positive.
std::optional<std::array<int, 2>> BitmapSize(std::string_view header);

}  // namespace zelkor
