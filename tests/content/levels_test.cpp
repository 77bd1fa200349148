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
#include "game/rules/collection_windows.h"
#include "game/rules/movement.h"
#include "tests/content/game_folder.h"

namespace zelkor::content {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// What `Zelkor --check-level` prints for a shipped level, with the archives it requires.
Json CheckLevel(const std::string& file) {
    std::ostringstream out;
    LibraryArchiveReaders readers;
    const int status =
        RunCheckLevel(StagedGameFolder() / "lvl" / file, StagedGameFolder(), out, &readers);
    EXPECT_EQ(status, 0) << file << ": " << out.str();
    return Json::parse(out.str());
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
            EXPECT_TRUE(InsidePlayfield(x, y)) << "snake " << snake;
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
// level archives are unpacked by the level loads themselves. That each level loads and is
// won, its kept win shows (autopilot_test.cpp).
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
        ASSERT_EQ(RunHeadless(o, HeadlessPlatform{archives, pictures, text}), 0);
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

// The shipped levels are kept as the editor saves them (its tests hold the layout), so a
// designer who opens one and saves it again sees no change; and nothing stands in the
// 31st cell of a row, which the game never reads.
TEST(ShippedLevels, AreKeptAsTheEditorSavesThemWithTheLastColumnEmpty) {
    const TempFolder resaved;
    for (const std::string& file : ShippedLevels()) {
        SCOPED_TRACE(file);
        const fs::path in = StagedGameFolder() / "lvl" / file;
        const fs::path out = resaved.path() / file;
        std::ostringstream errors;
        ASSERT_EQ(editor::RunResave(in, out, editor::EditorLevel{}, errors), 0) << errors.str();
        const std::string text = ReadBytes(in);
        EXPECT_EQ(ReadBytes(out), text);
        for (std::size_t row = 0; row < 22; ++row)
            EXPECT_EQ(text.substr(64 * row + 60, 4), "0 \r\n") << "row " << row + 1;
    }
}

}  // namespace
}  // namespace zelkor::content
