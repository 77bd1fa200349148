// The test run's rules, the check before it, and the settings the editor keeps.
#include "editor/core/test_run.h"

#include <gtest/gtest.h>

#include "common/settings_store.h"
#include "editor/core/editor_settings.h"
#include "editor/core/level_writer.h"
#include "editor/core/pre_test_check.h"
#include "editor/core/recent_files.h"
#include "tests/common/temp_folder.h"

namespace zelkor::editor {
namespace {

std::string Refusal(const TestRunDecision& d) {
    const auto* refusal = std::get_if<TestRunRefusal>(&d);
    return refusal ? refusal->message + (refusal->afterWriting ? " (written)" : "") : "";
}

std::vector<std::string> Arguments(const TestRunDecision& d) {
    const auto* start = std::get_if<TestRunStart>(&d);
    return start ? start->arguments : std::vector<std::string>{};
}

TEST(TestRun, NeedsThePlayersStartAGameAndALoadableLevel) {
    EditorLevel level;
    TestRunOptions options{.gameProgramSet = true};
    const std::string noStart =
        "You did not set a startpoint for Player 1. Level cannot be tested!";
    EXPECT_EQ(Refusal(DecideTestRun(level, options)), noStart);
    level.grid.Set(10, '1');  // a computer snake's start is not the player's
    EXPECT_EQ(Refusal(DecideTestRun(level, options)), noStart);
    level.grid.Set(11, 'S');
    EXPECT_EQ(Arguments(DecideTestRun(level, options)),
              (std::vector<std::string>{"/L=EditTemp.dat"}));
    options.gameProgramSet = false;
    EXPECT_EQ(Refusal(DecideTestRun(level, options)).substr(0, 40),
              "The path to the game program is not set.");
    options.gameProgramSet = true;
    level.fields.numYellow = "40000";
    EXPECT_TRUE(Refusal(DecideTestRun(level, options)).starts_with("The game cannot load"));
    EXPECT_EQ(TestLevelPath("/games/zelkor"), "/games/zelkor/lvl/EditTemp.dat");
}

TEST(TestRun, ComputerSnakesAreLimitedByTheStartPoints) {
    EditorLevel level;
    level.grid.Set(10, 'S');
    TestRunOptions options{.gameProgramSet = true, .computerSnakes = 1};
    EXPECT_EQ(Refusal(DecideTestRun(level, options)),
              "You did not set any AI Sanke Startpoints. Level cannot be tested! (written)");
    level.grid.Set(20, '7');
    EXPECT_EQ(Arguments(DecideTestRun(level, options)),
              (std::vector<std::string>{"/L=EditTemp.dat", "/AIS=1"}));
    options.computerSnakes = 3;
    options.deathmatch = options.hunting = true;
    const TestRunDecision asked = DecideTestRun(level, options);
    const auto* question = std::get_if<TestRunQuestion>(&asked);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text,
              "Your level only has 1 AI Sanke start points. You can only test with 1 AI "
              "Snakes.\n\nContinue?");
    options.fewerAccepted = true;
    options.window = true;
    EXPECT_EQ(Arguments(DecideTestRun(level, options)),
              (std::vector<std::string>{"--window", "/L=EditTemp.dat", "/AIS=1", "/DM", "/H"}));
}

TEST(PreTestCheck, StopsOnWhatWouldFailTheLoadAndWarnsOfTheRest) {
    EditorLevel level;
    level.grid.Set(*GridCells::IndexOf(31, 4), '+');
    level.fields.numRed = "0";
    level.fields.reqRed = "2";
    level.fields.numBlue = "1";
    level.fields.reqBlue = "3";
    level.fields.hideCollected = true;
    level.keptLines = {"AIS= 2"};
    PreTestReport report = CheckBeforeTest(LevelFileText(level), level.grid);
    EXPECT_FALSE(report.error);
    EXPECT_EQ(report.warnings,
              (std::vector<std::string>{
                  "The level asks for 2 red items but places none.",
                  "The level asks for 3 blue items but places only 1, and collected items "
                  "stay hidden.",
                  "AIS= asks for computer snakes, but the level has no computer start point.",
                  "Column 31 holds 1 cell the game never reads."}));

    level = EditorLevel{};
    level.fields.numYellow = "40000";
    report = CheckBeforeTest(LevelFileText(level), level.grid);
    ASSERT_TRUE(report.error);
    EXPECT_EQ(report.error->line, 33);
    EXPECT_EQ(LoadErrorText(*report.error),
              "The game cannot load this level: line 33: numYellow= 40000 is outside "
              "-32768..32767");
    EXPECT_TRUE(CheckBeforeTest(LevelFileText(EditorLevel{}), GridCells{}).warnings.empty());
}

TEST(PreTestCheck, LooksForTheRequiredFilesAndTheMusicInTheGameFolder) {
    TempFolder game;
    WriteBytes(game.path() / "bricks.zkr", "");
    std::filesystem::create_directories(game.path() / "music");
    WriteBytes(game.path() / "music" / "Lion.mid", "");
    EditorLevel level;
    level.requiredFiles.Add("BRICKS.zkr");  // found whatever the letter case
    level.fields.bkgMusic = "lion.mid";
    EXPECT_TRUE(CheckBeforeTest(LevelFileText(level), level.grid, game.path()).warnings.empty());

    level.requiredFiles.Add("brick.zkr");
    level.fields.bkgMusic = "lion2.mid";
    EXPECT_EQ(CheckBeforeTest(LevelFileText(level), level.grid, game.path()).warnings,
              (std::vector<std::string>{
                  "Requires= names brick.zkr, which is not in the game folder.",
                  "MusicFile= names lion2.mid, which is not in the music folder."}));
    level.fields.bkgMusic.clear();  // no music at all
    EXPECT_EQ(CheckBeforeTest(LevelFileText(level), level.grid, game.path()).warnings.size(), 1u);
}

TEST(EditorSettings, SurviveARunAndGiveDefaultsForWhatIsMissingOrBroken) {
    MemorySettingsStore store;
    EditorSettings defaults;
    EXPECT_EQ(ReadEditorSettings(store, defaults), defaults);
    EditorSettings s;
    s.author = "J\xF6rg";
    s.useGrid = true;
    s.gamePath = "/opt/g\xC3\xA4me/Zelkor";  // a UTF-8 path
    s.testComputerSnakes = 14;
    s.testDeathmatch = true;
    s.testHunting = true;
    s.testWindow = false;
    ASSERT_TRUE(WriteEditorSettings(store, s));
    EXPECT_EQ(store.Read("lvlEdit", "Test_AI_Snakes"), "14");
    EXPECT_EQ(store.Read("lvlEdit", "Grid"), "1");
    EXPECT_EQ(ReadEditorSettings(store, defaults), s);

    store.Write("lvlEdit", "Test_AI_Snakes", "99");
    store.Write("lvlEdit", "Grid", "x");
    const EditorSettings broken = ReadEditorSettings(store, defaults);
    EXPECT_EQ(broken.testComputerSnakes, 14);
    EXPECT_FALSE(broken.useGrid);
}

TEST(RecentFiles, EightNewestFirstInPrintableText) {
    RecentFiles recent;
    for (int i = 1; i <= 9; ++i)
        recent.Add("/levels/" + std::to_string(i) + ".dat");
    recent.Add("/levels/5.dat");
    ASSERT_EQ(recent.Files().size(), 8u);
    EXPECT_EQ(recent.Files()[0], "/levels/5.dat");
    EXPECT_EQ(recent.Files()[1], "/levels/9.dat");
    EXPECT_EQ(recent.Files()[7], "/levels/2.dat");

    // Any byte outside printable ASCII, and "%", as %XX of the bytes (UTF-8 here).
    const std::filesystem::path odd = "/h\xC3\xB6hle/50%\t\xE2\x98\x83.dat";
    EXPECT_EQ(EncodePathValue(odd), "/h%C3%B6hle/50%25%09%E2%98%83.dat");
    EXPECT_EQ(DecodePathValue(EncodePathValue(odd)), odd);
    EXPECT_EQ(DecodePathValue("100%.dat%2"), "100%.dat%2") << "a lone % stands for itself";
}

}  // namespace
}  // namespace zelkor::editor
