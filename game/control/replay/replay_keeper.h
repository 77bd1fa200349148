#pragma once

#include "game/control/replay/replay.h"

namespace zelkor {

// Where a recorded game goes when it ends: the recorder hands over the whole game at its
// end (game over, a run's end on the Levels page, the program closing), before that game
// enters the hall of fame or a level's records, so those can keep a copy of it.
class ReplayKeeper {
public:
    virtual ~ReplayKeeper() = default;
    virtual void GameRecorded(const Replay& replay) = 0;
};

// Keeps nothing: a run that plays a replay, tests.
class NullReplayKeeper final : public ReplayKeeper {
public:
    void GameRecorded(const Replay&) override {}
};

}  // namespace zelkor
