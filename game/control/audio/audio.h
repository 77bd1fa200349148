#pragma once

#include <filesystem>

namespace zelkor {

// The sound card's effect side: one output and its buffers, numbered like the
// entries of the sound table (1..128). Volume and balance are in hundredths of a
// decibel: volume 0 plays at full strength, balance 0 in the centre, a negative
// balance quietens the right side and a positive one the left.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens the default output; false when there is none.
    virtual bool Open() = 0;
    // Makes the entry's buffer from a WAV file, replacing what it held; false when
    // the file cannot be read.
    virtual bool CreateBuffer(int entry, const std::filesystem::path& file) = 0;
    virtual void ReleaseBuffers() = 0;
    // Stops the entry's buffer, rewinds it, sets its balance and volume and plays
    // it once, so an effect asked for again starts over instead of doubling.
    virtual void Play(int entry, int balance, int volume) = 0;
};

// The music side: one track at a time.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // Loads a track from a music file in place of the old one, at full volume,
    // stopped at its start; false (and nothing loaded) when it cannot be played.
    virtual bool Load(const std::filesystem::path& file) = 0;
    // Runs the loaded track from `seconds` on; false when it does not start.
    virtual bool Play(double seconds) = 0;
    // Stops the track and rewinds it.
    virtual void Stop() = 0;
    // Whether the running track has played to its end.
    virtual bool Ended() = 0;
    virtual void SetVolume(int hundredthsOfDecibel) = 0;
};

// An output that takes every buffer and plays nothing.
class SilentSound final : public SoundDevice {
public:
    bool Open() override { return true; }
    bool CreateBuffer(int, const std::filesystem::path&) override { return true; }
    void ReleaseBuffers() override {}
    void Play(int, int, int) override {}
};

// A player that can play nothing.
class SilentMusic final : public MusicPlayer {
public:
    bool Load(const std::filesystem::path&) override { return false; }
    bool Play(double) override { return false; }
    void Stop() override {}
    bool Ended() override { return false; }
    void SetVolume(int) override {}
};

}  // namespace zelkor
