#pragma once

#include <functional>

#include "common/game_files.h"
#include "game/control/replay/replay.h"
#include "game/control/run/game_replays.h"
#include "game/control/watch/replay_viewer.h"
#include "game/control/watch/replay_watch.h"

namespace zelkor {

// Replays watched in the program's window: the file is read and checked against the game
// folder, then played through the watcher's display, under the watcher's keys.
class WindowReplayViewer final : public ReplayViewer {
public:
    // Plays a checked replay with `watch` as its display (calling its Begin once the game
    // exists); returns when the recorded game ended, went another way, or was stopped.
    using Play = std::function<ReplayOutcome(const Replay& replay, ReplayWatch& watch)>;

    WindowReplayViewer(ReplayWatch::Window window, const GameFiles& files, Play play)
        : window_(window), files_(files), play_(std::move(play)) {}

    std::optional<std::string> Watch(const std::filesystem::path& file,
                                     WindowEventSink& window) override;

private:
    ReplayWatch::Window window_;
    const GameFiles& files_;
    Play play_;
};

}  // namespace zelkor
