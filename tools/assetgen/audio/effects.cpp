#include "tools/assetgen/audio/effects.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr float kTwoPi = 6.2831853f;

StereoSound Silence(float seconds) {
    const auto n = static_cast<std::size_t>(seconds * kSampleRate);
    return {std::vector<float>(n, 0.0f), std::vector<float>(n, 0.0f)};
}

// Adds a tone whose frequency glides from f0 to f1, with a short attack and an
// exponential decay; `bright` adds odd harmonics.
void AddTone(StereoSound& s, float start, float length, float f0, float f1, float level,
             float decay, float bright, float pan = 0) {
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    const auto count = static_cast<std::size_t>(length * kSampleRate);
    float phase = 0;
    for (std::size_t i = 0; i < count && first + i < s.left.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float f = f0 + (f1 - f0) * (t / length);
        phase += kTwoPi * f / kSampleRate;
        const float attack = std::min(1.0f, t / 0.004f);
        const float env = attack * std::exp(-t * decay);
        const float wave =
            std::sin(phase) + bright * (std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5);
        const float v = wave * env * level;
        s.left[first + i] += v * (1 - pan) * 0.5f + v * 0.5f;
        s.right[first + i] += v * (1 + pan) * 0.5f + v * 0.5f;
    }
}

}  // namespace

void Finalise(StereoSound& s, float peak) {
    float loudest = 1e-6f;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        loudest = std::max({loudest, std::fabs(s.left[i]), std::fabs(s.right[i])});
    }
    const float gain = peak / loudest;
    const std::size_t fade = kSampleRate / 200;  // 5 ms
    const std::size_t n = s.left.size();
    for (std::size_t i = 0; i < n; ++i) {
        float g = gain;
        if (i < fade) g *= static_cast<float>(i) / fade;
        if (n - 1 - i < fade) g *= static_cast<float>(n - 1 - i) / fade;
        s.left[i] *= g;
        s.right[i] *= g;
    }
}

StereoSound CollectEffect() {
    StereoSound s = Silence(0.22f);
    AddTone(s, 0.0f, 0.08f, 880, 1175, 0.8f, 18, 0.4f, -0.2f);
    AddTone(s, 0.06f, 0.16f, 1320, 1760, 0.9f, 16, 0.3f, 0.2f);
    Finalise(s, 0.8f);
    return s;
}

StereoSound ExplodeEffect() {
    StereoSound s = Silence(1.1f);
    // Noise through a low-pass filter that closes as the blast dies away, with a deep thump.
    float lowL = 0, lowR = 0;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float env = std::min(1.0f, t / 0.006f) * std::exp(-t * 3.2f);
        const float cutoff = 0.35f * std::exp(-t * 2.5f) + 0.02f;
        const float nl = Hash01(static_cast<int>(i), 1, 400) * 2 - 1;
        const float nr = Hash01(static_cast<int>(i), 2, 400) * 2 - 1;
        lowL += (nl - lowL) * cutoff;
        lowR += (nr - lowR) * cutoff;
        const float thump = std::sin(kTwoPi * (55 - 20 * t) * t) * std::exp(-t * 6) * 0.8f;
        s.left[i] = (lowL * 1.6f + thump) * env;
        s.right[i] = (lowR * 1.6f + thump) * env;
    }
    Finalise(s, 0.8f);
    return s;
}

StereoSound LifeEffect() {
    StereoSound s = Silence(0.9f);
    // A rising major arpeggio with a little chime on top.
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    for (int i = 0; i < 4; ++i) {
        AddTone(s, i * 0.11f, 0.5f, notes[i], notes[i], 0.6f, 5, 0.25f, (i - 1.5f) * 0.2f);
    }
    AddTone(s, 0.44f, 0.45f, 2093, 2093, 0.25f, 7, 0.0f);
    Finalise(s, 0.8f);
    return s;
}

StereoSound WallEffect() {
    StereoSound s = Silence(0.3f);
    float low = 0;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float body = std::sin(kTwoPi * (110 - 140 * t) * t) * std::exp(-t * 14);
        low += (Hash01(static_cast<int>(i), 3, 401) * 2 - 1 - low) * 0.08f;
        const float knock = low * std::exp(-t * 40) * 1.5f;
        const float v = (body + knock) * std::min(1.0f, t / 0.002f);
        s.left[i] = v;
        s.right[i] = v;
    }
    Finalise(s, 0.8f);
    return s;
}

}  // namespace zelkor::assetgen
