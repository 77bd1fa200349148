#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// The game folder and every path the game forms in it. The game writes its paths in
// Windows-1252 with backslashes, as the game folder followed by a path below it
// ("/home/p/Zelkor\gfx\menu\bkg.bmp", "/home/p/Zelkor/lvl/lvl2.dat"), or as a path
// below it alone ("\gfx\menu\bkg.bmp"), for a file system that ignores letter case.
// This turns such paths into files on disk, one way for every part of the game.
class GameFiles {
public:
    // How far a path may lead: below the game folder (every path a level, a picture
    // name or the game itself forms), or anywhere (the level the player named).
    enum class Reach { GameFolder, Anywhere };

    explicit GameFiles(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    // The game folder as the game writes it at the start of its paths.
    const std::string& prefix() const { return prefix_; }

    // The game folder + "/" + folder + "/" + name: a level or a track a level, the
    // command line or the game itself names.
    std::string FolderPath(std::string_view folder, std::string_view name) const;
    // The game folder's gfx folder + name with '/' separators, as messages show it.
    std::string ShownGfxPath(std::string_view name) const;

    // The file a game path names (with or without the game folder in front), each
    // component found whatever the case of its letters. The empty path when the
    // path leads out of the game folder ("..") and only the game folder may be
    // reached; such a file is missing. A name the file system refuses is a missing
    // file too, never an error.
    std::filesystem::path File(std::string_view gamePath, Reach reach = Reach::GameFolder) const;
    // Whether a file or folder is there.
    bool Exists(std::string_view gamePath, Reach reach = Reach::GameFolder) const;
    // Whether "\gfx\" + name is there.
    bool GfxExists(std::string_view name) const;

    // The whole level file; nothing when it cannot be read.
    std::optional<std::string> ReadLevelFile(std::string_view gamePath,
                                             Reach reach = Reach::GameFolder) const;
    // The lines of "AI_Names.lst", the computer snakes' names; nothing when it cannot
    // be read.
    std::optional<std::vector<std::string>> ReadAINames() const;

    // Told of every file read above, with its bytes (a recorded game names what it read).
    using ReadWatch = std::function<void(const std::filesystem::path&, std::string_view)>;
    void WatchReads(ReadWatch watch) { watch_ = std::move(watch); }

private:
    std::optional<std::string> Watched(const std::filesystem::path& file,
                                       std::optional<std::string> bytes) const;

    std::filesystem::path folder_;
    std::string prefix_;
    ReadWatch watch_;
};

}  // namespace zelkor
