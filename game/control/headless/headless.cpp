#include "game/control/headless/headless.h"

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "common/regular_file.h"
#include "common/settings_store.h"
#include "game/control/audio/recording_audio.h"
#include "game/control/headless/key_script.h"
#include "game/control/headless/state_dump.h"
#include "game/control/options/settings.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"

namespace zelkor {
namespace {

// No window: every flip is a frame shown; the screenshots asked for are taken
// from the back buffer at the first flip at or after their time.
class HeadlessDisplay final : public Display {
public:
    HeadlessDisplay(ManualClock& clock, const ProgramOptions& options, PictureFiles& files)
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

// The key file's presses on the keyboard; false (and said why) when it cannot be used.
bool ScriptKeys(const ProgramOptions& options, ScriptedKeyboard& keyboard) {
    if (!options.keysFile) return true;
    const std::optional<std::string> text = ReadText(*options.keysFile);
    if (!text) {
        std::cerr << "Zelkor: cannot read the key file " << options.keysFile->string() << "\n";
        return false;
    }
    const KeyScript script = ParseKeyScript(*text);
    if (script.error) {
        std::cerr << "Zelkor: " << options.keysFile->string() << ", " << *script.error << "\n";
        return false;
    }
    AddKeyScript(script, options.seed, keyboard);
    return true;
}

}  // namespace

int RunHeadless(const ProgramOptions& options, const HeadlessPlatform& platform) {
    ManualClock clock(options.seed);
    ScriptedKeyboard keyboard(clock);
    if (!ScriptKeys(options, keyboard)) return 2;

    std::unique_ptr<SettingsStore> settings;
    if (options.settingsFile) {
        settings = std::make_unique<IniSettingsStore>(*options.settingsFile);
    } else {
        settings = std::make_unique<MemorySettingsStore>();
    }
    if (options.newInstalledVersion) MarkNewInstall(*settings);

    SteppingWindowEvents events(clock, options.frameMs, options.seed + options.runMs);
    HeadlessDisplay display(clock, options, platform.pictureFiles);
    RecordingSound sound;
    RecordingMusic music;
    NullMessageBox messageBox;
    GameSetup setup(
        GameServices{clock, keyboard, events, display, platform.pictureFiles, platform.text, sound,
                     music, *settings, messageBox, platform.archiveReaders},
        options.gameDir);
    const Game& game = setup.game();
    // The state as the time runs out: the loops that unwind after this would
    // otherwise answer a waiting box (a level end would load the next level, a
    // life-lost box would respawn the player).
    std::optional<nlohmann::json> dumpAtEnd;
    if (options.dumpFile) {
        events.OnEachStep([&](bool timeUp) {
            if (timeUp && !dumpAtEnd) dumpAtEnd = DumpState(game, options.gameDir);
            return false;
        });
    }
    if (options.picturesFolder) setup.window().SetPicturesFolder(*options.picturesFolder);
    int status = setup.Run(options.commandLine);

    if (options.dumpFile) {
        std::ofstream out(*options.dumpFile, std::ios::binary);
        out << (dumpAtEnd ? *dumpAtEnd : DumpState(game, options.gameDir)).dump(2) << "\n";
        if (!out) {
            std::cerr << "Zelkor: cannot write the dump " << options.dumpFile->string() << "\n";
            status = 2;
        }
    }
    if (!display.AllWritten()) {
        std::cerr << "Zelkor: not every screenshot could be written\n";
        if (status == 0) status = 2;
    }
    return status;
}

}  // namespace zelkor
