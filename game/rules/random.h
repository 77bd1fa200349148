#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace zelkor {

// The game's random numbers: uniform reals in [0, 1). "Reseeding from the clock"
// mixes the clock's value into the state; it never restarts the sequence, so
// several reseeds within the same millisecond still give different draws.
class Random {
public:
    explicit Random(std::uint64_t seed = 0) { Seed(seed); }

    using State = std::array<std::uint64_t, 4>;

    void Seed(std::uint64_t seed);
    void Mix(std::int64_t clockValue);
    // The whole state, to carry a generator over to another run: the restored one draws
    // what this one would have drawn next.
    const State& Words() const { return s_; }
    void Restore(const State& words) { s_ = words; }
    double Rnd();
    // Int(Rnd * n): a whole number 0..n-1 (0 when n <= 0).
    int Below(double n);

private:
    friend class RandomJump;
    static void Step(State& s);
    std::uint64_t Next();
    State s_{};
};

// Drawing is inline: a crowded field's placement draws thousands of numbers.

// xoshiro256** (Blackman and Vigna).
inline void Random::Step(State& s) {
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = std::rotl(s[3], 45);
}

inline std::uint64_t Random::Next() {
    const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
    Step(s_);
    return result;
}

inline double Random::Rnd() {
    return static_cast<double>(static_cast<std::int64_t>(Next() >> 11)) * 0x1.0p-53;
}

inline int Random::Below(double n) {
    if (n <= 0) return 0;
    // Rnd() * n is not negative, so dropping the fraction takes its whole part.
    return static_cast<int>(Rnd() * n);
}

// A fixed number of draws made at once: `Apply` leaves a generator exactly where
// that many draws would have left it, at the cost of a few hundred bit operations.
// A search that is bound to fail (every position taken) still moves the generator
// on by all of its tries, so what follows comes out as if it had tried.
//
// The generator's step is linear over the 256 bits of its state, so n steps are one
// 256 x 256 bit matrix, worked out once by squaring. It is applied four rows at a
// time: for each group of four state bits, the sum of the columns that each of the
// group's 16 values picks is worked out beforehand.
class RandomJump {
public:
    explicit RandomJump(std::uint64_t draws);
    void Apply(Random& rng) const;

private:
    using State = Random::State;
    using Matrix = std::array<State, 256>;  // column j: where state bit j goes

    static State Times(const Matrix& m, const State& v);
    static Matrix Times(const Matrix& a, const Matrix& b);

    std::array<std::array<State, 16>, 64> groups_{};
};

}  // namespace zelkor
