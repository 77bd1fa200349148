#pragma once

// What the game takes from a level: the reader's effects followed in file order,
// as the level loader applies them, into plain lists. `Zelkor --check-level` prints
// it; the editor checks a level with it before a test run.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/level_reader.h"
#include "common/user_item_cells.h"

namespace zelkor {

struct LevelSummary {
    std::vector<WallPlaced> walls;
    std::array<std::optional<StartPlaced>, kMaxSnakes> starts{};  // snake n at n - 1
    int lastStart = 0;  // the snake of the start code met last in reading order
    std::vector<SpawnPointPlaced> spawnPoints;
    std::vector<UserItemCell> userItems;                           // "let:" and "set:" applied
    std::array<std::optional<LevelValue>, kLevelKeyCount> keys{};  // the last line of each key
    std::vector<std::string> requiredFiles;                        // "Requires=", in file order
    std::optional<LevelError> error;

    // The value of a key's last line, or nothing when the level leaves it out.
    // "Requires=" is never here: see requiredFiles.
    const LevelValue* Key(LevelKey key) const;
    // A number key's value as a decimal, or `fallback` when the key is missing.
    double Number(LevelKey key, double fallback) const;
    int StartCount() const;
};

struct LevelSummaryHooks {
    // Called for each "Requires=" name when its line is reached.
    std::function<void(const std::string& name)> requiredFile;
    // Whether the graphics a "set:" line names exist at that point of the load. Without
    // it every "set:" counts as found.
    std::function<bool(const std::string& name)> gfxExists;
};

LevelSummary SummarizeLevel(const LevelReadResult& read, const LevelSummaryHooks& hooks = {});

}  // namespace zelkor
