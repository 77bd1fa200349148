#include "game/level/level_loader.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "common/level_format.h"
#include "common/level_reader.h"
#include "common/user_item_cells.h"
#include "game/rules/computer_snakes.h"
#include "game/rules/messages.h"
#include "game/rules/movement.h"
#include "game/rules/placement.h"

namespace zelkor {
namespace {

using Uses = LevelSettings::UsesGfx;

// Applies the reader's effects in file order to the world and the level settings.
class LevelBuilder {
public:
    LevelBuilder(Game& game, LevelLoadHost& host) : game_(game), world_(game.world), host_(host) {}

    void operator()(const WallPlaced& w) {
        WallPiece& piece = world_.WallPieces[++world_.wallCount];
        piece = WallPiece{w.x, w.y, true, w.kind};
        switch (w.kind) {
            case WallKind::v:
            case WallKind::h_t:
            case WallKind::h_b:
                Use(Uses::VerticalWalls);
                break;
            case WallKind::h:
            case WallKind::v_l:
            case WallKind::v_r:
                Use(Uses::HorizontalWalls);
                break;
            case WallKind::s:
                Use(Uses::SingleBricks);
                break;
        }
    }

    void operator()(const StartPlaced& s) {
        SnakeRecord& snake = game_.Snake(s.snake);
        snake.startX = s.x;
        snake.startY = s.y;
        game_.level.LastStart = static_cast<std::int16_t>(s.snake);
    }

    void operator()(const SpawnPointPlaced& s) {
        SpawnPoint& point = world_.SpawnPoints[++world_.spawnCount];
        point = SpawnPoint{};
        point.x = s.x;
        point.y = s.y;
        point.usable = true;
    }

    void operator()(const UserItemCellPlaced& c) {
        world_.UserItemCells[++world_.userItemCount] = NewUserItemCell(c);
    }

    void operator()(const UserItemTypeRead& let) { DeclareUserItems(CellsSoFar(), let); }

    void operator()(const UserItemGfxRead& set) {
        if (!host_.GfxExists(set.name)) {
            if (game_.run.debug)
                ShowMessage(game_, "Could not load User Item: " + host_.GfxPath(set.name));
            return;
        }
        SetUserItemGfx(CellsSoFar(), set);
        game_.level.UserItemGfx = true;
    }

    void operator()(const KeyRead& k) { ApplyKey(k.key, k.value); }

private:
    std::span<UserItemCell> CellsSoFar() {
        return {world_.UserItemCells.begin(), static_cast<std::size_t>(world_.userItemCount)};
    }

    void Use(Uses flag) { game_.level.usesGfx[flag] = true; }

    static double Number(const LevelValue& v) {
        return std::visit(
            [](const auto& x) -> double {
                if constexpr (std::is_same_v<std::decay_t<decltype(x)>, std::string>) {
                    return 0.0;
                } else {
                    return static_cast<double>(x);
                }
            },
            v);
    }
    static const std::string& Text(const LevelValue& v) {
        static const std::string kEmpty;
        const auto* s = std::get_if<std::string>(&v);
        return s ? *s : kEmpty;
    }
    static bool Truth(const LevelValue& v) {
        const auto* b = std::get_if<bool>(&v);
        return b ? *b : Number(v) != 0;
    }

    void Count(ItemKind kind, const LevelValue& v, std::optional<Uses> flag) {
        world_.Items(kind).count = static_cast<std::int16_t>(Number(v));
        if (flag) Use(*flag);
    }

