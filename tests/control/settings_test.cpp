#include "game/control/options/settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/game_files.h"
#include "common/settings_store.h"
#include "common/sha256.h"
#include "game/control/menus/level_records.h"
#include "game/control/replay/replay_format.h"
#include "game/control/replay/replay_shelf.h"
#include "game/control/watch/kept_replays.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

using Name = std::pair<std::string, std::string>;  // section, key

// A memory store that remembers which keys were read and written, in order.
class RecordingStore final : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        reads.emplace_back(section, key);
        return values.Read(section, key);
    }
    bool WriteBatch(std::span<const SettingsEntry> entries) override {
        ++batches;
        for (const SettingsEntry& e : entries)
            writes.emplace_back(e.section, e.key);
        return values.WriteBatch(entries);
    }
    std::string Value(std::string_view section, std::string_view key) {
        return values.Read(section, key).value_or("<missing>");
    }

    MemorySettingsStore values;
    std::vector<Name> reads;
    std::vector<Name> writes;
    int batches = 0;
};

std::vector<Name> HallOfFameKeys() {
    std::vector<Name> keys;
    for (int n = 1; n <= 10; ++n) {
        keys.emplace_back("HiScore", "Name " + std::to_string(n));
        keys.emplace_back("HiScore", "Score " + std::to_string(n));
        keys.emplace_back("HiScore", "Replay " + std::to_string(n));
    }
    return keys;
}

class SettingsTest : public ::testing::Test {
protected:
    std::unique_ptr<Game> NewGame(std::string_view mode = "") {
        auto game = std::make_unique<Game>(clock_);
        game->run.gameMode = mode;
        return game;
    }
    std::vector<std::string> Scores(const Game& game) {
        std::vector<std::string> scores;
        for (const auto& e : game.hallOfFame)
            scores.push_back(e.score);
        return scores;
    }

    ManualClock clock_;
    RecordingStore store_;
};

TEST_F(SettingsTest, EverySavedOptionComesBack) {
    auto game = NewGame();
    game->level.minSpd = 180;
    game->level.maxSpd = 45;
    game->level.SpeedStep = 1.5;
    game->options.noSpeedReset = true;
    game->level.SpeedUp = true;
    game->options.quickTurns = false;
    game->options.globalSpeed = 70;
    game->options.showFPS = false;
    game->options.animatedItems = false;
    game->options.sndEnabled = false;
    game->options.kiSndEnabled = false;
    game->options.musicEnabled = false;
    game->options.musicVolume = 85;
    game->options.noCleanUp = true;
    game->Player().name = " Zo\xEB ";
    game->Player().model = 7;
    game->options.keys.Bind(Action::Left, 1, 30);
    game->options.keys.Bind(Action::Right, 0, 32);
    game->options.keys.Of(Action::Pause) = {};
    for (int i = 0; i < 10; ++i)
        game->hallOfFame[i] = {"P" + std::to_string(i), std::to_string(i),
                               std::to_string(i) + ".zkreplay"};
    SaveSettings(*game, store_);

    // Loading the file and saving again writes every value back unchanged: a key that was not
    // read, or read into another option, would come back as that option's value instead.
    auto loaded = NewGame();
    LoadSettings(*loaded, store_);
    RecordingStore again;
    SaveSettings(*loaded, again);
    for (const auto& [section, key] : store_.writes)
        EXPECT_EQ(again.Value(section, key), store_.Value(section, key)) << key;
    EXPECT_EQ(loaded->Snake(16).speed, 70);
    EXPECT_EQ(loaded->Player().name, " Zo\xEB ");
    EXPECT_EQ(store_.Value("Options", "Show FPS"), "False") << "truth values are words";
    EXPECT_EQ(store_.Value("Keys", "Left"), "Left,A") << "keys by their place, named";
    EXPECT_EQ(store_.Value("Keys", "Pause"), "None");
    EXPECT_EQ(loaded->options.keys, game->options.keys);
    EXPECT_EQ(store_.Value("Options", "NewInstall"), "<missing>") << "the quit routine's key";
}

