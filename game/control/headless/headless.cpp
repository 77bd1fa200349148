#include "game/control/headless/headless.h"

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "common/regular_file.h"
#include "common/settings_store.h"
#include "game/control/audio/recording_audio.h"
#include "game/control/headless/key_script.h"
#include "game/control/headless/state_dump.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"
#include "game/control/run/quit.h"
#include "game/control/run/run_registration.h"

namespace zelkor {
namespace {

// Each pass of a loop moves the game on by one frame; the run ends when its time
// is up.
class HeadlessEvents final : public WindowEvents {
public:
    HeadlessEvents(ManualClock& clock, const HeadlessOptions& options, const Game& game)
        : clock_(clock),
          frameMs_(options.frameMs),
          endAt_(options.seed + options.runMs),
          gameDir_(options.gameDir),
          wantDump_(options.dumpFile.has_value()),
          game_(game) {}

    void Pump(WindowEventSink& sink) override {
        clock_.Advance(frameMs_);
        if (clock_.NowMs() >= endAt_) {
            // The state as the time runs out: the loops that unwind after this
            // would otherwise answer a waiting box (a level end would load the
            // next level, a life-lost box would respawn the player).
            if (wantDump_ && !dumpAtEnd_) dumpAtEnd_ = DumpState(game_, gameDir_);
            sink.RunOver();
        }
    }
    void Sleep(int ms) override { clock_.Advance(ms); }

    // The state when the time ran out; none when the program ended before.
    const std::optional<nlohmann::json>& dumpAtEnd() const { return dumpAtEnd_; }

private:
    ManualClock& clock_;
    std::int64_t frameMs_;
    std::int64_t endAt_;
    std::filesystem::path gameDir_;
    bool wantDump_;
    const Game& game_;
    std::optional<nlohmann::json> dumpAtEnd_;
};

// No window: every flip is a frame shown; the screenshots asked for are taken
// from the back buffer at the first flip at or after their time.
class HeadlessDisplay final : public Display {
public:
    HeadlessDisplay(ManualClock& clock, const HeadlessOptions& options, PictureFiles& files)
        : clock_(clock), files_(files) {
        for (const auto& shot : options.screenshots)
            pending_.push_back({shot.atMs + options.seed, shot.file});
    }

    void Present(const Surface& backBuffer) override {
        for (auto& shot : pending_) {
            if (shot.done || clock_.NowMs() < shot.atMs) continue;
            shot.done = true;
            if (!files_.SavePng(backBuffer, shot.file)) failed_ = true;
        }
    }
    void ShowCursor(bool) override {}

    // The screenshots that were due but could not be written, or never came due.
    bool AllWritten() const {
        if (failed_) return false;
        for (const auto& shot : pending_)
            if (!shot.done) return false;
        return true;
    }

private:
    struct Pending {
        std::int64_t atMs;
        std::filesystem::path file;
        bool done = false;
    };
    ManualClock& clock_;
    PictureFiles& files_;
    std::vector<Pending> pending_;
    bool failed_ = false;
};

std::optional<std::string> ReadText(const std::filesystem::path& file) {
    return ReadWholeFile(file, std::size_t{64} << 20);
}

}  // namespace

int RunHeadless(const HeadlessOptions& options, const HeadlessPlatform& platform) {
    ManualClock clock(options.seed);
    ScriptedKeyboard keyboard(clock);
    if (options.keysFile) {
        const std::optional<std::string> text = ReadText(*options.keysFile);
        if (!text) {
            std::cerr << "Zelkor: cannot read the key file " << options.keysFile->string() << "\n";
            return 2;
        }
        const KeyScript script = ParseKeyScript(*text);
        if (script.error) {
            std::cerr << "Zelkor: " << options.keysFile->string() << ", " << *script.error << "\n";
            return 2;
        }
        for (ScriptedKeyboard::Change change : script.changes) {
            change.time += options.seed;
            keyboard.Add(change);
        }
    }

    std::unique_ptr<SettingsStore> settings;
    if (options.settingsFile) {
        settings = std::make_unique<IniSettingsStore>(*options.settingsFile);
    } else {
        settings = std::make_unique<MemorySettingsStore>();
    }

    Game game(clock);
    game.rng.Seed(static_cast<std::uint64_t>(options.seed));
    HeadlessEvents events(clock, options, game);
    HeadlessDisplay display(clock, options, platform.pictureFiles);
    RecordingSound sound;
    RecordingMusic music;
    NullMessageBox messageBox;
    GameSetup setup(game,
                    GameServices{keyboard, events, display, platform.pictureFiles, platform.text,
                                 sound, music, *settings, messageBox, platform.archiveReaders},
                    options.gameDir);
    if (options.picturesFolder) setup.window().SetPicturesFolder(*options.picturesFolder);
    const int code = setup.Run(options.commandLine);

    int status = code;
    if (options.dumpFile) {
        std::ofstream out(*options.dumpFile, std::ios::binary);
        const auto& atEnd = events.dumpAtEnd();
        out << (atEnd ? *atEnd : DumpState(game, options.gameDir)).dump(2) << "\n";
        if (!out) {
            std::cerr << "Zelkor: cannot write the dump " << options.dumpFile->string() << "\n";
            status = 2;
        }
    }
    if (!display.AllWritten()) {
        std::cerr << "Zelkor: not every screenshot could be written\n";
        if (status == 0) status = 2;
    }
    // A run that got as far as unpacking the archives ends the way the game's exit
    // does, so the unpacked files go again (after the menu's exit this finds no
    // lists left).
    if (game.flags.displayReady) {
        QuitServices quit;
        quit.lastCopy = LastCopyQuestion(&setup.registration());
        QuitCleanUp(game, options.gameDir, *settings, quit);
    }
    return status;
}

}  // namespace zelkor
