#pragma once

#include <cstdint>

namespace zelkor::assetgen {

// Deterministic hash noise: the same numbers on every run and every machine.
std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
// A value in [0, 1) for an integer lattice point.
float Hash01(int x, int y = 0, int seed = 0);
// Smooth value noise in [0, 1) over the plane, one lattice cell per unit.
float ValueNoise(float x, float y, int seed);
// Several octaves of value noise, result in [0, 1).
float Fractal(float x, float y, int seed, int octaves = 4);

// A small seeded generator for choices (music, layouts).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(Hash(seed) | 1u) {}
    std::uint32_t Next();
    // A whole number in [0, n).
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
    float Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }

private:
    std::uint32_t state_;
};

}  // namespace zelkor::assetgen
