#pragma once

#include <array>
#include <cstdint>

namespace zelkor {

// A window timer: it fires (inside DoEvents only) once at least `interval` ms
// have passed since it was enabled or last fired.
struct Timer {
    int interval = 0;
    bool enabled = false;
    std::int64_t since = 0;  // when it was enabled or last fired

    void Enable(std::int64_t now) {
        if (!enabled) since = now;
        enabled = true;
    }
    void Disable() { enabled = false; }
    // Like a window timer, a new interval restarts the count of an enabled timer.
    void SetInterval(int ms, std::int64_t now) {
        interval = ms;
        since = now;
    }
    bool Due(std::int64_t now) const { return enabled && interval > 0 && now - since >= interval; }
};

struct Timers {
    Timer keybrd{10, false, 0};
    std::array<Timer, 16> iWait{};  // iWait[0] paces the player, iWait[k] snake k + 1
    Timer picChange{66, true, 0};
    Timer ResetSpeed{10000, false, 0};
    Timer ScrollNext{55, true, 0};
    Timer tmr1{1000, true, 0};

    Timers() {
        for (Timer& t : iWait)
            t.interval = 1;
    }
};

}  // namespace zelkor
