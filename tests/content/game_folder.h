#pragma once

// The staged game folder, copied once per test program so that runs can unpack into it.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zelkor::content {

inline constexpr int kShippedLevels = 18;

inline std::string LevelFileName(int number) {
    return "lvl" + std::to_string(number) + ".dat";
}

// Everything the staged folder holds but the programs.
inline const std::filesystem::path& GameFolder() {
    static const TempFolder folder;
    static const bool copied = [] {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(ZELKOR_DIST_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Zelkor", 0) == 0) continue;
            fs::copy(entry.path(), folder.path() / name, fs::copy_options::recursive);
        }
        return true;
    }();
    (void)copied;
    return folder.path();
}

}  // namespace zelkor::content
