#include "game/control/run/quit.h"

#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "common/paths.h"
#include "common/regular_file.h"
#include "game/control/options/settings.h"

namespace zelkor {
namespace fs = std::filesystem;
namespace {

bool IsCleanUpList(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec)) return false;
    const std::string name = entry.path().filename().string();
    return name.size() >= 4 &&
           SameIgnoringCase(std::string_view(name).substr(name.size() - 4), ".zkc");
}

std::vector<fs::path> CleanUpLists(const fs::path& gameFolder) {
    std::vector<fs::path> lists;
    std::error_code ec;
    for (fs::directory_iterator it(gameFolder, ec), end; !ec && it != end; it.increment(ec))
        if (IsCleanUpList(*it)) lists.push_back(it->path());
    return lists;
}

// The list's text, or nothing when it is too large to be a list, holds a NUL byte or
// is no regular file (a FIFO is never waited on).
std::optional<std::string> ReadList(const fs::path& list) {
    std::optional<std::string> text = ReadWholeFile(list, kMaxCleanUpListBytes);
    if (!text || text->find('\0') != std::string::npos) return std::nullopt;
    return text;
}

void DeleteListedFile(const fs::path& gameFolder, const fs::path& file) {
    std::error_code ec;
    if (!file.is_absolute() || !fs::is_regular_file(fs::symlink_status(file, ec))) return;
    if (!IsInside(gameFolder, file)) return;
    fs::remove(file, ec);
}

void DeleteListedFiles(const fs::path& gameFolder, const fs::path& list) {
    const std::optional<std::string> text = ReadList(list);
    if (!text) return;
    std::istringstream lines(*text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) DeleteListedFile(gameFolder, fs::path(line));
    }
}

}  // namespace

void QuitCleanUp(Game& game, const fs::path& gameFolder, SettingsStore& settings,
                 const QuitServices& services) {
    game.flags.running = false;
    if (services.releaseDisplay) services.releaseDisplay();
    if (services.releaseKeyboard) services.releaseKeyboard();
    if (game.options.newInstall) settings.Write(kOptionsSection, kNewInstallKey, "False");
    if (!game.options.noCleanUp) {
        const fs::path folder = AbsolutePath(gameFolder);
        const std::vector<fs::path> lists = CleanUpLists(folder);
        if (!lists.empty() && (!services.lastCopy || services.lastCopy())) {
            for (const fs::path& list : lists)
                DeleteListedFiles(folder, list);
            std::error_code ec;
            for (const fs::path& list : lists)
                fs::remove(list, ec);
        }
    }
    if (services.doEvents) services.doEvents();
}

}  // namespace zelkor
