#include "game/platform/mixer_levels.h"

#include <algorithm>
#include <cmath>

namespace zelkor {
namespace {

// The amplitude of an attenuation, 1 for none; a boost counts as none.
double Amplitude(int hundredthsOfDecibel) {
    return std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0);
}

std::uint8_t Level(int hundredthsOfDecibel) {
    return static_cast<std::uint8_t>(std::lround(255 * Amplitude(hundredthsOfDecibel)));
}

}  // namespace

int MixerVolume(int hundredthsOfDecibel) {
    return static_cast<int>(std::lround(128 * Amplitude(hundredthsOfDecibel)));
}

MixerPanning MixerPanningOf(int balance) {
    return {Level(-std::max(balance, 0)), Level(std::min(balance, 0))};
}

}  // namespace zelkor
