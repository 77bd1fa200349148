#pragma once

#include <filesystem>
#include <memory>

#include "game/control/audio/audio.h"
#include "game/rules/one_based.h"
#include "game/rules/sound_state.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace zelkor {

// The sound output through SDL2_mixer: 22050 Hz, 16-bit stereo, one mixer channel
// per sound-table entry. Music plays MIDI through FluidSynth with the General MIDI
// sound font the game installs (unless SDL_SOUNDFONTS names another), and OGG and
// every other format the mixer knows.
class SdlMixer {
public:
    SdlMixer() = default;
    SdlMixer(const SdlMixer&) = delete;
    SdlMixer& operator=(const SdlMixer&) = delete;
    ~SdlMixer();

    // Opens the default output once; false (with the reason on standard error)
    // when there is none.
    bool Open();
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// Effects as mixer chunks. Entry k plays on channel k - 1 (channels count from 0),
// so an effect asked for again cuts itself off and starts over.
class SdlSound final : public SoundDevice {
public:
    explicit SdlSound(SdlMixer& mixer) : mixer_(mixer) {}

    bool Open() override { return mixer_.Open(); }
    bool CreateBuffer(int entry, const std::filesystem::path& file) override;
    void ReleaseBuffers() override;
    void Play(int entry, int balance, int volume) override;

private:
    struct FreeChunk {
        void operator()(Mix_Chunk* chunk) const;
    };
    SdlMixer& mixer_;
    OneBased<std::unique_ptr<Mix_Chunk, FreeChunk>, kMaxSoundEntries> chunks_;
};

// The music: one track at a time, played once; the game restarts it when it ends.
class SdlMusic final : public MusicPlayer {
public:
    explicit SdlMusic(const SdlMixer& mixer) : mixer_(mixer) {}

    bool Load(const std::filesystem::path& file) override;
    bool Play(double seconds) override;
    void Stop() override;
    bool Ended() override;
    void SetVolume(int hundredthsOfDecibel) override;

private:
    struct FreeMusic {
        void operator()(_Mix_Music* music) const;
    };
    const SdlMixer& mixer_;
    std::unique_ptr<_Mix_Music, FreeMusic> track_;
};

}  // namespace zelkor