// A fresh settings file lists the keys in the game's order.
TEST_F(SettingsTest, KeysAreWrittenInTheGamesOrder) {
    auto game = NewGame();
    SaveSettings(*game, store_);
    std::vector<Name> writes = {
        {"Tweak", "MinSpeed"},       {"Tweak", "MaxSpeed"},       {"Tweak", "Speed"},
        {"Tweak", "RsetSpeed"},      {"Tweak", "IncSpeed"},       {"Tweak", "QuickTurns"},
        {"Options", "gSpeed"},       {"Options", "Show FPS"},     {"Options", "AnimatedItems"},
        {"Options", "Player Name"},  {"Options", "SndEnabled"},   {"Options", "Player Color"},
        {"Options", "KiSndEnabled"}, {"Options", "MusicEnabled"}, {"Options", "MusicVolume"},
        {"Options", "NoCleanUp"}};
    for (const char* action : {"Up", "Down", "Left", "Right", "Pause", "Information", "NameTags",
                               "Statistics", "DeathDetails", "Screenshot"})
        writes.push_back({"Keys", action});
    for (const Name& k : HallOfFameKeys())
        writes.push_back(k);
    EXPECT_EQ(store_.writes, writes);
    EXPECT_EQ(store_.batches, 1) << "one locked write, not one per key";
}

TEST_F(SettingsTest, DeathmatchNeitherReadsNorWritesTheSpeedTweaks) {
    store_.values.Write("Tweak", "Speed", "2");
    store_.values.Write("Tweak", "RsetSpeed", "False");
    store_.values.Write("Tweak", "IncSpeed", "True");
    for (std::string_view mode : {"DM", "NDM"}) {
        auto game = NewGame(mode);
        store_.reads.clear();
        store_.writes.clear();
        LoadSettings(*game, store_);
        EXPECT_EQ(game->level.SpeedStep, 0.5);
        EXPECT_TRUE(game->options.noSpeedReset);
        EXPECT_FALSE(game->level.SpeedUp);
        SaveSettings(*game, store_);
        for (const auto* keys : {&store_.reads, &store_.writes}) {
            for (const Name& k : *keys) {
                const bool tweak = k.first == "Tweak";
                EXPECT_TRUE(!tweak || k.second == "MinSpeed" || k.second == "MaxSpeed" ||
                            k.second == "QuickTurns")
                    << k.second;
            }
        }
        EXPECT_EQ(store_.Value("Tweak", "Speed"), "2") << "the normal game's value is kept";
        EXPECT_EQ(store_.Value("Tweak", "IncSpeed"), "True");
    }
}

