#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game/control/input/window_events.h"

namespace zelkor {

// What a page says of a row whose replay is not there.
inline constexpr std::string_view kNoReplayKept = "No replay kept";

// Watching a kept replay in the window: the recorded game as it was, under the watcher's
// own keys, until it ends or the player stops it; the page it was started from comes back.
class ReplayViewer {
public:
    virtual ~ReplayViewer() = default;
    // Plays `file` to its end or until stopped. Returns why it cannot be watched (the
    // file's refusal, Windows-1252 for the status line); nothing once it was watched. The
    // window closed while watching is told to `window` once the replay has stopped.
    virtual std::optional<std::string> Watch(const std::filesystem::path& file,
                                             WindowEventSink& window) = 0;
};

// No playback wired in: every replay is refused as if none were kept.
class NullReplayViewer final : public ReplayViewer {
public:
    std::optional<std::string> Watch(const std::filesystem::path&, WindowEventSink&) override {
        return std::string(kNoReplayKept);
    }
};

}  // namespace zelkor
