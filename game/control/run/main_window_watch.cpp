// Watching the kept replays from the hall of fame and the Levels page.
#include "game/control/run/main_window.h"
#include "game/control/watch/kept_replays.h"

namespace zelkor {

std::optional<std::string> MainWindow::WatchReplay(
    const std::optional<std::filesystem::path>& file) {
    if (!file) return std::string(kNoReplayKept);
    const MusicState music = game_.music;
    std::optional<std::string> refusal = viewer_->Watch(*file, *this);
    // The recorded game had the music player to itself: the page's track starts again.
    if (!refusal && music.playing && music_.zkLoadMusic(music.file)) {
        music_.zkPlayMusic(music.looping, 0);
        music_.zkMusicVolume(game_.options.musicVolume);
    }
    // A key still held from watching (the Escape that stopped it) acts only when it goes
    // down again.
    KeyState& keys = game_.keys;
    PollKeyboard(s_.keyboard, keys);
    keys.presses.Clear();
    for (std::size_t k = 0; k < keys.snapshot.size(); ++k)
        if (keys.snapshot[k] != 0) keys.ready[k] = false;
    keysBefore_ = keys.snapshot;
    pictureStale_ = true;
    return refusal;
}

void MainWindow::WatchHallOfFameRow() {
    const int row = game_.menu.hallOfFameRow;
    const auto file =
        row == 0 ? LastGameReplay(s_.files) : ReplayOfPlace(s_.files, s_.settings, row);
    if (const auto refusal = WatchReplay(file)) game_.menu.statusLine = *refusal;
}

void MainWindow::WatchListedLevel() {
    const MenuState& m = game_.menu;
    if (m.levelsRow < 1 || m.levelsRow > static_cast<int>(m.levels.size())) return;
    const LevelListEntry& level = m.levels[static_cast<std::size_t>(m.levelsRow - 1)];
    if (const auto refusal = WatchReplay(KeptReplay(s_.files, level.replay)))
        HoldLevelsStatus(game_, *refusal);
}

}  // namespace zelkor
