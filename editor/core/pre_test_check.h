#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/level_reader.h"
#include "editor/core/grid_cells.h"

namespace zelkor::editor {

// The level as the game would read it, before a test run: what would make the load
// fail, and what would load but not play as meant.
struct PreTestReport {
    std::optional<LevelError> error;
    std::vector<std::string> warnings;
};

// `levelBytes` is the file the test run would write; `grid` the editor's grid, whose
// 31st column the game never reads. With the game's folder, the files the level names
// beside the program (its required files and its music) are looked for there.
PreTestReport CheckBeforeTest(std::string_view levelBytes, const GridCells& grid,
                              const std::filesystem::path& gameFolder = {});

// "The game cannot load this level: line 25: numYellow= 40000 is outside -32768..32767".
std::string LoadErrorText(const LevelError& error);

}  // namespace zelkor::editor
