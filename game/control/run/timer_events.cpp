#include "game/control/run/timer_events.h"

#include <algorithm>
#include <cmath>

#include "game/rules/messages.h"
#include "game/rules/movement.h"

namespace zelkor {

bool LevelInPlay(const LoopFlags& f) {
    return f.running && !f.stopped && !f.menuShown && !f.Pause && !f.infoScreen && !f.wallHitWait &&
           !f.lifeLostBox && !f.waitingForKey;
}

int IncreasedPlayerInterval(const Game& game) {
    const double v = std::floor(game.Snake(1).speed - game.flags.speedIncrease);
    return static_cast<int>(std::nearbyint(v >= game.level.maxSpd ? v : game.level.maxSpd));
}

void OnTmr1(Game& game) {
    LoopFlags& f = game.flags;
    ++f.scrollCounter;
    if (f.messageScroll && f.scrollCounter == 2) {
        ScrollMessages(game);
        f.scrollCounter = 0;
    }
    f.deathSuppression = false;
    f.FPS = static_cast<std::int16_t>(f.frameCount);
    f.frameCount = 0;
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        if (s.atomic) --s.atomicLeft;
    }
    // While the speed increase is on, every second second of play asks for one step
    // of it; time in the menu, in a pause or before a box that waits does not count.
    if (game.level.SpeedUp && LevelInPlay(f) && ++f.speedTickCount >= 2) {
        f.speedTickCount = 0;
        f.speedTick = true;
    }
    if (f.speedTick) {
        f.speedIncrease += game.level.SpeedStep;
        SetStepInterval(game, 1, IncreasedPlayerInterval(game));
        f.speedTick = false;
    }
    if (f.clockRunning && f.levelClock < 32001) ++f.levelClock;
    // A level played from the Levels page counts its time over every life.
    if (f.clockRunning && game.levelRun.active) ++game.levelRun.seconds;
}

std::int64_t NextTimerDue(const Timers& timers, std::int64_t now) {
    std::int64_t next = now + 1000;
    const auto consider = [&next](const Timer& timer) {
        if (timer.enabled && timer.interval > 0)
            next = std::min(next, timer.since + timer.interval);
    };
    for (const Timer& step : timers.iWait)
        consider(step);
    for (const Timer* timer :
         {&timers.picChange, &timers.ResetSpeed, &timers.ScrollNext, &timers.tmr1})
        consider(*timer);
    return next;
}

void OnPicChange(Game& game) {
    LoopFlags& f = game.flags;
    if (++f.animFrame >= 46) f.animFrame = 1;
    if (++f.lightCounter >= 5) f.lightCounter = 0;
}

void OnResetSpeed(Game& game) {
    if (!game.options.noSpeedReset) {
        // With the speed increase on, a speed effect ends at the increased speed.
        SetStepInterval(game, 1,
                        game.level.SpeedUp ? IncreasedPlayerInterval(game) : game.Snake(1).speed);
        const int r = game.rng.Below(5);
        ItemList& red = game.world.Items(ItemKind::Red);
        if (r == 2 && !game.level.HideCollected) red.slots[1].visible = true;
    }
    game.timers.ResetSpeed.Disable();
}

}  // namespace zelkor
