// The menus and the cheat console driven by scripted keys, as a player would.
#include <gtest/gtest.h>

#include "common/sha256.h"
#include "game/control/input/key_handler.h"
#include "tests/scenarios/key_script_writer.h"
#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using scenario::KeyScriptWriter;
using scenario::Replay;

class MenuReplay : public ::testing::Test {
protected:
    scenario::Run Play(const KeyScriptWriter& keys, const std::string& commandLine = "") {
        return replay.Play(commandLine, keys.End() + 500, keys.Text());
    }
    Replay replay;
};

TEST_F(MenuReplay, NewGameStartsTheFirstLevelWithItsInformationScreen) {
    const auto run = Play(KeyScriptWriter().Tap(key::Enter));
    EXPECT_EQ(run.dump["level"]["LevelFile"], "lvl/lvl1.dat");
    EXPECT_FALSE(run.dump["flags"]["menuShown"]);
    EXPECT_FALSE(run.dump["flags"]["stopped"]);
    EXPECT_TRUE(run.dump["flags"]["infoScreen"]);
    std::filesystem::remove(replay.dir() / "lvl" / "lvl1.dat");  // no first level: the menu stays
    const auto missing = Play(KeyScriptWriter().Tap(key::Enter));
    EXPECT_TRUE(missing.dump["flags"]["menuShown"]);
    EXPECT_TRUE(missing.dump["flags"]["stopped"]);
    EXPECT_EQ(missing.dump["menu"]["statusLine"], "Level \\lvl\\lvl1.dat does not exist");
}

TEST_F(MenuReplay, ALevelThatFailsToLoadLeavesItsReasonUntilTheCursorMoves) {
    replay.AddLevel("broken.dat", scenario::LevelText("Broken").Key("numYellow= 400"));
    const std::string reason = "Level " + (replay.dir() / "lvl").string() +
                               "/broken.dat: line 26: numYellow= 400 asks for more than 300 items";
    const auto start = Play(KeyScriptWriter().At(1000), "/L=broken.dat");
    EXPECT_TRUE(start.dump["flags"]["menuShown"]);
    EXPECT_EQ(start.dump["menu"]["statusLine"], reason);
    EXPECT_EQ(start.dump["level"]["InfoText"], reason) << "not the start-up's welcome";

    const auto moved = Play(KeyScriptWriter(1000).Tap(key::Down), "/L=broken.dat");
    EXPECT_EQ(moved.dump["menu"]["menuRow"], 2) << "the menu takes the keys";
    EXPECT_EQ(moved.dump["menu"]["statusLine"], "Modify game options");
}

// Escape during the wall-hit wait opens the menu; the new game from there starts free of
// the wait, with three lives, and steers once its information screen is closed.
TEST_F(MenuReplay, ANewGameAfterAGameGivenUpStartsWithThreeLives) {
    KeyScriptWriter keys(200);  // F1, up into the top wall, Enter on the box
    keys.Tap(key::F1).Tap(key::Up).At(3000).Tap(key::Enter).Tap(key::Escape).Tap(key::Enter);
    keys.At(keys.End() + 400).Tap(key::F1).At(keys.End() + 400).Tap(key::Left);
    const auto run = Play(keys, "/L=lvl2.dat");
    const auto& player = run.dump["Snakes"][0];
    EXPECT_EQ(run.dump["level"]["LevelFile"], "lvl/lvl1.dat");
    EXPECT_EQ(player["deaths"], 0);
    EXPECT_EQ(player["lives"], 3);
    EXPECT_EQ(player["totalScore"], 0);
    EXPECT_FALSE(run.dump["flags"]["wallHitWait"]);
    EXPECT_EQ(player["dir"], "Left");
}

