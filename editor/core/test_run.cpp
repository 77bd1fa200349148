#include "editor/core/test_run.h"

#include "editor/core/cell_codes.h"

namespace zelkor::editor {

std::filesystem::path TestLevelPath(const std::filesystem::path& gameFolder) {
    return gameFolder / "lvl" / kTestLevelName;
}

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

ComputerSnakeChoice ChooseComputerSnakes(int asked, const StartCensus& starts) {
    using Kind = ComputerSnakeChoice::Kind;
    if (asked <= 0) return {Kind::None, 0};
    const int computerStarts = starts.startCells - 1;
    if (computerStarts <= 0) return {Kind::NoStarts, 0};
    if (asked > computerStarts) return {Kind::AskFewer, computerStarts};
    return {Kind::Use, asked};
}

std::string FewerComputerStartsQuestion(int startPoints) {
    const std::string n = std::to_string(startPoints);
    return "Your level only has " + n + " AI Sanke start points. You can only test with " + n +
           " AI Snakes.\n\nContinue?";
}

std::vector<std::string> TestRunArguments(int computerSnakes, bool deathmatch, bool hunting) {
    std::vector<std::string> args{"/L=" + std::string(kTestLevelName)};
    if (computerSnakes > 0) args.push_back("/AIS=" + std::to_string(computerSnakes));
    if (deathmatch) args.emplace_back("/DM");
    if (hunting) args.emplace_back("/H");
    return args;
}

}  // namespace zelkor::editor
