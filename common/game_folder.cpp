#include "common/game_folder.h"

#include <system_error>

#include "common/paths.h"

namespace zelkor {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.has_parent_path()) return self.parent_path();
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

}  // namespace zelkor
