#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/game_folder.h"

namespace zelkor {

// Options of our own for running and testing the game on Linux. They come first and
// start with "--"; everything after them is the game's own command line.
struct ProgramOptions {
    std::filesystem::path gameDir;                      // --game-dir DIR, else the program's folder
    bool gameDirGiven = false;                          // --game-dir was given
    std::optional<std::filesystem::path> settingsFile;  // --settings FILE
    bool window = false;                                // --window
    std::optional<std::filesystem::path> checkLevel;    // --check-level FILE
    bool help = false;                                  // --help

    // The headless runner.
    bool headless = false;                          // --headless
    std::optional<std::uint64_t> seed;              // --seed N
    std::optional<std::int64_t> frameMs;            // --frame-ms N (above 0)
    std::optional<std::int64_t> runMs;              // --run-ms N
    std::optional<std::filesystem::path> keysFile;  // --keys FILE
    std::optional<std::filesystem::path> dumpFile;  // --dump FILE
    // --screenshot-at T FILE (repeatable): the frame at game time T as a PNG.
    std::vector<std::pair<std::int64_t, std::filesystem::path>> screenshots;

    // The game's switches, joined with blanks ("/L=EditTemp.dat /AIS=3 /DM"), in
    // Windows-1252 like all the game's text (the arguments come in UTF-8).
    std::string commandLine;
};

struct ParsedProgramOptions {
    ProgramOptions options;
    std::string error;  // empty when the options were understood
    bool ok() const { return error.empty(); }
};

// Reads the arguments after the program name. An option's value may follow as the
// next argument or after "=" ("--seed=7"); "--" ends our options.
ParsedProgramOptions ParseProgramOptions(std::span<const std::string_view> args,
                                         const std::filesystem::path& programFolder);

std::string_view ProgramUsage();

}  // namespace zelkor
