#include "game/control/headless/check_level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path kLevels = fs::path(ZELKOR_TEST_DATA_DIR) / "levels";

class CheckLevel : public ::testing::Test {
protected:
    CheckLevel() { fs::create_directories(gameDir_ / "gfx" / "Bricks"); }

    // Runs the check and parses its output, which must be valid JSON (UTF-8).
    Json Check(const fs::path& file, int expectedStatus) {
        std::ostringstream out;
        EXPECT_EQ(RunCheckLevel(file, gameDir_, out), expectedStatus);
        return Json::parse(out.str());
    }

    void Touch(const fs::path& relative) { std::ofstream(gameDir_ / relative) << "x"; }

    TempFolder folder_;
    const fs::path gameDir_ = folder_.path();
};

TEST_F(CheckLevel, ReportsWhatTheGameTakesFromAnEditorLevel) {
    Touch("gfx/Bricks/Brick2_V.bmp");  // found whatever the letter case
    const Json doc = Check(kLevels / "editor_layout.dat", 0);
    EXPECT_EQ(doc["ok"], true);
    EXPECT_TRUE(doc["error"].is_null());

    const Json& walls = doc["walls"];
    ASSERT_EQ(walls.size(), 52u) << "30 in the first row: its 31st cell is never placed";
    EXPECT_EQ(walls[0], (Json{{"x", 20}, {"y", 20}, {"kind", "v_l"}}));
    EXPECT_EQ(walls[29], (Json{{"x", 600}, {"y", 20}, {"kind", "h"}}));
    EXPECT_EQ(walls[33], (Json{{"x", 160}, {"y", 80}, {"kind", "s"}}));

    const Json starts = Json::parse(R"([{"snake":1,"x":70,"y":70},{"snake":2,"x":90,"y":30},
                                        {"snake":6,"x":50,"y":50}])");
    EXPECT_EQ(doc["starts"], starts);
    EXPECT_EQ(doc["LastStart"], 1) << "the start met last, not the highest";
    EXPECT_EQ(doc["spawnPoints"], Json::parse(R"([{"x":190,"y":30}])"));

    const Json userItems = Json::parse(R"([
        {"x":240,"y":40,"gfx":"bricks\\brick2_v.bmp","hasGfx":true,"decl":"wall"},
        {"x":260,"y":40,"gfx":"B","hasGfx":false,"decl":"ani_wall"},
        {"x":240,"y":60,"gfx":"bricks\\brick2_v.bmp","hasGfx":true,"decl":"wall"}])");
    EXPECT_EQ(doc["userItems"], userItems);

    const Json& keys = doc["keys"];
    EXPECT_EQ(keys["lvlName"], "Gr\u00fcne H\u00f6hle");
    EXPECT_EQ(keys["nextLvl"], "lvl2.dat");
    EXPECT_EQ(keys["Timeout"], 120.0);
    EXPECT_EQ(keys["numRed"], 0);
    EXPECT_EQ(keys["reqScore"], 250);
    EXPECT_EQ(keys["HideCollected"], false);
    EXPECT_EQ(keys["BkgPic"], "bkg_standart.bmp");
    EXPECT_EQ(keys["MusicFile"], "song.mid");
    EXPECT_EQ(keys.size(), 19u);
    EXPECT_FALSE(keys.contains("Requires") || keys.contains("set") || keys.contains("let"));
    EXPECT_EQ(doc["requiredFiles"], Json::parse(R"(["bricks.zkr"])"));
}

TEST_F(CheckLevel, KeepsWhatWasReadBeforeAFailure) {
    const Json doc = Check(kLevels / "item_count_too_large.dat", 1);
    EXPECT_EQ(doc["ok"], false);
    EXPECT_EQ(doc["error"]["line"], 5);
    EXPECT_NE(doc["error"]["reason"].get<std::string>().find("numYellow="), std::string::npos);
    EXPECT_EQ(doc["walls"].size(), 2u);
    EXPECT_EQ(doc["starts"], Json::parse(R"([{"snake":1,"x":50,"y":10}])"));
    EXPECT_EQ(doc["spawnPoints"].size(), 1u);
    EXPECT_EQ(doc["keys"], (Json{{"lvlName", "Broken"}}));
    EXPECT_TRUE(doc["requiredFiles"].empty()) << "lines after the failure are not read";
}

TEST_F(CheckLevel, AnUnreadableFileGivesStatusTwoAndAnEmptyDocument) {
    for (const fs::path& file : {gameDir_ / "missing.dat", gameDir_ / "gfx"}) {
        const Json doc = Check(file, 2);
        EXPECT_EQ(doc["ok"], false);
        EXPECT_EQ(doc["error"]["line"], 0);
        EXPECT_TRUE(doc["walls"].empty() && doc["keys"].empty());
        EXPECT_EQ(doc["LastStart"], 0);
    }
}

TEST_F(CheckLevel, AUserItemPictureCountsOnlyWhenSetComesAfterLet) {
    Touch("gfx/pic.bmp");
    std::ofstream(gameDir_ / "order.dat") << "a b 0\n\nset:a=pic.bmp\nlet:a=wall\nlet:b=x\n"
                                             "set:b=nothing.bmp\nset:a=pic.bmp\n";
    const Json doc = Check(gameDir_ / "order.dat", 0);
    EXPECT_EQ(doc["userItems"], Json::parse(R"([
        {"x":20,"y":20,"gfx":"pic.bmp","hasGfx":true,"decl":""},
        {"x":40,"y":20,"gfx":"B","hasGfx":false,"decl":"x"}])"));
}

TEST_F(CheckLevel, FindsPicturesAsTheGameDoesWhateverTheCaseAndLetters) {
    fs::rename(gameDir_ / "gfx", gameDir_ / "GFX");
    std::ofstream(gameDir_ / "GFX" / "Bricks" / "m\xc3\xbcll.bmp") << "x";
    // "set:a=Bricks\müll.bmp" in Windows-1252, as level files hold it.
    std::ofstream(gameDir_ / "umlaut.dat") << "a 0\n\nset:a=bricks\\M\xfcll.bmp\n";
    const Json doc = Check(gameDir_ / "umlaut.dat", 0);
    ASSERT_EQ(doc["userItems"].size(), 1u);
    EXPECT_EQ(doc["userItems"][0]["hasGfx"], true);
    EXPECT_EQ(doc["userItems"][0]["gfx"], "bricks\\M\u00fcll.bmp");
}

}  // namespace
}  // namespace zelkor
