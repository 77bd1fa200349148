#include "game/control/options/command_line.h"

#include "common/numbers.h"
#include "game/control/options/settings.h"

namespace zelkor {

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> switches;
    std::string piece;
    for (char c : commandLine) {
        if (c == '/' && !piece.empty()) {
            piece.pop_back();
            switches.push_back(std::move(piece));
            piece.clear();
        }
        piece += c;
    }
    if (!piece.empty()) switches.push_back(std::move(piece));
    return switches;
}

namespace {

void SetLimit(RunValues& run, std::string_view value) {
    if (const auto limit = ToInt16(ReadNumber(value))) run.limit = *limit;
    if (run.limit < 2) run.limit = run.huntingMode ? 30 : 120;
}

void SetComputerSnakes(RunValues& run, std::string_view value) {
    const double n = ReadNumber(value);
    run.aisGiven = true;
    if (n > 0) {
        if (const auto count = ToInt16(n + 1)) run.snakeCount = *count;
        run.aisOn = true;
        run.cmdAIS = n;
    } else {
        run.cmdAIS = 0;
        run.snakeCount = 1;
        run.aisOn = false;
    }
}

SwitchResult SetLevel(RunValues& run, std::string_view name, const CommandServices& services) {
    run.cmdLevel = name;
    run.levelGiven = true;
    if (name.empty()) return SwitchResult::Continue;
    // The level path is a game path like a level's "nextLvl=" (folder, then the name as
    // the game writes it); the player's own may lead out of the game folder.
    run.cmdLevelPath = services.files.FolderPath("lvl", name);
    if (!services.files.Exists(run.cmdLevelPath, GameFiles::Reach::Anywhere)) {
        services.messageBox.Show(MessageIcon::Critical, kLevelMissingTitle,
                                 "Level " + std::string(name) + " does not exist!");
        return SwitchResult::EndProgram;
    }
    return SwitchResult::Continue;
}

void SetNoCleanUp(Game& game, std::string_view value, SettingsStore& settings) {
    const auto noCleanUp = ReadTruth(value);
    if (!noCleanUp) return;  // not a truth value: the switch changes nothing
    game.options.noCleanUp = *noCleanUp;
    settings.Write(kOptionsSection, kNoCleanUpKey, TruthText(*noCleanUp));
}

}  // namespace

SwitchResult SetCommand(Game& game, std::string_view command, const CommandServices& services) {
    RunValues& run = game.run;
    const auto startsWith = [&](std::string_view prefix) { return command.starts_with(prefix); };
    const auto rest = [&](std::string_view prefix) { return command.substr(prefix.size()); };

    if (startsWith("/DM")) run.gameMode = "DM";
    if (command == "/H") run.huntingMode = true;  // its first three characters are "/H"
    if (startsWith("/Limit=")) SetLimit(run, rest("/Limit="));
    if (startsWith("/AIS=")) SetComputerSnakes(run, rest("/AIS="));
    if (startsWith("/KM=")) {
        run.keyMap = rest("/KM=");
        if (run.keyMap != "US" && run.keyMap != "DE") run.keyMap = "US";
    }
    if (startsWith("/L=") && SetLevel(run, rest("/L="), services) == SwitchResult::EndProgram)
        return SwitchResult::EndProgram;
    if (startsWith("/Debug")) run.debug = true;
    if (startsWith("/NoClean=")) SetNoCleanUp(game, rest("/NoClean="), services.settings);
    return SwitchResult::Continue;
}

SwitchResult ApplyCommandLine(Game& game, std::string_view commandLine,
                              const CommandServices& services) {
    for (const std::string& command : SplitCommandLine(commandLine)) {
        if (SetCommand(game, command, services) == SwitchResult::EndProgram)
            return SwitchResult::EndProgram;
    }
    return SwitchResult::Continue;
}

}  // namespace zelkor
