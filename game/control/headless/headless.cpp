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
#include "game/control/replay/replay_file.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"
#include "game/control/watch/played_replay.h"
#include "game/control/watch/window_replay_viewer.h"

namespace zelkor {
namespace {

// No window: every flip is a frame shown; the screenshots asked for are taken
// from the back buffer at the first flip at or after their time.
class HeadlessDisplay final : public Display {
public:
    HeadlessDisplay(const Clock& clock, const ProgramOptions& options, PictureFiles& files)
        : clock_(&clock), start_(options.seed), files_(files) {
        for (const auto& shot : options.screenshots)
            pending_.push_back({shot.atMs, shot.file});
    }
    // The times count on `clock` from `start` on (a played replay's own clock).
    void Follow(const Clock& clock, std::int64_t start) {
        clock_ = &clock;
        start_ = start;
    }

    void Present(const Surface& backBuffer) override {
        for (auto& shot : pending_) {
            if (shot.done || clock_->NowMs() - start_ < shot.atMs) continue;
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
    const Clock* clock_;
    std::int64_t start_;
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

// --record: each game's replay replaces the file as the game ends.
class ReplayWriter final : public ReplayKeeper {
public:
    explicit ReplayWriter(std::filesystem::path file) : file_(std::move(file)) {}
    void GameRecorded(const Replay& replay) override {
        if (!WriteReplayFile(file_, replay))
            std::cerr << "Zelkor: cannot write the replay " << file_.string() << "\n";
    }

private:
    std::filesystem::path file_;
};

// The replay to play, or nothing (and said why) when it is refused.
std::optional<Replay> ReadPlayedReplay(const ProgramOptions& options) {
    ReplayRead read = ReadReplayFile(*options.replayFile);
    std::optional<std::string> refusal = read.refusal;
    if (read.replay) refusal = ChangedReplayFile(read.replay->header, GameFiles(options.gameDir));
    if (!refusal) return std::move(read.replay);
    std::cerr << "Zelkor: " << *refusal << "\n";
    return std::nullopt;
}

// The clock's first reading in a replay: its game time starts there.
std::int64_t FirstReading(const Replay& replay) {
    for (const ReplayRecord& r : replay.records)
        if (r.kind == ReplayInput::Clock) return r.value;
    return 0;
}

// What --verify-replay prints: how the played replay ended against how it was recorded.
int VerifyOutcome(const ReplayOutcome& outcome, const ReplayHeader& recorded) {
    if (!outcome.ended) {
        std::cout << outcome.divergence << "\n";
        return 1;
    }
    const bool same = outcome.score == recorded.finalScore && outcome.level == recorded.finalLevel;
    std::cout << "Final score " << outcome.score << ", level " << outcome.level;
    if (same) {
        std::cout << ": as recorded\n";
    } else {
        std::cout << ": recorded score " << recorded.finalScore << ", level " << recorded.finalLevel
                  << "\n";
    }
    return same ? 0 : 1;
}

}  // namespace

int RunHeadless(const ProgramOptions& options, const HeadlessPlatform& platform) {
    std::optional<Replay> replay;
    if (options.replayFile && !(replay = ReadPlayedReplay(options))) return 2;
    ManualClock clock(options.seed);
    ScriptedKeyboard keyboard(clock);
    if (!replay && !ScriptKeys(options, keyboard)) return 2;

    std::unique_ptr<SettingsStore> settings;
    if (options.settingsFile && !replay) {
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
    // The state as the time or the replay runs out: the loops that unwind after this would
    // otherwise answer a waiting box (a level end would load the next level, a
    // life-lost box would respawn the player).
    std::optional<nlohmann::json> dumpAtEnd;
    const Game* played = nullptr;
    std::optional<ReplayWriter> writer;
    if (options.recordFile && !replay) writer.emplace(*options.recordFile);
    ReplaySession session{writer.has_value(),
                          writer ? &*writer : nullptr,
                          replay ? &*replay : nullptr,
                          [&] {
                              if (options.dumpFile && !dumpAtEnd)
                                  dumpAtEnd = DumpState(*played, options.gameDir);
                          },
                          {}};
    GameSetup setup(
        GameServices{clock, keyboard, events, display, platform.pictureFiles, platform.text, sound,
                     music, *settings, messageBox, platform.archiveReaders},
        options.gameDir, session);
    const Game& game = setup.game();
    played = &game;
    if (replay) display.Follow(game.clock, FirstReading(*replay));
    if (options.dumpFile && !replay) {
        events.OnEachStep([&](bool timeUp) {
            if (timeUp && !dumpAtEnd) dumpAtEnd = DumpState(game, options.gameDir);
            return false;
        });
    }
    // A played replay takes no screenshots.
    if (options.picturesFolder && !replay)
        setup.window().SetPicturesFolder(*options.picturesFolder);
    // Replays watched from the pages play under the scripted keys, heard by nobody.
    WindowReplayViewer viewer(
        {display, keyboard, events, clock}, setup.files(), [&](const Replay& r, ReplayWatch& w) {
            SilentSound silentSound;
            SilentMusic silentMusic;
            return PlayWatchedReplay(r, options.gameDir, w,
                                     {clock, platform.pictureFiles, platform.text, silentSound,
                                      silentMusic, platform.archiveReaders});
        });
    setup.window().SetReplayViewer(viewer);
    int status = setup.Run(options.commandLine);
    if (replay && options.verifyReplay)
        status = VerifyOutcome(setup.replayOutcome(), replay->header);
    if (replay && !options.verifyReplay && !setup.replayOutcome().ended) {
        std::cerr << "Zelkor: " << setup.replayOutcome().divergence << "\n";
        status = 1;
    }

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
