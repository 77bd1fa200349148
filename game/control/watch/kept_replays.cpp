#include "game/control/watch/kept_replays.h"

#include <string>
#include <system_error>

#include "common/game_files.h"
#include "common/settings_store.h"
#include "game/control/options/settings.h"
#include "game/control/replay/replay_shelf.h"

namespace zelkor {

std::optional<std::filesystem::path> KeptReplay(const GameFiles& files, std::string_view name) {
    // A name edited into the settings by hand never leads out of the replays folder.
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    std::filesystem::path file =
        files.File(std::string(kReplayFolderName) + "/" + std::string(name));
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
    return file;
}

std::optional<std::filesystem::path> LastGameReplay(const GameFiles& files) {
    return KeptReplay(files, kLastGameReplayName);
}

std::optional<std::filesystem::path> ReplayOfPlace(const GameFiles& files, SettingsStore& settings,
                                                   int place) {
    const std::optional<std::string> name =
        settings.Read(kHiScoreSection, "Replay " + std::to_string(place));
    return name ? KeptReplay(files, *name) : std::nullopt;
}

}  // namespace zelkor
