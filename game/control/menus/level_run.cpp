#include "game/control/menus/level_run.h"

#include <utility>

#include "common/game_files.h"
#include "common/level_reader.h"
#include "common/level_summary.h"
#include "common/text_encoding.h"
#include "game/control/menus/level_records.h"

namespace zelkor {

void StartNewGameRecord(SnakeRecord& player) {
    player.lives = 3;
    player.totalScore = 0;
    player.atomic = false;
    player.atomicLeft = 0;
}

std::vector<std::string> MissingRequiredFiles(const GameFiles& files, std::string_view bytes) {
    std::vector<std::string> missing;
    for (const std::string& name : SummarizeLevel(ReadLevelText(bytes)).requiredFiles)
        if (!files.Exists(name)) missing.push_back(name);
    return missing;
}

void BeginLevelRun(Game& game, std::string_view fileName, std::string sha256) {
    EndLevelRun(game);
    LevelRun& r = game.levelRun;
    RunValues& run = game.run;
    r.active = true;
    r.fileName = fileName;
    r.sha256 = std::move(sha256);
    r.seconds = 0;
    r.gameMode = std::exchange(run.gameMode, "");
    r.huntingMode = std::exchange(run.huntingMode, false);
    r.aisOn = std::exchange(run.aisOn, false);
    r.aisGiven = std::exchange(run.aisGiven, false);
    Cheats& cheats = game.cheats;
    cheats.godMode = cheats.noClip = cheats.noTimeCheck = false;
}

void EndLevelRun(Game& game) {
    LevelRun& r = game.levelRun;
    if (!r.active) return;
    RunValues& run = game.run;
    run.gameMode = r.gameMode;
    run.huntingMode = r.huntingMode;
    run.aisOn = r.aisOn;
    run.aisGiven = r.aisGiven;
    r.active = false;
}

bool RecordLevelRun(const Game& game, SettingsStore& records, bool won, ReplayShelf& replays) {
    // The cheat flag stays set once the console was unlocked, as for the hall of fame.
    if (!won || game.cheats.cheatUsed) return false;
    const LevelRun& r = game.levelRun;
    const LevelRecord result{r.sha256, game.world.Snakes[1].totalScore, r.seconds, ""};
    return OfferLevelResult(records, Cp1252ToUtf8(r.fileName), result, replays);
}

}  // namespace zelkor
