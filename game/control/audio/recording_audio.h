#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/control/audio/audio.h"

namespace zelkor {

// An output that plays nothing and keeps a list of what it was asked to do, for
// the headless runner and tests. Every buffer is made unless `opens` is off or its
// file is listed in `unreadable`.
class RecordingSound final : public SoundDevice {
public:
    struct Buffer {
        int entry;
        std::filesystem::path file;
    };
    struct Played {
        int entry, balance, volume;
    };

    bool opens = true;
    std::vector<std::filesystem::path> unreadable;

    std::vector<Buffer> buffers;  // every buffer made, in order
    std::vector<Played> played;
    int releases = 0;

    bool Open() override { return opens; }
    bool CreateBuffer(int entry, const std::filesystem::path& file) override;
    void ReleaseBuffers() override { ++releases; }
    void Play(int entry, int balance, int volume) override {
        played.push_back({entry, balance, volume});
    }
};

// A player that plays nothing and writes what it was asked to do as lines:
// "load <file name>", "play <seconds>", "stop", "volume <hundredths>". A track
// loads when its file exists; it ends when a test says so.
class RecordingMusic final : public MusicPlayer {
public:
    std::vector<std::string> calls;
    bool ended = false;

    bool Load(const std::filesystem::path& file) override;
    bool Play(double seconds) override;
    void Stop() override;
    bool Ended() override { return ended; }
    void SetVolume(int hundredthsOfDecibel) override;

private:
    bool loaded_ = false;
};

}  // namespace zelkor
