#include "common/game_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "common/player_game_folder.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

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

TEST(GameFolder, TheGameProgramIsFoundBesideWhateverItsLetterCaseThenOnThePath) {
    TempFolder folder;
    const fs::path editor = folder.path() / "editor";
    const fs::path bin = folder.path() / "bin";
    fs::create_directories(editor);
    EXPECT_EQ(FindGameProgramIn(editor), "");
    folder.Touch("editor/ZelkorLvlEdit");
    fs::create_directory(editor / "zelkor");  // a folder is no program
    EXPECT_EQ(FindGameProgramIn(editor), "");
    EXPECT_EQ(FindGameProgramIn(folder.path() / "missing"), "");

    // On the path only an executable "Zelkor" counts, and only in absolute folders.
    folder.Touch("plain/Zelkor");
    folder.Touch("bin/Zelkor");
    fs::permissions(bin / "Zelkor", fs::perms::owner_exec, fs::perm_options::add);
    const std::string path = "bin::" + (folder.path() / "plain").string() + ":" + bin.string();
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());  // where "bin" would find a program
    EXPECT_EQ(FindGameProgram(editor, "bin"), "");
    fs::current_path(before);
    EXPECT_EQ(FindGameProgram(editor, path), bin / "Zelkor");
    EXPECT_EQ(FindGameProgram(editor, ""), "");

    folder.Touch("editor/ZELKOR.exe");
    EXPECT_EQ(FindGameProgramIn(editor), editor / "ZELKOR.exe");
    EXPECT_EQ(FindGameProgram(editor, path), editor / "ZELKOR.exe") << "the one beside comes first";
}

TEST(GameFolder, ThePlayersFolderFollowsXdgDataHome) {
    EXPECT_EQ(PlayerGameFolder("/data", "/home/ann"), "/data/Zelkor");
    EXPECT_EQ(PlayerGameFolder("relative/data", "/home/ann"), "/home/ann/.local/share/Zelkor");
    EXPECT_EQ(PlayerGameFolder(nullptr, "/home/ann"), "/home/ann/.local/share/Zelkor");
    EXPECT_EQ(PlayerGameFolder("", "/home/ann"), "/home/ann/.local/share/Zelkor");
    EXPECT_EQ(PlayerGameFolder(nullptr, nullptr).filename(), "Zelkor");
}

// An installed game plays from the player's folder (the install test); a built one
// plays from its own folder and writes nowhere else.
TEST(GameFolder, ABuiltGamePlaysFromItsOwnFolder) {
    TempFolder dir;
    const fs::path built = dir.Touch("build/dist/Zelkor");
    dir.Touch("build/dist/lvl/lvl1.dat");
    const OpenedGameFolder own = OpenGameFolder(built);
    EXPECT_EQ(own.folder, dir.path() / "build" / "dist");
    EXPECT_EQ(LocateGameFolder(built).shippedData, "");
    EXPECT_TRUE(own.problems.empty());
    EXPECT_FALSE(own.newVersion);
}

}  // namespace
}  // namespace zelkor
