#include "game/control/audio/music_policy.h"

namespace zelkor {

void MusicFrameCheck(Game& game, Music& music) {
    if (!game.options.musicEnabled || !game.sound.deviceReady) return;
    const std::string& file = game.level.MusicFile;
    MusicState& m = game.music;
    if (file.empty()) {
        if (m.playing) music.zkStopMusic();
        return;
    }
    if (file == m.file && m.playing) {
        if (m.looping) music.zkMusicCheckEnd();
        return;
    }
    if (file == m.unplayable) return;
    music.zkStopMusic();
    if (music.zkLoadMusic(file)) {
        music.zkPlayMusic(true, 0);
        music.zkMusicVolume(game.options.musicVolume);
    }
}

void MusicLevelStarted(Game& game) {
    game.music.unplayable.clear();
}

void TakeUpMusic(const Game& game, MusicPlayer& player, const std::filesystem::path& track) {
    const MusicState& m = game.music;
    player.Stop();
    if (!m.playing || !game.options.musicEnabled || !game.sound.deviceReady) return;
    if (player.Load(track) && player.Play(static_cast<double>(game.Now() - m.startedAt) / 1000))
        player.SetVolume(m.volume);
}

}  // namespace zelkor
