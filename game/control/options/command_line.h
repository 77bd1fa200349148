#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/game_files.h"
#include "common/settings_store.h"
#include "game/control/run/message_box.h"
#include "game/rules/game.h"

namespace zelkor {

inline constexpr std::string_view kLevelMissingTitle =
    "SetCommand_LoadLevel: Level does not exist!";

// Cuts the command line into switches: a "/" that follows at least one character of
// the current piece starts the next piece, and the character before it (the blank
// between switches) is dropped. The last piece is kept whole, so extra blanks stay
// at the end of a piece.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// What applying the command line needs from outside.
struct CommandServices {
    const GameFiles& files;   // where "lvl" is
    SettingsStore& settings;  // "/NoClean=" is stored at once
    MessageBoxService& messageBox;
};

enum class SwitchResult { Continue, EndProgram };

// `SetCommand`: applies one switch to the run values and options. Every test is made
// on the same switch, in the game's order, comparing its first characters exactly.
// A "/L=" level that does not exist shows its message box and ends the program.
SwitchResult SetCommand(Game& game, std::string_view command, const CommandServices& services);

// Splits the command line and applies each switch in turn, stopping when one ends
// the program.
SwitchResult ApplyCommandLine(Game& game, std::string_view commandLine,
                              const CommandServices& services);

}  // namespace zelkor
