#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/archive_reader.h"
#include "common/settings_store.h"
#include "game/control/audio/audio.h"
#include "game/control/input/keyboard.h"
#include "game/control/input/window_events.h"
#include "game/control/replay/pass_clock.h"
#include "game/control/replay/replay.h"
#include "game/control/run/message_box.h"

namespace zelkor {

// The ordered answers of a run's services: added to while a run is recorded, taken from
// while one is played. A played run that asks for another kind of answer than the next one
// recorded has gone another way: it is stopped and told why, once.
class ReplayTape {
public:
    enum class Mode { Off, Record, Play };

    ReplayTape() = default;
    explicit ReplayTape(std::vector<ReplayRecord> played)
        : mode_(Mode::Play), records_(std::move(played)) {}
    void Record() { mode_ = Mode::Record; }

    Mode mode() const { return mode_; }
    bool recording() const { return mode_ == Mode::Record; }
    bool playing() const { return mode_ == Mode::Play; }

    void Add(ReplayRecord record);
    // The next record when it is of `kind`; nothing once the run went another way.
    const ReplayRecord* Take(ReplayInput kind);
    // The next record when it is this very answer; nothing (and no harm) otherwise.
    const ReplayRecord* TakeIf(ReplayInput kind, std::int64_t value);
    // The next record when it is a window event the window reports as it lets events run.
    const ReplayRecord* TakeWindowEvent();
    // The played run went another way than recorded: it stops, and `why` is kept.
    void Diverge(std::string why);
    // The played run reached the recorded end: it stops, and asks for nothing more.
    void Finish() {
        if (std::exchange(finished_, true)) return;
        if (stop_) stop_();
    }
    bool finished() const { return finished_; }

    // Every answer recorded so far, or (playing) whether each was taken.
    const std::vector<ReplayRecord>& records() const { return records_; }
    bool AllTaken() const { return next_ == records_.size(); }
    // How many records were recorded, or (playing) taken, so far.
    std::size_t position() const { return playing() ? next_ : records_.size(); }
    const std::string& divergence() const { return divergence_; }
    void OnStop(std::function<void()> stop) { stop_ = std::move(stop); }

private:
    Mode mode_ = Mode::Off;
    std::vector<ReplayRecord> records_;
    std::size_t next_ = 0;
    std::string divergence_;
    bool finished_ = false;
    std::function<void()> stop_;
};

inline constexpr const char* kReplayWentAnotherWayText =
    "The replay went another way than it was recorded";
inline constexpr const char* kReplayEndedEarlyText = "The replay ended before its game did";

// The services of one run as the game sees them: each answer the real (or scripted) service
// gives is recorded, or, playing, taken from the tape instead of asking it. The clock is
// read once a pass: when the window's events have run, after a wait.
class ReplaySeams {
public:
    struct Inner {
        Clock& clock;
        Keyboard& keyboard;
        WindowEvents& events;
        SoundDevice& sound;
        MusicPlayer& music;
        MessageBoxService& messageBox;
        ArchiveReaderFactory& archiveReaders;
    };
    // `windowWaits`: a played run's still loops wait as the recorded window's did.
    ReplaySeams(ReplayTape& tape, const Inner& inner, bool windowWaits);
    ReplaySeams(const ReplaySeams&) = delete;
    ReplaySeams& operator=(const ReplaySeams&) = delete;
    ~ReplaySeams();

    PassClock& clock() { return clock_; }
    Keyboard& keyboard();
    WindowEvents& events();
    SoundDevice& sound();
    MusicPlayer& music();
    MessageBoxService& messageBox();
    ArchiveReaderFactory& archiveReaders();

    // The archives opened, by file (recording), for the consulted files.
    void OnArchiveOpened(std::function<void(const std::filesystem::path&)> opened);

private:
    struct Wrappers;
    PassClock clock_;
    std::unique_ptr<Wrappers> wrappers_;
};

// The settings a recorded run read, each value as it first read it (a value the run wrote
// first is its own): seeded into a memory store, they give a played run the same answers.
class RecordingSettings final : public SettingsStore {
public:
    explicit RecordingSettings(SettingsStore& inner) : inner_(inner) {}
    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool WriteBatch(std::span<const SettingsEntry> entries) override;
    void SetReporter(std::function<void(std::string_view)> report) override {
        inner_.SetReporter(std::move(report));
    }
    // "[Section]" lines each followed by its "key=value" lines, in the order first read:
    // since the run began, or since the mark the current game started at.
    enum class Since { RunStart, GameStart };
    std::string Text(Since since = Since::RunStart) const;
    // From here on the values are noted again as first read, for a game that may start here;
    // KeepMark: one did (the last mark is its).
    void Mark() { sinceMark_ = {}; }
    void KeepMark() { sinceGameStart_ = sinceMark_; }

private:
    struct Seen {
        std::string section, key;
        std::optional<std::string> value;
    };
    struct Log {
        std::vector<Seen> seen;
        std::set<std::string> known;  // by lower-case "section\nkey": read (or written) before
    };
    SettingsStore& inner_;
    Log sinceStart_, sinceMark_, sinceGameStart_;
};

// A memory store holding the values of RecordingSettings::Text.
std::unique_ptr<SettingsStore> SettingsFromText(std::string_view text);

// A played run's settings: a memory store seeded from a recorded text, seeded anew where a
// replay cut at its game's start goes on with its game.
class PlayedSettings final : public SettingsStore {
public:
    explicit PlayedSettings(std::string_view text) : inner_(SettingsFromText(text)) {}
    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        return inner_->Read(section, key);
    }
    bool WriteBatch(std::span<const SettingsEntry> entries) override {
        return inner_->WriteBatch(entries);
    }
    void Reseed(std::string_view text) { inner_ = SettingsFromText(text); }

private:
    std::unique_ptr<SettingsStore> inner_;
};

}  // namespace zelkor
