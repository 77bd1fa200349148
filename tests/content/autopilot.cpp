#include "tests/content/autopilot.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <optional>
#include <vector>

#include "game/control/input/key_handler.h"
#include "game/rules/collection_windows.h"
#include "game/rules/directions.h"
#include "game/rules/movement.h"
#include "tests/support/quiet_services.h"

namespace zelkor::content {
namespace {

// ---- positions -------------------------------------------------------------------
// Heads move 20 pixels a step; wrapping at an open edge shifts them by 5 or 10, so every
// position the player can reach lies on a 5-pixel lattice.
constexpr int kOrigin = -40;
constexpr int kCols = 720 / 5;
constexpr int kRows = 560 / 5;
constexpr int kCells = kCols * kRows;

bool OnLattice(int x, int y) {
    return x >= kOrigin && x < kOrigin + 5 * kCols && y >= kOrigin && y < kOrigin + 5 * kRows &&
           (x - kOrigin) % 5 == 0 && (y - kOrigin) % 5 == 0;
}
int Index(int x, int y) {
    return ((y - kOrigin) / 5) * kCols + (x - kOrigin) / 5;
}
int XOf(int index) {
    return kOrigin + 5 * (index % kCols);
}
int YOf(int index) {
    return kOrigin + 5 * (index / kCols);
}

constexpr std::array<Dir, 4> kMoves{Dir::Forw, Dir::Back, Dir::Left, Dir::Right};

// The four moves, the current direction first, so that ties keep the snake going straight.
std::array<Dir, 4> Moves(Dir current) {
    std::array<Dir, 4> moves = kMoves;
    const auto at = std::find(moves.begin(), moves.end(), current);
    if (at != moves.end()) std::rotate(moves.begin(), at, at + 1);
    return moves;
}

// The arrow key for each direction, by the direction's number (none for None).
constexpr std::array<int, 5> kArrowOf{0, key::Up, key::Down, key::Left, key::Right};

// The edge's wrap-around, as the collision check applies it.
void Wrap(int& x, int& y) {
    if (x < 1) x = 600;
    if (x > 614) x = 15;
    if (y < 1) y = 440;
    if (y > 454) y = 15;
}

// ---- what the field holds, seen from the player's head ---------------------------------
struct Field {
    std::vector<std::uint8_t> pieces;     // standing wall pieces a head here meets (TNT opens them)
    std::vector<std::uint8_t> deadly;     // walls no blast opens
    std::vector<std::int16_t> bodyUntil;  // a head arriving at step k dies here while k < this
    std::vector<std::uint8_t> goal;       // 1: an item the level asks for; 2: a helper item
    std::vector<std::uint8_t> avoid;      // items that cost points or time

    Field() : pieces(kCells), deadly(kCells), bodyUntil(kCells), goal(kCells), avoid(kCells) {}

    // Calls `mark` for every lattice point from which a head meets a target at (tx, ty)
    // with window `w`.
    template <typename F>
    static void Around(const Window& w, int tx, int ty, F&& mark) {
        // The first lattice value at or above v.
        const auto up = [](int v) { return v + ((kOrigin - v) % 5 + 5) % 5; };
        for (int y = up(ty - w.up); y <= ty + w.down; y += 5)
            for (int x = up(tx - w.left); x <= tx + w.right; x += 5)
                if (OnLattice(x, y)) mark(Index(x, y));
    }
    void MarkWall(int tx, int ty, bool blastable) {
        Around(kWallWindow, tx, ty, [&](int i) {
            if (blastable) {
                ++pieces[static_cast<std::size_t>(i)];
            } else {
                deadly[static_cast<std::size_t>(i)] = 1;
            }
        });
    }
    // A body segment: strictly closer than 20 pixels on both axes.
    void MarkBody(int tx, int ty, int until) {
        Around(Window{19, 19, 19, 19}, tx, ty, [&](int i) {
            auto& b = bodyUntil[static_cast<std::size_t>(i)];
            b = static_cast<std::int16_t>(std::max<int>(b, until));
        });
    }
    void MarkItem(ItemKind kind, int tx, int ty, std::vector<std::uint8_t>& layer,
                  std::uint8_t value) {
        Around(ItemWindow(kind), tx, ty, [&](int i) {
            auto& v = layer[static_cast<std::size_t>(i)];
            v = std::max(v, value);
        });
    }
};

// ---- the planner -----------------------------------------------------------------------
class Planner {
public:
    explicit Planner(const Game& game) : game_(game) {}