TEST_F(MenuReplay, ThePlayerNameTakesFourteenCharactersInBothKeyMapsTypedAsQuickAsYouLike) {
    for (const int holdMs : {40, 5}) {
        KeyScriptWriter keys(300, holdMs);  // the name row; Enter clears it; shift held
        keys.Tap(key::Down).Tap(key::Enter).Tap(key::Down, 7).Tap(key::Enter).Press(key::LeftShift);
        keys.Type("zy").Type("abcdefghijklmnop").Release(key::LeftShift);
        EXPECT_EQ(Play(keys).dump["Snakes"][0]["name"], "ZYABCDEFGHIJKL") << holdMs;
        EXPECT_EQ(Play(keys, "/KM=DE").dump["Snakes"][0]["name"], "yzabcdefghijkl") << holdMs;
    }
    // Typed faster than the frames: every letter of a burst within one frame, in order.
    KeyScriptWriter keys;
    keys.Tap(key::Down).Tap(key::Enter).Tap(key::Down, 7).Tap(key::Enter);
    std::string burst = keys.Text();
    for (const int code : {17, 16, 17})  // w q w
        burst += scenario::Hold(keys.End() + 1, keys.End() + 2, code);
    EXPECT_EQ(replay.Play("", keys.End() + 500, burst).dump["Snakes"][0]["name"], "wqw");
}

TEST_F(MenuReplay, RightHeldOnTheOptionsPageStepsAgainAfterAWhile) {
    KeyScriptWriter keys;  // the music volume, 30 at first; Right held for a second
    keys.Tap(key::Down).Tap(key::Enter).Tap(key::Down, 12).Press(key::Right);
    keys.At(keys.End() + 1000).Release(key::Right);
    EXPECT_EQ(Play(keys).dump["options"]["musicVolume"], 41);
}

// The Controls page from the options' last line: W, S, A and D chosen for steering, F2 moved
// from the name tags to the pause, the screenshot left without a key. The keys last beyond the
// run, and letters typed into the player's name type.
TEST_F(MenuReplay, KeysChosenOnTheControlsPageSteerAfterARestartAndLettersStillType) {
    replay.WriteSettings("");
    KeyScriptWriter keys;
    keys.Tap(key::Down).Tap(key::Enter).Tap(key::Up).Tap(key::Enter);
    for (const int letter : {17, 31, 30, 32})  // W S A D, for Up Down Left Right
        keys.Tap(key::Enter).Tap(letter).Tap(key::Down);
    keys.Tap(key::Right)
        .Tap(key::Enter)
        .Tap(key::F2)
        .Tap(key::Down, 5)
        .Tap(key::Left)
        .Tap(key::Delete);
    keys.Tap(key::Escape).Tap(key::Down, 8).Tap(key::Enter).Type("wasd");
    const auto chosen = Play(keys);
    const auto& bound = chosen.dump["options"]["keys"];
    EXPECT_EQ(bound["Left"], "A");
    EXPECT_EQ(bound["Right"], "D");
    EXPECT_EQ(bound["Pause"], "Pause,F2");
    EXPECT_EQ(bound["NameTags"], "N") << "F2 went to the pause";
    EXPECT_EQ(bound["Screenshot"], "None");
    EXPECT_EQ(chosen.dump["Snakes"][0]["name"], "wasd");
    EXPECT_EQ(chosen.dump["menu"]["optionsRow"], 8);

    replay.AddLevel("open.dat",
                    scenario::LevelText("Open").Key("reqScore= 9999").PlayerStart(15, 11));
    const std::string play = scenario::SetOff(32) + scenario::Press(600, 17) +
                             scenario::Press(900, 30) + scenario::Press(1200, key::Right);
    const auto restarted = replay.Play("/L=open.dat", 1400, play);
    EXPECT_EQ(restarted.dump["Snakes"][0]["dir"], "Left") << "D, W, A steered; Right no more";
    EXPECT_EQ(restarted.dump["options"]["keys"]["Screenshot"], "None");

    // Restore defaults is the page's last line, above its first.
    const auto restored = Play(KeyScriptWriter()
                                   .Tap(key::Down)
                                   .Tap(key::Enter)
                                   .Tap(key::Up)
                                   .Tap(key::Enter)
                                   .Tap(key::Up)
                                   .Tap(key::Enter)
                                   .Tap(key::Escape));
    EXPECT_EQ(restored.dump["options"]["keys"]["Left"], "Left");
    EXPECT_EQ(restored.dump["options"]["keys"]["Screenshot"], "F12");
}

