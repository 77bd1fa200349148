#pragma once

#include <filesystem>
#include <string_view>

namespace zelkor {

// Where the game's files are. The game folder is the folder that holds the game
// program, with its lvl, gfx, snd, music and models folders beside it.

// The folder of the running program (from /proc/self/exe), or the current folder.
std::filesystem::path ProgramFolder();

// The game folder that belongs to the game program at `gameProgram`: the folder it
// stands in. Empty for an empty path.
std::filesystem::path GameFolderOf(const std::filesystem::path& gameProgram);

// The game program's file name: "Zelkor", or "Zelkor.exe" as older settings name it,
// in any letter case.
bool IsGameProgramName(std::string_view fileName);

// The game program in `folder` when there is one (any letter case), else nothing.
std::filesystem::path FindGameProgramIn(const std::filesystem::path& folder);

}  // namespace zelkor
