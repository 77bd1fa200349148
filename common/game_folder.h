#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// Where the game's files are. The game folder holds the lvl, gfx, snd, music and
// models folders, the archives and "AI_Names.lst", and the game writes into it. A
// game run from the folder it was built or unpacked into uses that folder; an
// installed game (its program in PREFIX/bin, its data in PREFIX/share/zelkor) plays
// from a game folder of the player's own, prepared from the installed data.

// The running program, from /proc/self/exe; empty when the system does not say.
std::filesystem::path ProgramFile();

// The folder of the running program, or the current folder.
std::filesystem::path ProgramFolder();

// The folder the game program at `gameProgram` stands in. Empty for an empty path.
std::filesystem::path GameFolderOf(const std::filesystem::path& gameProgram);

// The game program's file name: "Zelkor", or "Zelkor.exe" as older settings name it,
// in any letter case.
bool IsGameProgramName(std::string_view fileName);

// The game program in `folder` when there is one (any letter case), else nothing.
std::filesystem::path FindGameProgramIn(const std::filesystem::path& folder);

// The game program a program in `programFolder` belongs to: the one beside it, else
// the first "Zelkor" on `searchPath` (a PATH value, folders separated by ':').
std::filesystem::path FindGameProgram(const std::filesystem::path& programFolder,
                                      std::string_view searchPath);

// The installed data of a game program in `programFolder`: the folder share/zelkor
// beside the program's bin folder, when it holds the list of shipped files. Empty for
// a game that is not installed.
std::filesystem::path ShippedDataFolder(const std::filesystem::path& programFolder);

// The player's own game folder: $XDG_DATA_HOME/Zelkor, by default
// ~/.local/share/Zelkor. The first form takes the two variables' values (or null).
std::filesystem::path PlayerGameFolder(const char* xdgDataHome, const char* home);
std::filesystem::path PlayerGameFolder();

struct GameFolderPlace {
    std::filesystem::path folder;       // where the game reads and writes
    std::filesystem::path shippedData;  // the installed data; empty when not installed
};

// Where the game program at `gameProgram` keeps its game folder; nothing is written.
GameFolderPlace LocateGameFolder(const std::filesystem::path& gameProgram);

struct OpenedGameFolder {
    std::filesystem::path folder;
    std::vector<std::string> problems;  // what the preparation could not do
    // A newer installed version replaced files the player's folder had received.
    bool newVersion = false;
};

// The game folder of the game program at `gameProgram`, ready for use: for an
// installed game the player's folder is prepared from the installed data first.
// The game finds its own folder through this, and the editor the folder of the game
// it tests levels with.
OpenedGameFolder OpenGameFolder(const std::filesystem::path& gameProgram);

}  // namespace zelkor
