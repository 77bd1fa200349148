#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/control/menu_logic.h"

namespace zelkor {

// The model packs ("*.zmp", any letter case) in the game folder's "models"
// folder, sorted by file name, as the names of their folders: model number i is
// entry i.
std::vector<std::string> ModelPackFolders(const std::filesystem::path& gameDir);

// The name and author a model's "model.ini" gives (lines beginning "NAME" and
// "AUTHOR", the last of each counting); without the file, the folder's name and
// "Unknown".
ModelCredit ReadModelCredit(const std::filesystem::path& gameDir, const std::string& folder);

}  // namespace zelkor
