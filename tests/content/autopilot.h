#pragma once

// A player for the shipped levels: it plays one level headless, steering around walls,
// snakes and the level's dangers to the nearest item the level still asks for, and
// keeps the keys it pressed, so that the win can be played again.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/control/input/keyboard.h"

namespace zelkor {
class SoundDevice;
class MusicPlayer;
}  // namespace zelkor

namespace zelkor::content {

struct AutopilotRun {
    bool won = false;
    std::int64_t wonAtMs = 0;  // game time from the start of the run to the level-end box
    int livesLost = 0;         // deaths and time-limit hits
    // The keys it pressed, timed from the run's start; each was let go a frame later.
    std::vector<ScriptedKeyboard::Change> presses;
    std::string endReason;      // why a lost run ended
    std::int64_t playedMs = 0;  // game time the run took
};

// What a run may have besides its level: more switches for the command line, and the
// sound and music services to play into (silent ones when none are given).
struct PlayOptions {
    std::string switches;
    SoundDevice* sound = nullptr;
    MusicPlayer* music = nullptr;
};

// Plays `levelFile` in `gameDir`, whose archives must already be unpacked there, with
// the run's clock starting at `seed`, for at most `limitMs` of game time.
AutopilotRun PlayLevel(const std::filesystem::path& gameDir, const std::string& levelFile,
                       std::int64_t seed, std::int64_t limitMs, const PlayOptions& options = {});

}  // namespace zelkor::content