    void ApplyKey(LevelKey key, const LevelValue& v) {
        LevelSettings& l = game_.level;
        switch (key) {
            case LevelKey::numYellow:
                Count(ItemKind::Yellow, v, std::nullopt);
                break;
            case LevelKey::numRed:
                Count(ItemKind::Red, v, Uses::RedItems);
                break;
            case LevelKey::numBlue:
                Count(ItemKind::Blue, v, Uses::BlueItems);
                break;
            case LevelKey::numBlack:
                Count(ItemKind::Black, v, Uses::BlackItems);
                break;
            case LevelKey::numTNT:
                Count(ItemKind::TNT, v, Uses::TntItems);
                break;
            case LevelKey::numPower:
                Count(ItemKind::Power, v, Uses::PowerItems);
                break;
            case LevelKey::hasOpenWalls:
                l.hasOpenWalls = Truth(v);
                if (l.hasOpenWalls) Use(Uses::OpenWalls);
                break;
            case LevelKey::reqYellow:
                l.ReqYellow = Number(v);
                break;
            case LevelKey::reqRed:
                l.ReqRed = Number(v);
                break;
            case LevelKey::reqBlue:
                l.ReqBlue = Number(v);
                break;
            case LevelKey::reqBlack:
                l.ReqBlack = Number(v);
                break;
            case LevelKey::reqScore:
                l.ReqScore = static_cast<std::int16_t>(Number(v));
                break;
            case LevelKey::blueRate:
                l.blueRate = Number(v);
                break;
            case LevelKey::powerRate:
                l.powerRate = static_cast<std::int16_t>(Number(v));
                break;
            case LevelKey::HideCollected:
                l.HideCollected = Truth(v);
                break;
            case LevelKey::nextLvl:
                l.NextLevelPath = host_.FolderPath("lvl", Text(v));
                break;
            case LevelKey::lvlName:
                l.LevelName = Text(v);
                break;
            case LevelKey::Timeout:
                l.TimeLimit = Number(v);
                break;
            case LevelKey::SnakeStrtX:
                game_.Player().startX = static_cast<std::int32_t>(Number(v));
                break;
            case LevelKey::SnakeStrtY:
                game_.Player().startY = static_cast<std::int32_t>(Number(v));
                break;
            case LevelKey::AIS: {
                const double snakes = Number(v) + 1;
                world_.NumSnakes =
                    static_cast<std::int16_t>(snakes > kMaxSnakes ? kMaxSnakes : snakes);
                if (snakes > 1) game_.run.aisOn = true;
                break;
            }
            case LevelKey::BkgPic:
                l.BkgPic = "\\gfx\\" + Text(v);
                break;
            case LevelKey::Requires:
                Require(Text(v));
                break;
            case LevelKey::MusicFile:
                l.MusicFile = host_.FolderPath("music", Text(v));
                break;
            case LevelKey::increase:
                l.SpeedUp = Truth(v);
                break;
            case LevelKey::incrBy:
                l.SpeedStep = Number(v);
                break;
            case LevelKey::gSpeed:
                game_.Player().speed = static_cast<std::int16_t>(Number(v));
                break;
            case LevelKey::maxSpd:
                l.maxSpd = Number(v);
                break;
            case LevelKey::minSpd:
                l.minSpd = Number(v);
                break;
            case LevelKey::set:
            case LevelKey::let:
                break;  // yielded as their own effects
        }
    }

    void Require(const std::string& name) {
        // The reader refuses a 33rd line, so the slot is always in range here.
        game_.level.RequiredFiles[requiredSlot_] = name;
        if (IsLevelArchiveName(name)) host_.UnpackRequiredArchive(name);
        ++requiredSlot_;
    }

