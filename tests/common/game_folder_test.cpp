#include "common/game_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
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

// Sets an environment variable for the length of a test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(GameFolder, AnInstalledGamePlaysFromThePlayersFolderAndABuiltOneFromItsOwn) {
    TempFolder dir;
    const ScopedEnvironment data("XDG_DATA_HOME", (dir.path() / "data").string());
    WriteBytes(dir.path() / "usr/share/zelkor/lvl/lvl1.dat", "level");
    WriteBytes(dir.path() / "usr/share/zelkor" / kShippedListName, "h1 5 lvl/lvl1.dat\n");
    const fs::path installed = dir.Touch("usr/bin/Zelkor");
    const fs::path built = dir.Touch("build/dist/Zelkor");
    dir.Touch("build/dist/lvl/lvl1.dat");

    EXPECT_EQ(LocateGameFolder(installed).shippedData, dir.path() / "usr/share/zelkor");
    EXPECT_FALSE(fs::exists(dir.path() / "data")) << "locating writes nothing";
    const OpenedGameFolder opened = OpenGameFolder(installed);
    EXPECT_EQ(opened.folder, dir.path() / "data" / "Zelkor");
    EXPECT_TRUE(opened.problems.empty());
    EXPECT_FALSE(opened.newVersion) << "a first start is no newer version";
    EXPECT_EQ(ReadBytes(opened.folder / "lvl" / "lvl1.dat"), "level");

    // A newer installation changes a shipped file: once, the game hears of it.
    WriteBytes(dir.path() / "usr/share/zelkor/lvl/lvl1.dat", "level v2");
    WriteBytes(dir.path() / "usr/share/zelkor" / kShippedListName, "h2 8 lvl/lvl1.dat\n");
    EXPECT_TRUE(OpenGameFolder(installed).newVersion);
    EXPECT_EQ(ReadBytes(opened.folder / "lvl" / "lvl1.dat"), "level v2");
    EXPECT_FALSE(OpenGameFolder(installed).newVersion);

    const OpenedGameFolder own = OpenGameFolder(built);
    EXPECT_EQ(own.folder, dir.path() / "build" / "dist");
    EXPECT_EQ(LocateGameFolder(built).shippedData, "");
    EXPECT_TRUE(own.problems.empty());
}

}  // namespace
}  // namespace zelkor
