#include "game/control/watch/played_replay.h"

#include "common/settings_store.h"
#include "game/control/run/game_setup.h"

namespace zelkor {

ReplayOutcome PlayWatchedReplay(const Replay& replay, const std::filesystem::path& gameDir,
                                ReplayWatch& watch, const WatchedServices& s) {
    // The tape answers for these; the watcher's own keyboard and window stay the watcher's.
    NullKeyboard keyboard;
    NoWindowEvents events;
    NullMessageBox messageBox;
    MemorySettingsStore settings;
    GameSetup setup(GameServices{s.clock, keyboard, events, watch, s.pictureFiles, s.text, s.sound,
                                 s.music, settings, messageBox, s.archiveReaders},
                    gameDir, ReplaySession{false, nullptr, &replay, {}});
    watch.Begin(setup.game(), setup.screen().pictures(), [&setup] { setup.window().RunOver(); });
    setup.Run("");
    return setup.replayOutcome();
}

}  // namespace zelkor
