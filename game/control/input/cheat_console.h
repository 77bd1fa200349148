#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

// How the console's "warp" reaches the level loader: the game folder as level
// paths are formed from it, and `LoadLevel` (1 loaded, -1 failed).
struct ConsoleLevels {
    std::string gameFolder;
    std::function<int(std::string_view path)> loadLevel;
};

// Tests the console text against the hidden commands after a typed character.
// "plumtrove" unlocks the others; they work only on the hall-of-fame page and,
// except "warp", only while a game is going on, and only at their exact length.
// A command that takes effect empties the console; one whose condition fails
// leaves the text, so it can still be completed or cleared.
void TestConsoleCommands(Game& game, const ConsoleLevels& levels);

}  // namespace zelkor
