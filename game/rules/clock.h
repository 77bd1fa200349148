#pragma once

#include <cstdint>

namespace zelkor {

// Where the game reads the time. The real clock reads a steady clock; the manual
// clock is moved by tests and the headless runner.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
};

class ManualClock final : public Clock {
public:
    explicit ManualClock(std::int64_t start = 0) : now_(start) {}
    std::int64_t NowMs() const override { return now_; }
    void Advance(std::int64_t ms) { now_ += ms; }
    void Set(std::int64_t ms) { now_ = ms; }

private:
    std::int64_t now_;
};

}  // namespace zelkor
