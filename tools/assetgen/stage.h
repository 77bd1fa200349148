#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/asset_set.h"

namespace zelkor::assetgen {

// Writes every file of the set below `root` under its own path.
void WriteTree(const AssetSet& set, const std::filesystem::path& root);

// Fills the game folder: the archives (pictures and sounds, level archives, model
// packs) and the music files. Unchanged files are left untouched. Returns the paths of
// the files it staged, relative to the game folder, sorted.
std::vector<std::string> StageGameFolder(const AssetSet& set,
                                         const std::filesystem::path& gameFolder);

}  // namespace zelkor::assetgen