    // The direction for the player's next step; None when every way is closed.
    Dir Decide() {
        Build();
        for (const bool avoiding : {true, false}) {
            for (const std::uint8_t tier : {std::uint8_t{1}, std::uint8_t{2}}) {
                if (const auto d = TowardsGoal(tier, avoiding)) return *d;
            }
        }
        return Survive();
    }

private:
    struct Node {
        int index = 0;
        int tnt = 0;
        int time = 0;
        Dir first = Dir::None;
        int parent = -1;  // into nodes_
    };

    const SnakeRecord& Player() const { return game_.world.Snakes[1]; }

    int StepMs() const {
        const int interval = std::max<int>(game_.timers.iWait[0].interval, 16);
        return (interval + 15) / 16 * 16;
    }
    // Steps that atomic power surely lasts; 0 without it.
    int AtomicSteps() const {
        if (!Player().atomic) return 0;
        const std::int64_t left =
            Player().atomicLeft * 1000LL - (game_.Now() - game_.timers.tmr1.since) - 600;
        return left > 0 ? static_cast<int>(left / StepMs()) : 0;
    }

    bool Needs(ItemKind kind) const {
        const SnakeRecord& p = Player();
        const LevelSettings& l = game_.level;
        const bool score = p.score < l.ReqScore;
        switch (kind) {
            case ItemKind::Yellow:
                return p.yellowEaten < l.ReqYellow || score;
            case ItemKind::Red:
                return p.redEaten < l.ReqRed || score;
            case ItemKind::Blue:
                return p.blueEaten < l.ReqBlue || score;
            case ItemKind::Black:
                return p.blackEaten < l.ReqBlack;
            default:
                return false;
        }
    }

    void Build() {
        field_ = Field();
        const World& w = game_.world;
        for (int i = 1; i <= w.wallCount; ++i) {
            const WallPiece& piece = w.WallPieces[i];
            if (piece.standing) field_.MarkWall(piece.x, piece.y, true);
        }
        if (game_.level.UserItemGfx) {
            for (int i = 1; i <= w.userItemCount; ++i) {
                const UserItemCell& cell = w.UserItemCells[i];
                if (cell.decl == "wall_no_tnt" || cell.decl == "ani_wall_no_tnt") {
                    field_.MarkWall(cell.x, cell.y, false);
                } else if ((cell.decl == "wall" || cell.decl == "ani_wall") && cell.hasGfx) {
                    field_.MarkWall(cell.x, cell.y, true);
                }
            }
        }
        // The player's own body moves on a segment a step; growth keeps it longer.
        const SnakeRecord& p = Player();
        const int length = p.length + p.grow;
        for (int j = 1; j <= p.length; ++j) {
            const BodySegment& s = p.body[static_cast<std::size_t>(j)];
            field_.MarkBody(s.x, s.y, length - j + 1);
        }
        // Other snakes: their bodies as they move away, and the ground their heads may
        // take in the next steps.
        for (int n = 2; n <= w.NumSnakes; ++n) {
            const SnakeRecord& s = w.Snakes[n];
            for (int j = 1; j <= s.length; ++j) {
                const BodySegment& b = s.body[static_cast<std::size_t>(j)];
                field_.MarkBody(b.x, b.y, s.length - j + 2);
            }
            field_.MarkBody(s.x, s.y, s.length + 2);
            if (s.dir == Dir::None) continue;
            for (int dx = -40; dx <= 40; dx += 20)
                for (int dy = -40; dy <= 40; dy += 20)
                    if (std::abs(dx) + std::abs(dy) <= 40) field_.MarkBody(s.x + dx, s.y + dy, 3);
        }
        // Atomic power costs 100 points: worth it only when the items in sight pay it back.
        int worth = Player().score - 100;
        for (ItemKind kind : {ItemKind::Yellow, ItemKind::Red, ItemKind::Blue}) {
            const ItemList& list = w.Items(kind);
            for (int k = 1; k <= list.count; ++k)
                if (list.slots[k].visible)
                    worth += kind == ItemKind::Yellow ? 10 : kind == ItemKind::Red ? 30 : 60;
        }
        const bool powerPays = worth >= game_.level.ReqScore;
        for (ItemKind kind : kItemKinds) {
            const ItemList& list = w.Items(kind);
            for (int k = 1; k <= list.count; ++k) {
                const ItemSlot& item = list.slots[k];
                if (!item.visible) continue;
                if (Needs(kind)) {
                    field_.MarkItem(kind, item.x, item.y, field_.goal, 1);
                } else if (kind == ItemKind::TNT || (kind == ItemKind::Power && powerPays)) {
                    field_.MarkItem(kind, item.x, item.y, field_.goal, 2);
                }
                const bool costly =
                    (kind == ItemKind::Black && !Needs(kind)) || kind == ItemKind::Power;
                if (costly) field_.MarkItem(kind, item.x, item.y, field_.avoid, 1);
            }
        }
    }

