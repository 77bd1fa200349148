#include "game/control/run/startup_checks.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

#include "tests/control/startup_fixtures.h"

namespace zelkor {
namespace {

TEST(LevelFolderCheck, PassesWithALevelFileInAnyLetterCaseAndOtherwiseNamesTheError) {
    TempFolder found;
    found.Touch("Lvl/LVL1.DAT");
    RecordingMessageBox boxes;
    EXPECT_TRUE(RunLevelFolderCheck(GameFiles(found.path()), boxes));
    EXPECT_TRUE(boxes.boxes.empty());

    TempFolder game;
    EXPECT_FALSE(RunLevelFolderCheck(GameFiles(game.path()), boxes));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.boxes[0].title,
              "INIT_Main: Error No \\lvl folder! (" + std::to_string(ENOENT) + ")");
    EXPECT_EQ(boxes.boxes[0].text,
              "The Level files were not found.\r\n"
              "This EXE (Zelkor.exe) must be located in the folder where 'lvl' and 'gfx.zkr' "
              "are.\r\n"
              "Put it there and it will work");

    game.Touch("lvl/readme.txt");
    game.Touch("lvl/old.dat.bak");
    std::filesystem::create_directories(game.path() / "lvl" / "folder.dat");
    EXPECT_EQ(CheckLevelFolder(GameFiles(game.path())).ok, false);
    EXPECT_EQ(CheckLevelFolder(GameFiles(game.path())).errorNumber, 0)
        << "the folder is there but empty";
    EXPECT_EQ(LevelFolderErrorTitle(0), "INIT_Main: Error No \\lvl folder! (0)");

    TempFolder other;
    other.Touch("lvl");  // a file where the folder should be
    EXPECT_EQ(CheckLevelFolder(GameFiles(other.path())).errorNumber, ENOTDIR);
}

TEST(NullMessageBox, WritesTitleAndTextAndTakesTheFirstButton) {
    std::ostringstream out;
    NullMessageBox box(out);
    EXPECT_EQ(box.Show(MessageIcon::Critical, "T\xE4tel", "one\r\ntwo"), MessageAnswer::Ok);
    EXPECT_EQ(out.str(), "Zelkor: error: T\xC3\xA4tel\none\ntwo\n");
    EXPECT_EQ(box.Show(MessageIcon::Question, "Q", "?", MessageButtons::YesNo), MessageAnswer::Yes);
}

}  // namespace
}  // namespace zelkor
