#include "game/control/audio/music.h"

#include <algorithm>
#include <cmath>

#include "game/rules/messages.h"

namespace zelkor {

int MusicVolumeHundredths(int percent) {
    // The curve turns back above 100 %: a stored volume outside 0..100 counts as its nearer end.
    const double p = std::clamp(percent, 0, 100);
    return static_cast<int>(std::lround((p - 100) * 0.25 * (100 - p)));
}

Music::Music(Game& game, MusicPlayer& player, AudioHooks hooks)
    : game_(game), player_(player), hooks_(std::move(hooks)) {}

void Music::Debug(const std::string& message) {
    if (game_.run.debug) ShowMessage(game_, message);
}

bool Music::zkLoadMusic(std::string_view path) {
    if (!Usable()) return false;
    MusicState& m = game_.music;
    m.playing = false;
    if (!player_.Load(hooks_.toFile(path))) {
        m.file.clear();
        m.unplayable.assign(path);
        return false;
    }
    m.file.assign(path);
    m.volume = 0;
    Debug("zkLoadMusic: " + std::string(path));
    return true;
}

void Music::zkPlayMusic(bool loop, double seconds) {
    MusicState& m = game_.music;
    if (!game_.options.musicEnabled || !Usable() || m.file.empty()) return;
    if (!player_.Play(seconds)) {
        // A track that loads but will not run is given up like one that will not load.
        m.playing = false;
        m.unplayable = m.file;
        return;
    }
    m.looping = loop;
    m.playing = true;
    m.startedAt = game_.Now();
    Debug("zkPlayMusic: Playing Music");
}

void Music::zkStopMusic() {
    MusicState& m = game_.music;
    if (!m.playing) return;
    player_.Stop();
    m.playing = false;
    Debug("zkStopMusic: Stoping Music");
}

void Music::zkMusicCheckEnd() {
    MusicState& m = game_.music;
    if (!Usable() || m.file.empty() || !player_.Ended()) return;
    if (game_.Now() - m.startedAt < kShortestTrackMs) {
        m.unplayable = m.file;
        zkStopMusic();
        return;
    }
    zkPlayMusic(true, 0);
}

void Music::zkMusicVolume(int percent) {
    MusicState& m = game_.music;
    if (Usable() && !m.file.empty()) {
        m.volume = static_cast<std::int16_t>(MusicVolumeHundredths(percent));
        player_.SetVolume(m.volume);
    }
    Debug("zkMusicVolume: " + std::to_string(percent) + "%");
}

void Music::SwitchMusic(bool on) {
    MusicState& m = game_.music;
    if (on) m.unplayable.clear();
    if (on && !m.file.empty()) {
        if (!m.playing) zkPlayMusic(true, 0);
    } else {
        zkStopMusic();
    }
}

}  // namespace zelkor