// A "Keys" section edited by hand: each line that cannot be used gives its action the default
// keys and one line on standard error, once a run; "None" stays.
TEST_F(MenuReplay, ADamagedKeysSectionGivesThoseActionsTheirDefaults) {
    replay.WriteSettings(
        "[Keys]\nUp=w\nLeft=Foo\nRight=W\nPause=None\nScreenshot=Enter\nInformation=F5,F6,F7\n");
    testing::internal::CaptureStderr();
    const auto run = replay.Play("/L=lvl1.dat", 600, scenario::CloseInfo());
    const std::string said = testing::internal::GetCapturedStderr();
    const auto& bound = run.dump["options"]["keys"];
    EXPECT_EQ(bound["Up"], "W");
    EXPECT_EQ(bound["Left"], "Left");
    EXPECT_EQ(bound["Right"], "Right");
    EXPECT_EQ(bound["Pause"], "None");
    EXPECT_EQ(bound["Screenshot"], "F12");
    EXPECT_EQ(bound["Information"], "F1");
    int lines = 0;
    for (std::size_t at = said.find("[Keys]"); at != std::string::npos;
         at = said.find("[Keys]", at + 1))
        ++lines;
    EXPECT_EQ(lines, 4) << said;
}

// The hall of fame's cursor runs from the last game's row to the tenth place. Enter on a row
// without a replay says so; with text in the cheat console it only empties it, and the console
// still takes its words.
TEST_F(MenuReplay, TheHallOfFameCursorFindsNoReplayAndTheConsoleStillTakesWords) {
    KeyScriptWriter keys;
    keys.Tap(key::Down, 2).Tap(key::Enter).Tap(key::Down, 12).Tap(key::Up).Tap(key::Enter);
    const auto none = Play(keys);
    EXPECT_EQ(none.dump["menu"]["hallOfFameRow"], 9);
    EXPECT_EQ(none.dump["menu"]["statusLine"], "No replay kept");
    keys.Tap(key::Up, 10).Type("plumtroveab").Tap(key::Enter).Type("warp02");
    const auto typed = Play(keys);
    EXPECT_EQ(typed.dump["menu"]["hallOfFameRow"], 0);
    EXPECT_EQ(typed.dump["menu"]["statusLine"], std::string(kHallOfFameTitle))
        << "Enter only emptied it";
    EXPECT_EQ(typed.dump["level"]["InfoText"], "Cheater! - Level loaded... (Press ESC twice)");
}

// The Levels page: every level of the lvl folder, each played alone, the best results kept.
class LevelsReplay : public MenuReplay {
protected:
    LevelsReplay() {
        replay.AddLevel("own.dat", OwnLevel());
        replay.AddLevel("broken.dat", scenario::LevelText("Broken").Key("numYellow= 400"));
        replay.AddLevel("needs.dat", scenario::LevelText("Needs").Key("Requires= gone.zkr"));
        replay.AddLevel("EditTemp.dat", scenario::LevelText("Test run"));
    }
    // The page opened from the menu, then `keys`.
    static KeyScriptWriter OnPage() {
        KeyScriptWriter keys;
        keys.Tap(key::Down, 3).Tap(key::Enter);
        return keys;
    }
    // "own.dat" played from the page and won at once: its box closed with Enter.
    static KeyScriptWriter PlayOwn(KeyScriptWriter keys) {
        keys.Tap(key::End).Tap(key::Enter).At(keys.End() + 300).Tap(key::F1);
        keys.At(keys.End() + 500).Tap(key::Enter);
        return keys;
    }
    // A level of the player's own, won at the first step with a time bonus.
    static scenario::LevelText OwnLevel() {
        return scenario::LevelText("Own Level").Key("Timeout=", 100).Key("Level Author: Kim");
    }
    static std::string OwnRecord() { return Sha256Hex(OwnLevel().Text()); }
    std::string SettingsText() { return ReadBytes(replay.dir() / "settings.ini"); }
};

