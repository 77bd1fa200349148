#pragma once

#include "game/control/audio/music.h"
#include "game/rules/game.h"

namespace zelkor {

// The music at the start of every game frame, while music is on: the level's track
// plays, looping; another level's track replaces it; a level without one stops it.
// A track that would not play is not tried again until the next level starts or
// music is switched on again, so the level runs silent.
void MusicFrameCheck(Game& game, Music& music);

// A level has been loaded: its track, even one that failed before, is tried again.
void MusicLevelStarted(Game& game);

}  // namespace zelkor
