#pragma once

#include <cstdint>

namespace zelkor {

// The set-1 scan code the game uses for the key at an SDL scancode's position (SDL scancodes
// name key positions, not what the layout prints on them); 0 for keys the game has no code for.
std::uint8_t SetOneCode(int sdlScancode);

// The SDL scancode of the key at a set-1 code's place; 0 for a code of no key.
int SdlScancodeOf(int code);

}  // namespace zelkor
