#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelkor {

class GameFiles;
class SettingsStore;

// The replays the game keeps in its folder's "replays" folder, found for the pages that
// watch them; nothing where none is kept (no name, a name that is not a plain file name,
// or no such file).
std::optional<std::filesystem::path> LastGameReplay(const GameFiles& files);
// The replay of hall-of-fame place 1..10, named by the HiScore section's "Replay n".
std::optional<std::filesystem::path> ReplayOfPlace(const GameFiles& files, SettingsStore& settings,
                                                   int place);
// A replay kept under `name` (a hall-of-fame place or a level's best run names its own).
std::optional<std::filesystem::path> KeptReplay(const GameFiles& files, std::string_view name);

}  // namespace zelkor