    // Whether a head may stand at `index` at step `time` holding `tnt`; the TNT left after.
    std::optional<int> Enter(int index, int time, int tnt, bool avoiding, int atomicSteps) const {
        const auto i = static_cast<std::size_t>(index);
        // Walls are checked at the step after the head arrives.
        const bool atomic = time + 1 < atomicSteps;
        if (avoiding && field_.avoid[i] && field_.goal[i] != tier_) return std::nullopt;
        if (atomic) return tnt;
        if (field_.deadly[i] || field_.bodyUntil[i] > time) return std::nullopt;
        const int pieces = field_.pieces[i];
        if (pieces == 0) return tnt;
        if (pieces > 2 * tnt) return std::nullopt;
        return tnt - pieces / 2;
    }

    // Where a step in direction d from (x, y) at step `time` leads; none off the field.
    std::optional<int> Next(int x, int y, Dir d, int time, int atomicSteps) const {
        const auto [dx, dy] = StepOf(d);
        x += dx;
        y += dy;
        if (!InsidePlayfield(x, y)) {
            if (!game_.level.hasOpenWalls && time >= atomicSteps) return std::nullopt;
            Wrap(x, y);
        }
        if (!OnLattice(x, y)) return std::nullopt;
        return Index(x, y);
    }

    // Breadth-first search from the head over (position, TNT left), one layer per step.
    // Calls `visit` for every node reached; stops when it returns true.
    template <typename Visit>
    void Search(bool avoiding, Visit&& visit) {
        nodes_.clear();
        best_.assign(kCells, -1);
        const SnakeRecord& p = Player();
        if (!OnLattice(p.x, p.y)) return;
        const int atomicSteps = AtomicSteps();
        nodes_.push_back({Index(p.x, p.y), p.tnt, 0, Dir::None, -1});
        best_[static_cast<std::size_t>(nodes_[0].index)] = p.tnt;
        for (std::size_t at = 0; at < nodes_.size(); ++at) {
            const Node node = nodes_[at];
            if (node.time > 0 && visit(static_cast<int>(at))) return;
            if (node.time >= 400) continue;
            for (Dir d : Moves(p.dir)) {
                if (node.time == 0 && p.dir != Dir::None && d == Opposite(p.dir)) continue;
                const auto next =
                    Next(XOf(node.index), YOf(node.index), d, node.time + 1, atomicSteps);
                if (!next) continue;
                const auto tnt = Enter(*next, node.time + 1, node.tnt, avoiding, atomicSteps);
                if (!tnt) continue;
                auto& seen = best_[static_cast<std::size_t>(*next)];
                if (seen >= *tnt) continue;
                seen = *tnt;
                nodes_.push_back({*next, *tnt, node.time + 1, node.time == 0 ? d : node.first,
                                  static_cast<int>(at)});
            }
        }
    }

