// The shipped levels as the game reads them: each loads, names only files the game folder
// has, starts its snakes on free ground, and the chain runs from the first level to "END".
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/paths.h"
#include "editor/core/resave.h"
#include "game/control/headless/check_level.h"
#include "game/control/headless/headless.h"
#include "game/platform/archive_readers.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"
#include "tests/content/game_folder.h"

namespace zelkor::content {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// What `Zelkor --check-level` prints for a shipped level, with the archives it requires.
Json CheckLevel(const fs::path& folder, const std::string& file) {
    std::ostringstream out;
    LibraryArchiveReaders readers;
    const int status = RunCheckLevel(folder / file, StagedGameFolder(), out, &readers);
    EXPECT_EQ(status, 0) << file << ": " << out.str();
    return Json::parse(out.str());
}
Json CheckLevel(const std::string& file) {
    return CheckLevel(StagedGameFolder() / "lvl", file);
}

std::vector<std::string> ShippedLevels() {
    std::vector<std::string> files;
    for (int n = 1; n <= kShippedLevels; ++n)
        files.push_back(LevelFileName(n));
    return files;
}

TEST(ShippedLevels, TheChainRunsFromTheFirstLevelThroughEveryLevelToTheEnd) {
    std::vector<std::string> chain;
    std::string file = "lvl1.dat";
    while (chain.size() <= kShippedLevels) {
        ASSERT_TRUE(fs::exists(StagedGameFolder() / "lvl" / file)) << "a level names " << file;
        chain.push_back(file);
        const Json level = CheckLevel(file);
        ASSERT_TRUE(level["ok"]) << file;
        const std::string next = level["keys"]["nextLvl"];
        if (next.size() >= 3 && next.substr(next.size() - 3) == "END") break;
        file = next;
    }
    EXPECT_EQ(chain, ShippedLevels()) << "in order, once each, ending in END";
}

// A snake standing at (x, y) meets the wall anchored at (tx, ty).
bool MeetsWall(int x, int y, int tx, int ty) {
    return tx - 16 <= x && x <= tx + 12 && ty - 16 <= y && y <= ty + 12;
}

TEST(ShippedLevels, EverySnakeStartsInsideThePlayfieldAndClearOfWalls) {
    for (const std::string& file : ShippedLevels()) {
        SCOPED_TRACE(file);
        const Json level = CheckLevel(file);
        std::vector<std::pair<int, int>> walls;
        for (const Json& w : level["walls"])
            walls.emplace_back(w["x"], w["y"]);
        for (const Json& u : level["userItems"])
            walls.emplace_back(u["x"], u["y"]);

        bool playerPlaced = false;
        int computerStarts = 0;
        for (const Json& start : level["starts"]) {
            const int snake = start["snake"], x = start["x"], y = start["y"];
            if (snake == 1) playerPlaced = true;
            if (snake > 1) ++computerStarts;
            EXPECT_TRUE(1 <= x && x <= 614 && 1 <= y && y <= 454) << "snake " << snake;
            for (const auto& [tx, ty] : walls)
                EXPECT_FALSE(MeetsWall(x, y, tx, ty))
                    << "snake " << snake << " on " << tx << "," << ty;
        }
        EXPECT_TRUE(playerPlaced);
        // A level that asks for computer snakes gives each one a start, the last in
        // reading order being the highest, so that none of them is left out.
        const int asked = level["keys"].value("AIS", 0);
        EXPECT_GE(computerStarts, asked);
        if (asked > 0) {
            EXPECT_EQ(level["LastStart"], asked + 1);
        }
    }
}

// Every file a level names is in the game folder once the game has loaded the level:
// its background, its music, its required files and every user item's pictures, all
// 45 frames of an animated one (a missing frame ends the program).
// The runs start in a folder where start-up has unpacked its own archives already; the
// level archives are unpacked by the level loads themselves.
TEST(ShippedLevels, EverythingALevelNamesIsInTheGameFolderWhenItIsLoaded) {
    const fs::path& folder = StartedGameFolder();
    LevelArchivesOnly archives;
    SdlPictureFiles pictures;
    SdlTextRenderer text;
    for (const std::string& file : ShippedLevels()) {
        SCOPED_TRACE(file);
        ProgramOptions o;
        o.gameDir = folder;
        o.runMs = 300;
        o.commandLine = "/NoClean=True /L=" + file;
        o.dumpFile = folder / "dump.json";
        ASSERT_EQ(RunHeadless(o, HeadlessPlatform{archives, pictures, text}), 0);
        const Json dump = Json::parse(ReadBytes(*o.dumpFile));
        EXPECT_EQ(dump["level"]["LevelFile"], "lvl/" + file);
        EXPECT_FALSE(dump["flags"]["menuShown"]) << dump["level"]["InfoText"];

        const Json level = CheckLevel(file);
        const Json& keys = level["keys"];
        EXPECT_TRUE(PathExists(folder, "gfx/" + ToRelativePath(keys["BkgPic"].get<std::string>())))
            << keys["BkgPic"];
        EXPECT_TRUE(PathExists(folder, "music/" + keys["MusicFile"].get<std::string>()))
            << keys["MusicFile"];
        for (const Json& required : level["requiredFiles"])
            EXPECT_TRUE(PathExists(folder, ToRelativePath(required.get<std::string>())))
                << required;
        for (const Json& cell : level["userItems"]) {
            const std::string gfx = ToRelativePath(cell["gfx"].get<std::string>());
            const std::string decl = cell["decl"];
            ASSERT_TRUE(cell["hasGfx"]) << "no picture for the user item " << gfx;
            if (decl.rfind("ani_", 0) == 0) {
                for (int frame = 1; frame <= 45; ++frame)
                    EXPECT_TRUE(
                        PathExists(folder, "gfx/" + gfx + "/" + std::to_string(frame) + ".bmp"))
                        << gfx << " frame " << frame;
            } else {
                EXPECT_EQ(decl.rfind("wall", 0), 0u) << gfx << " has no type";
                EXPECT_TRUE(PathExists(folder, "gfx/" + gfx)) << gfx;
            }
        }
    }
}

// The levels are kept as the editor writes them: 22 rows of 31 cells and CR LF line
// ends, with nothing in the 31st cell, which the game never reads.
TEST(ShippedLevels, EveryLevelIsInTheEditorsLayout) {
    for (const std::string& file : ShippedLevels()) {
        SCOPED_TRACE(file);
        const std::string text = ReadBytes(StagedGameFolder() / "lvl" / file);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
            lines.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
        ASSERT_GT(lines.size(), 22u);
        for (int row = 0; row < 22; ++row) {
            const std::string& line = lines[static_cast<std::size_t>(row)];
            ASSERT_EQ(line.size(), 62u) << "row " << row + 1;
            for (std::size_t cell = 0; cell < 31; ++cell)
                EXPECT_EQ(line[2 * cell + 1], ' ') << "row " << row + 1;
            EXPECT_EQ(line[60], '0') << "row " << row + 1 << " has something in column 31";
        }
        for (const char* section :
             {"[Level Info]", "[Required Files]", "[Items]", "[Items to be collected]", "[Rates]",
              "[User Items]", "[Background]", "[EOF (End of file)]"})
            EXPECT_NE(std::find(lines.begin(), lines.end(), section), lines.end()) << section;
    }
}

// The shipped levels are kept as the editor saves them, so a designer who opens one and
// saves it again sees no change, and the game reads the resaved file as before.
TEST(ShippedLevels, AResaveThroughTheEditorChangesNothing) {
    const TempFolder resaved;
    for (const std::string& file : ShippedLevels()) {
        SCOPED_TRACE(file);
        const fs::path in = StagedGameFolder() / "lvl" / file;
        const fs::path out = resaved.path() / file;
        std::ostringstream errors;
        ASSERT_EQ(editor::RunResave(in, out, editor::EditorLevel{}, errors), 0) << errors.str();
        EXPECT_EQ(ReadBytes(out), ReadBytes(in));
        EXPECT_EQ(CheckLevel(resaved.path(), file), CheckLevel(StagedGameFolder() / "lvl", file));
    }
}

}  // namespace
}  // namespace zelkor::content
