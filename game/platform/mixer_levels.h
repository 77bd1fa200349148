#pragma once

#include <cstdint>

namespace zelkor {

// The game gives volume and balance in hundredths of a decibel; SDL2_mixer wants
// linear amplitudes. These follow the decibel curve (amplitude = 10^(dB / 20)), so
// -6 dB is half as loud in amplitude, not 6 % quieter.

// A volume (0 = full, negative = quieter) as the mixer's 0..128.
int MixerVolume(int hundredthsOfDecibel);

// A balance as the mixer's left and right levels (0..255): a negative balance
// quietens the right side, a positive one the left; 0 leaves both full.
struct MixerPanning {
    std::uint8_t left, right;
};
MixerPanning MixerPanningOf(int balance);

}  // namespace zelkor
