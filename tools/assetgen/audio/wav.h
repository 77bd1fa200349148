#pragma once

#include <vector>

namespace zelkor::assetgen {

inline constexpr int kSampleRate = 22050;

// Stereo sound as floats in -1..1.
struct StereoSound {
    std::vector<float> left, right;
};

// PCM WAV: 2 channels, 22050 samples per second, 16 bits.
std::vector<unsigned char> EncodeWav(const StereoSound& sound);

}  // namespace zelkor::assetgen
