#include "game/control/watch/replay_pacer.h"

namespace zelkor {

std::int64_t ReplayPacer::WaitBefore(std::int64_t replayMs, std::int64_t realMs, int speed) {
    if (counting_ && speed == speed_) {
        const std::int64_t due = realFrom_ + (replayMs - replayFrom_) / speed;
        if (due >= realMs && due - realMs <= kMostAheadMs) return due - realMs;
        if (realMs - due <= kMostBehindMs) return 0;
    }
    counting_ = true;
    speed_ = speed;
    replayFrom_ = replayMs;
    realFrom_ = realMs;
    return 0;
}

}  // namespace zelkor
