#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zelkor {

// What a recorded game answered to its rules goes by. Raise it with every change that makes
// the same inputs play out differently (a rule, a timing, the order of random draws): a
// replay recorded under other rules is refused rather than played wrong.
inline constexpr std::uint32_t kBehaviourVersion = 1;

// A file the recorded game consulted: its path below the game folder ('/' separators) and
// the SHA-256 of its bytes as 64 lower-case hexadecimal digits.
struct ReplayFile {
    std::string name;
    std::string sha256;
    bool operator==(const ReplayFile&) const = default;
};

// How the recorded game started.
enum class ReplayStart : std::uint8_t {
    NewGame,      // the menu's New Game
    LevelsPage,   // a level played from the Levels page (`startLevel`)
    CommandLine,  // the level named with /L= (`startLevel`)
};

// What a recorded game's start depends on, and how it ended.
struct ReplayHeader {
    std::uint32_t behaviourVersion = kBehaviourVersion;
    std::string gameVersion;
    std::array<std::uint64_t, 4> randomState{};
    std::string settingsText;           // the whole settings file in force at the start
    std::vector<std::string> switches;  // the command line, one switch each
    std::vector<ReplayFile> files;
    ReplayStart start = ReplayStart::NewGame;
    std::string startLevel;
    // The window let its still loops wait for events (WindowEvents::Waits), so they drew
    // only when something changed.
    bool windowWaits = false;
    std::int64_t finalScore = 0;
    std::int32_t finalLevel = 0;
    // Games the played records start before this one: playing, the game started after that
    // many is the replay's own (0 for a replay cut at its game's start).
    std::uint32_t gamesBefore = 0;
    // A replay cut at its game's start holds the run's start-up (up to its first menu pass:
    // the first `startupRecords` records) and then its own game's records. Between the two,
    // playing sets the run's state as it was when the keys that started the game acted
    // (`startState`, written by the game), seeds the settings with `gameSettingsText` (the
    // values the game read, as it first read them) and then checks that the game started in
    // the state whose SHA-256 is `startDigest`. All empty (and 0): the records hold the run
    // from the program's start.
    std::uint64_t startupRecords = 0;
    std::string startState;
    std::string gameSettingsText;
    std::string startDigest;
    bool operator==(const ReplayHeader&) const = default;
};

// One answer a service gave the game, in the order the game asked.
enum class ReplayInput : std::uint8_t {
    Clock,       // value: the clock's reading in ms
    Keys,        // held: the keys held (ascending scan codes); presses: in the order they went down
    Window,      // value: a ReplayWindowEvent
    MessageBox,  // value: the button the player chose
    SoundReady,  // value: 1 when the sound device opened
    SoundLoad,   // value: 1 when the sound named `name` loaded
    FilePresence,  // value: 1 when the game folder has the file named `name`
    Music,         // value: MusicAnswer(question, answer); of Ended only the true answers
};
inline constexpr int kReplayInputKinds = 8;

// What the game asked the music player.
enum class ReplayMusicQuestion : std::uint8_t { Load, Play, Ended };
inline constexpr std::int64_t MusicAnswer(ReplayMusicQuestion question, bool answer) {
    return static_cast<std::int64_t>(question) * 2 + (answer ? 1 : 0);
}

enum class ReplayWindowEvent : std::uint8_t {
    Closed,
    Activated,
    Deactivated,
    PictureLost,
    FullScreen,
    RunOver,  // the run's time ran out (a headless run)
    // What a wait for the window's next event ended with (WindowEvents::WaitForEvent).
    EventCame,
    NoEventCame,
};

struct ReplayRecord {
    ReplayInput kind = ReplayInput::Clock;
    std::int64_t value = 0;
    std::vector<std::uint8_t> held;
    std::vector<std::uint8_t> presses;
    std::string name;
    bool operator==(const ReplayRecord&) const = default;
};

struct Replay {
    ReplayHeader header;
    std::vector<ReplayRecord> records;
    bool operator==(const Replay&) const = default;
};

}  // namespace zelkor
