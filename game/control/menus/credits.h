#pragma once

#include <string_view>

namespace zelkor {

// The text the main menu's credits ticker runs through, one letter at a time. The
// blanks at the end keep the start from following the end at once when it comes
// round again.
inline constexpr std::string_view kCredits =
    "Zelkor 3D - made by the Zelkor team: game design, code, levels, pictures, sounds and "
    "music - "
    "built with free software: SDL2, SDL2_image, SDL2_mixer and SDL2_ttf for the screen, the "
    "keyboard, the sound and the letters; FluidSynth playing the music with the TimGM6mb sound "
    "font; "
    "the DejaVu fonts; libarchive and the UnRAR library for the archives; SimpleIni for "
    "the settings; JSON for Modern C++ for the recorded runs; Qt for the level editor; FreeType "
    "and zlib for drawing the pictures - "
    "thank you to everyone who makes them, and to everyone who played the early levels "
    "and drew new ones!          ";

}  // namespace zelkor
