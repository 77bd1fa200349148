#pragma once

#include <filesystem>
#include <functional>
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

// The games of a run and their replays. A replay holds the run from its start up to the
// end of its game, since the state a game starts in (the timers' phases, the music, the key
// latch) comes from the run before it: recording, each game's end hands that replay to the
// keeper; playing, the end of the game the tape ends with ends the run.
class GameReplays final : public GameWatch {
public:
    GameReplays(ReplayTape& tape, const Game& game, ReplayKeeper* keeper)
        : tape_(tape), game_(game), keeper_(keeper) {}

    // What the run's start depends on; the settings read are added at each game's end.
    ReplayHeader& header() { return header_; }
    void SetSettings(const RecordingSettings* settings) { settings_ = settings; }
    // A file the run consulted, once by name: its path below `folder` (else as it is).
    void Consulted(const std::filesystem::path& folder, const std::filesystem::path& file,
                   std::string_view bytes);
    // Whether the header names that file already (an archive opened again need not be read).
    bool Named(const std::filesystem::path& folder, const std::filesystem::path& file) const;
    ReplayOutcome outcome() const;
    // Playing: `started` is told when the game started after `gamesBefore` others begins,
    // the replay's own.
    void OnOwnGameStarted(std::uint32_t gamesBefore, std::function<void()> started) {
        ownGamesBefore_ = gamesBefore;
        ownGameStarted_ = std::move(started);
    }

    void GameStarted(ReplayStart how, std::string_view level) override;
    void LevelLoaded() override;
    bool GameEnded() override;

private:
    ReplayTape& tape_;
    const Game& game_;
    ReplayKeeper* keeper_;
    const RecordingSettings* settings_ = nullptr;
    ReplayHeader header_;
    bool inGame_ = false;
    std::int32_t levels_ = 0;
    std::uint32_t gamesStarted_ = 0;
    std::uint32_t ownGamesBefore_ = 0;
    std::function<void()> ownGameStarted_;
    ReplayOutcome outcome_;
};

}  // namespace zelkor
