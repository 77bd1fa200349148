#include "game/rules/computer_snakes.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace zelkor {
namespace {

Timer& StepTimer(Game& game, int n) {
    return game.timers.iWait[static_cast<std::size_t>(n - 1)];
}

bool HasUsableName(const Game& game) {
    const auto first = game.AINames.begin();
    return std::any_of(first, first + game.AINameCount,
                       [](const std::string& name) { return !name.empty(); });
}

}  // namespace

void StartComputerSnakes(Game& game, RulesHost& host) {
    for (int n = 2; n <= game.world.NumSnakes; ++n) {
        SnakeRecord& snake = game.Snake(n);
        snake.dir = Dir::Forw;
        snake.nextDir = Dir::Forw;
        snake.x = static_cast<std::int16_t>(snake.startX);
        snake.y = static_cast<std::int16_t>(snake.startY);
        snake.curSpeed = snake.speed;
        snake.model = static_cast<std::int16_t>(PickModel(game, host));
        LoadAINames(game, host);
        NameComputerSnake(game, n);
        StepTimer(game, n).Enable(game.Now());
    }
}

void StartAITimers(Game& game) {
    for (int n = 2; n <= game.world.NumSnakes; ++n) {
        Timer& timer = StepTimer(game, n);
        timer.Enable(game.Now());
        timer.SetInterval(game.Snake(n).speed, game.Now());
    }
}

void StopComputerSnakes(Game& game) {
    for (int n = 2; n <= game.world.NumSnakes; ++n) {
        StepTimer(game, n).Disable();
        game.Snake(n).dir = Dir::None;
        game.Snake(n).nextDir = Dir::None;
    }
}

void LoadAINames(Game& game, RulesHost& host) {
    const auto lines = host.ReadAINames();
    if (!lines) return;
    const std::size_t count = std::min<std::size_t>(lines->size(), kMaxAINames);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = (*lines)[i];
        if (!name.empty() && name.back() == '\r') name.pop_back();
        game.AINames[i] = std::move(name);
    }
    game.AINameCount = static_cast<std::int16_t>(count);
}

void NameComputerSnake(Game& game, int n) {
    SnakeRecord& snake = game.Snake(n);
    if (!HasUsableName(game)) {
        snake.name = "AI_Snake " + std::to_string(n - 1);
        return;
    }
    std::size_t drawn = 0;
    do {
        drawn = static_cast<std::size_t>(game.rng.Below(game.AINameCount));
    } while (game.AINames[drawn].empty());
    snake.name = "<bot> " + game.AINames[drawn];
    game.AINames[drawn].clear();
    --game.AINameCount;
}

int PickModel(Game& game, RulesHost& host) {
    const int highest = host.HighestModelNumber();
    if (highest < 1) return 0;
    return game.rng.Below(highest) + 1;
}

// ---- Steering ----

namespace {

struct Point {
    int x = 0;
    int y = 0;
};

// The nearest yellow, red or blue slot, visible or not; ties keep the earlier.
Point FindTarget(const Game& game, Point head) {
    Point target;
    int best = 20000;
    for (ItemKind kind : {ItemKind::Yellow, ItemKind::Red, ItemKind::Blue}) {
        const ItemList& list = game.world.Items(kind);
        for (int k = 1; k <= list.count; ++k) {
            const ItemSlot& slot = list.slots[k];
            const int distance = std::abs(slot.x - head.x) + std::abs(slot.y - head.y);
            if (distance < best) {
                best = distance;
                target = {slot.x, slot.y};
            }
        }
    }
    return target;
}

// Along the axis with the larger distance; none when standing on the target.
Dir PreferredDirection(Point head, Point target) {
    const int dx = std::abs(target.x - head.x);
    const int dy = std::abs(target.y - head.y);
    if (dy < dx) return target.x < head.x ? Dir::Left : Dir::Right;
    if (target.y < head.y) return Dir::Forw;
    if (target.y > head.y) return Dir::Back;
    return Dir::None;
}

// Turning away from the playfield edge, judged by the current direction.
Dir EdgeTurn(Dir cur, Dir cand, Point head) {
    if (cur == Dir::Left && head.x < 21) return head.y < 460 ? Dir::Back : Dir::Forw;
    if (cur == Dir::Right && head.x >= 600) return head.y > 20 ? Dir::Forw : Dir::Back;
    if (cur == Dir::Forw && head.y < 21) return head.x < 21 ? Dir::Right : Dir::Left;
    if (cur == Dir::Back && head.y >= 440) return head.x < 620 ? Dir::Right : Dir::Left;
    return cand;
}

bool BoxesOverlap(Point a, int bx, int by) {
    return a.x < bx + 20 && a.x + 20 > bx && a.y < by + 20 && a.y + 20 > by;
}

// The first 200 wall slots (standing or not) and every other snake's head, body
// and tail tip. The snake's own body is never looked at.
bool Blocked(const Game& game, int n, Point next) {
    for (int i = 1; i <= 200; ++i) {
        const WallPiece& piece = game.world.WallPieces[i];
        if (BoxesOverlap(next, piece.x, piece.y)) return true;
    }
    for (int m = 1; m <= game.world.NumSnakes; ++m) {
        if (m == n) continue;
        const SnakeRecord& other = game.Snake(m);
        if (BoxesOverlap(next, other.x, other.y)) return true;
        for (int i = 1; i <= other.length; ++i) {
            const BodySegment& seg = other.Segment(i);
            if (BoxesOverlap(next, seg.x, seg.y)) return true;
        }
        if (BoxesOverlap(next, other.tailX, other.tailY)) return true;
    }
    return false;
}

Dir Alternative(Dir d) {
    switch (d) {
        case Dir::Left:
            return Dir::Forw;
        case Dir::Forw:
            return Dir::Left;
        case Dir::Right:
            return Dir::Back;
        case Dir::Back:
            return Dir::Right;
        case Dir::None:
            break;
    }
    return Dir::None;
}

}  // namespace

Dir Steer(const Game& game, int n) {
    const SnakeRecord& snake = game.Snake(n);
    const Point head{snake.x, snake.y};
    const Dir cur = snake.dir;
    const Point target = FindTarget(game, head);
    // Standing on the target leaves the candidate empty for this call only.
    Dir cand = PreferredDirection(head, target);

    for (int pass = 0; pass < 2; ++pass) {
        cand = EdgeTurn(cur, cand, head);
        for (;;) {
            const Step step = StepOf(cand);
            if (Blocked(game, n, {head.x + step.dx, head.y + step.dy})) {
                cand = Alternative(cand);
                break;  // the next pass checks the alternative
            }
            if ((cur == Dir::Right && cand == Dir::Left) ||
                (cur == Dir::Left && cand == Dir::Right))
                return target.y < head.y ? Dir::Forw : Dir::Back;
            if (cur == Dir::Forw && cand == Dir::Back)
                return target.x >= head.x ? Dir::Right : Dir::Left;
            if (cur == Dir::Back && cand == Dir::Forw) {
                // This turn is checked again within the same pass.
                cand = target.x >= head.x ? Dir::Right : Dir::Left;
                continue;
            }
            return cand;
        }
    }
    return cand;
}

}  // namespace zelkor
