#pragma once

#include <cstdint>

namespace zelkor {

// The game's random numbers: uniform reals in [0, 1). "Reseeding from the clock"
// mixes the clock's value into the state; it never restarts the sequence, so
// several reseeds within the same millisecond still give different draws.
class Random {
public:
    explicit Random(std::uint64_t seed = 0) { Seed(seed); }

    void Seed(std::uint64_t seed);
    void Mix(std::int64_t clockValue);
    double Rnd();
    // Int(Rnd * n): a whole number 0..n-1 (0 when n <= 0).
    int Below(double n);

private:
    std::uint64_t Next();
    std::uint64_t s_[4]{};
};

}  // namespace zelkor
