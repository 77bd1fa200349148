#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/grid_cells.h"

namespace zelkor::editor {

// "Test Level": the level is saved as "EditTemp.dat" in the game's lvl folder and the
// game is started on it with the chosen number of computer snakes and modes.

inline constexpr std::string_view kTestLevelName = "EditTemp.dat";
inline constexpr std::string_view kNoPlayerStartMessage =
    "You did not set a startpoint for Player 1. Level cannot be tested!";
inline constexpr std::string_view kNoComputerStartsMessage =
    "You did not set any AI Sanke Startpoints. Level cannot be tested!";

// Where the test level goes: the game folder's "lvl/EditTemp.dat".
std::filesystem::path TestLevelPath(const std::filesystem::path& gameFolder);

struct StartCensus {
    bool hasPlayer = false;  // a cell holds "S"
    int startCells = 0;      // cells holding any start code
};
StartCensus CountStarts(const GridCells& grid);

// How many computer snakes the test run can have.
struct ComputerSnakeChoice {
    enum class Kind {
        None,      // no computer snakes asked for
        NoStarts,  // asked for, but the level has no computer start point: stop
        AskFewer,  // more asked for than start points: ask to go on with `count`
        Use,       // `count` computer snakes
    };
    Kind kind = Kind::None;
    int count = 0;
};
ComputerSnakeChoice ChooseComputerSnakes(int asked, const StartCensus& starts);

// "Your level only has 2 AI Sanke start points. You can only test with 2 AI Snakes."
// + two line breaks + "Continue?".
std::string FewerComputerStartsQuestion(int startPoints);

// The game's command line for the test run, one switch per argument:
// "/L=EditTemp.dat", then "/AIS=n" when n > 0, "/DM", "/H".
std::vector<std::string> TestRunArguments(int computerSnakes, bool deathmatch, bool hunting);

}  // namespace zelkor::editor
