#include "common/game_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <utility>

#include "common/paths.h"
#include "common/player_game_folder.h"

#ifndef ZELKOR_SHIPPED_DATA_FROM_PROGRAM
#define ZELKOR_SHIPPED_DATA_FROM_PROGRAM "../share/zelkor"
#endif

namespace zelkor {

namespace fs = std::filesystem;

fs::path ProgramFile() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self;
}

fs::path ProgramFolder() {
    const fs::path self = ProgramFile();
    if (self.has_parent_path()) return self.parent_path();
    std::error_code ec;
    return fs::current_path(ec);
}

fs::path GameFolderOf(const fs::path& gameProgram) {
    if (gameProgram.empty()) return {};
    const fs::path folder = gameProgram.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool IsGameProgramName(std::string_view fileName) {
    return SameIgnoringCase(fileName, "Zelkor") || SameIgnoringCase(fileName, "Zelkor.exe");
}

fs::path FindGameProgramIn(const fs::path& folder) {
    std::error_code ec;
    fs::path exact = folder / "Zelkor";
    if (fs::is_regular_file(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsGameProgramName(it->path().filename().string()) && it->is_regular_file(ec))
            return it->path();
    }
    return {};
}

fs::path FindGameProgram(const fs::path& programFolder, std::string_view searchPath) {
    if (fs::path beside = FindGameProgramIn(programFolder); !beside.empty()) return beside;
    while (true) {
        const std::size_t cut = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, cut);
        // An empty or relative entry would depend on the current folder: skipped.
        if (!folder.empty() && folder.front() == '/') {
            const fs::path program = fs::path(folder) / "Zelkor";
            std::error_code ec;
            if (fs::is_regular_file(program, ec) && ::access(program.c_str(), X_OK) == 0)
                return program;
        }
        if (cut == std::string_view::npos) break;
        searchPath.remove_prefix(cut + 1);
    }
    return {};
}

fs::path ShippedDataFolder(const fs::path& programFolder) {
    if (programFolder.empty()) return {};
    const fs::path data = (programFolder / ZELKOR_SHIPPED_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code ec;
    if (!fs::is_regular_file(data / kShippedListName, ec)) return {};
    return data;
}

fs::path PlayerGameFolder(const char* xdgDataHome, const char* home) {
    // Relative values are to be ignored, as with every XDG base folder.
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "Zelkor";
    fs::path homeDir = home != nullptr ? fs::path(home) : fs::path();
    if (homeDir.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
            homeDir = pw->pw_dir;
    }
    return homeDir / ".local" / "share" / "Zelkor";
}

fs::path PlayerGameFolder() {
    return PlayerGameFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

GameFolderPlace LocateGameFolder(const fs::path& gameProgram) {
    const fs::path folder = GameFolderOf(gameProgram);
    if (fs::path shipped = ShippedDataFolder(folder); !shipped.empty())
        return {PlayerGameFolder(), std::move(shipped)};
    return {folder, {}};
}

OpenedGameFolder OpenGameFolder(const fs::path& gameProgram) {
    const GameFolderPlace place = LocateGameFolder(gameProgram);
    OpenedGameFolder opened{place.folder, {}};
    if (!place.shippedData.empty()) {
        FolderPreparation prepared = PreparePlayerGameFolder(place.shippedData, place.folder);
        opened.problems = std::move(prepared.problems);
        opened.newVersion = prepared.refreshed > 0;
    }
    return opened;
}

}  // namespace zelkor
