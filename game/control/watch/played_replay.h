#pragma once

#include <filesystem>

#include "common/archive_reader.h"
#include "game/control/audio/audio.h"
#include "game/control/replay/replay.h"
#include "game/control/run/game_replays.h"
#include "game/control/watch/replay_watch.h"
#include "game/present/picture_services.h"
#include "game/rules/clock.h"

namespace zelkor {

// What a watched replay is played with besides the answers its tape gives: the program's
// pictures, text, sound, music and archives.
struct WatchedServices {
    Clock& clock;
    PictureFiles& pictureFiles;
    TextRenderer& text;
    SoundDevice& sound;
    MusicPlayer& music;
    ArchiveReaderFactory& archiveReaders;
};

// Plays `replay` in the game folder `gameDir` with `watch` as its display: the recorded
// game's clock, keys, window events, message boxes and settings come from its tape, never
// from the watcher. Returns when it reached its end, went another way than recorded, or the
// watcher stopped it; says which.
ReplayOutcome PlayWatchedReplay(const Replay& replay, const std::filesystem::path& gameDir,
                                ReplayWatch& watch, const WatchedServices& services);

}  // namespace zelkor
