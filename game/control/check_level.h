#pragma once

#include <filesystem>
#include <ostream>

namespace zelkor {

// `Zelkor --check-level FILE`: reads FILE with the game's reading rules, unpacking
// and drawing nothing, and prints one JSON document of what the game would take
// from it (walls, starts, spawn points, user items, keys, required files and the
// failure, if any). A "set:" picture is looked for in gameDir's gfx folder.
// Returns the exit status: 0 when the level would load, 1 when the load would
// fail, 2 when FILE cannot be read.
int RunCheckLevel(const std::filesystem::path& file, const std::filesystem::path& gameDir,
                  std::ostream& out);

}  // namespace zelkor
