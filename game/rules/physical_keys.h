#pragma once

#include <cstdint>
#include <string_view>

namespace zelkor {

// The game's own names of the keys by their place on the keyboard (set-1 scan codes), as the
// settings file keeps them: plain ASCII, never a ",", the same whatever the layout prints on
// the key ("A" is the key right of Caps Lock, also on a French keyboard).
// Codes 0..255; a code outside them aborts. Codes of no key have the empty name.
std::string_view PhysicalKeyName(int code);

// The code of a named key, whatever the letter case of the name ("left" is "Left", as a
// hand-edited settings file may have it); 0 for a name the table does not hold.
int PhysicalKeyCode(std::string_view name);

// Codes the controllers send in place of keys, outside those of the keyboard: the D-pad and
// the stick steer through the actions Up, Down, Left and Right and move the menus' cursors,
// Start is the Pause action. (A is Enter, B and Back are Escape: those keys are fixed.)
namespace pad {
inline constexpr int Up = 240;
inline constexpr int Down = 241;
inline constexpr int Left = 242;
inline constexpr int Right = 243;
inline constexpr int Start = 244;
}  // namespace pad

// The key a controller code stands for in the menus (an arrow), or the code itself.
int MenuKeyOf(int code);

}  // namespace zelkor