    Game& game_;
    World& world_;
    LevelLoadHost& host_;
    int requiredSlot_ = 1;
};

// A level that cannot be read ends in the menu, with the reason in the
// information text: a missing file, or the line the reader stopped at.
int FailLoad(Game& game, LevelLoadHost& host, std::string_view path,
             const std::optional<LevelError>& error = std::nullopt) {
    game.flags.stopped = true;
    game.flags.menuShown = true;
    // An information screen that was due (a level named on the command line) would
    // keep the menu's keys from moving the cursor.
    game.flags.infoShown = false;
    std::string& text = game.level.InfoText;
    text = "Level " + std::string(path);
    if (!error) {
        text += " does not exist";
    } else if (error->line > 0) {
        text += ": line " + std::to_string(error->line) + ": " + error->reason;
    } else {
        text += ": " + error->reason;
    }
    if (game.run.debug) host.ConsolePrint(game.level.InfoText);
    return -1;
}

// Fewer computer snakes play than were asked for (or none in a deathmatch): the
// level's start points are all the room there is.
void TellRoomForComputerSnakes(Game& game) {
    const int room = std::max(0, game.level.LastStart - 1);
    ShowMessage(game, {"This level has room for ", NumberText(room),
                       room == 1 ? " computer snake" : " computer snakes"});
}

}  // namespace

void ResetLevel(Game& game, LevelLoadHost& host) {
    World& w = game.world;
    LevelSettings& l = game.level;
    ResetLists(game);

    for (ItemKind kind : kItemKinds)
        w.Items(kind).count = 0;
    w.Items(ItemKind::Yellow).count = 1;
    game.flags.speedIncrease = 0;

    for (int n = 1; n <= kMaxSnakes; ++n) {
        SnakeRecord& s = game.Snake(n);
        s.score = s.frags = 0;
        s.deaths = s.redEaten = s.blueEaten = s.blackEaten = s.yellowEaten = s.powerEaten = 0;
        s.tnt = s.grow = 0;
        s.dir = s.nextDir = Dir::None;
        s.length = 1;
        s.curSpeed = s.speed;
        s.x = static_cast<std::int16_t>(s.startX);
        s.y = static_cast<std::int16_t>(s.startY);
        if (n <= w.NumSnakes) SetStepInterval(game, n, s.speed);
    }

    w.NumSnakes = 1;
    l.blueRate = 40;
    l.powerRate = 200;
    l.ReqYellow = l.ReqRed = l.ReqBlue = l.ReqBlack = 0;
    l.ReqScore = 0;
    game.flags.clockRunning = false;
    game.flags.levelClock = 0;
    l.TimeLimit = 0;
    l.usesGfx.fill(false);
    l.HideCollected = false;
    l.hasOpenWalls = false;
    l.UserItemGfx = false;
    // A level without "nextLvl=" is the last one, and one without start codes
    // has no computer snakes: neither inherits the level before.
    l.NextLevelPath.clear();
    l.LastStart = 0;
    // A wall hit of the level before waits for nothing here: its wait would hold the
    // new level's information screen, where the arrow keys do not steer.
    game.flags.wallHitWait = false;

    host.LoadSettings();

    l.BkgPic = kStandardBackground;
    game.menu.menuRow = 1;
    game.menu.optionsRow = 1;
    l.InfoText = "Welcome to Zelkor";
}

int LoadLevel(Game& game, LevelLoadHost& host, RulesHost& rules, std::string_view requested) {
    // The path may be game state itself (the next level's path), which the reset
    // clears: keep a copy.
    const std::string path(requested);
    World& w = game.world;
    ResetLevel(game, host);
    for (Timer& t : game.timers.iWait)
        t.Disable();

    w.spawnCount = 0;
    w.userItemCount = 0;
    w.Items(ItemKind::Yellow).count = 0;
    w.wallCount = 0;

    game.level.LevelFile = path;
    SnakeRecord& player = game.Player();
    player.startX = 310;
    player.startY = 230;
    player.dir = player.nextDir = Dir::None;

    host.ConsolePrint("LoadLevel: Loading Level " + path);

    const std::optional<std::string> bytes = host.ReadLevelFile(path);
    if (!bytes) return FailLoad(game, host, path);
    const LevelReadResult read = ReadLevelText(*bytes);
    LevelBuilder builder(game, host);
    for (const LevelEffect& effect : read.effects)
        std::visit(builder, effect);
    if (!read.ok()) return FailLoad(game, host, path, read.error);

    w.Frozen = true;
    ShowMessage(game, "Welcome!");
    game.flags.running = true;

    PlaceLevelItems(game);

    host.ConsolePrint("LoadLevel: Loading background image: " + game.level.BkgPic);
    host.LoadBackground(game.level.BkgPic);
    host.ConsolePrint("LoadLevel: Loading Textures...");
    host.PrepareLvlGfx();
    if (game.level.UserItemGfx) host.PrepareUserItemGfx();

    // The player's pace is the speed this level gives it ("gSpeed=", else the stored
    // option), not the one the reset found before the file and the settings were read:
    // that one was the level before's.
    player.curSpeed = player.speed;
    SetStepInterval(game, 1, player.speed);

    if (game.run.aisOn) {
        // "/AIS=n" runs n computer snakes at every level, as at start-up.
        // A count beyond the snake table is cut to it before it becomes a 16-bit number.
        if (game.run.aisGiven)
            w.NumSnakes = static_cast<std::int16_t>(std::min(game.run.cmdAIS + 1, 16.0));
        const int asked = w.NumSnakes - 1;
        if (w.NumSnakes >= game.level.LastStart) w.NumSnakes = game.level.LastStart;
        if (w.NumSnakes < 1) w.NumSnakes = 1;
        if (w.NumSnakes - 1 < asked) TellRoomForComputerSnakes(game);
        StartAITimers(game);
        SetStepInterval(game, 1, player.curSpeed);
        StartComputerSnakes(game, rules);
    } else {
        StopComputerSnakes(game);
        w.NumSnakes = 1;
        if (game.run.Deathmatch()) TellRoomForComputerSnakes(game);
    }

    RunValues& run = game.run;
    if (run.limit < 2) run.limit = run.huntingMode ? 30 : 120;

    game.flags.infoScreen = true;
    game.flags.stopped = false;
    game.flags.levelClock = 0;
    return 1;
}

}  // namespace zelkor
