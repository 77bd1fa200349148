#pragma once

#include <cstdint>

namespace zelkor {

// Keeps a replay in step with the watcher's clock: the recorded game's time passes at the
// chosen speed of the watcher's. A pause, a change of speed or a watcher's clock that fell
// far behind (a slow machine), or a replay clock that leapt far ahead, starts counting again
// from the picture at hand.
class ReplayPacer {
public:
    // How long to wait before the picture of replay time `replayMs` is due, the watcher's
    // clock reading `realMs`.
    std::int64_t WaitBefore(std::int64_t replayMs, std::int64_t realMs, int speed);
    void Restart() { counting_ = false; }

private:
    static constexpr std::int64_t kMostBehindMs = 250;
    // A recorded game's clock only moves once a pass of its loops: a pass that took long (the
    // start-up, a message box) is not waited out.
    static constexpr std::int64_t kMostAheadMs = 1000;
    bool counting_ = false;
    int speed_ = 1;
    std::int64_t replayFrom_ = 0;
    std::int64_t realFrom_ = 0;
};

}  // namespace zelkor
