#include "game/control/run/startup_checks.h"

#include <system_error>

namespace zelkor {
namespace fs = std::filesystem;

namespace {

// "*.dat" as the game's file system matched it: the extension in any letter case.
bool IsLevelFileName(const fs::path& name) {
    std::string ext = name.extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".dat";
}

}  // namespace

std::string LevelFolderErrorTitle(int errorNumber) {
    return "INIT_Main: Error No \\lvl folder! (" + std::to_string(errorNumber) + ")";
}

LevelFolderCheck CheckLevelFolder(const GameFiles& files) {
    std::error_code ec;
    fs::directory_iterator it(files.File("lvl"), ec);
    if (ec) return {false, ec.value()};
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return {false, ec.value()};
        if (IsLevelFileName(it->path().filename()) && it->is_regular_file(ec)) return {true, 0};
    }
    if (ec) return {false, ec.value()};
    return {false, 0};
}

bool RunLevelFolderCheck(const GameFiles& files, MessageBoxService& messageBox) {
    const LevelFolderCheck check = CheckLevelFolder(files);
    if (check.ok) return true;
    messageBox.Show(MessageIcon::Critical, LevelFolderErrorTitle(check.errorNumber),
                    kLevelFolderErrorText);
    return false;
}

}  // namespace zelkor
