#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/settings_store.h"
#include "game/rules/game.h"

namespace zelkor {

class ReplayShelf;

// Where the game keeps its options and hall of fame in the settings store.
inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kTweakSection = "Tweak";
inline constexpr std::string_view kHiScoreSection = "HiScore";
inline constexpr std::string_view kNoCleanUpKey = "NoCleanUp";
inline constexpr std::string_view kNewInstallKey = "NewInstall";

inline constexpr int kHallOfFameNameLength = 14;

// Hall-of-fame keys of place n (1..10): "Name 1" ... "Score 10", and the place's kept
// replay, "Replay 1" ... "Replay 10".
std::string HallOfFameNameKey(int place);
std::string HallOfFameScoreKey(int place);
std::string HallOfFameReplayKey(int place);

// Sets the music volume (per cent) once it has been read.
using MusicVolumeHook = std::function<void(std::int16_t percent)>;

// `LoadSettings`: reads every option and the hall of fame into the game. A missing
// key gives its default; a value that cannot be converted leaves its variable as it
// was. In deathmatch the speed tweaks are not read but fixed.
void LoadSettings(Game& game, SettingsStore& store, const MusicVolumeHook& setMusicVolume = {});

// `SaveSettings`: writes every option but "NewInstall", and the hall of fame, in one
// batch. Write errors are ignored.
void SaveSettings(const Game& game, SettingsStore& store);

// After a newer installed version the game starts as a new install, so that pictures and
// sounds left unpacked from the older archives (kept by "NoCleanUp" or a crash) are
// unpacked afresh; the quit routine ends the new install.
void MarkNewInstall(SettingsStore& store);

// The stored "Player Color" when that model is installed (0..highest); otherwise
// model 1, the default, or 0 when only one model is installed. With none known the
// stored number is kept for when its pack comes back.
std::int16_t InstalledModelOrDefault(std::int16_t stored, int highest);

inline constexpr std::string_view kNewHighScoreText = "This is a new High Score!";
inline constexpr std::string_view kCheatedHighScoreText =
    "This would be a new High Score! - But you cheated!";

enum class HighScoreOutcome { NotEntered, Cheated, Entered };

struct HighScoreResult {
    HighScoreOutcome outcome = HighScoreOutcome::NotEntered;
    int place = 0;          // 1..10 when the total beat a score
    std::string_view text;  // the level-end text to show; empty when not entered
};

// `EnterHighScore`: at game over, the player's total score takes the first place whose
// score it beats (an equal score keeps its place); that entry and those below move
// down one place and the last drops off, and the settings are saved. A run with a
// cheat enters nothing. The new entry names a copy of the game's replay from `replays`;
// the replay of the entry that dropped off goes unless another entry names it. The
// caller shows the text and, on Entered, opens the menu on its hall-of-fame page.
HighScoreResult EnterHighScore(Game& game, SettingsStore& store, ReplayShelf& replays);

}  // namespace zelkor
