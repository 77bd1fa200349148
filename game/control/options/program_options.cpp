#include "game/control/options/program_options.h"

#include <charconv>
#include <string>
#include <system_error>

#include "common/text_encoding.h"

namespace zelkor {
namespace fs = std::filesystem;

namespace {

// Times of the headless runner stay far from the ends of the clock's 64-bit
// milliseconds (this is over 30000 years), so seed + run time cannot overflow.
constexpr std::int64_t kLongestTime = 1'000'000'000'000'000;

template <typename Int>
std::optional<Int> ReadWhole(std::string_view text) {
    Int value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Sets an option without a value; false when `name` is none of them.
bool SetFlag(ProgramOptions& o, std::string_view name) {
    if (name == "--window") {
        o.window = true;
    } else if (name == "--headless") {
        o.headless = true;
    } else if (name == "--help") {
        o.help = true;
    } else {
        return false;
    }
    return true;
}

bool IsValueOption(std::string_view name) {
    for (std::string_view known :
         {"--game-dir", "--settings", "--check-level", "--keys", "--dump", "--seed", "--frame-ms",
          "--run-ms", "--replay", "--verify-replay", "--record"})
        if (name == known) return true;
    return false;
}

// Sets an option that takes a value; returns what is wrong with the value, if anything.
std::string SetValue(ProgramOptions& o, std::string_view name, std::string_view value) {
    const std::string bad = std::string(name) + " needs ";
    if (value.empty()) return bad + "a value";
    if (name == "--game-dir") {
        // One spelling of the folder ("game", "./game/", its full path): a replay names its
        // files below the folder and checks its start by the folder's own path.
        std::error_code error;
        const fs::path dir = fs::weakly_canonical(fs::absolute(fs::path(value)), error);
        o.gameDir = error ? fs::path(value) : dir;
        o.gameDirGiven = true;
    } else if (name == "--settings") {
        o.settingsFile = fs::path(value);
    } else if (name == "--check-level") {
        o.checkLevel = fs::path(value);
    } else if (name == "--keys") {
        o.keysFile = fs::path(value);
    } else if (name == "--replay" || name == "--verify-replay") {
        o.replayFile = fs::path(value);
        o.verifyReplay = name == "--verify-replay";
        o.headless = o.headless || o.verifyReplay;
    } else if (name == "--record") {
        o.recordFile = fs::path(value);
    } else if (name == "--dump") {
        o.dumpFile = fs::path(value);
    } else if (name == "--seed") {
        const auto seed = ReadWhole<std::int64_t>(value);
        if (!seed || *seed < 0 || *seed > kLongestTime)
            return bad + "a whole number up to " + std::to_string(kLongestTime);
        o.seed = *seed;
    } else if (name == "--frame-ms") {
        const auto frameMs = ReadWhole<std::int64_t>(value);
        if (!frameMs || *frameMs < 1 || *frameMs > kLongestTime)
            return bad + "a number of milliseconds above 0";
        o.frameMs = *frameMs;
    } else if (name == "--run-ms") {
        const auto runMs = ReadWhole<std::int64_t>(value);
        if (!runMs || *runMs < 0 || *runMs > kLongestTime) return bad + "a number of milliseconds";
        o.runMs = *runMs;
    }
    return {};
}

}  // namespace

std::string_view ProgramUsage() {
    return "Usage: Zelkor [options] [game switches]\n"
           "  --game-dir DIR      the game folder (default: the program's folder, or for an\n"
           "                      installed game ~/.local/share/Zelkor)\n"
           "  --settings FILE     keep the settings in FILE instead of the user's\n"
           "  --window            play in a window instead of full screen\n"
           "  --check-level FILE  read a level file and print what the game sees, as JSON\n"
           "  --headless          run without window or sound, on a manual clock\n"
           "  --seed N            seed of the random numbers (headless)\n"
           "  --frame-ms N        milliseconds per frame (headless)\n"
           "  --run-ms N          how long to run, in game milliseconds (headless)\n"
           "  --keys FILE         scripted keys (headless)\n"
           "  --dump FILE         write the game state as JSON to FILE (headless)\n"
           "  --screenshot-at T FILE  write the picture at game time T (ms) as a PNG\n"
           "                      (headless, repeatable)\n"
           "  --replay FILE       watch a recorded game in the window, then end (2: refused);\n"
           "                      with --headless, play it instead of scripted keys\n"
           "  --verify-replay FILE  play a recorded game headless and say whether it ends\n"
           "                      with the recorded score and level (exit 0, else 1; 2: refused)\n"
           "  --record FILE       write each game's replay to FILE as it ends (headless)\n"
           "  --help              show this text\n"
           "Game switches: /L=level.dat /AIS=n /KM=US|DE /DM /H /Limit=n /Debug /NoClean=bool\n";
}

ParsedProgramOptions ParseProgramOptions(std::span<const std::string_view> args,
                                         const fs::path& programFolder) {
    ParsedProgramOptions result;
    ProgramOptions& o = result.options;
    o.gameDir = programFolder;

    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (args[i] == "--") {
            ++i;
            break;
        }
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const auto eq = name.find('='); eq != std::string_view::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (name == "--screenshot-at") {
            // Two values: the game time, then the file.
            if (!value && i + 1 < args.size()) value = args[++i];
            const auto at = value ? ReadWhole<std::int64_t>(*value) : std::nullopt;
            if (!at || *at < 0 || *at > kLongestTime || i + 1 >= args.size()) {
                result.error = "--screenshot-at needs a number of milliseconds and a file";
            } else {
                o.screenshots.push_back({*at, fs::path(args[++i])});
            }
        } else if (SetFlag(o, name)) {
            if (value) result.error = std::string(name) + " takes no value";
        } else if (!IsValueOption(name)) {
            result.error = "unknown option " + std::string(name);
        } else {
            if (!value && i + 1 < args.size()) value = args[++i];
            result.error = value ? SetValue(o, name, *value) : std::string(name) + " needs a value";
        }
        if (!result.ok()) return result;
    }
    for (; i < args.size(); ++i) {
        if (!o.commandLine.empty()) o.commandLine += ' ';
        o.commandLine += Utf8ToCp1252(args[i]);
    }
    return result;
}

}  // namespace zelkor
