#include "editor/core/test_run.h"

#include "editor/core/cell_codes.h"
#include "editor/core/level_writer.h"
#include "editor/core/pre_test_check.h"

namespace zelkor::editor {
namespace {

struct StartCensus {
    bool hasPlayer = false;  // a cell holds "S"
    int startCells = 0;      // cells holding any start code
};

StartCensus CountStarts(const GridCells& grid) {
    StartCensus census;
    for (int i = 0; i < kGridCells; ++i) {
        const char code = grid.At(i);
        if (!IsStartCode(code)) continue;
        ++census.startCells;
        if (StartSnakeOfCode(code) == 1) census.hasPlayer = true;
    }
    return census;
}

std::vector<std::string> Arguments(int computerSnakes, const TestRunOptions& options) {
    // The program's own options come before the game's switches.
    std::vector<std::string> args;
    if (options.window) args.emplace_back("--window");
    args.push_back("/L=" + std::string(kTestLevelName));
    if (computerSnakes > 0) args.push_back("/AIS=" + std::to_string(computerSnakes));
    if (options.deathmatch) args.emplace_back("/DM");
    if (options.hunting) args.emplace_back("/H");
    return args;
}

}  // namespace

std::filesystem::path TestLevelPath(const std::filesystem::path& gameFolder) {
    return gameFolder / "lvl" / kTestLevelName;
}

TestRunDecision DecideTestRun(const EditorLevel& level, const TestRunOptions& options) {
    const StartCensus starts = CountStarts(level.grid);
    if (!starts.hasPlayer)
        return TestRunRefusal{"You did not set a startpoint for Player 1. Level cannot be tested!"};
    if (!options.gameProgramSet)
        return TestRunRefusal{
            "The path to the game program is not set. Choose the program with the \"...\" "
            "button."};
    // The game's own reader says first whether the level would load at all.
    if (const auto error = CheckBeforeTest(LevelFileText(level), level.grid).error)
        return TestRunRefusal{LoadErrorText(*error)};

    if (options.computerSnakes <= 0) return TestRunStart{Arguments(0, options)};
    const int computerStarts = starts.startCells - 1;
    if (computerStarts <= 0)
        return TestRunRefusal{"You did not set any AI Sanke Startpoints. Level cannot be tested!",
                              true};
    if (options.computerSnakes <= computerStarts)
        return TestRunStart{Arguments(options.computerSnakes, options)};
    if (options.fewerAccepted) return TestRunStart{Arguments(computerStarts, options)};
    const std::string n = std::to_string(computerStarts);
    return TestRunQuestion{"Your level only has " + n +
                           " AI Sanke start points. You can only test with " + n +
                           " AI Snakes.\n\nContinue?"};
}

}  // namespace zelkor::editor
