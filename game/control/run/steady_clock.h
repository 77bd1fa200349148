#pragma once

#include <chrono>

#include "game/rules/clock.h"

namespace zelkor {

// The real clock: milliseconds of a steady clock, unaffected by changes of the
// time of day.
class SteadyClock final : public Clock {
public:
    std::int64_t NowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace zelkor
