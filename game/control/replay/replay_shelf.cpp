#include "game/control/replay/replay_shelf.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "common/atomic_file.h"
#include "common/game_files.h"
#include "common/sha256.h"
#include "common/write_lock.h"
#include "game/control/replay/replay_format.h"

namespace zelkor {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kReplayExtension = ".zkreplay";
constexpr std::size_t kLongestKeptName = 64;
// Two copies of the game in one folder take turns on it, since a replaced file's
// temporary name is the same for both.
constexpr const char* kShelfLockName = ".lock";

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

}  // namespace

bool IsKeptReplayName(std::string_view name) {
    if (name.size() <= kReplayExtension.size() || name.size() > kLongestKeptName) return false;
    if (name.front() == '.' || !name.ends_with(kReplayExtension)) return false;
    if (name == kLastGameReplayName) return false;
    for (const char c : name)
        if (!IsNameCharacter(c)) return false;
    return true;
}

fs::path ReplayFolder(const GameFiles& files) {
    return files.folder() / kReplayFolderName;
}

ReplayShelf::ReplayShelf(fs::path folder, Reporter report)
    : folder_(std::move(folder)), report_(std::move(report)) {}

void ReplayShelf::TurnOff() {
    folder_.clear();
    lastBytes_.clear();
}

void ReplayShelf::GameRecorded(const Replay& replay) {
    if (next_ != nullptr) next_->GameRecorded(replay);
    lastBytes_.clear();
    if (folder_.empty()) return;
    std::string bytes = EncodeReplay(replay);
    if (Write(folder_ / kLastGameReplayName, bytes)) lastBytes_ = std::move(bytes);
}

std::string ReplayShelf::KeepLastGame() {
    if (folder_.empty() || lastBytes_.empty()) return {};
    const std::string bytes = std::exchange(lastBytes_, {});
    // Named after its contents: a copy never takes the place of another game's.
    std::string name = Sha256Hex(bytes).substr(0, 16) + std::string(kReplayExtension);
    if (!Write(folder_ / name, bytes)) return {};
    return name;
}

void ReplayShelf::Release(std::string_view name) {
    if (folder_.empty() || !IsKeptReplayName(name)) return;
    // unlink removes a link planted at the name, never what it points to.
    const fs::path file = folder_ / name;
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) CannotWrite(ErrorText(errno));
}

bool ReplayShelf::Write(const fs::path& file, std::string_view bytes) {
    // The folder is made when missing; a link or anything else at its name is not used,
    // so nothing is ever written outside it.
    if (::mkdir(folder_.c_str(), 0777) != 0 && errno != EEXIST) {
        CannotWrite(ErrorText(errno));
        return false;
    }
    struct stat info {};
    if (::lstat(folder_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        CannotWrite("it is not a folder");
        return false;
    }
    const WriteLock lock(folder_ / kShelfLockName);
    if (!lock.locked()) {
        CannotWrite(ErrorText(lock.error()));
        return false;
    }
    int error = 0;
    if (WriteFileAtomically(file, bytes, {}, &error)) return true;
    CannotWrite(ErrorText(error));
    return false;
}

void ReplayShelf::CannotWrite(const std::string& why) {
    if (reported_) return;
    reported_ = true;
    if (report_) report_("Could not keep the replays: " + why + " (" + folder_.string() + ")");
}

}  // namespace zelkor
