#pragma once

#include <filesystem>
#include <nlohmann/json_fwd.hpp>

#include "game/rules/game.h"

namespace zelkor {

// The game state as one JSON document (the headless runner's --dump). Texts are
// UTF-8, paths relative to the game folder with '/'. Members are only ever added.
nlohmann::json DumpState(const Game& game, const std::filesystem::path& gameDir);

}  // namespace zelkor
