#include "game/control/watch/window_replay_viewer.h"

#include "common/text_encoding.h"
#include "game/control/replay/replay_file.h"

namespace zelkor {

std::optional<std::string> WindowReplayViewer::Watch(const std::filesystem::path& file,
                                                     WindowEventSink& window) {
    const ReplayRead read = ReadReplayFile(file);
    if (!read.replay) return Utf8ToCp1252(read.refusal);
    if (const auto changed = ChangedReplayFile(read.replay->header, files_))
        return Utf8ToCp1252(*changed);
    ReplayWatch watch(window_);
    const ReplayOutcome outcome = play_(*read.replay, watch);
    watch.PassOnWindowEvents(window);
    // A replay that went another way than recorded says so where it was started.
    if (!outcome.ended && !watch.stopped()) return Utf8ToCp1252(outcome.divergence);
    return std::nullopt;
}

}  // namespace zelkor
