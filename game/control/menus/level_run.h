#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/rules/game.h"

namespace zelkor {

class GameFiles;
class ReplayShelf;
class SettingsStore;

// The player as a new game starts: three lives, no points carried, no atomic power.
void StartNewGameRecord(SnakeRecord& player);

// The files a level's "Requires=" lines name that are not in the game folder.
std::vector<std::string> MissingRequiredFiles(const GameFiles& files, std::string_view bytes);

// A run of one level begins: the command line's deathmatch, hunting and computer
// snakes are set aside, so the level plays in the normal mode with the computer
// snakes it asks for; the cheat switches are off.
void BeginLevelRun(Game& game, std::string_view fileName, std::string sha256);
// The run is over (or given up for a new game): the command line's modes come back.
// Nothing happens when no run is going on.
void EndLevelRun(Game& game);

// The run's result offered to the level's records: only a won run in which no cheat was
// used counts. Returns whether it became the level's best result (with a copy of the
// run's replay from `replays`).
bool RecordLevelRun(const Game& game, SettingsStore& records, bool won, ReplayShelf& replays);

}  // namespace zelkor
