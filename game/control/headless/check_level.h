#pragma once

#include <filesystem>
#include <ostream>

#include "common/archive_reader.h"

namespace zelkor {

// `Zelkor --check-level FILE`: reads FILE with the game's reading rules, unpacking
// and drawing nothing, and prints one JSON document of what the game would take
// from it (walls, starts, spawn points, user items, keys, required files and the
// failure, if any). A "set:" picture is looked for in gameDir's gfx folder and, when
// `archives` is given, in the ".zkr" archives named by earlier "Requires=" lines,
// which the game would have unpacked there by then.
// Returns the exit status: 0 when the level would load, 1 when the load would
// fail, 2 when FILE cannot be read.
int RunCheckLevel(const std::filesystem::path& file, const std::filesystem::path& gameDir,
                  std::ostream& out, ArchiveReaderFactory* archives = nullptr);

}  // namespace zelkor
