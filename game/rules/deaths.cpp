#include "game/rules/deaths.h"

#include <string>

#include "game/rules/computer_snakes.h"
#include "game/rules/messages.h"
#include "game/rules/movement.h"
#include "game/rules/placement.h"

namespace zelkor {
namespace {

constexpr int kEnter = 28;

std::string DeathMessage(Game& game, int victimNumber, DeathReason reason, int killer) {
    const int r = game.rng.Below(3) + 1;
    const SnakeRecord& victim = game.Snake(victimNumber);
    const std::string& name = victim.name;
    const std::string deaths = std::to_string(victim.deaths);
    switch (reason) {
        case DeathReason::Wall:
            if (r == 1) {
                if (victim.deaths < 11) return name + " hit a wall. bang!";
                return name + " dies the " + deaths + "th time!";
            }
            if (r == 2) return name + " was in the wrong place";
            return name + " looses another frag!";
        case DeathReason::Body: {
            if (killer == victimNumber || killer < 1) {
                if (r == 1) return name + " bite him/herself! - What a LOOSER!";
                return name + " lost his " + deaths + " live";
            }
            const std::string& killerName = game.Snake(killer).name;
            if (r == 1) return name + " didn't see " + killerName + "!";
            if (victim.deaths < 4)
                return killerName + " stopped " + name + " and gets another frag!";
            return name + " hit " + killerName + " and dies the " + deaths + "th time!";
        }
        case DeathReason::Edge:
            if (r == 1) return name + " didn't see the wall.";
            if (r == 2) return "A wall stopped " + name;
            return name + ", tried to walk through a wall";
        case DeathReason::PutBack:
            break;
    }
    return {};
}

void ShowLifeLostBox(Game& game, RulesHost& host) {
    game.flags.lifeLostBox = true;
    game.flags.clockRunning = false;
    SetCentredLine(game, 0, "Uh - You loose a live...", 215);
    SetCentredLine(game, 1, "-Press Enter-", 230);
    host.WaitForKey(kEnter);
    ClearCentredLines(game);
}

void GameOver(Game& game, RulesHost& host) {
    SnakeRecord& player = game.Player();
    host.ShowGameOverPicture();
    SetCentredLine(game, 0, "Game Over", 215);
    SetCentredLine(game, 1, "-Press Enter-", 230);
    SetCentredLine(game, 2, "Your Score: " + std::to_string(player.totalScore), 245);
    // A level played alone from the Levels page never enters the hall of fame.
    const bool levelRun = game.levelRun.active;
    switch (levelRun ? HighScoreEntry::NotEntered : host.EnterHighScore()) {
        case HighScoreEntry::Refused:
            SetCentredLine(game, 3, "This would be a new High Score! - But you cheated!", 260);
            break;
        case HighScoreEntry::Entered:
            SetCentredLine(game, 3, "This is a new High Score!", 260);
            game.menu.hallOfFamePage = 1;
            game.flags.menuShown = true;
            break;
        case HighScoreEntry::NotEntered:
            break;
    }
    player.totalScore = 0;
    player.lives = 3;
    host.WaitForKey(kEnter);
    ClearCentredLines(game);
    StopComputerSnakes(game);
    game.flags.clockRunning = false;
    game.flags.stopped = true;
    game.flags.menuShown = true;
    if (levelRun) host.LevelRunOver(false);
}

}  // namespace

void Die(Game& game, RulesHost& host, bool skipDeath, int victim, DeathReason reason, int killer) {
    SnakeRecord& snake = game.Snake(victim);
    if (!skipDeath) {
        if (game.flags.deathSuppression) return;
        ++snake.deaths;
        host.PlaySound(kWallSound, victim, 0);
        game.rng.Rnd();
        game.rng.Mix(game.Now());

        if (game.run.Deathmatch()) {
            const std::string message = DeathMessage(game, victim, reason, killer);
            if (!message.empty()) ShowMessage(game, message);
        }
        if (victim == 1) ShowLifeLostBox(game, host);

        host.LoadSettings();  // speeds the level had set give way to the stored options
        Respawn(game, victim);
        if (game.level.HideCollected) RestoreTaken(game);
        if (game.world.spawnCount > 0) FreeSpawnPoints(game);
        game.flags.lifeLostBox = false;
        if (victim == 1) {
            game.flags.clockRunning = true;
            // The wall-hit banner waits for an arrow key, unless the game is over.
            const bool againstWall = reason == DeathReason::Wall || reason == DeathReason::Edge;
            if (againstWall && snake.lives >= 0) game.flags.wallHitWait = true;
        }
    }
    if (victim == 1 && snake.lives < 0) GameOver(game, host);
    // An Escape raised during this death's boxes has done its work.
    if (victim == 1) game.flags.skipDeath = false;
}

void Respawn(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    const bool deathmatch = game.run.Deathmatch();
    ResetBody(game, n);
    if (!deathmatch) {
        if (snake.score < 0) snake.score = 0;
        game.flags.levelClock = 0;
        --snake.lives;
    }
    game.flags.speedIncrease = 0;
    game.flags.immortal = false;
    snake.x = static_cast<std::int16_t>(snake.startX);
    snake.y = static_cast<std::int16_t>(snake.startY);
    snake.dir = Dir::None;
    snake.nextDir = Dir::None;
    SetStepInterval(game, n, snake.speed);
    if (deathmatch) {
        snake.yellowEaten = 0;
        snake.redEaten = 0;
        snake.blueEaten = 0;
        snake.blackEaten = 0;
        snake.tnt = 0;
    }
    snake.atomic = false;
    snake.atomicLeft = 0;
    ClearPieces(game, n);
}

}  // namespace zelkor
