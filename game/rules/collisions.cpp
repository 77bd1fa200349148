#include "game/rules/collisions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "game/rules/collection_windows.h"
#include "game/rules/deaths.h"
#include "game/rules/level_end.h"
#include "game/rules/messages.h"
#include "game/rules/movement.h"
#include "game/rules/placement.h"

namespace zelkor {
namespace {

std::int16_t ClampToInt16(double value) {
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), -32768.0, 32767.0));
}

// Calls `collect` for every visible slot of the kind whose window the head meets,
// in slot order. A pick-up moves only its own slot, so the slots met are known
// before the first one is collected; each is still looked at as it stands when its
// turn comes, as a scan of the list would.
template <typename Collect>
void ForEachMet(Game& game, ItemKind kind, const SnakeRecord& snake, Collect collect) {
    ItemList& list = game.world.Items(kind);
    game.occupancy.SyncItems(game.world, kind);
    std::array<std::int16_t, kMaxItems> met;
    std::size_t count = 0;
    game.occupancy.ForEachItemAround(kind, snake.x, snake.y, [&](int k) {
        const ItemSlot& slot = list.slots[k];
        if (MeetsItem(kind, snake.x, snake.y, slot.x, slot.y))
            met[count++] = static_cast<std::int16_t>(k);
    });
    std::sort(met.begin(), met.begin() + count);
    for (std::size_t i = 0; i < count; ++i) {
        ItemSlot& slot = list.slots[met[i]];
        if (slot.visible && MeetsItem(kind, snake.x, snake.y, slot.x, slot.y))
            collect(met[i], slot);
    }
}

// A collected yellow, red, blue or black item: hidden and marked under
// "HideCollected", otherwise its spawn point is vacated and it moves elsewhere.
void MoveOrHide(Game& game, ItemKind kind, int k, ItemSlot& slot) {
    if (game.level.HideCollected) {
        slot.visible = false;
        slot.taken = true;
        return;
    }
    if (slot.spawnPoint > 0) game.world.SpawnPoints[slot.spawnPoint].state = SpawnState::New();
    PlaceItem(game, kind, k, false);
}

// The speed effect lasts 4 to 9 seconds; returns its length in seconds.
int StartSpeedEffect(Game& game) {
    const int seconds = game.rng.Below(6) + 4;
    game.timers.ResetSpeed.SetInterval(seconds * 1000, game.Now());
    return seconds;
}

void EdgeCheck(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    if (game.cheats.godMode || snake.atomic || game.level.hasOpenWalls) {
        WrapAround(snake);
        return;
    }
    if (InsidePlayfield(snake.x, snake.y)) return;
    if (game.flags.immortal) {
        ShowMessage(game, "You are immortal but you are not god.");
        ShowMessage(game, "Where the world ends, your life ends too!");
        Die(game, host, false, n, DeathReason::PutBack);
    } else if (!game.cheats.noClip) {
        Die(game, host, false, n, DeathReason::Edge);
    }
}

void CollectYellow(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::Yellow, snake, [&](int k, ItemSlot& slot) {
        MoveOrHide(game, ItemKind::Yellow, k, slot);
        ItemList& red = game.world.Items(ItemKind::Red);
        if (red.count > 0 && !red.slots[1].visible && !game.timers.ResetSpeed.enabled)
            red.slots[1].visible = true;
        snake.AddLength(1);
        snake.score += 10;
        host.PlaySound(kCollectSound, n, 0);
        ++snake.yellowEaten;
    });
}

void SpeedUp(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    const double maxSpd = game.level.maxSpd;
    const int faster = snake.speed - game.rng.Below(maxSpd);
    snake.curSpeed = faster <= maxSpd ? ClampToInt16(maxSpd) : static_cast<std::int16_t>(faster);
    const int seconds = StartSpeedEffect(game);
    const int saved = game.flags.savedInterval;
    if (n == 1 && saved > 0) {
        const int p = 100 - static_cast<int>(std::floor(snake.curSpeed * 100.0 / saved));
        if (p > 10) {
            if (!game.run.Deathmatch() && !game.options.noSpeedReset) {
                ShowMessage(game, {"You are now ", NumberText(p), "% faster for ",
                                   NumberText(seconds), " seconds"});
            } else {
                ShowMessage(game, {"You are now ", NumberText(p), "% faster"});
            }
        }
    }
    game.timers.ResetSpeed.Enable(game.Now());
    SetStepInterval(game, n, snake.curSpeed);
}

void CollectRed(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::Red, snake, [&](int k, ItemSlot& slot) {
        MoveOrHide(game, ItemKind::Red, k, slot);
        snake.score += 30;
        game.flags.savedInterval =
            static_cast<std::int16_t>(game.timers.iWait[static_cast<std::size_t>(n - 1)].interval);
        if (n == 1) host.PlaySound(kCollectSound, n, 0);
        if (game.level.SpeedUp) {
            // With the automatic increase on, red items only give points.
            if (n == 1) ShowMessage(game, "You got 30 points.");
        } else {
            SpeedUp(game, n);
        }
        ++snake.redEaten;
        snake.AddLength(1);
    });
}

