#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "game/control/replay/replay_keeper.h"
#include "game/control/replay/replay_seams.h"
#include "game/control/run/game_watch.h"
#include "game/rules/game.h"

namespace zelkor {

// Where a played replay stopped: at its recorded end (the game's score and level as the run
// left them), or where it went another way than recorded.
struct ReplayOutcome {
    bool ended = false;
    std::string divergence;
    std::int64_t score = 0;
    std::int32_t level = 0;
};

// The games of a run and their replays. A replay holds the run's start-up (up to the first
// pass of the menu loop) and its own game, from the pass whose keys started it: the state the
// run was in there goes into its header, and playing sets it again between the two. A game not
// started by the menu's keys (the one named on the command line belongs to the start-up, a
// game started while a wait of another game's runs) keeps the whole run before it instead.
// Recording, each game's end hands its replay to the keeper; playing, the end of the game the
// tape ends with ends the run.
class GameReplays final : public GameWatch {
public:
    GameReplays(ReplayTape& tape, const Game& game, ReplayKeeper* keeper)
        : tape_(tape), game_(game), keeper_(keeper) {}

    // What the run's start depends on; the settings read are added at each game's end.
    ReplayHeader& header() { return header_; }
    void SetSettings(RecordingSettings* settings) { settings_ = settings; }
    // A file the run consulted, once by name: its path below `folder` (else as it is).
    void Consulted(const std::filesystem::path& folder, const std::filesystem::path& file,
                   std::string_view bytes);
    // Whether the header names that file already (an archive opened again need not be read).
    bool Named(const std::filesystem::path& folder, const std::filesystem::path& file) const;
    ReplayOutcome outcome() const;
    // Playing `played`: `started` is told when the replay's own game begins.
    void Play(const ReplayHeader& played, std::function<void()> started) {
        played_ = &played;
        ownGameStarted_ = std::move(started);
    }

    // The run's state where a game starts: the start-up is over (later states are taken as
    // their changes from that one), taken, set again (with the settings text the game goes on
    // with; false when the state is not one), and its SHA-256 as the game begins.
    struct RunState {
        std::function<void()> startupOver;
        std::function<std::string()> take;
        std::function<bool(std::string_view state, std::string_view settings)> restore;
        std::function<std::string()> digest;
    };
    void SetRunState(RunState state) { state_ = std::move(state); }

    void GameStarted(ReplayStart how, std::string_view level) override;
    void LevelLoaded() override;
    bool GameEnded() override;
    void MenuKeysAct() override;
    void MenuKeysActed() override;

private:
    ReplayTape& tape_;
    const Game& game_;
    ReplayKeeper* keeper_;
    RecordingSettings* settings_ = nullptr;
    ReplayHeader header_;
    bool inGame_ = false;
    std::int32_t levels_ = 0;
    std::uint32_t gamesStarted_ = 0;
    const ReplayHeader* played_ = nullptr;
    std::function<void()> ownGameStarted_;
    RunState state_;
    // The run's start-up: over at the first menu pass's keys, with this many records and
    // games started, and (recording) these settings read.
    bool startupOver_ = false;
    std::size_t startupRecords_ = 0;
    std::uint32_t startupGames_ = 0;
    std::string startupSettings_;
    // Where a game started by the keys acting now would cut the run, and the current game's cut.
    struct Cut {
        std::size_t at = 0;
        std::string state;
        std::string digest;
    };
    bool keysActing_ = false;
    std::optional<Cut> keysCut_;
    std::optional<Cut> cut_;
    ReplayOutcome outcome_;
};

}  // namespace zelkor
