#pragma once

#include <string_view>

#include "game/control/replay/replay.h"

namespace zelkor {

// Told where each game of a run begins (New Game, a level from the Levels page, the level
// named on the command line), which levels it reaches and where it ends (game over, the end
// of a Levels-page run or of the last level, a level that failed to load, the program closing).
class GameWatch {
public:
    virtual ~GameWatch() = default;
    virtual void GameStarted(ReplayStart how, std::string_view level) = 0;
    virtual void LevelLoaded() = 0;
    // Called before the game's hall-of-fame entry or level record; true when the run must
    // stop here (a replay played to its end): the caller then does nothing more.
    virtual bool GameEnded() = 0;
    // The keys of a pass of the menu loop are about to act, and have acted: a game they start
    // starts from the run's state here (the first time, the run's start-up is over).
    virtual void MenuKeysAct() {}
    virtual void MenuKeysActed() {}
};

}  // namespace zelkor
