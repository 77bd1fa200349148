#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/control/replay/replay.h"

namespace zelkor {

// The .zkreplay file: "ZKREPLAY", the format version, the behaviour version, the rest of
// the header, the records, and the SHA-256 of everything before it. Numbers are
// variable-length (seven bits a byte, low first; signed ones zig-zagged), texts are their
// length and their bytes. A record is one tag byte, the kind in its low three bits and a
// small number in the other five, with what does not fit following it: a clock reading as
// the change since the last one, a keyboard snapshot as the keys that changed since the last
// one, then the presses: a pass of a loop with nothing pressed takes two bytes, ten minutes
// of play about 75 KB. Format 2 cut a replay at its game's start.
inline constexpr std::uint32_t kReplayFormatVersion = 2;
inline constexpr std::string_view kReplayMagic = "ZKREPLAY";

inline constexpr const char* kReplayForeignText = "This file is not a Zelkor replay";
inline constexpr const char* kReplayNewerText = "This replay was recorded by a newer Zelkor";
inline constexpr const char* kReplayOlderText =
    "This replay was recorded by an older Zelkor and cannot be played";
inline constexpr const char* kReplayDamagedText = "This replay is damaged or incomplete";
inline constexpr const char* kReplayRulesDifferText =
    "This replay was recorded by a Zelkor whose rules differ";

// The file's bytes. Every record must be valid for its kind (see ReplayInput): held keys
// ascending, codes 1..255, at most 32 presses.
std::string EncodeReplay(const Replay& replay);

// A replay read back, or why it was refused.
struct ReplayRead {
    std::optional<Replay> replay;
    std::string refusal;  // one of the texts above when `replay` is empty
};

// Reads strictly: anything but the exact bytes EncodeReplay writes for some replay of this
// format and behaviour version is refused, so a file read is one file written.
ReplayRead DecodeReplay(std::string_view bytes);

}  // namespace zelkor
