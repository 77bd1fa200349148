#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>

namespace zelkor {

// A fixed table numbered 1..N, as the game numbers its snakes, items, walls and
// spawn points. Slot 0 exists but is never handed out; an index outside 1..N
// stops the program at once instead of reading a neighbour's memory.
template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int kCapacity = static_cast<int>(N);

    T& operator[](int i) { return slots_[Checked(i)]; }
    const T& operator[](int i) const { return slots_[Checked(i)]; }

    static constexpr int capacity() { return kCapacity; }

    // Iterates slots 1..N.
    T* begin() { return slots_.data() + 1; }
    T* end() { return slots_.data() + N + 1; }
    const T* begin() const { return slots_.data() + 1; }
    const T* end() const { return slots_.data() + N + 1; }

private:
    static std::size_t Checked(int i) {
        if (i < 1 || i > kCapacity) std::abort();
        return static_cast<std::size_t>(i);
    }
    std::array<T, N + 1> slots_{};
};

}  // namespace zelkor
