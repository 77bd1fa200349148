#include "game/control/watch/played_replay.h"

#include "common/game_files.h"
#include "common/settings_store.h"
#include "game/control/audio/music_policy.h"
#include "game/control/run/game_setup.h"

namespace zelkor {
namespace {

// The recorded run's sounds before its own game are not heard (its loads still happen).
class SoundOfTheGame final : public SoundDevice {
public:
    SoundOfTheGame(SoundDevice& device, const ReplayWatch& watch)
        : device_(device), watch_(watch) {}
    bool Open() override { return device_.Open(); }
    bool CreateBuffer(int entry, const std::filesystem::path& file) override {
        return device_.CreateBuffer(entry, file);
    }
    void ReleaseBuffers() override { device_.ReleaseBuffers(); }
    void Play(int entry, int balance, int volume) override {
        if (watch_.showing()) device_.Play(entry, balance, volume);
    }

private:
    SoundDevice& device_;
    const ReplayWatch& watch_;
};

}  // namespace

ReplayOutcome PlayWatchedReplay(const Replay& replay, const std::filesystem::path& gameDir,
                                ReplayWatch& watch, const WatchedServices& s) {
    // The tape answers for these; the watcher's own keyboard and window stay the watcher's.
    NullKeyboard keyboard;
    NoWindowEvents events;
    NullMessageBox messageBox;
    MemorySettingsStore settings;
    SoundOfTheGame sound(s.sound, watch);
    GameSetup setup(GameServices{s.clock, keyboard, events, watch, s.pictureFiles, s.text, sound,
                                 s.music, settings, messageBox, s.archiveReaders},
                    gameDir,
                    ReplaySession{false, nullptr, &replay, {}, [&] {
                                      watch.OwnGameStarted();
                                      TakeUpMusic(setup.game(), s.music,
                                                  GameFiles(gameDir).File(setup.game().music.file));
                                  }});
    watch.Begin(setup.game(), setup.screen().pictures(), [&setup] { setup.window().RunOver(); });
    setup.Run("");
    return setup.replayOutcome();
}

}  // namespace zelkor