void CollectBlue(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::Blue, snake, [&](int k, ItemSlot& slot) {
        host.PlaySound(kCollectSound, n, 0);
        MoveOrHide(game, ItemKind::Blue, k, slot);
        slot.visible = false;  // it comes back through the appear/vanish pass
        snake.score += 60;
        ++snake.blueEaten;
        if (snake.blueEaten > 0 && snake.blueEaten % 10 == 0) {
            if (game.run.Deathmatch()) {
                ++snake.frags;
                ShowMessage(game, {snake.name, " got another frag! (10xBlue)"});
            } else {
                ++snake.lives;
                ShowMessage(game, "You receive a new live!");
            }
            host.PlaySound(kLiveSound, n, 0);
        }
        ++snake.grow;
    });
}

void SlowDown(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    const int saved = snake.curSpeed;
    game.flags.savedInterval = snake.curSpeed;
    snake.curSpeed = ClampToInt16(snake.speed + game.rng.Below(game.level.minSpd));
    const int seconds = StartSpeedEffect(game);
    game.timers.ResetSpeed.Enable(game.Now());
    if (n == 1 && saved > 0) {
        const int p = static_cast<int>(std::floor(snake.curSpeed * 100.0 / saved)) - 100;
        ShowMessage(game, {"You are now ", NumberText(p), "% slower"});
        if (!game.options.noSpeedReset)
            ShowMessage(game, {"for ", NumberText(seconds), " seconds"});
    }
    SetStepInterval(game, n, snake.curSpeed);
}

void CollectBlack(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::Black, snake, [&](int k, ItemSlot& slot) {
        MoveOrHide(game, ItemKind::Black, k, slot);
        slot.visible = false;
        if (n == 1) host.PlaySound(kCollectSound, n, 0);
        if (game.rng.Below(2) + 1 == 1) {
            SlowDown(game, n);
        } else {
            const int q = game.rng.Below(50) + 10;
            snake.score -= q;
            if (n == 1) ShowMessage(game, {"You lost ", NumberText(q), " points!"});
        }
        ++snake.blackEaten;
    });
}

void CollectTNT(Game& game, RulesHost& host, int n) {
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::TNT, snake, [&](int k, ItemSlot& slot) {
        slot.visible = false;
        PlaceItem(game, ItemKind::TNT, k, false);  // shown again by the appear/vanish pass
        if (n == 1) host.PlaySound(kCollectSound, n, 0);
        ++snake.tnt;
        ShowMessage(game, "You got TNT, now you can blow walls!");
    });
}

void CollectPower(Game& game, RulesHost& host, int n) {
    if (game.run.Deathmatch() || game.cheats.godMode) return;
    SnakeRecord& snake = game.Snake(n);
    ForEachMet(game, ItemKind::Power, snake, [&](int k, ItemSlot& slot) {
        slot.visible = false;
        PlaceItem(game, ItemKind::Power, k, false);
        snake.score -= 100;
        host.PlaySound(kCollectSound, n, 0);
        snake.atomic = true;
        snake.atomicLeft = static_cast<std::int16_t>(snake.atomicLeft + 20);
        ++snake.powerEaten;
        snake.atomicGiven = snake.atomicLeft;
        ShowMessage(game, {snake.name, "has Atomic Power and is immortal for ",
                           NumberText(snake.atomicLeft), " seconds!"});
    });
}

// Segment 1 is never tested; a standing snake (just respawned) does not bite.
void BodyCheck(Game& game, RulesHost& host, int n) {
    if (game.Snake(n).atomic || game.cheats.godMode) return;
    const bool deathmatch = game.run.Deathmatch();
    for (int m = 1; m <= game.world.NumSnakes; ++m) {
        const SnakeRecord& owner = game.Snake(m);
        for (int i = 2; i <= owner.length; ++i) {
            const SnakeRecord& snake = game.Snake(n);
            const BodySegment& seg = owner.Segment(i);
            if (snake.dir == Dir::None || !MeetsBody(snake.x, snake.y, seg.x, seg.y)) continue;
            const int victimLength = snake.length;
            Die(game, host, false, n, DeathReason::Body, m);
            if (deathmatch) {
                if (m == n) {
                    --game.Snake(n).frags;
                } else {
                    SnakeRecord& killer = game.Snake(m);
                    ++killer.frags;
                    killer.score += victimLength + 2;
                    if (game.run.huntingMode)
                        killer.grow = static_cast<std::int16_t>(killer.grow + victimLength + 2);
                }
            }
            break;
        }
    }
}

}  // namespace

void CollisionCheck(Game& game, RulesHost& host) {
    const bool stoppedBefore = game.flags.stopped;
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        EdgeCheck(game, host, n);
        CollectYellow(game, host, n);
        CollectRed(game, host, n);
        CollectBlue(game, host, n);
        CollectBlack(game, host, n);
        CollectTNT(game, host, n);
        CollectPower(game, host, n);
        BodyCheck(game, host, n);
        // After a game over the rest of the check has nothing left to decide.
        if (game.flags.stopped && !stoppedBefore) return;
        if (GoalReached(game, 1)) {
            NextLevel(game, host);
            return;
        }
    }
}

}  // namespace zelkor
