#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game/control/replay/replay_format.h"

namespace zelkor {

class GameFiles;

inline constexpr const char* kReplayUnreadableText = "This replay cannot be read";

// Replaces `file` with the replay as a whole (see WriteFileAtomically); on false the
// system's error number is in `*error` when given.
bool WriteReplayFile(const std::filesystem::path& file, const Replay& replay, int* error = nullptr);

// The replay in `file`, or why it was refused (DecodeReplay's texts, or kReplayUnreadableText).
ReplayRead ReadReplayFile(const std::filesystem::path& file);

// "<name> has changed since this replay was recorded" for the first file of the header
// that the game folder no longer holds with the same bytes; nothing when all are as they were.
std::optional<std::string> ChangedReplayFile(const ReplayHeader& header, const GameFiles& files);

}  // namespace zelkor
