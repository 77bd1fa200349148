#include "game/rules/walls.h"

#include <string_view>

#include "game/rules/collection_windows.h"
#include "game/rules/deaths.h"

namespace zelkor {
namespace {

bool IsBlastableWall(std::string_view decl) {
    return decl == "wall" || decl == "ani_wall";
}
bool IsSolidWall(std::string_view decl) {
    return decl == "wall_no_tnt" || decl == "ani_wall_no_tnt";
}

// The blasts of one call: every second blast uses up one TNT.
struct BlastCounter {
    int blasts = 0;
    void Blast(SnakeRecord& snake) {
        if (++blasts == 2) {
            --snake.tnt;
            blasts = 0;
        }
    }
};

// A wall met by snake n: death without TNT (returns true), otherwise a blast.
bool HitWall(Game& game, RulesHost& host, int n, BlastCounter& counter, bool& standing) {
    SnakeRecord& snake = game.Snake(n);
    if (snake.tnt < 1) {
        Die(game, host, false, n, DeathReason::Wall);
        return true;
    }
    standing = false;
    host.PlaySound(kExplodeSound, n, 0);
    counter.Blast(snake);
    return false;
}

void CheckSnake(Game& game, RulesHost& host, int n, BlastCounter& counter) {
    World& w = game.world;
    for (WallPiece& piece : w.WallPieces) {
        const SnakeRecord& snake = game.Snake(n);
        if (!piece.standing || !MeetsWall(snake.x, snake.y, piece.x, piece.y)) continue;
        if (HitWall(game, host, n, counter, piece.standing)) break;
    }
    if (!game.level.UserItemGfx) return;
    for (int c = 1; c <= w.userItemCount; ++c) {
        UserItemCell& cell = w.UserItemCells[c];
        const SnakeRecord& snake = game.Snake(n);
        if (!cell.hasGfx || !IsBlastableWall(cell.decl)) continue;
        if (!MeetsWall(snake.x, snake.y, cell.x, cell.y)) continue;
        if (HitWall(game, host, n, counter, cell.hasGfx)) break;
    }
    for (int c = 1; c <= w.userItemCount; ++c) {
        const UserItemCell& cell = w.UserItemCells[c];
        const SnakeRecord& snake = game.Snake(n);
        if (IsSolidWall(cell.decl) && MeetsWall(snake.x, snake.y, cell.x, cell.y)) {
            Die(game, host, false, n, DeathReason::Wall);
            break;
        }
    }
}

}  // namespace

void WallCheck(Game& game, RulesHost& host) {
    if (game.cheats.godMode) return;
    BlastCounter counter;
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        if (game.Snake(n).atomic) continue;
        CheckSnake(game, host, n, counter);
    }
}

}  // namespace zelkor
