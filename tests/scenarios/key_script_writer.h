#pragma once

// Key files written as a player types: taps, held keys and words.
#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace zelkor::scenario {

// A key file: taps one every 80 ms, each key held for `holdMs` (at most 80).
class KeyScriptWriter {
public:
    explicit KeyScriptWriter(int start = 300, int holdMs = 40) : t_(start), holdMs_(holdMs) {}

    KeyScriptWriter& Tap(int code, int times = 1) {
        for (int i = 0; i < times; ++i) {
            Change(code, 1);
            t_ += holdMs_;
            Change(code, 0);
            t_ += 80 - holdMs_;
        }
        return *this;
    }
    KeyScriptWriter& Press(int code) { return Change(code, 1), Wait(); }
    KeyScriptWriter& Release(int code) { return Change(code, 0), Wait(); }
    // Letters and digits by their place on a US keyboard.
    KeyScriptWriter& Type(std::string_view text) {
        constexpr std::array<std::pair<int, std::string_view>, 4> rows{
            {{2, "1234567890"}, {16, "qwertyuiop"}, {30, "asdfghjkl"}, {44, "zxcvbnm"}}};
        for (char c : text)
            for (const auto& [first, keys] : rows)
                if (const auto at = keys.find(c); at != std::string_view::npos)
                    Tap(first + static_cast<int>(at));
        return *this;
    }
    const std::string& Text() const { return text_; }
    // The next key goes in at `time`.
    KeyScriptWriter& At(int time) {
        t_ = time;
        return *this;
    }
    int End() const { return t_; }

private:
    KeyScriptWriter& Change(int code, int state) {
        text_ +=
            std::to_string(t_) + " " + std::to_string(code) + " " + std::to_string(state) + "\n";
        return *this;
    }
    KeyScriptWriter& Wait() {
        t_ += 40;
        return *this;
    }
    std::string text_;
    int t_;
    int holdMs_;
};

}  // namespace zelkor::scenario