    // Room left after following the path to node `end`: the cells a head could still
    // reach, with the path now part of the body (counted up to what the body needs).
    int RoomAfter(int end) {
        const std::vector<Node> path = nodes_;
        const int arrival = path[static_cast<std::size_t>(end)].time;
        const SnakeRecord& p = Player();
        const int length = p.length + p.grow + 1;
        Field saved = field_;
        int age = 0;
        for (int at = end; at >= 0; at = path[static_cast<std::size_t>(at)].parent, ++age) {
            const int i = path[static_cast<std::size_t>(at)].index;
            field_.MarkBody(XOf(i), YOf(i), arrival + length - age + 1);
        }
        const int atomicSteps = AtomicSteps();
        std::vector<std::uint8_t> seen(kCells);
        std::deque<std::pair<int, int>> queue{{path[static_cast<std::size_t>(end)].index, arrival}};
        seen[static_cast<std::size_t>(queue.front().first)] = 1;
        int room = 0;
        const int enough = std::min(length + 4, 140);
        while (!queue.empty() && room < enough) {
            const auto [index, time] = queue.front();
            queue.pop_front();
            ++room;
            for (Dir d : kMoves) {
                const auto next = Next(XOf(index), YOf(index), d, time + 1, atomicSteps);
                if (!next || seen[static_cast<std::size_t>(*next)]) continue;
                if (!Enter(*next, time + 1, 0, false, atomicSteps)) continue;
                seen[static_cast<std::size_t>(*next)] = 1;
                queue.push_back({*next, time + 1});
            }
        }
        field_ = std::move(saved);
        nodes_ = path;
        return room >= enough ? room : -room;
    }

    std::optional<Dir> TowardsGoal(std::uint8_t tier, bool avoiding) {
        tier_ = tier;
        std::vector<int> goals;
        Search(avoiding, [&](int at) {
            if (field_.goal[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(at)].index)] ==
                tier)
                goals.push_back(at);
            return goals.size() >= 6;
        });
        for (int at : goals) {
            if (RoomAfter(at) > 0) return nodes_[static_cast<std::size_t>(at)].first;
        }
        return std::nullopt;
    }

    // No item within safe reach: the first step that leaves the most room.
    Dir Survive() {
        Search(false, [](int) { return false; });
        std::array<int, 5> room{};
        std::array<int, 5> node{};
        for (std::size_t at = 1; at < nodes_.size(); ++at) {
            const Node& n = nodes_[at];
            room[static_cast<std::size_t>(n.first)] += 1;
            if (node[static_cast<std::size_t>(n.first)] == 0)
                node[static_cast<std::size_t>(n.first)] = static_cast<int>(at);
        }
        Dir best = Player().dir;
        int most = -1;
        for (Dir d : kMoves) {
            if (room[static_cast<std::size_t>(d)] > most) {
                most = room[static_cast<std::size_t>(d)];
                best = d;
            }
        }
        return most > 0 ? best : Player().dir;
    }

    const Game& game_;
    std::uint8_t tier_ = 1;
    Field field_;
    std::vector<Node> nodes_;
    std::vector<int> best_;
};

// ---- the run ---------------------------------------------------------------------------

// After each step of the clock, as the headless runner makes them, the autopilot looks
// at the game and presses its keys for this frame's key poll; true ends the run.
class Autopilot {
public:
    Autopilot(const ManualClock& clock, ScriptedKeyboard& keyboard, const Game& game,
              std::int64_t seed)
        : clock_(clock), keyboard_(keyboard), game_(game), seed_(seed) {}

    bool Step(bool timeUp) {
        if (!result_.won && result_.endReason.empty()) Look(game_);
        if (timeUp && result_.endReason.empty() && !result_.won)
            result_.endReason = "out of time, " + Progress(game_);
        return result_.won || !result_.endReason.empty();
    }

