#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/rules/one_based.h"

namespace zelkor {

inline constexpr int kMaxSoundEntries = 128;
inline constexpr int kRecentEffectCount = 32;

// An effect asked for, as a replay shows it: the path as the caller wrote it, the
// snake that caused it and the sound-table entry it played from (0 when silenced).
struct AskedEffect {
    std::string path;
    std::int16_t snake = 0;
    std::int16_t entry = 0;
    bool played = false;
};

// The sound effects: the buffers the sound device holds, by entry, and the last
// effects asked for.
struct SoundState {
    bool deviceReady = false;  // DS_Init opened an output
    // The WAV file of each entry as it was asked for; empty = free.
    OneBased<std::string, kMaxSoundEntries> entries;
    std::array<AskedEffect, kRecentEffectCount> recent;  // a ring, oldest overwritten
    std::int64_t askedCount = 0;                         // effects asked for in the run

    // The recent effects from the oldest on, and how many there are.
    int RecentCount() const {
        return static_cast<int>(askedCount < kRecentEffectCount ? askedCount : kRecentEffectCount);
    }
    const AskedEffect& Recent(int i) const {
        const std::int64_t first = askedCount - RecentCount();
        return recent[static_cast<std::size_t>((first + i) % kRecentEffectCount)];
    }
};

// The music player: one track at a time.
struct MusicState {
    std::string file;  // the loaded track as the level names it; empty: none
    bool playing = false;
    bool looping = false;
    std::int16_t volume = 0;     // hundredths of a decibel, 0 = full
    std::int64_t startedAt = 0;  // game time of the last start
    // A track that would not play since the level started or music was switched
    // on; it is not tried again until then.
    std::string unplayable;
};

}  // namespace zelkor
