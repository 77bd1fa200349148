#include "tools/assetgen/audio/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelkor::assetgen {
namespace {

void Put16(std::vector<unsigned char>& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

std::int16_t ToSample(float v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

std::vector<unsigned char> EncodeWav(const StereoSound& sound) {
    const std::size_t frames = std::min(sound.left.size(), sound.right.size());
    const auto dataBytes = static_cast<std::uint32_t>(frames * 4);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    for (char c : {'R', 'I', 'F', 'F'})
        out.push_back(static_cast<unsigned char>(c));
    Put32(out, 36 + dataBytes);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        out.push_back(static_cast<unsigned char>(c));
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 2);  // channels
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * 4);  // bytes per second
    Put16(out, 4);                // block align
    Put16(out, 16);               // bits per sample
    for (char c : {'d', 'a', 't', 'a'})
        out.push_back(static_cast<unsigned char>(c));
    Put32(out, dataBytes);
    for (std::size_t i = 0; i < frames; ++i) {
        Put16(out, static_cast<std::uint16_t>(ToSample(sound.left[i])));
        Put16(out, static_cast<std::uint16_t>(ToSample(sound.right[i])));
    }
    return out;
}

}  // namespace zelkor::assetgen
