#include "game/control/options/command_line.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/control/startup_fixtures.h"

namespace zelkor {
namespace {

using Switches = std::vector<std::string>;

TEST(SplitCommandLine, CutsBeforeEachSlashThatFollowsText) {
    EXPECT_EQ(SplitCommandLine("/L=EditTemp.dat /AIS=3 /DM"),
              (Switches{"/L=EditTemp.dat", "/AIS=3", "/DM"}));
    EXPECT_EQ(SplitCommandLine(""), Switches{});
    EXPECT_EQ(SplitCommandLine("/DM   /H "), (Switches{"/DM  ", "/H "}))
        << "only one blank goes; the last piece is kept whole";
    EXPECT_EQ(SplitCommandLine("xy/DM"), (Switches{"x", "/DM"})) << "the character before goes";
    EXPECT_EQ(SplitCommandLine("/L=sub/x.dat"), (Switches{"/L=su", "/x.dat"}));
    EXPECT_EQ(SplitCommandLine("//"), (Switches{"", "/"}));
}

class SetCommandTest : public ::testing::Test {
protected:
    SetCommandTest() : game_(std::make_unique<Game>(clock_)) {}

    SwitchResult Apply(std::string_view commandLine) {
        return ApplyCommandLine(*game_, commandLine, {files_, store_, boxes_});
    }
    RunValues& run() { return game_->run; }

    ManualClock clock_;
    std::unique_ptr<Game> game_;
    TempFolder folder_;
    GameFiles files_{folder_.path()};
    MemorySettingsStore store_;
    RecordingMessageBox boxes_;
};

TEST_F(SetCommandTest, ModesCompareTheFirstCharactersExactly) {
    Apply("/DMX /Hx /debug /dm");
    EXPECT_EQ(run().gameMode, "DM") << "/DMX starts with /DM";
    EXPECT_FALSE(run().huntingMode) << "/H followed by more letters is not /H";
    EXPECT_FALSE(run().debug) << "letter case counts";

    Apply("/H /Debug");
    EXPECT_TRUE(run().huntingMode);
    EXPECT_TRUE(run().debug);
}

TEST_F(SetCommandTest, LimitBelowTwoDependsOnTheHuntingModeSoFar) {
    Apply("/Limit=1");
    EXPECT_EQ(run().limit, 120);
    Apply("/Limit=1 /H");
    EXPECT_EQ(run().limit, 120) << "/H came later";
    Apply("/H /Limit=1");
    EXPECT_EQ(run().limit, 30);
    Apply("/Limit=2.5");
    EXPECT_EQ(run().limit, 2) << "half to even";
    Apply("/Limit=99999");
    EXPECT_EQ(run().limit, 2) << "out of range: unchanged";
    Apply("/Limit=abc");
    EXPECT_EQ(run().limit, 30) << "no digits read as 0";
}

TEST_F(SetCommandTest, ComputerSnakesCountThePlayerIn) {
    Apply("/AIS=3");
    EXPECT_EQ(run().snakeCount, 4);
    EXPECT_TRUE(run().aisOn);
    EXPECT_TRUE(run().aisGiven);
    EXPECT_EQ(run().cmdAIS, 3);

    Apply("/AIS=0");
    EXPECT_EQ(run().snakeCount, 1);
    EXPECT_FALSE(run().aisOn);
    EXPECT_TRUE(run().aisGiven);
    EXPECT_EQ(run().cmdAIS, 0);
}

TEST_F(SetCommandTest, OnlyTheTwoKeyMapsAreKept) {
    Apply("/KM=DE");
    EXPECT_EQ(run().keyMap, "DE");
    Apply("/KM=de");
    EXPECT_EQ(run().keyMap, "US");
    Apply("/KM=DE /KM=FR");
    EXPECT_EQ(run().keyMap, "US");
}

TEST_F(SetCommandTest, ALevelIsFoundWhateverTheLetterCase) {
    folder_.Touch("LVL/EditTemp.DAT");
    EXPECT_EQ(Apply("/L=EditTemp.dat /AIS=3 /DM /H"), SwitchResult::Continue);
    EXPECT_TRUE(boxes_.boxes.empty());
    EXPECT_TRUE(run().levelGiven);
    EXPECT_EQ(run().cmdLevel, "EditTemp.dat");
    // The loader resolves letter case and encoding when it opens the game path.
    EXPECT_EQ(run().cmdLevelPath, (folder_.path() / "lvl").string() + "/EditTemp.dat");
    EXPECT_EQ(run().snakeCount, 4);
    EXPECT_EQ(run().gameMode, "DM");
    EXPECT_TRUE(run().huntingMode);
}

TEST_F(SetCommandTest, AMissingLevelShowsItsBoxAndEndsTheProgram) {
    folder_.Touch("lvl/lvl1.dat");
    EXPECT_EQ(Apply("/L=nope.dat /DM"), SwitchResult::EndProgram);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes_.boxes[0].title, "SetCommand_LoadLevel: Level does not exist!");
    EXPECT_EQ(boxes_.boxes[0].text, "Level nope.dat does not exist!");
    EXPECT_EQ(run().gameMode, "") << "nothing after it is applied";

    boxes_.boxes.clear();
    EXPECT_EQ(Apply("/L="), SwitchResult::Continue) << "an empty name is not looked for";
    EXPECT_TRUE(run().levelGiven);
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(SetCommandTest, AnAccentedLevelNameIsFoundOnDiskAndShownInItsBox) {
    // The command line is Windows-1252 in memory; the file's name on disk is UTF-8.
    folder_.Touch("lvl/Gr\xc3\xbcne.dat");
    EXPECT_EQ(Apply("/L=Gr\xfcne.dat"), SwitchResult::Continue);
    EXPECT_EQ(run().cmdLevelPath, (folder_.path() / "lvl").string() + "/Gr\xfcne.dat");
    EXPECT_EQ(Apply("/L=M\xfcll.dat"), SwitchResult::EndProgram);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, "Level M\xfcll.dat does not exist!");
}

TEST_F(SetCommandTest, NoCleanIsStoredAtOnceWhenItIsATruthValue) {
    Apply("/NoClean=True");
    EXPECT_TRUE(game_->options.noCleanUp);
    EXPECT_EQ(store_.Read("Options", "NoCleanUp"), "True");

    Apply("/NoClean=0");
    EXPECT_FALSE(game_->options.noCleanUp);
    EXPECT_EQ(store_.Read("Options", "NoCleanUp"), "False");

    game_->options.noCleanUp = true;
    Apply("/NoClean=maybe");
    EXPECT_TRUE(game_->options.noCleanUp);
    EXPECT_EQ(store_.Read("Options", "NoCleanUp"), "False") << "nothing stored";
}

}  // namespace
}  // namespace zelkor
