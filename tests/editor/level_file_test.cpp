// Saving and loading levels in the editor's layout.
#include <gtest/gtest.h>

#include <string>

#include "editor/core/level_loader.h"
#include "editor/core/level_writer.h"
#include "editor/core/resave.h"
#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"

namespace zelkor::editor {
namespace {

namespace fs = std::filesystem;

constexpr EditorVersion kVersion{1, 1, 14};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

EditorLevel Load(std::string_view bytes, const EditorLevel& before = {}) {
    return ReadEditorLevel(bytes, before).level;
}

// A level with something in every part of the file.
EditorLevel RichLevel() {
    EditorLevel level;
    level.grid.Set(0, '<');
    level.grid.Set(1, '-');
    level.grid.Set(2, '>');
    level.grid.Set(33, 'S');
    level.grid.Set(40, '3');
    level.grid.Set(100, 'a');
    level.grid.Set(101, 'b');
    level.grid.Set(200, '*');
    level.grid.Set(681, '+');
    LevelFields& f = level.fields;
    f.lvlName = "Gr\xFCne H\xF6hle";  // Windows-1252
    f.lvlNext = "lvl2.dat";
    f.timeLimit = "120";
    f.Author = "Jo";
    f.numYellow = "5";
    f.numBlue = "1";
    f.blueRate = 40;
    f.powerRate = 650;
    f.reqScore = "250";
    f.hideCollected = true;
    f.bkgPic = "bkg\\bkg_tech.bmp";
    f.bkgMusic = "dark.mid";
    level.userItems.Add({"wall", "bricks\\brick2_v.bmp"});
    level.userItems.Add({"ani_wall", "bricks\\brick1_animated"});
    level.requiredFiles.Add("bricks.zkr");
    level.requiredFiles.Add("bkg.zkr");
    level.keptLines = {"AIS= 3", "gSpeed= 90", "; a note for the next designer"};
    return level;
}

TEST(Save, WritesEverySectionInTheEditorsLayout) {
    const std::vector<std::string> lines = Lines(LevelFileText(RichLevel(), kVersion));
    const std::vector<std::string> expected{
        "[Level Info]",
        "lvlName= Gr\xFCne H\xF6hle",
        "nextLvl= lvl2.dat",
        "Timeout= 120",
        "",
        "[Required Files]",
        "Requires=bricks.zkr",
        "Requires=bkg.zkr",
        "",
        "[Items]",
        "numYellow= 5",
        "numRed= 0",
        "numBlue= 1",
        "numBlack= 0",
        "numTNT= 0",
        "numPower= 0",
        "",
        "[Items to be collected]",
        "reqYellow= 1",
        "reqRed= 0",
        "reqBlue= 0",
        "reqBlack= 0",
        "reqScore= 250",
        "HideCollected=True",
        "",
        "[Rates]",
        "blueRate= 40",
        "powerRate= 650",
        "",
        "[User Items]",
        ";Declarations",
        "let:a=wall",
        "let:b=ani_wall",
        "",
        ";User Gfx",
        "set:a=bricks\\brick2_v.bmp",
        "set:b=bricks\\brick1_animated",
        "[Background]",
        "BkgPic= bkg\\bkg_tech.bmp",
        "MusicFile=dark.mid",
        "AIS= 3",
        "gSpeed= 90",
        "; a note for the next designer",
        "",
        "[EOF (End of file)]",
        "Created with lvlEdit for Zelkor v.1.1.14 - by the Zelkor team, 2026",
        "Level Author: Jo"};
    ASSERT_EQ(lines.size(), 24 + expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 24, lines.end()), expected);
    // Twenty-two rows of the grid, a code and a blank for each cell, then two empty lines.
    EXPECT_EQ(lines[0], "< - > 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(lines[21].substr(58), "0 + ");
    EXPECT_EQ(lines[22] + lines[23], "");
}

TEST(Save, AnItemWithOnePartWritesOnlyThatLineAndFieldsStayOnTheirLine) {
    EditorLevel level;
    level.userItems.Add({"wall", ""});
    level.userItems.Add({"", "rock.bmp"});
    level.fields.lvlName = "two\r\nAIS= 9";
    const std::string text = LevelFileText(level, kVersion);
    EXPECT_NE(text.find("let:a=wall\r\n\r\n;User Gfx\r\nset:b=rock.bmp\r\n[Background]"),
              std::string::npos);
    EXPECT_NE(text.find("lvlName= two  AIS= 9\r\n"), std::string::npos);
}

TEST(RoundTrip, ALoadOfASavedLevelGivesTheLevelBack) {
    const EditorLevel level = RichLevel();
    const std::string text = LevelFileText(level, kVersion);
    EditorReadResult read = ReadEditorLevel(text, EditorLevel{});
    EXPECT_EQ(read.author, "Jo");
    read.level.fields.Author = "Jo";
    EXPECT_EQ(read.level, level);
    EXPECT_EQ(LevelFileText(read.level, kVersion), text);
}

TEST(Load, FillsTheGridInReadingOrderAcrossLines) {
    // A short first row moves every later cell up; the last character of a line and
    // blanks are skipped; cells beyond the grid are dropped.
    const EditorLevel short1 = Load("S+*0\n< > \n");
    EXPECT_EQ(short1.grid.At(0), 'S');
    EXPECT_EQ(short1.grid.At(1), '+');
    EXPECT_EQ(short1.grid.At(2), '*');
    EXPECT_EQ(short1.grid.At(3), '<') << "the next line goes on where the last stopped";
    EXPECT_EQ(short1.grid.At(4), '>');
    EXPECT_EQ(short1.grid.At(5), '0');

    std::string crowded;
    for (int r = 0; r < 22; ++r)
        crowded += std::string(40, '+') + "\r\n";
    const EditorLevel full = Load(crowded);
    EXPECT_EQ(full.grid.At(681), '+');
    EXPECT_EQ(Load("\n\n", full).grid, GridCells{}) << "a load starts from an empty grid";
}

TEST(Load, TakesEachKeyAsTheEditorDoes) {
    EditorLevel before;
    before.fields.numTNT = "7";
    before.fields.lvlName = "kept";
    before.userItems.Add({"wall", "x.bmp"});
    before.requiredFiles.Add("old.zkr");
    before.keptLines = {"AIS= 1"};
    std::string text(22, '\n');
    text +=
        "numYellow= 3x\nnumRed=\nnumBlue= 2.50\nreqScore= -4\nTimeout= 90 s\n"
        "blueRate= 5\npowerRate= 650.5\nHideCollected= True\n"
        "nextLvl= lvl9.dat\nBkgPic=   bkg_steel.bmp\nMusicFile= spaced.mid\n"
        "Requires=  \nRequires= bkg.zkr\n"
        "let:A=wall\nlet:c=\nlet:{=wall\nset:d=only.bmp\nlet:e=wall_no_tnt\n"
        "let:f=wall\nset:f=first.bmp\nset:f=second.bmp\nlet:f=ani_wall\n"
        "[Items]\n;Declarations\nCreated with lvlEdit for Zelkor v.9.9.9 by someone\n"
        "Level Author: Kim\n";
    const EditorReadResult read = ReadEditorLevel(text, before);
    const LevelFields& f = read.level.fields;
    EXPECT_EQ(f.numYellow, "3");
    EXPECT_EQ(f.numRed, "0");
    EXPECT_EQ(f.numBlue, "2.5");
    EXPECT_EQ(f.reqScore, "-4");
    EXPECT_EQ(f.timeLimit, "90");
    EXPECT_EQ(f.numTNT, "7") << "a key the file lacks leaves its field";
    EXPECT_EQ(f.lvlName, "kept");
    EXPECT_EQ(f.blueRate, kBlueRateMin) << "brought into the slider's range";
    EXPECT_EQ(f.powerRate, kPowerRateMax);
    EXPECT_FALSE(f.hideCollected) << "only the exact text True";
    EXPECT_EQ(f.lvlNext, "lvl9.dat");
    EXPECT_EQ(f.bkgPic, "bkg_steel.bmp");
    EXPECT_EQ(f.bkgMusic, " spaced.mid");
    EXPECT_EQ(read.level.requiredFiles.Entries(), std::vector<std::string>{"bkg.zkr"});
    EXPECT_EQ(read.level.userItems.Entries(),
              (std::vector<std::string>{"d: only.bmp", "e: wall_no_tnt", "f: wall: first.bmp"}));
    EXPECT_TRUE(read.level.keptLines.empty());
    EXPECT_EQ(read.author, "Kim");
}

TEST(Load, KeepsTheLinesItDoesNotEditInTheirOrder) {
    std::string text = "0 0 \nAIS= 2\n" + std::string(20, '\n');
    text +=
        "[Level Info]\nhasOpenWalls=True\nnumYellow= 2\nSnakeStrtX= 300\n; comment\n"
        "unknown=1\n\nminSpd= 40\n";
    const EditorLevel level = Load(text);
    EXPECT_EQ(level.keptLines,
              (std::vector<std::string>{"AIS= 2", "hasOpenWalls=True", "SnakeStrtX= 300",
                                        "; comment", "unknown=1", "minSpd= 40"}));
}

TEST(Load, ThirtyThreeRequiredFilesFillThirtyTwoSlots) {
    std::string text(22, '\n');
    for (int i = 1; i <= 33; ++i)
        text += "Requires=f" + std::to_string(i) + ".zkr\n";
    const auto entries = Load(text).requiredFiles.Entries();
    ASSERT_EQ(entries.size(), 32u);
    EXPECT_EQ(entries.back(), "f32.zkr");
}

// A missing folder or file and its message are the window's tests (files_test.cpp).
TEST(Files, FailuresNameTheSystemsErrorAndChangeNothing) {
    TempFolder folder;
    EXPECT_EQ(std::get<FileResult>(ReadLevelFileBytes(folder.path())).error, EISDIR);
    // A file that is not text, picked by mistake, is refused before it replaces a level.
    WriteBytes(folder.path() / "picture.dat", std::string("BM\r\n\x36\0\0\0", 8));
    const auto picture = ReadLevelFileBytes(folder.path() / "picture.dat");
    ASSERT_TRUE(std::holds_alternative<FileResult>(picture));
    EXPECT_EQ(LoadFailedMessage(std::get<FileResult>(picture)),
              "Could not load! Err: 22 (not a level file: line 2 holds a zero byte)");
}

// A full disk: the save fails with the system's reason, the old level stays whole and
// no temporary file is left.
TEST(Files, ASaveThatRunsOutOfRoomKeepsTheOldLevel) {
    TempFolder folder;
    const fs::path file = folder.path() / "level.dat";
    WriteBytes(file, "the old level");
    ExpectTrueOnAFullDisk(200, [&] {
        return SaveFailedMessage(ZkSaveLevel(file, RichLevel())) ==
               "Could not save! Err: 27 (File too large)";
    });
    EXPECT_EQ(ReadBytes(file), "the old level");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(Resave, KeepsTheLevelsAuthorAndReportsAFailedSave) {
    TempFolder folder;
    const fs::path in = folder.path() / "in.dat";
    const fs::path out = folder.path() / "out.dat";
    WriteBytes(in, LevelFileText(RichLevel(), kVersion));
    std::ostringstream errors;
    EditorLevel start;
    start.fields.Author = "Editor user";
    ASSERT_EQ(RunResave(in, out, start, errors), 0) << errors.str();
    EXPECT_EQ(ReadBytes(out), LevelFileText(RichLevel()));

    WriteBytes(in, std::string(22, '\n'));
    ASSERT_EQ(RunResave(in, out, start, errors), 0);
    EXPECT_NE(ReadBytes(out).find("Level Author: Editor user\r\n"), std::string::npos);

    // A failed load is the programs' test; a failed save:
    EXPECT_EQ(RunResave(in, folder.path() / "no" / "out.dat", start, errors), 1);
    EXPECT_NE(errors.str().find("Could not save! Err: 2"), std::string::npos);
}

}  // namespace
}  // namespace zelkor::editor
