#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

// The run's state that a game started from the menu begins in and that the run's start-up
// does not make again: the random generator, the timers (by the game clock's readings), the
// options, the hall of fame and the player's name and model as the game holds them, the
// menu, the keys, the music and sound, the messages and the level settings an earlier game
// left. What a level load resets (the world) is not in it; the levels' grid pictures are
// not either (the Levels page lists the levels again when it comes back).
// `pictureStale`: the window's still loops had something new to draw.
nlohmann::json RunSnapshot(const Game& game, bool pictureStale);

// What the game's own state does not hold: the clock's reading and the window's part.
struct RestoredRun {
    std::int64_t now = 0;
    bool pictureStale = false;
};
// Sets it; nothing (and the game changed in part) when `snapshot` is not one.
std::optional<RestoredRun> RestoreRunSnapshot(const nlohmann::json& snapshot, Game& game);

// A snapshot as its changes from an earlier one (compact binary: the game's texts are not
// UTF-8), and the snapshot those changes make of the earlier one; nothing when they do not.
std::string SnapshotChanges(const nlohmann::json& from, const nlohmann::json& to);
std::optional<nlohmann::json> ChangedSnapshot(const nlohmann::json& from, std::string_view changes);

}  // namespace zelkor
