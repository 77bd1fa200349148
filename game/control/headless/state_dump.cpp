#include "game/control/headless/state_dump.h"

#include <nlohmann/json.hpp>

#include "common/paths.h"
#include "common/text_encoding.h"
#include "game/control/options/key_settings.h"

namespace zelkor {
namespace {

using nlohmann::json;

std::string Text(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

// Game paths are held as the game forms them (folder + "\lvl\" + name, or
// "\gfx\" + name); the dump shows them relative to the game folder.
std::string GamePath(const std::string& path, const std::filesystem::path& gameDir) {
    if (path.empty()) return {};
    const std::string folder = gameDir.string();
    std::string_view rest = path;
    if (!folder.empty() && rest.substr(0, folder.size()) == folder)
        rest.remove_prefix(folder.size());
    return Text(ToRelativePath(rest));
}

json SnakeJson(const SnakeRecord& s) {
    json body = json::array();
    for (int i = 1; i <= s.length; ++i) {
        const BodySegment& seg = s.Segment(i);
        body.push_back({{"x", seg.x}, {"y", seg.y}, {"piece", PieceName(seg.piece)}});
    }
    return {{"x", s.x},
            {"y", s.y},
            {"dir", DirName(s.dir)},
            {"nextDir", DirName(s.nextDir)},
            {"length", s.length},
            {"grow", s.grow},
            {"startX", s.startX},
            {"startY", s.startY},
            {"tailX", s.tailX},
            {"tailY", s.tailY},
            {"tailPiece", PieceName(s.tailPiece)},
            {"score", s.score},
            {"totalScore", s.totalScore},
            {"lives", s.lives},
            {"frags", s.frags},
            {"name", Text(s.name)},
            {"speed", s.speed},
            {"curSpeed", s.curSpeed},
            {"model", s.model},
            {"deaths", s.deaths},
            {"redEaten", s.redEaten},
            {"blueEaten", s.blueEaten},
            {"blackEaten", s.blackEaten},
            {"yellowEaten", s.yellowEaten},
            {"powerEaten", s.powerEaten},
            {"tnt", s.tnt},
            {"atomic", s.atomic},
            {"atomicLeft", s.atomicLeft},
            {"atomicGiven", s.atomicGiven},
            {"body", std::move(body)}};
}

json ItemsJson(const World& w) {
    json items = json::object();
    for (ItemKind kind : kItemKinds) {
        const ItemList& list = w.Items(kind);
        json slots = json::array();
        for (int k = 1; k <= list.count && k <= kMaxItems; ++k) {
            const ItemSlot& s = list.slots[k];
            slots.push_back({{"x", s.x},
                             {"y", s.y},
                             {"visible", s.visible},
                             {"spawnPoint", s.spawnPoint},
                             {"taken", s.taken}});
        }
        items[std::string(ItemKindName(kind))] = std::move(slots);
    }
    return items;
}

json LevelJson(const Game& game, const std::filesystem::path& gameDir) {
    const LevelSettings& l = game.level;
    json required = json::array();
    for (const std::string& file : l.RequiredFiles)
        if (!file.empty()) required.push_back(Text(file));
    return {{"LevelFile", GamePath(l.LevelFile, gameDir)},
            {"LevelName", Text(l.LevelName)},
            {"NextLevelPath", GamePath(l.NextLevelPath, gameDir)},
            {"TimeLimit", l.TimeLimit},
            {"ReqYellow", l.ReqYellow},
            {"ReqRed", l.ReqRed},
            {"ReqBlue", l.ReqBlue},
            {"ReqBlack", l.ReqBlack},
            {"ReqScore", l.ReqScore},
            {"blueRate", l.blueRate},
            {"powerRate", l.powerRate},
            {"HideCollected", l.HideCollected},
            {"hasOpenWalls", l.hasOpenWalls},
            {"BkgPic", GamePath(l.BkgPic, gameDir)},
            {"MusicFile", GamePath(l.MusicFile, gameDir)},
            {"RequiredFiles", std::move(required)},
            {"InfoText", Text(l.InfoText)},
            {"LastStart", l.LastStart},
            {"SpeedUp", l.SpeedUp},
            {"SpeedStep", l.SpeedStep},
            {"maxSpd", l.maxSpd},
            {"minSpd", l.minSpd},
            {"levelClock", game.flags.levelClock}};
}

json FlagsJson(const Game& game) {
    const LoopFlags& f = game.flags;
    const Cheats& c = game.cheats;
    return {{"running", f.running},           {"menuShown", f.menuShown},
            {"stopped", f.stopped},           {"infoScreen", f.infoScreen},
            {"infoShown", f.infoShown},       {"Pause", f.Pause},
            {"clockRunning", f.clockRunning}, {"speedTick", f.speedTick},
            {"wallHitWait", f.wallHitWait},   {"deathSuppression", f.deathSuppression},
            {"immortal", f.immortal},         {"cheatUsed", c.cheatUsed},
            {"godMode", c.godMode},           {"noClip", c.noClip},
            {"noTimeCheck", c.noTimeCheck},   {"displayReady", f.displayReady}};
}

// The Levels page's list as it was last read (empty until the page is opened).
json LevelsJson(const std::vector<LevelListEntry>& levels) {
    json list = json::array();
    for (const LevelListEntry& level : levels) {
        list.push_back({{"file", Text(level.fileName)},
                        {"name", Text(level.name)},
                        {"author", Text(level.author)},
                        {"best", level.best},
                        {"error", Text(level.error)}});
    }
    return list;
}

json MenuJson(const Game& game) {
    const MenuState& m = game.menu;
    return {{"menuRow", m.menuRow},
            {"optionsRow", m.optionsRow},
            {"optionsCommand", m.optionsCommand},
            {"hallOfFamePage", m.hallOfFamePage},
            {"hallOfFameRow", m.hallOfFameRow},
            {"optionsPage", m.optionsPage},
            {"controlsShown", m.controls.shown},
            {"controlsRow", m.controls.row},
            {"capturing", m.controls.capturing},
            {"typingAllowed", m.typingAllowed},
            {"typingTarget", m.typingTarget},
            {"statusLine", Text(m.statusLine)},
            {"levelsPage", m.levelsPage},
            {"levelsRow", m.levelsRow},
            {"levels", LevelsJson(m.levels)},
            {"levelRun", game.levelRun.active},
            {"highlights", m.highlights},
            {"tickerLine", Text(m.tickerLine)},
            {"consoleText", Text(game.cheats.consoleText)}};
}

json OptionsJson(const Options& o) {
    json keys = json::object();
    for (int a = 0; a < kActionCount; ++a)
        keys[std::string(InfoOf(a).settingKey)] =
            KeysText(o.keys.keys[static_cast<std::size_t>(a)]);
    return {{"globalSpeed", o.globalSpeed},   {"noSpeedReset", o.noSpeedReset},
            {"showFPS", o.showFPS},           {"animatedItems", o.animatedItems},
            {"sndEnabled", o.sndEnabled},     {"kiSndEnabled", o.kiSndEnabled},
            {"musicEnabled", o.musicEnabled}, {"musicVolume", o.musicVolume},
            {"quickTurns", o.quickTurns},     {"keys", keys}};
}

// The last effects asked for, oldest first; a silenced one has no entry.
json SoundJson(const SoundState& sound, const std::filesystem::path& gameDir) {
    json effects = json::array();
    for (int i = 0; i < sound.RecentCount(); ++i) {
        const AskedEffect& e = sound.Recent(i);
        effects.push_back({{"path", GamePath(e.path, gameDir)},
                           {"snake", e.snake},
                           {"entry", e.played ? json(e.entry) : json(nullptr)},
                           {"played", e.played}});
    }
    return effects;
}

json MusicJson(const MusicState& m, const std::filesystem::path& gameDir) {
    return {{"file", GamePath(m.file, gameDir)},
            {"playing", m.playing},
            {"looping", m.looping},
            {"volume", m.volume}};
}

json TimerJson(const Timer& t) {
    return {{"interval", t.interval}, {"enabled", t.enabled}};
}

}  // namespace

json DumpState(const Game& game, const std::filesystem::path& gameDir) {
    const World& w = game.world;
    json doc;
    json snakes = json::array();
    for (int n = 1; n <= w.NumSnakes && n <= kMaxSnakes; ++n)
        snakes.push_back(SnakeJson(w.Snakes[n]));
    doc["Snakes"] = std::move(snakes);
    doc["NumSnakes"] = w.NumSnakes;
    doc["Frozen"] = w.Frozen;
    doc["items"] = ItemsJson(w);

    json walls = json::array();
    for (int i = 1; i <= w.wallCount && i <= kMaxWallPieces; ++i) {
        const WallPiece& p = w.WallPieces[i];
        walls.push_back(
            {{"x", p.x}, {"y", p.y}, {"kind", WallKindName(p.kind)}, {"standing", p.standing}});
    }
    doc["WallPieces"] = std::move(walls);

    json spawns = json::array();
    for (int i = 1; i <= w.spawnCount && i <= kMaxSpawnPoints; ++i) {
        const SpawnPoint& p = w.SpawnPoints[i];
        spawns.push_back({{"x", p.x}, {"y", p.y}, {"usable", p.usable}, {"state", p.state.Text()}});
    }
    doc["SpawnPoints"] = std::move(spawns);

    json cells = json::array();
    for (int i = 1; i <= w.userItemCount && i <= kMaxUserItemCells; ++i) {
        const UserItemCell& c = w.UserItemCells[i];
        cells.push_back({{"x", c.x},
                         {"y", c.y},
                         {"hasGfx", c.hasGfx},
                         {"gfx", Text(c.gfx)},
                         {"decl", Text(c.decl)}});
    }
    doc["UserItemCells"] = std::move(cells);

    doc["level"] = LevelJson(game, gameDir);
    doc["flags"] = FlagsJson(game);
    doc["menu"] = MenuJson(game);
    doc["options"] = OptionsJson(game.options);
    doc["sound"] = SoundJson(game.sound, gameDir);
    doc["music"] = MusicJson(game.music, gameDir);

    json messages = json::array();
    for (const std::string& m : game.messages)
        messages.push_back(Text(m));
    doc["messages"] = std::move(messages);
    json centred = json::array();
    for (const CentredLine& c : game.centredLines)
        centred.push_back({{"text", Text(c.text)}, {"y", c.y}, {"font", c.font}});
    doc["centredLines"] = std::move(centred);
    json console = json::array();
    for (const std::string& line : game.startup.console)
        console.push_back(Text(line));
    doc["console"] = std::move(console);
    json hall = json::array();
    for (const HallOfFameEntry& e : game.hallOfFame)
        hall.push_back({{"name", Text(e.name)}, {"score", Text(e.score)}});
    doc["hallOfFame"] = std::move(hall);

    doc["gameMode"] = game.run.gameMode;
    doc["huntingMode"] = game.run.huntingMode;
    doc["limit"] = game.run.limit;
    doc["keyMap"] = game.run.keyMap;
    doc["debug"] = game.run.debug;
    doc["FPS"] = game.flags.FPS;

    json iWait = json::array();
    for (const Timer& t : game.timers.iWait)
        iWait.push_back(TimerJson(t));
    doc["timers"] = {{"iWait", std::move(iWait)},
                     {"ResetSpeed", TimerJson(game.timers.ResetSpeed)}};
    return doc;
}

}  // namespace zelkor
