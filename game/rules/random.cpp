#include "game/rules/random.h"

#include <cmath>

namespace zelkor {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

void Random::Seed(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (auto& s : s_)
        s = SplitMix(x);
}

void Random::Mix(std::int64_t clockValue) {
    std::uint64_t x = static_cast<std::uint64_t>(clockValue) ^ Next();
    for (auto& s : s_)
        s ^= SplitMix(x);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
}

// xoshiro256** (Blackman and Vigna).
std::uint64_t Random::Next() {
    const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

double Random::Rnd() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int Random::Below(double n) {
    if (n <= 0) return 0;
    return static_cast<int>(std::floor(Rnd() * n));
}

}  // namespace zelkor
