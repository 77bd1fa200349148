#include "game/rules/random.h"

#include <bit>

namespace zelkor {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
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

RandomJump::RandomJump(std::uint64_t draws) {
    Matrix step{};
    for (int j = 0; j < 256; ++j) {
        State& column = step[static_cast<std::size_t>(j)];
        column[static_cast<std::size_t>(j / 64)] = std::uint64_t{1} << (j % 64);
        Random::Step(column);
    }
    Matrix columns{};
    for (int j = 0; j < 256; ++j)  // the identity
        columns[static_cast<std::size_t>(j)][static_cast<std::size_t>(j / 64)] = std::uint64_t{1}
                                                                                 << (j % 64);
    for (; draws > 0; draws >>= 1) {
        if (draws & 1) columns = Times(columns, step);
        if (draws > 1) step = Times(step, step);
    }
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        for (std::size_t value = 0; value < 16; ++value) {
            State& sum = groups_[group][value];
            for (std::size_t bit = 0; bit < 4; ++bit) {
                if ((value >> bit & 1) == 0) continue;
                for (std::size_t i = 0; i < 4; ++i)
                    sum[i] ^= columns[4 * group + bit][i];
            }
        }
    }
}

void RandomJump::Apply(Random& rng) const {
    State result{};
    for (std::size_t word = 0; word < 4; ++word) {
        std::uint64_t bits = rng.s_[word];
        for (std::size_t group = 16 * word; group < 16 * word + 16; ++group, bits >>= 4) {
            const State& sum = groups_[group][bits & 15];
            for (std::size_t i = 0; i < 4; ++i)
                result[i] ^= sum[i];
        }
    }
    rng.s_ = result;
}

RandomJump::State RandomJump::Times(const Matrix& m, const State& v) {
    State result{};
    for (std::size_t word = 0; word < 4; ++word) {
        for (std::uint64_t bits = v[word]; bits != 0; bits &= bits - 1) {
            const State& column = m[word * 64 + static_cast<std::size_t>(std::countr_zero(bits))];
            for (std::size_t i = 0; i < 4; ++i)
                result[i] ^= column[i];
        }
    }
    return result;
}

RandomJump::Matrix RandomJump::Times(const Matrix& a, const Matrix& b) {
    Matrix result;
    for (std::size_t j = 0; j < 256; ++j)
        result[j] = Times(a, b[j]);
    return result;
}

}  // namespace zelkor
