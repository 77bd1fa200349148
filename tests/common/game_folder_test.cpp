#include "common/game_folder.h"

#include <gtest/gtest.h>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

TEST(GameFolder, IsTheFolderOfTheGameProgram) {
    EXPECT_EQ(GameFolderOf("/opt/zelkor/Zelkor"), "/opt/zelkor");
    EXPECT_EQ(GameFolderOf("/opt/zelkor/Zelkor.exe"), "/opt/zelkor");
    EXPECT_EQ(GameFolderOf("Zelkor"), ".");
    EXPECT_EQ(GameFolderOf(""), "");
    EXPECT_TRUE(IsGameProgramName("zelkor"));
    EXPECT_TRUE(IsGameProgramName("ZELKOR.EXE"));
    EXPECT_FALSE(IsGameProgramName("Zelkor.sh"));
    EXPECT_FALSE(IsGameProgramName("ZelkorLvlEdit"));
}

TEST(GameFolder, TheGameProgramIsFoundBesideWhateverItsLetterCase) {
    TempFolder folder;
    EXPECT_EQ(FindGameProgramIn(folder.path()), "");
    folder.Touch("ZelkorLvlEdit");
    std::filesystem::create_directory(folder.path() / "zelkor");  // a folder is no program
    EXPECT_EQ(FindGameProgramIn(folder.path()), "");
    folder.Touch("ZELKOR.exe");
    EXPECT_EQ(FindGameProgramIn(folder.path()), folder.path() / "ZELKOR.exe");
    EXPECT_EQ(FindGameProgramIn(folder.path() / "missing"), "");
}

}  // namespace
}  // namespace zelkor
