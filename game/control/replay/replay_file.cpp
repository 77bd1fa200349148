#include "game/control/replay/replay_file.h"

#include "common/atomic_file.h"
#include "common/game_files.h"
#include "common/regular_file.h"
#include "common/sha256.h"

namespace zelkor {
namespace {

// Hours of play take a few megabytes at most; a larger file is not one the game wrote.
constexpr std::size_t kMostReplayBytes = 2u << 20;
// The largest file a replay may name (a level, a list, an archive of pictures or music).
constexpr std::size_t kMostNamedFileBytes = std::size_t{512} << 20;

}  // namespace

bool WriteReplayFile(const std::filesystem::path& file, const Replay& replay, int* error) {
    return WriteFileAtomically(file, EncodeReplay(replay), {}, error);
}

ReplayRead ReadReplayFile(const std::filesystem::path& file) {
    const FileBytes read = ReadRegularFile(file, kMostReplayBytes);
    if (read.status != FileStatus::Ok) return {std::nullopt, kReplayUnreadableText};
    return DecodeReplay(read.bytes);
}

std::optional<std::string> ChangedReplayFile(const ReplayHeader& header, const GameFiles& files) {
    for (const ReplayFile& named : header.files) {
        const std::filesystem::path file = files.File(named.name);
        const FileBytes read =
            file.empty() ? FileBytes{} : ReadRegularFile(file, kMostNamedFileBytes);
        if (read.status == FileStatus::Ok && Sha256Hex(read.bytes) == named.sha256) continue;
        const std::size_t slash = named.name.find_last_of("/\\");
        const std::string shown =
            slash == std::string::npos ? named.name : named.name.substr(slash + 1);
        return shown + " has changed since this replay was recorded";
    }
    return std::nullopt;
}

}  // namespace zelkor
