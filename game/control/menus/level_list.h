#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/rules/game.h"

namespace zelkor {

class GameFiles;
class SettingsStore;

// The name on a level's "Level Author:" line, which the editor writes and the game's
// reader passes over; empty without one.
std::string LevelAuthor(std::string_view bytes);

// Whether file `a` is listed before file `b`: the shipped chain "lvl1.dat",
// "lvl2.dat", ... in the order of its numbers first, then every other level by name.
bool ListedBefore(std::string_view a, std::string_view b);

// One file of the lvl folder as the page shows it: read with the game's own level
// reader, its grid in marks, its best result when it is for these bytes.
LevelListEntry DescribeLevel(std::string_view fileName, std::string_view bytes,
                             SettingsStore& records);

// Every ".dat" file of the game folder's lvl folder in listing order, except the
// editor's test level "EditTemp.dat". A level the reader refuses is listed with why.
std::vector<LevelListEntry> ListLevels(const GameFiles& files, SettingsStore& records);

}  // namespace zelkor
