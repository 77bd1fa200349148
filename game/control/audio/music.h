#pragma once

#include <string_view>

#include "game/control/audio/audio.h"
#include "game/control/audio/sound_effects.h"
#include "game/rules/game.h"

namespace zelkor {

// A track that ends sooner than this after it was started is taken for one that
// cannot be played (a damaged file the mixer accepted) rather than looped.
inline constexpr std::int64_t kShortestTrackMs = 1000;

// The music volume option (per cent) as the player's attenuation in hundredths of a
// decibel: 100 % is full, 30 % is -12.25 dB, 0 % is -25 dB (quiet, not silent).
int MusicVolumeHundredths(int percent);

// The music routines over the music player; the track, its flags and its volume are
// kept in the game's state. Without a sound device every call does nothing.
class Music {
public:
    Music(Game& game, MusicPlayer& player, AudioHooks hooks);

    // `zkLoadMusic`: a new track from a game path in place of the current one,
    // at full volume. A track that cannot be played is remembered as such and
    // false is returned.
    bool zkLoadMusic(std::string_view path);
    // `zkPlayMusic`: while music is on, runs the track from `seconds`.
    void zkPlayMusic(bool loop, double seconds);
    // `zkStopMusic`: stops a playing track and rewinds it.
    void zkStopMusic();
    // `zkMusicCheckEnd`: starts a track that has played to its end again from 0,
    // unless it ended at once: then it is given up as unplayable.
    void zkMusicCheckEnd();
    // `zkMusicVolume`: sets the loaded track's volume from the option (per cent).
    void zkMusicVolume(int percent);

    // Music switched on or off on the options page: on plays the loaded track from
    // the start unless it is playing, and gives a track that would not play another
    // try; off (or nothing loaded) stops it.
    void SwitchMusic(bool on);

private:
    bool Usable() const { return game_.sound.deviceReady; }
    void Debug(const std::string& message);

    Game& game_;
    MusicPlayer& player_;
    AudioHooks hooks_;
};

}  // namespace zelkor
