#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

    // The game folder has just received files of a newer installed version: the run
    // starts as a new install (found by the program, not an option).
    bool newInstalledVersion = false;

    // The headless runner: the whole game without a window or audio device, on a
    // manual clock, with scripted keys. The same options give the same run.
    bool headless = false;                          // --headless
    std::int64_t seed = 0;                          // --seed N: the clock reads seed + game time
    std::int64_t frameMs = 16;                      // --frame-ms N: game time per pass of a loop
    std::int64_t runMs = 60000;                     // --run-ms N: the run ends after this long
    std::optional<std::filesystem::path> keysFile;  // --keys FILE
    std::optional<std::filesystem::path> dumpFile;  // --dump FILE
    // --screenshot-at T FILE (repeatable): the back buffer as a PNG, the frame shown at
    // or just after game time T (counted from the start of the run, like key times).
    struct Screenshot {
        std::int64_t atMs = 0;
        std::filesystem::path file;
    };
    std::vector<Screenshot> screenshots;
    // A recorded game played headless instead of the scripted keys (--replay FILE), or
    // played to check that it ends as recorded (--verify-replay FILE, headless by itself).
    std::optional<std::filesystem::path> replayFile;
    bool verifyReplay = false;
    // The headless run recorded: each game's replay written to FILE as it ends (--record FILE).
    std::optional<std::filesystem::path> recordFile;
    // Where F12 writes its pictures in a headless run; none: F12 says that it cannot.
    std::optional<std::filesystem::path> picturesFolder;

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