TEST_F(SettingsTest, UnreadableValuesLeaveTheirVariableAndReadingGoesOn) {
    store_.values.Write("Options", "gSpeed", "99999");
    store_.values.Write("Options", "Show FPS", "maybe");
    store_.values.Write("Options", "Player Color", "-40000");
    store_.values.Write("Options", "MusicVolume", " 4 5 ");
    store_.values.Write("Tweak", "MinSpeed", "120ms");
    store_.values.Write("HiScore", "Name 3", "ABCDEFGHIJKLMNOPQRST");
    store_.values.Write("HiScore", "Replay 1", "../settings.zkreplay");
    store_.values.Write("HiScore", "Replay 2", "0a1B-c_d.zkreplay");
    auto game = NewGame();
    game->options.globalSpeed = 60;
    game->options.showFPS = false;
    game->Player().model = 4;
    LoadSettings(*game, store_);
    EXPECT_EQ(game->options.globalSpeed, 60);
    EXPECT_EQ(game->Snake(2).speed, 60) << "snakes take the global speed as it stands";
    EXPECT_FALSE(game->options.showFPS);
    EXPECT_EQ(game->Player().model, 4);
    EXPECT_EQ(game->options.musicVolume, 45) << "numbers are read like level values";
    EXPECT_EQ(game->level.minSpd, 120);
    EXPECT_EQ(game->hallOfFame[2].name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(game->hallOfFame[3].name, "Unknown") << "reading went on";
    EXPECT_EQ(game->hallOfFame[0].replay, "") << "a replay name never leads elsewhere";
    EXPECT_EQ(game->hallOfFame[1].replay, "0a1B-c_d.zkreplay");
}

class EnterHighScoreTest : public SettingsTest {
protected:
    void SetUp() override {
        game_ = NewGame();
        LoadSettings(*game_, store_);
        game_->Player().name = "Ace";
    }
    HighScoreResult Enter(std::int32_t total) {
        game_->Player().totalScore = total;
        return EnterHighScore(*game_, store_, noReplays_);
    }
    std::unique_ptr<Game> game_;
    ReplayShelf noReplays_;
};

TEST_F(EnterHighScoreTest, ANewEntryMovesTheLowerOnesDown) {
    const HighScoreResult r = Enter(9500);
    EXPECT_EQ(r.outcome, HighScoreOutcome::Entered);
    EXPECT_EQ(r.place, 2);
    EXPECT_EQ(r.text, "This is a new High Score!");
    EXPECT_EQ(Scores(*game_), (std::vector<std::string>{"10000", "9500", "9000", "8000", "7000",
                                                        "6000", "5000", "4000", "3000", "2000"}));
    EXPECT_EQ(game_->hallOfFame[1].name, "Ace");
    EXPECT_EQ(game_->hallOfFame[2].name, "Unknown");
}

TEST_F(EnterHighScoreTest, AnEqualScoreKeepsItsPlace) {
    EXPECT_EQ(Enter(10000).place, 2);
    EXPECT_EQ(game_->hallOfFame[0].name, "Unknown");
    EXPECT_EQ(Enter(9000).place, 4) << "above 9000 stand 10000, 10000 and 9000";
}

TEST_F(EnterHighScoreTest, TooLowOrCheatedChangesNothing) {
    const auto before = Scores(*game_);
    EXPECT_EQ(Enter(1000).outcome, HighScoreOutcome::NotEntered);
    EXPECT_TRUE(Enter(1000).text.empty());

    game_->cheats.cheatUsed = true;
    const HighScoreResult r = Enter(50000);
    EXPECT_EQ(r.outcome, HighScoreOutcome::Cheated);
    EXPECT_EQ(r.text, "This would be a new High Score! - But you cheated!");
    EXPECT_EQ(Scores(*game_), before);
    EXPECT_EQ(game_->hallOfFame[0].name, "Unknown");
    EXPECT_EQ(store_.batches, 0);
}

// The replays folder: the last game replaced after each game; copies for a hall-of-fame
// entry or a level's best result that move with their entry and go when nothing names them.
TEST_F(SettingsTest, KeptReplaysFollowTheirRecordsAndGoWhenNothingNamesThem) {
    TempFolder dir;
    const GameFiles files(dir.path());
    ReplayShelf shelf(ReplayFolder(files), {});
    const auto play = [&](std::int64_t score) {  // a game ends and is handed over
        Replay replay;
        replay.header.finalScore = score;
        shelf.GameRecorded(replay);
        return EncodeReplay(replay);
    };
    auto game = NewGame();
    LoadSettings(*game, store_);
    const auto enter = [&](std::int32_t total) {
        game->Player().totalScore = total;
        EnterHighScore(*game, store_, shelf);
    };
    play(2);
    enter(9500);
    const std::string copy = store_.Value("HiScore", "Replay 2");
    for (int n = 0; n < 8; ++n)  // games without a replay push the entry down to place 10
        enter(20000 + n);
    EXPECT_EQ(store_.Value("HiScore", "Replay 1"), "") << "a copy is taken only once";
    EXPECT_EQ(store_.Value("HiScore", "Replay 10"), copy);
    ASSERT_TRUE(KeptReplay(files, copy));
    enter(30000);
    EXPECT_FALSE(KeptReplay(files, copy)) << "left the ten, named by nothing";

    const std::string sha(64, 'a');
    play(3);
    ASSERT_TRUE(OfferLevelResult(store_, "Mine.dat", {sha, 100, 60, ""}, shelf));
    const std::string first = ReadLevelRecord(store_, "Mine.dat", sha)->replay;
    play(4);
    ASSERT_TRUE(OfferLevelResult(store_, "Mine.dat", {sha, 100, 59, ""}, shelf));
    EXPECT_FALSE(KeptReplay(files, first)) << "the replaced run's copy went";
    EXPECT_TRUE(KeptReplay(files, ReadLevelRecord(store_, "Mine.dat", sha)->replay));

    // Playing a replay keeps nothing; a folder that cannot be written (a link here) is
    // said once and gets nothing, through the link or elsewhere.
    const std::string fifth = play(5);
    shelf.TurnOff();
    EXPECT_EQ(shelf.KeepLastGame(), "");
    play(6);
    TempFolder other;
    std::filesystem::create_directory_symlink(ReplayFolder(files), other.path() / "replays");
    std::vector<std::string> said;
    ReplayShelf blocked(other.path() / "replays", [&](auto line) { said.emplace_back(line); });
    blocked.GameRecorded(Replay{});
    blocked.GameRecorded(Replay{});
    EXPECT_EQ(said, std::vector<std::string>{"Could not keep the replays: it is not a folder (" +
                                             (other.path() / "replays").string() + ")"});
    EXPECT_EQ(ReadBytes(dir.path() / "replays/last.zkreplay"), fifth);
}

TEST(InstalledModel, AModelNoLongerInstalledFallsBackToTheDefault) {
    EXPECT_EQ(InstalledModelOrDefault(3, 5), 3);
    EXPECT_EQ(InstalledModelOrDefault(0, 5), 0);
    EXPECT_EQ(InstalledModelOrDefault(6, 5), 1) << "the default, second in the list";
    EXPECT_EQ(InstalledModelOrDefault(-2, 5), 1);
    EXPECT_EQ(InstalledModelOrDefault(1, 0), 0) << "only one model";
    EXPECT_EQ(InstalledModelOrDefault(7, -1), 7) << "no list yet: the stored number stays";
}

// A first result, a lower one and "not played" are the Levels page's replays; here the rest.
TEST(LevelRecords, KeysValuesAndWhichResultIsBest) {
    // Every byte outside a-z 0-9 . _ - is escaped, capitals too: the store ignores case.
    EXPECT_EQ(LevelRecordKey("lvl1.dat"), "lvl1.dat");
    EXPECT_EQ(LevelRecordKey("My Level=2%.dat"), "%4Dy%20%4Cevel%3D2%25.dat");
    EXPECT_EQ(LevelRecordKey("\xc3\xa9t\xc3\xa9_-.dat"), "%C3%A9t%C3%A9_-.dat");
    EXPECT_NE(LevelRecordKey("A.dat"), LevelRecordKey("a.dat"));

    const std::string sha(64, 'a');
    const LevelRecord kept{sha, 1240, 95, "runs/lvl1,best.zkrp"};
    EXPECT_EQ(ParseLevelRecord(LevelRecordText(kept)), kept) << "the replay may hold commas";
    EXPECT_EQ(BestResultText(kept), "1240 in 1:35");
    EXPECT_EQ(BestResultText(LevelRecord{sha, -20, 5, ""}), "-20 in 0:05");
    const std::vector<std::string> damaged{"",
                                           "abc,1,2,",
                                           sha + ",1,2",
                                           sha + ",x,2,",
                                           sha + ",1,-2,",
                                           std::string(64, 'G') + ",1,2,"};
    for (const std::string& text : damaged)
        EXPECT_FALSE(ParseLevelRecord(text)) << text;

    EXPECT_TRUE(Beats({sha, 1241, 200, ""}, kept));
    EXPECT_TRUE(Beats({sha, 1240, 94, ""}, kept)) << "a tie goes to the shorter time";
    EXPECT_FALSE(Beats({sha, 1240, 95, ""}, kept));
    EXPECT_TRUE(Beats({std::string(64, 'b'), 10, 999, ""}, kept)) << "the level changed";

    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

}  // namespace
}  // namespace zelkor
