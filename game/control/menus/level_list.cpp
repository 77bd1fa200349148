#include "game/control/menus/level_list.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/game_files.h"
#include "common/level_reader.h"
#include "common/level_summary.h"
#include "common/sha256.h"
#include "common/text_encoding.h"
#include "game/control/menus/level_records.h"

namespace zelkor {
namespace {

constexpr std::string_view kAuthorKey = "Level Author:";

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The number of a file of the shipped chain ("lvl12.dat" gives 12).
std::optional<int> ChainNumber(std::string_view file) {
    const std::string lower = Lower(file);
    const std::string_view name = lower;
    if (!name.starts_with("lvl") || !name.ends_with(".dat") || name.size() <= 7)
        return std::nullopt;
    const std::string_view digits = name.substr(3, name.size() - 7);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits[0] == '-')
        return std::nullopt;
    return number;
}

// Each cell's mark; a cell that holds two things shows the one placed last.
void MarkGrid(const LevelSummary& summary, std::array<GridMark, kGridCells>& grid) {
    const auto mark = [&](int x, int y, int offset, GridMark what) {
        const int col = (x + offset) / kCellSize;
        const int row = (y + offset) / kCellSize;
        if (col < 1 || col > kGridColumns || row < 1 || row > kGridRows) return;
        grid[static_cast<std::size_t>((row - 1) * kGridColumns + col - 1)] = what;
    };
    const int centre = kCellSize / 2;  // starts and fix points stand at a cell's centre
    for (const WallPlaced& wall : summary.walls)
        mark(wall.x, wall.y, 0, GridMark::Wall);
    for (const UserItemCell& cell : summary.userItems)
        mark(cell.x, cell.y, 0, GridMark::UserItem);
    for (const SpawnPointPlaced& point : summary.spawnPoints)
        mark(point.x, point.y, centre, GridMark::FixPoint);
    for (const auto& start : summary.starts)
        if (start) mark(start->x, start->y, centre, GridMark::Start);
}

std::string ErrorLine(std::string_view fileName, const LevelError& error) {
    std::string line = std::string(fileName) + ": ";
    if (error.line > 0) line += "line " + std::to_string(error.line) + ": ";
    return line + error.reason;
}

bool IsListedFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return false;
    const std::string name = Lower(entry.path().filename().string());
    return name.ends_with(".dat") && name != "edittemp.dat";
}

}  // namespace

std::string LevelAuthor(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.starts_with(kAuthorKey)) continue;
        line.remove_prefix(kAuthorKey.size());
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        while (!line.empty() && line.back() == ' ')
            line.remove_suffix(1);
        return std::string(line);
    }
    return {};
}

bool ListedBefore(std::string_view a, std::string_view b) {
    const std::optional<int> chainA = ChainNumber(a);
    const std::optional<int> chainB = ChainNumber(b);
    if (chainA && chainB && *chainA != *chainB) return *chainA < *chainB;
    if (chainA.has_value() != chainB.has_value()) return chainA.has_value();
    const std::string lowerA = Lower(a);
    const std::string lowerB = Lower(b);
    if (lowerA != lowerB) return lowerA < lowerB;
    return a < b;
}

LevelListEntry DescribeLevel(std::string_view fileName, std::string_view bytes,
                             SettingsStore& records) {
    LevelListEntry entry;
    entry.fileName = fileName;
    const LevelSummary summary = SummarizeLevel(ReadLevelText(bytes));
    const LevelValue* name = summary.Key(LevelKey::lvlName);
    if (const auto* text = name ? std::get_if<std::string>(name) : nullptr) entry.name = *text;
    if (entry.name.empty()) entry.name = fileName;
    entry.author = LevelAuthor(bytes);
    if (summary.error) entry.error = ErrorLine(fileName, *summary.error);
    MarkGrid(summary, entry.grid);
    const std::optional<LevelRecord> record =
        ReadLevelRecord(records, Cp1252ToUtf8(fileName), Sha256Hex(bytes));
    entry.best = BestResultText(record);
    if (record) entry.replay = record->replay;
    return entry;
}

std::vector<LevelListEntry> ListLevels(const GameFiles& files, SettingsStore& records) {
    std::vector<LevelListEntry> levels;
    const std::filesystem::path folder = files.File("lvl");
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    // The folder is walked without exceptions: a file that vanishes meanwhile is skipped.
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::directory_entry& entry = *it;
        if (!IsListedFile(entry)) continue;
        const std::string fileName = Utf8ToCp1252(entry.path().filename().string());
        const std::optional<std::string> bytes = ReadLevelBytes(entry.path());
        if (bytes) {
            levels.push_back(DescribeLevel(fileName, *bytes, records));
        } else {
            LevelListEntry unread;
            unread.fileName = unread.name = fileName;
            unread.error = fileName + ": the file cannot be read";
            unread.best = BestResultText(std::nullopt);
            levels.push_back(std::move(unread));
        }
    }
    std::sort(levels.begin(), levels.end(), [](const LevelListEntry& a, const LevelListEntry& b) {
        return ListedBefore(a.fileName, b.fileName);
    });
    return levels;
}

}  // namespace zelkor