TEST_F(LevelsReplay, TheListHasEveryLevelShippedFirstAndRefusedOnesWithTheirReason) {
    auto keys = OnPage();
    // "r" finds Red Rush (lvl4), "ro" Rotten Orchard; Space looks for its best run.
    const auto run = Play(keys.Type("ro").Tap(key::Space));
    const auto& levels = run.dump["menu"]["levels"];
    ASSERT_EQ(levels.size(), 21u) << "EditTemp.dat is left out";
    EXPECT_EQ(levels[0]["file"], "lvl1.dat");
    EXPECT_EQ(levels[9]["file"], "lvl10.dat");
    EXPECT_EQ(levels[17]["file"], "lvl18.dat");
    EXPECT_EQ(levels[18]["file"], "broken.dat");
    EXPECT_EQ(levels[18]["error"],
              "broken.dat: line 26: numYellow= 400 asks for more than 300 items");
    EXPECT_EQ(levels[20]["name"], "Own Level");
    EXPECT_EQ(levels[20]["author"], "Kim");
    EXPECT_EQ(levels[20]["best"], "not played");
    EXPECT_EQ(run.dump["menu"]["levelsRow"], 7);
    EXPECT_EQ(run.dump["menu"]["statusLine"], "No replay kept");

    // A refused level says why and does not start; nor does one whose files are missing.
    keys = OnPage();
    keys.Tap(key::End).Tap(key::Up, 2).Tap(key::Enter);
    const auto refused = Play(keys);
    EXPECT_EQ(refused.dump["menu"]["statusLine"], levels[18]["error"]);
    keys.Tap(key::Down).Tap(key::Enter);
    const auto missing = Play(keys);
    EXPECT_EQ(missing.dump["menu"]["statusLine"],
              "This level requires files that are missing: gone.zkr");
    EXPECT_TRUE(missing.dump["flags"]["menuShown"] && !missing.dump["menu"]["levelRun"]);
}

TEST_F(LevelsReplay, AWonRunKeepsTheBestResultUntilTheLevelChanges) {
    replay.WriteSettings("[HiScore]\r\nScore 1=-5\r\n");
    const auto won = Play(PlayOwn(OnPage()));
    EXPECT_EQ(won.dump["menu"]["levels"][20]["best"], "100 in 0:00");
    EXPECT_EQ(won.dump["menu"]["levelsRow"], 21) << "back on the page, the row kept";
    EXPECT_TRUE(won.dump["menu"]["levelsPage"] == 1 && !won.dump["menu"]["levelRun"]);
    EXPECT_EQ(won.dump["hallOfFame"][0]["score"], "-5") << "the hall of fame is not touched";
    EXPECT_NE(SettingsText().find("own.dat=" + OwnRecord() + ",100,0,\n"), std::string::npos);

    // A run lost to its last life ends on the page too, never in the hall of fame.
    replay.AddLevel("edge.dat", scenario::EdgeLevel());
    KeyScriptWriter lost = OnPage();
    lost.Tap(key::End).Tap(key::Up, 2).Tap(key::Enter).At(lost.End() + 300).Tap(key::F1);
    for (int death = 0; death < 5; ++death)  // the fifth Enter closes the game-over box
        lost.At(lost.End() + 300).Tap(key::Left).At(lost.End() + 300).Tap(key::Enter);
    const auto over = Play(lost);
    EXPECT_EQ(over.dump["Snakes"][0]["deaths"], 4);
    EXPECT_EQ(over.dump["hallOfFame"][0]["score"], "-5");
    EXPECT_EQ(over.dump["menu"]["hallOfFamePage"], 0);
    EXPECT_TRUE(over.dump["menu"]["levelsPage"] == 1 && over.dump["flags"]["menuShown"]);
    EXPECT_EQ(over.dump["menu"]["levels"][19]["best"], "not played");

    // A lower result keeps the best one; a record for other bytes of a level is not shown.
    replay.WriteSettings("[Level Records]\r\nown.dat=" + OwnRecord() +
                         ",500,7,\r\nlvl1.dat=" + std::string(64, 'a') + ",10,1,\r\n");
    const auto lower = Play(PlayOwn(OnPage()));
    EXPECT_EQ(lower.dump["menu"]["levels"][21]["best"], "500 in 0:07");
    EXPECT_EQ(lower.dump["menu"]["levels"][0]["best"], "not played");

    // A run after the cheat console was unlocked counts for nothing.
    replay.WriteSettings("");
    KeyScriptWriter keys;
    keys.Tap(key::Down, 2).Tap(key::Enter).Type("plumtrove").Tap(key::Escape);
    keys.Tap(key::Down).Tap(key::Enter);
    const auto cheated = Play(PlayOwn(keys));
    EXPECT_EQ(cheated.dump["menu"]["levels"][21]["best"], "not played");
    EXPECT_EQ(SettingsText().find("own.dat"), std::string::npos);
}

}  // namespace
}  // namespace zelkor
