#pragma once

#include <string_view>

#include "game/rules/rules_host.h"

namespace zelkor {

// The sound device: the four effects loaded at start-up.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void Play(SoundEffect effect) = 0;
};

// The music player: one piece at a time, looping.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual bool Load(std::string_view path) = 0;
    virtual void Play() = 0;  // from 0 seconds, looping
    virtual void Stop() = 0;
    virtual bool Ended() const = 0;
    virtual void SetVolume(int percent) = 0;
};

class SilentSound final : public SoundDevice {
public:
    void Play(SoundEffect) override {}
};

class SilentMusic final : public MusicPlayer {
public:
    bool Load(std::string_view) override { return false; }
    void Play() override {}
    void Stop() override {}
    bool Ended() const override { return false; }
    void SetVolume(int) override {}
};

}  // namespace zelkor
