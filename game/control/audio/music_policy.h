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

// A watched game begins with the track its run was playing then (`track`: that file), as far
// into it as it had come. The player is told so, since the run before the game, cut from the
// replay or played through unheard, need not have left it on that track.
void TakeUpMusic(const Game& game, MusicPlayer& player, const std::filesystem::path& track);

}  // namespace zelkor