    AutopilotRun Result() {
        result_.playedMs = clock_.NowMs() - seed_;
        return result_;
    }

private:
    static std::string Progress(const Game& game) {
        const SnakeRecord& p = game.world.Snakes[1];
        return "yellow " + std::to_string(p.yellowEaten) + ", red " + std::to_string(p.redEaten) +
               ", blue " + std::to_string(p.blueEaten) + ", score " + std::to_string(p.score) +
               ", TNT " + std::to_string(p.tnt) + ", atomic items " + std::to_string(p.powerEaten) +
               ", at " + std::to_string(p.x) + "," + std::to_string(p.y);
    }

    void Tap(int code) {
        const std::int64_t now = clock_.NowMs();
        if (now < releaseAt_[static_cast<std::size_t>(code)]) return;
        keyboard_.Add({now, code, true});
        keyboard_.Add({now + 16, code, false});
        result_.presses.push_back({now - seed_, code, true});
        releaseAt_[static_cast<std::size_t>(code)] = now + 32;
    }

    void Look(const Game& game) {
        const LoopFlags& f = game.flags;
        const std::string& box = game.centredLines[0].text;
        if (box == "Next Level!!!") {
            result_.won = true;
            result_.wonAtMs = clock_.NowMs() - seed_;
            return;
        }
        if (box == "Game Over" || (f.menuShown && seenPlay_)) {
            result_.endReason = "game over";
            return;
        }
        if (f.menuShown) return;
        if (f.infoScreen) {
            Tap(key::F1);
            return;
        }
        if (f.waitingForKey || f.lifeLostBox) {
            if (!inBox_) ++result_.livesLost;
            inBox_ = true;
            Tap(key::Enter);
            return;
        }
        inBox_ = false;
        seenPlay_ = true;
        const SnakeRecord& p = game.world.Snakes[1];
        const bool moved = p.x != lastX_ || p.y != lastY_ || p.dir != lastDir_;
        if (!moved && !f.wallHitWait && p.dir != Dir::None && sinceDecision_++ < 3) return;
        sinceDecision_ = 0;
        lastX_ = p.x;
        lastY_ = p.y;
        lastDir_ = p.dir;
        const Dir want = Planner(game).Decide();
        // The planner decides the next step only: with a turn already waiting for it, a
        // second arrow would queue a turn after it instead of changing it.
        const bool turnWaiting =
            p.nextDir != Dir::None && p.nextDir != p.dir && p.nextDir != Opposite(p.dir);
        if (want != Dir::None && !turnWaiting &&
            (want != p.nextDir || f.wallHitWait || p.dir == Dir::None))
            Tap(kArrowOf[static_cast<std::size_t>(want)]);
    }

    const ManualClock& clock_;
    ScriptedKeyboard& keyboard_;
    const Game& game_;
    std::int64_t seed_;
    AutopilotRun result_;
    std::array<std::int64_t, 256> releaseAt_{};
    bool inBox_ = false;
    bool seenPlay_ = false;
    int lastX_ = -1, lastY_ = -1;
    Dir lastDir_ = Dir::None;
    int sinceDecision_ = 0;
};

}  // namespace

AutopilotRun PlayLevel(const std::filesystem::path& gameDir, const std::string& levelFile,
                       std::int64_t seed, std::int64_t limitMs, const PlayOptions& options) {
    support::QuietServices quiet(seed);
    SteppingWindowEvents events(quiet.clock, 16, seed + limitMs);
    NullArchiveReaders archives;
    if (options.sound) quiet.sound = options.sound;
    if (options.music) quiet.music = options.music;
    GameSetup setup(quiet.Services(events, archives), gameDir);
    Autopilot pilot(quiet.clock, quiet.keyboard, setup.game(), seed);
    events.OnEachStep([&pilot](bool timeUp) { return pilot.Step(timeUp); });
    setup.Run("/L=" + levelFile + (options.switches.empty() ? "" : " " + options.switches));
    return pilot.Result();
}

}  // namespace zelkor::content
