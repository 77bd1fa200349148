#include "editor/core/pre_test_check.h"

#include <array>

#include "common/level_summary.h"
#include "common/numbers.h"
#include "common/paths.h"

namespace zelkor::editor {
namespace {

struct Requirement {
    LevelKey count;
    LevelKey required;
    std::string_view kind;
};

constexpr std::array<Requirement, 4> kRequirements{{
    {LevelKey::numYellow, LevelKey::reqYellow, "yellow"},
    {LevelKey::numRed, LevelKey::reqRed, "red"},
    {LevelKey::numBlue, LevelKey::reqBlue, "blue"},
    {LevelKey::numBlack, LevelKey::reqBlack, "black"},
}};

void CheckRequirements(const LevelSummary& level, std::vector<std::string>& warnings) {
    const LevelValue* hide = level.Key(LevelKey::HideCollected);
    const bool hidden = hide && std::get_if<bool>(hide) && *std::get_if<bool>(hide);
    for (const Requirement& r : kRequirements) {
        const double required = level.Number(r.required, 0);
        const double placed = level.Number(r.count, 0);
        if (required <= 0) continue;
        const std::string asks =
            "The level asks for " + NumberText(required) + " " + std::string(r.kind) + " items";
        if (placed <= 0)
            warnings.push_back(asks + " but places none.");
        else if (hidden && required > placed)
            warnings.push_back(asks + " but places only " + NumberText(placed) +
                               ", and collected items stay hidden.");
    }
}

void CheckComputerStarts(const LevelSummary& level, std::vector<std::string>& warnings) {
    const double computerSnakes = level.Number(LevelKey::AIS, 0);
    bool computerStart = false;
    for (int snake = 2; snake <= kMaxSnakes; ++snake)
        computerStart = computerStart || level.starts[static_cast<std::size_t>(snake - 1)];
    if (computerSnakes > 0 && !computerStart)
        warnings.push_back(
            "AIS= asks for computer snakes, but the level has no computer start point.");
}

void CheckLastColumn(const GridCells& grid, std::vector<std::string>& warnings) {
    int placed = 0;
    for (int row = 1; row <= kGridRows; ++row)
        placed += grid.At(*GridCells::IndexOf(kGridColumns, row)) != kEmptyCellCode;
    if (placed > 0)
        warnings.push_back("Column 31 holds " + std::to_string(placed) +
                           (placed == 1 ? " cell" : " cells") + " the game never reads.");
}

// Required archives are unpacked from beside the program, music is played from its
// "music" folder; the game goes on without either, so a typing error shows only in play.
void CheckNamedFiles(const LevelSummary& level, const std::filesystem::path& gameFolder,
                     std::vector<std::string>& warnings) {
    for (const std::string& name : level.requiredFiles)
        if (!PathExists(gameFolder, ToRelativePath(name)))
            warnings.push_back("Requires= names " + name + ", which is not in the game folder.");
    const LevelValue* music = level.Key(LevelKey::MusicFile);
    const std::string* name = music ? std::get_if<std::string>(music) : nullptr;
    if (name && !name->empty() && !PathExists(gameFolder, ToRelativePath("music\\" + *name)))
        warnings.push_back("MusicFile= names " + *name + ", which is not in the music folder.");
}

}  // namespace

PreTestReport CheckBeforeTest(std::string_view levelBytes, const GridCells& grid,
                              const std::filesystem::path& gameFolder) {
    PreTestReport report;
    const LevelSummary level = SummarizeLevel(ReadLevelText(levelBytes));
    report.error = level.error;
    CheckRequirements(level, report.warnings);
    CheckComputerStarts(level, report.warnings);
    CheckLastColumn(grid, report.warnings);
    if (!gameFolder.empty()) CheckNamedFiles(level, gameFolder, report.warnings);
    return report;
}

std::string LoadErrorText(const LevelError& error) {
    return "The game cannot load this level: line " + std::to_string(error.line) + ": " +
           error.reason;
}

}  // namespace zelkor::editor
