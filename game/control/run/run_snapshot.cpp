#include "game/control/run/run_snapshot.h"

#include <nlohmann/json.hpp>

namespace zelkor {

using nlohmann::json;

template <typename T, std::size_t N>
void to_json(json& j, const OneBased<T, N>& slots) {
    j = json::array();
    for (const T& slot : slots)
        j.push_back(slot);
}
template <typename T, std::size_t N>
void from_json(const json& j, OneBased<T, N>& slots) {
    for (int i = 1; i <= static_cast<int>(N); ++i)
        j.at(static_cast<std::size_t>(i - 1)).get_to(slots[i]);
}

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Timer, interval, enabled, since)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Timers, keybrd, iWait, picChange, ResetSpeed, ScrollNext, tmr1)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LevelSettings, LevelFile, LevelName, NextLevelPath, TimeLimit,
                                   ReqYellow, ReqRed, ReqBlue, ReqBlack, ReqScore, blueRate,
                                   powerRate, HideCollected, hasOpenWalls, BkgPic, MusicFile,
                                   RequiredFiles, usesGfx, UserItemGfx, SpeedUp, SpeedStep, maxSpd,
                                   minSpd, InfoText, LastStart)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(KeyBindings, keys)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Options, globalSpeed, noSpeedReset, quickTurns, showFPS,
                                   animatedItems, sndEnabled, kiSndEnabled, musicEnabled,
                                   musicVolume, noCleanUp, newInstall, keys)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(RunValues, gameMode, huntingMode, limit, aisOn, snakeCount,
                                   cmdAIS, aisGiven, keyMap, cmdLevel, cmdLevelPath, levelGiven,
                                   debug, credits)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ScreenShown, running, ending, menuShown, stopped, infoScreen,
                                   infoShown, displayReady, Pause)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(DeathSequence, wallHitWait, deathSuppression, immortal,
                                   timeLimitHit, lifeLostBox, waitingForKey, skipDeath)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(HudToggles, nameTags, statistics, deathDetails, blink,
                                   snakeShown)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LoopTiming, clockRunning, speedTick, messageScroll,
                                   scrollCounter, levelClock, frameCount, FPS, speedIncrease,
                                   speedTickCount, savedInterval, animFrame, lightCounter)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LevelListEntry, fileName, name, author, best, error, replay)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(BodySegment, x, y, piece)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(SnakeRecord, x, y, dir, nextDir, queuedTurn, length, grow,
                                   startX, startY, body, tailX, tailY, tailPiece, score, totalScore,
                                   lives, frags, name, speed, curSpeed, model, deaths, redEaten,
                                   blueEaten, blackEaten, yellowEaten, powerEaten, tnt, atomic,
                                   atomicLeft, atomicGiven)

// The Controls page without the keyboard layout's labels (drawing only) and the refused
// key's name (only while capturing, which a game's start is not).
void to_json(json& j, const ControlsPage& c) {
    j = {{"shown", c.shown},
         {"row", c.row},
         {"column", c.column},
         {"capturing", c.capturing},
         {"lost", c.lost}};
}
void from_json(const json& j, ControlsPage& c) {
    j.at("shown").get_to(c.shown);
    j.at("row").get_to(c.row);
    j.at("column").get_to(c.column);
    j.at("capturing").get_to(c.capturing);
    j.at("lost").get_to(c.lost);
}

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(MenuState, menuRow, optionsRow, optionsCommand, hallOfFamePage,
                                   hallOfFameRow, optionsPage, controls, optionsNotice,
                                   typingAllowed, typingTarget, namingPlace, statusLine, statusHeld,
                                   statusHeldRow, highlights, levelsPage, levelsRow, levelsTop,
                                   levelsTyped, levelsTypedAt, levels, tickerPos, tickerLine)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LevelRun, active, fileName, sha256, seconds, gameMode,
                                   huntingMode, aisOn, aisGiven)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(CentredLine, text, y, font)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(HallOfFameEntry, name, score, replay)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Cheats, cheatUsed, godMode, noClip, noTimeCheck, consoleText)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ProgressCounters, count, base, total)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(AskedEffect, path, snake, entry, played)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(SoundState, deviceReady, entries, recent, askedCount)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(MusicState, file, playing, looping, volume, startedAt,
                                   unplayable)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(StartupWindow, loadingLabel, console, progressShown,
                                   progressPercent)

