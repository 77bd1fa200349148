#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "game/control/replay/replay_keeper.h"

namespace zelkor {

class GameFiles;

// The replays the game keeps, in the game folder's "replays" folder: "last.zkreplay", the
// last game, replaced after every game; and copies of it under names of their own for a
// hall-of-fame place ("Replay n" in the settings' HiScore section) or a level's best result
// (the replay field of its record). A copy is named after its contents, so two records
// name one file only when they hold the very same game. The pages that watch them find
// them with watch/kept_replays.h.
inline constexpr const char* kReplayFolderName = "replays";
inline constexpr const char* kLastGameReplayName = "last.zkreplay";

// Whether `name` is one the shelf gives its copies: a plain file name ending in
// ".zkreplay" of letters, digits, '-', '_' and '.', not starting with '.', and not the
// last game's. Anything else a settings file names is no replay, and is never removed.
bool IsKeptReplayName(std::string_view name);

// The replays folder of the game folder.
std::filesystem::path ReplayFolder(const GameFiles& files);

// Writes the replays of one run. When the folder cannot be written nothing is written, the
// reporter hears it once (the game puts it on standard error and the message line) and
// the game plays on; the next game tries again.
class ReplayShelf final : public ReplayKeeper {
public:
    using Reporter = std::function<void(std::string_view utf8Line)>;

    // A shelf that is off: it writes and removes nothing (a run that plays a replay).
    ReplayShelf() = default;
    // A shelf in `folder`, created when the first replay comes.
    ReplayShelf(std::filesystem::path folder, Reporter report);

    // Nothing is written or removed from now on.
    void TurnOff();
    // `next` receives every game handed over too (a file the run records to); none: nobody.
    void PassOn(ReplayKeeper* next) { next_ = next; }

    // Replaces "last.zkreplay" with the game just ended.
    void GameRecorded(const Replay& replay) override;

    // A copy of the last game's replay under a name of its own, for a record that names
    // it; empty when that game left no replay (or it was taken already).
    std::string KeepLastGame();

    // Removes the kept replay `name` once nothing names it any more; names that are not
    // kept replays' are left alone.
    void Release(std::string_view name);

private:
    bool Write(const std::filesystem::path& file, std::string_view bytes);
    void CannotWrite(const std::string& why);

    std::filesystem::path folder_;  // empty: off
    Reporter report_;
    ReplayKeeper* next_ = nullptr;
    bool reported_ = false;
    std::string lastBytes_;  // the last game's file, until a record takes a copy
};

}  // namespace zelkor
