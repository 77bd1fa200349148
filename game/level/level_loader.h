#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// What loading a level needs from the rest of the game: the console, the stored
// settings, the files and archives of the game folder, and the pictures.
class LevelLoadHost {
public:
    virtual ~LevelLoadHost() = default;
    virtual void ConsolePrint(std::string_view text) = 0;
    virtual void LoadSettings() = 0;
    // The whole level file, or nothing when it cannot be read. `path` is a game
    // path ("\lvl\lvl1.dat", or a folder path the game formed itself).
    virtual std::optional<std::string> ReadLevelFile(std::string_view path) = 0;
    // "Requires=" with an archive: the loading label shows "Unextracting: " + name,
    // the progress counters are set to 0 and 1, and the archive in the game folder
    // is unpacked into the gfx folder with the archive password.
    virtual void UnpackRequiredArchive(std::string_view name) = 0;
    // Whether a file or folder of this name exists in the gfx folder.
    virtual bool GfxExists(std::string_view name) = 0;
    // The game folder + "\gfx\" + name as a path to show in messages.
    virtual std::string GfxPath(std::string_view name) = 0;
    // The game folder + "\" + folder + "\" + name, as the game forms such paths.
    virtual std::string FolderPath(std::string_view folder, std::string_view name) = 0;
    virtual void LoadBackground(std::string_view bkgPic) = 0;
    virtual void PrepareLvlGfx() = 0;
    virtual void PrepareUserItemGfx() = 0;
};

// `ResetLevel`: restores the per-level defaults (and reads the stored settings).
void ResetLevel(Game& game, LevelLoadHost& host);

// `LoadLevel`(path): 1 when the level was loaded, -1 when it failed (the menu
// then shows with "Level " + path + " does not exist").
int LoadLevel(Game& game, LevelLoadHost& host, RulesHost& rules, std::string_view path);

}  // namespace zelkor