namespace {

// The keys: the snapshot by the codes held (value and code), the presses in order.
json KeysJson(const KeyState& k) {
    json held = json::array();
    for (std::size_t code = 0; code < k.snapshot.size(); ++code)
        if (k.snapshot[code] != 0) held.push_back({code, k.snapshot[code]});
    json notReady = json::array();
    for (std::size_t code = 0; code < k.ready.size(); ++code)
        if (!k.ready[code]) notReady.push_back(code);
    return {
        {"held", held},
        {"presses", std::vector<std::uint8_t>(
                        k.presses.codes.begin(),
                        k.presses.codes.begin() + static_cast<std::ptrdiff_t>(k.presses.count))},
        {"notReady", notReady},
        {"shift", k.shift},
        {"lastKey", k.lastKey},
        {"keysDamageReported", k.keysDamageReported},
        {"repeatKey", k.repeatKey},
        {"repeatAt", k.repeatAt}};
}
void SetKeys(const json& j, KeyState& k) {
    k.snapshot.fill(0);
    for (const json& held : j.at("held"))
        k.snapshot.at(held.at(0).get<std::size_t>()) = held.at(1).get<std::uint8_t>();
    k.presses.Clear();
    for (const json& code : j.at("presses"))
        k.presses.Add(code.get<int>());
    k.ready.fill(true);
    for (const json& code : j.at("notReady"))
        k.ready.at(code.get<std::size_t>()) = false;
    j.at("shift").get_to(k.shift);
    j.at("lastKey").get_to(k.lastKey);
    j.at("keysDamageReported").get_to(k.keysDamageReported);
    j.at("repeatKey").get_to(k.repeatKey);
    j.at("repeatAt").get_to(k.repeatAt);
}

}  // namespace

json RunSnapshot(const Game& game, bool pictureStale) {
    const LoopFlags& f = game.flags;
    const json state = {
        {"random", game.rng.Words()},
        {"timers", game.timers},
        {"level", game.level},
        {"options", game.options},
        {"run", game.run},
        {"flags",
         {{"shown", static_cast<const ScreenShown&>(f)},
          {"death", static_cast<const DeathSequence&>(f)},
          {"hud", static_cast<const HudToggles&>(f)},
          {"timing", static_cast<const LoopTiming&>(f)}}},
        {"menu", game.menu},
        {"levelRun", game.levelRun},
        {"cheats", game.cheats},
        {"keys", KeysJson(game.keys)},
        {"progress", game.progress},
        {"sound", game.sound},
        {"music", game.music},
        {"messages", game.messages},
        {"centredLines", game.centredLines},
        {"startup", game.startup},
        {"hallOfFame", game.hallOfFame},
        {"snakes", game.world.Snakes},
        {"now", game.Now()},
        {"pictureStale", pictureStale},
    };
    return state;
}

namespace {

// What of `to` differs from `from`: an object or a list of the same length by the members or
// items that differ (a list's by their index), anything else whole.
json Changes(const json& from, const json& to) {
    const bool list = from.is_array() && to.is_array() && from.size() == to.size();
    if (!list && !(from.is_object() && to.is_object())) return to;
    json changes = json::object();
    for (auto item = to.begin(); item != to.end(); ++item) {
        const std::string key =
            list ? std::to_string(static_cast<std::size_t>(item - to.begin())) : item.key();
        const json* was = list ? &from[std::stoul(key)] : nullptr;
        if (!list) {
            const auto found = from.find(key);
            if (found == from.end()) {
                changes[key] = *item;
                continue;
            }
            was = &*found;
        }
        if (*was != *item) changes[key] = Changes(*was, *item);
    }
    return changes;
}

void ApplyChanges(json& state, const json& changes) {
    if (!changes.is_object() || !(state.is_object() || state.is_array())) {
        state = changes;
        return;
    }
    for (auto item = changes.begin(); item != changes.end(); ++item) {
        if (state.is_array())
            ApplyChanges(state.at(std::stoul(item.key())), *item);
        else
            ApplyChanges(state[item.key()], *item);
    }
}

}  // namespace

std::string SnapshotChanges(const json& from, const json& to) {
    const std::vector<std::uint8_t> bytes = json::to_cbor(Changes(from, to));
    return std::string(bytes.begin(), bytes.end());
}

std::optional<json> ChangedSnapshot(const json& from, std::string_view changes) {
    try {
        json snapshot = from;
        ApplyChanges(snapshot, json::from_cbor(changes, true, false));
        return snapshot;
    } catch (const std::exception&) {  // json's, and an index that is not a number
        return std::nullopt;
    }
}

std::optional<RestoredRun> RestoreRunSnapshot(const json& state, Game& game) {
    try {
        std::array<std::uint64_t, 4> words{};
        state.at("random").get_to(words);
        game.rng.Restore(words);
        state.at("timers").get_to(game.timers);
        state.at("level").get_to(game.level);
        state.at("options").get_to(game.options);
        state.at("run").get_to(game.run);
        const json& flags = state.at("flags");
        flags.at("shown").get_to(static_cast<ScreenShown&>(game.flags));
        flags.at("death").get_to(static_cast<DeathSequence&>(game.flags));
        flags.at("hud").get_to(static_cast<HudToggles&>(game.flags));
        flags.at("timing").get_to(static_cast<LoopTiming&>(game.flags));
        state.at("menu").get_to(game.menu);
        state.at("levelRun").get_to(game.levelRun);
        state.at("cheats").get_to(game.cheats);
        SetKeys(state.at("keys"), game.keys);
        state.at("progress").get_to(game.progress);
        state.at("sound").get_to(game.sound);
        state.at("music").get_to(game.music);
        state.at("messages").get_to(game.messages);
        state.at("centredLines").get_to(game.centredLines);
        state.at("startup").get_to(game.startup);
        state.at("hallOfFame").get_to(game.hallOfFame);
        state.at("snakes").get_to(game.world.Snakes);
        return RestoredRun{state.at("now").get<std::int64_t>(),
                           state.at("pictureStale").get<bool>()};
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

}  // namespace zelkor
