#include "game/control/options/settings.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <vector>

#include "common/numbers.h"
#include "game/control/options/key_settings.h"
#include "game/control/replay/replay_shelf.h"

namespace zelkor {
namespace {

constexpr int kHallOfFamePlaces = 10;

// Reads the keys of one section, each with the text it has when missing.
class SectionReader {
public:
    SectionReader(SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    std::string Text(std::string_view key, std::string_view missing) {
        return store_.Read(section_, key).value_or(std::string(missing));
    }
    void Number(std::string_view key, std::string_view missing, double& into) {
        into = ReadNumber(Text(key, missing));
    }
    void Int16(std::string_view key, std::string_view missing, std::int16_t& into) {
        if (const auto v = ReadInt16(Text(key, missing))) into = *v;
    }
    void Truth(std::string_view key, std::string_view missing, bool& into) {
        if (const auto v = ReadTruth(Text(key, missing))) into = *v;
    }

private:
    SettingsStore& store_;
    std::string_view section_;
};

// Collects the batch that SaveSettings writes, in its order.
class BatchWriter {
public:
    void Text(std::string_view section, std::string_view key, std::string value) {
        entries_.push_back({std::string(section), std::string(key), std::move(value)});
    }
    void Number(std::string_view section, std::string_view key, double value) {
        Text(section, key, NumberText(value));
    }
    void Truth(std::string_view section, std::string_view key, bool value) {
        Text(section, key, std::string(TruthText(value)));
    }
    void WriteTo(SettingsStore& store) const { store.WriteBatch(entries_); }

private:
    std::vector<SettingsEntry> entries_;
};

std::string DefaultScoreText(int place) {
    return NumberText(10000 - (place - 1) * 1000);
}

}  // namespace

// The place number is written as the game turns numbers into text: a blank where a
// plus sign would stand.
std::string HallOfFameNameKey(int place) {
    return "Name " + std::to_string(place);
}
std::string HallOfFameScoreKey(int place) {
    return "Score " + std::to_string(place);
}
std::string HallOfFameReplayKey(int place) {
    return "Replay " + std::to_string(place);
}

void LoadSettings(Game& game, SettingsStore& store, const MusicVolumeHook& setMusicVolume) {
    LevelSettings& level = game.level;
    Options& options = game.options;

    SectionReader tweak(store, kTweakSection);
    tweak.Number("MinSpeed", "250", level.minSpd);
    tweak.Number("MaxSpeed", "20", level.maxSpd);
    if (game.run.Deathmatch()) {
        level.SpeedStep = 0.5;
        options.noSpeedReset = true;
        level.SpeedUp = false;
    } else {
        tweak.Number("Speed", "0.5", level.SpeedStep);
        tweak.Truth("RsetSpeed", "False", options.noSpeedReset);
        tweak.Truth("IncSpeed", "0", level.SpeedUp);
    }
    tweak.Truth("QuickTurns", "True", options.quickTurns);

    SectionReader opts(store, kOptionsSection);
    opts.Int16("gSpeed", "100", options.globalSpeed);
    for (int n = 1; n <= kMaxSnakes; ++n)
        game.Snake(n).speed = options.globalSpeed;
    opts.Truth("Show FPS", "1", options.showFPS);
    opts.Truth("AnimatedItems", "True", options.animatedItems);
    opts.Truth("SndEnabled", "True", options.sndEnabled);
    opts.Truth("KiSndEnabled", "True", options.kiSndEnabled);
    opts.Truth("MusicEnabled", "True", options.musicEnabled);
    opts.Int16("MusicVolume", "30", options.musicVolume);
    if (setMusicVolume) setMusicVolume(options.musicVolume);
    opts.Truth(kNoCleanUpKey, "False", options.noCleanUp);
    opts.Truth(kNewInstallKey, "True", options.newInstall);
    game.Player().name = opts.Text("Player Name", "Unknown");
    opts.Int16("Player Color", "1", game.Player().model);

    std::ostringstream damage;
    game.options.keys = LoadKeyBindings(store, damage);
    if (!damage.str().empty() && !game.keys.keysDamageReported) {
        std::cerr << damage.str();
        game.keys.keysDamageReported = true;
    }

    SectionReader hiScore(store, kHiScoreSection);
    for (int n = 1; n <= kHallOfFamePlaces; ++n) {
        HallOfFameEntry& entry = game.hallOfFame[n - 1];
        entry.name = hiScore.Text(HallOfFameNameKey(n), "Unknown").substr(0, kHallOfFameNameLength);
        entry.score = hiScore.Text(HallOfFameScoreKey(n), DefaultScoreText(n));
        // Older settings have no replays; a name that is not a kept replay's means none.
        entry.replay = hiScore.Text(HallOfFameReplayKey(n), "");
        if (!IsKeptReplayName(entry.replay)) entry.replay.clear();
    }
}

void SaveSettings(const Game& game, SettingsStore& store) {
    const LevelSettings& level = game.level;
    const Options& options = game.options;
    const SnakeRecord& player = game.Snake(1);

    BatchWriter out;
    out.Number(kTweakSection, "MinSpeed", level.minSpd);
    out.Number(kTweakSection, "MaxSpeed", level.maxSpd);
    if (!game.run.Deathmatch()) {
        out.Number(kTweakSection, "Speed", level.SpeedStep);
        out.Truth(kTweakSection, "RsetSpeed", options.noSpeedReset);
        out.Truth(kTweakSection, "IncSpeed", level.SpeedUp);
    }
    out.Truth(kTweakSection, "QuickTurns", options.quickTurns);
    out.Number(kOptionsSection, "gSpeed", options.globalSpeed);
    out.Truth(kOptionsSection, "Show FPS", options.showFPS);
    out.Truth(kOptionsSection, "AnimatedItems", options.animatedItems);
    out.Text(kOptionsSection, "Player Name", player.name);
    out.Truth(kOptionsSection, "SndEnabled", options.sndEnabled);
    out.Number(kOptionsSection, "Player Color", player.model);
    out.Truth(kOptionsSection, "KiSndEnabled", options.kiSndEnabled);
    out.Truth(kOptionsSection, "MusicEnabled", options.musicEnabled);
    out.Number(kOptionsSection, "MusicVolume", options.musicVolume);
    out.Truth(kOptionsSection, kNoCleanUpKey, options.noCleanUp);
    for (int a = 0; a < kActionCount; ++a)
        out.Text(kKeysSection, InfoOf(a).settingKey,
                 KeysText(options.keys.keys[static_cast<std::size_t>(a)]));
    for (int n = 1; n <= kHallOfFamePlaces; ++n) {
        const HallOfFameEntry& entry = game.hallOfFame[n - 1];
        out.Text(kHiScoreSection, HallOfFameNameKey(n), entry.name);
        out.Text(kHiScoreSection, HallOfFameScoreKey(n), entry.score);
        out.Text(kHiScoreSection, HallOfFameReplayKey(n), entry.replay);
    }
    out.WriteTo(store);
}

void MarkNewInstall(SettingsStore& store) {
    store.Write(kOptionsSection, kNewInstallKey, "True");
}

std::int16_t InstalledModelOrDefault(std::int16_t stored, int highest) {
    if (highest < 0 || (stored >= 0 && stored <= highest)) return stored;
    return highest >= 1 ? 1 : 0;
}

HighScoreResult EnterHighScore(Game& game, SettingsStore& store, ReplayShelf& replays) {
    const std::int32_t total = game.Player().totalScore;
    auto& table = game.hallOfFame;
    for (int n = 1; n <= kHallOfFamePlaces; ++n) {
        if (!(ReadNumber(table[n - 1].score) < total)) continue;
        if (game.cheats.cheatUsed) return {HighScoreOutcome::Cheated, n, kCheatedHighScoreText};
        // Everything from place n down moves one place, its replay with it; the last
        // entry drops off. Its replay goes once the settings no longer name it.
        const std::string dropped = table.back().replay;
        for (int k = kHallOfFamePlaces; k > n; --k)
            table[k - 1] = table[k - 2];
        table[n - 1] = {game.Player().name, NumberText(total), replays.KeepLastGame()};
        SaveSettings(game, store);
        if (std::none_of(table.begin(), table.end(),
                         [&](const HallOfFameEntry& e) { return e.replay == dropped; }))
            replays.Release(dropped);
        return {HighScoreOutcome::Entered, n, kNewHighScoreText};
    }
    return {};
}

}  // namespace zelkor
