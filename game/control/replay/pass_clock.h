#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "game/rules/clock.h"

namespace zelkor {

// The clock as the game reads it: one reading per pass of its loops, taken when the pass
// begins (the window's events let run, or a wait over), so every rule of one pass sees the
// same time and a recording holds one reading a pass.
class PassClock final : public Clock {
public:
    explicit PassClock(std::function<std::int64_t()> source)
        : source_(std::move(source)), now_(source_()) {}
    std::int64_t NowMs() const override { return now_; }
    void Refresh() { now_ = source_(); }
    // A played replay cut at its game's start goes on at the reading its game started at.
    void Set(std::int64_t ms) { now_ = ms; }

private:
    std::function<std::int64_t()> source_;
    std::int64_t now_;
};

}  // namespace zelkor
