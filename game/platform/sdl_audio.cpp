#include "game/platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "game/platform/mixer_levels.h"

namespace zelkor {
namespace {

constexpr int kFrequency = 22050;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 512;  // about 23 ms: effects follow the game closely
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

int ChannelOf(int entry) {
    return entry - 1;
}

}  // namespace

// ---- the output ------------------------------------------------------------------

SdlMixer::~SdlMixer() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlMixer::Open() {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::cerr << "Zelkor: no sound output: " << SDL_GetError() << "\n";
        return false;
    }
    // A sound font the player names in SDL_SOUNDFONTS wins over the game's own.
    std::error_code error;
    if (std::getenv("SDL_SOUNDFONTS") == nullptr && std::filesystem::exists(kSoundFont, error))
        Mix_SetSoundFonts(kSoundFont);
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
        std::cerr << "Zelkor: no sound output: " << Mix_GetError() << "\n";
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MID | MIX_INIT_OGG);  // a format it cannot play fails when loaded
    Mix_AllocateChannels(kMaxSoundEntries);
    open_ = true;
    return true;
}

// ---- effects -----------------------------------------------------------------------

void SdlSound::FreeChunk::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);  // halts the channels still playing it
}

bool SdlSound::CreateBuffer(int entry, const std::filesystem::path& file) {
    auto& slot = chunks_[entry];
    slot.reset();
    if (!mixer_.IsOpen()) return false;
    slot.reset(Mix_LoadWAV(file.c_str()));
    return slot != nullptr;
}

void SdlSound::ReleaseBuffers() {
    for (auto& chunk : chunks_)
        chunk.reset();
}

void SdlSound::Play(int entry, int balance, int volume) {
    Mix_Chunk* chunk = chunks_[entry].get();
    if (chunk == nullptr) return;
    const int channel = ChannelOf(entry);
    Mix_HaltChannel(channel);
    Mix_Volume(channel, MixerVolume(volume));
    const MixerPanning panning = MixerPanningOf(balance);
    Mix_SetPanning(channel, panning.left, panning.right);
    Mix_PlayChannel(channel, chunk, 0);
}

// ---- music -------------------------------------------------------------------------

void SdlMusic::FreeMusic::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);  // halts it first when it is playing
}

bool SdlMusic::Load(const std::filesystem::path& file) {
    track_.reset();
    if (!mixer_.IsOpen()) return false;
    track_.reset(Mix_LoadMUS(file.c_str()));
    if (!track_) return false;
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    return true;
}

bool SdlMusic::Play(double seconds) {
    if (!track_ || Mix_PlayMusic(track_.get(), 0) != 0) return false;
    if (seconds > 0) Mix_SetMusicPosition(seconds);
    return true;
}

void SdlMusic::Stop() {
    if (track_) Mix_HaltMusic();
}

bool SdlMusic::Ended() {
    if (!track_) return false;
    // The mixer stops a track at its end. Where it can tell the position (not for
    // MIDI) a track at or past its length has ended too.
    if (!Mix_PlayingMusic()) return true;
    const double length = Mix_MusicDuration(track_.get());
    const double position = Mix_GetMusicPosition(track_.get());
    return length > 0 && position >= length;
}

void SdlMusic::SetVolume(int hundredthsOfDecibel) {
    Mix_VolumeMusic(MixerVolume(hundredthsOfDecibel));
}

}  // namespace zelkor
