#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/game_files.h"
#include "game/control/run/message_box.h"

namespace zelkor {

inline constexpr std::string_view kLevelFolderErrorText =
    "The Level files were not found.\r\n"
    "This EXE (Zelkor.exe) must be located in the folder where 'lvl' and 'gfx.zkr' are.\r\n"
    "Put it there and it will work";

// "INIT_Main: Error No \lvl folder! (" + error number + ")".
std::string LevelFolderErrorTitle(int errorNumber);

struct LevelFolderCheck {
    bool ok = false;
    int errorNumber = 0;  // the system's error while listing the folder; 0 when it is empty
};

// Lists the level files ("*.dat", any letter case) in the game folder's "lvl" folder.
LevelFolderCheck CheckLevelFolder(const GameFiles& files);

// The start-up folder check: without level files it shows the critical box and
// returns false, and the program ends.
bool RunLevelFolderCheck(const GameFiles& files, MessageBoxService& messageBox);

}  // namespace zelkor
