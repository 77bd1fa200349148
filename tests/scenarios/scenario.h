#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "game/control/headless.h"
#include "game/platform/archive_readers.h"

namespace zelkor::scenario {

// A game folder for one test: the shipped levels, plus any extra level files. Its
// name carries the process id, as several builds may run these tests at once, and
// it is removed when the process ends.
inline std::filesystem::path MakeGameFolder(const std::string& name) {
    namespace fs = std::filesystem;
    struct RemoveAtExit {
        std::vector<fs::path> dirs;
        ~RemoveAtExit() {
            std::error_code ignored;
            for (const fs::path& dir : dirs)
                fs::remove_all(dir, ignored);
        }
    };
    static RemoveAtExit made;
    const fs::path dir =
        fs::temp_directory_path() / ("zelkor-scenario-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    made.dirs.push_back(dir);
    fs::create_directories(dir / "lvl");
    for (const auto& entry :
         fs::directory_iterator(fs::path(ZELKOR_SOURCE_DIR) / "content" / "lvl"))
        fs::copy_file(entry.path(), dir / "lvl" / entry.path().filename());
    return dir;
}

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Runs the game headless and returns the dump (and the raw text, for comparisons).
struct Run {
    int status = 0;
    std::string text;
    nlohmann::json dump;
};

inline Run RunGame(HeadlessOptions options, const std::string& keys = {}) {
    const std::filesystem::path dir = options.gameDir;
    if (!keys.empty()) {
        options.keysFile = dir / "keys.txt";
        WriteFile(*options.keysFile, keys);
    }
    options.dumpFile = dir / "dump.json";
    Run run;
    LibraryArchiveReaders readers;
    run.status = RunHeadless(options, readers);
    run.text = ReadFile(*options.dumpFile);
    run.dump = nlohmann::json::parse(run.text);
    return run;
}

}  // namespace zelkor::scenario
