#include "game/rules/level_end.h"

#include <cmath>
#include <string>

#include "common/numbers.h"
#include "game/rules/deaths.h"
#include "game/rules/messages.h"
#include "game/rules/movement.h"

namespace zelkor {
namespace {

constexpr int kEnter = 28;

// "nextLvl=" names a further level when it is at least 7 characters long and does
// not end in "END".
bool HasNextLevel(const std::string& path) {
    if (path.size() < 7) return false;
    return path.compare(path.size() - 3, 3, "END") != 0;
}

}  // namespace

int HighScorePlace(const Game& game, std::int32_t totalScore) {
    for (std::size_t i = 0; i < game.hallOfFame.size(); ++i)
        if (ReadNumber(game.hallOfFame[i].score) < totalScore) return static_cast<int>(i) + 1;
    return 0;
}

bool GoalReached(const Game& game, int n) {
    if (game.run.Deathmatch()) {
        const SnakeRecord& snake = game.Snake(n);
        return (game.run.huntingMode ? snake.length : snake.frags) >= game.run.limit;
    }
    const SnakeRecord& p = game.Snake(1);
    const LevelSettings& lvl = game.level;
    return p.yellowEaten >= lvl.ReqYellow && p.redEaten >= lvl.ReqRed &&
           p.blueEaten >= lvl.ReqBlue && p.blackEaten >= lvl.ReqBlack && p.score >= lvl.ReqScore;
}

void NextLevel(Game& game, RulesHost& host) {
    SnakeRecord& player = game.Player();
    game.flags.running = false;
    player.totalScore += player.score;
    player.atomic = false;
    player.atomicLeft = 0;

    // A level played alone from the Levels page goes back to the page, not to the hall of fame.
    const bool levelRun = game.levelRun.active;
    SetCentredLine(game, 0, levelRun ? "Level Complete!!!" : "Next Level!!!", 215);
    SetCentredLine(game, 1, "-Press Enter-", 230);
    const bool bonusShown = game.level.TimeLimit != 0;
    if (bonusShown) {
        const double bonus = game.level.TimeLimit - game.flags.levelClock;
        SetCentredLine(game, 3, "Time Bonus: " + NumberText(bonus) + " pts", 260);
        player.totalScore += static_cast<std::int32_t>(std::nearbyint(bonus));
    }
    SetCentredLine(game, 2, "Your Score: " + std::to_string(player.totalScore), 245);
    if (!levelRun && HighScorePlace(game, player.totalScore) > 0 && !game.cheats.cheatUsed)
        SetCentredLine(game, 4, "This is a new High Score!", bonusShown ? 275 : 260);
    host.WaitForKey(kEnter);
    ClearCentredLines(game);
    game.flags.skipDeath = false;

    game.flags.levelClock = 0;
    for (int n = 1; n <= game.world.NumSnakes; ++n)
        ResetBody(game, n);

    // A level without a next level ends the game like the last one, so its goal
    // is paid only once.
    if (levelRun) host.LevelRunOver(true);
    const bool loaded = !levelRun && HasNextLevel(game.level.NextLevelPath) &&
                        host.LoadLevel(game.level.NextLevelPath) == 1;
    if (!loaded) {
        game.flags.stopped = true;
        game.flags.menuShown = true;
        game.flags.running = true;  // the loop goes on, in the menu
    }
    player.score = 0;
}

void CheckTimeLimit(Game& game, RulesHost& host) {
    if (game.flags.immortal || game.cheats.noTimeCheck) return;
    if (game.level.TimeLimit == 0 || game.flags.levelClock < game.level.TimeLimit) return;
    host.ShowTimeLimitHit();
    game.flags.timeLimitHit = true;
    host.WaitForKey(kEnter);
    game.flags.skipDeath = false;
    game.world.Frozen = true;
    Respawn(game, 1);
    // The clock starts again in every mode, so the limit is not met again at once.
    game.flags.levelClock = 0;
    Die(game, host, true, 1, DeathReason::PutBack);
}

}  // namespace zelkor
