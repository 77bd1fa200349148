#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace zelkor {

// A number as a level gives it: whole numbers stay whole, "2.5" stays 2.5.
struct Decimal {
    double value;
};

// A line of text put together in place, for what the frame draws every time
// (score line, counters): appending never allocates; text past its room is cut.
class LineText {
public:
    LineText& operator<<(std::string_view text) {
        const std::size_t n = std::min(text.size(), kRoom - size_);
        text.copy(chars_.data() + size_, n);
        size_ += n;
        return *this;
    }
    LineText& operator<<(char c) { return *this << std::string_view(&c, 1); }
    LineText& operator<<(std::int64_t number) {
        std::array<char, 24> digits{};
        const auto end = std::to_chars(digits.begin(), digits.end(), number).ptr;
        return *this << std::string_view(digits.data(),
                                         static_cast<std::size_t>(end - digits.data()));
    }
    LineText& operator<<(int number) { return *this << static_cast<std::int64_t>(number); }
    LineText& operator<<(Decimal number) {
        std::array<char, 48> digits{};
        const auto end =
            std::to_chars(digits.begin(), digits.end(), number.value, std::chars_format::fixed).ptr;
        return *this << std::string_view(digits.data(),
                                         static_cast<std::size_t>(end - digits.data()));
    }

    std::string_view view() const { return {chars_.data(), size_}; }
    void clear() { size_ = 0; }

private:
    static constexpr std::size_t kRoom = 512;
    std::array<char, kRoom> chars_{};
    std::size_t size_ = 0;
};

}  // namespace zelkor
