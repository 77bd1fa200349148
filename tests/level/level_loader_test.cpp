#include "game/level/level_loader.h"

#include <map>
#include <set>
#include <vector>

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

// A level file system in memory, recording what loading asks for.
class FakeLoadHost final : public LevelLoadHost, public FakeRulesHost {
public:
    explicit FakeLoadHost(Game& game) : FakeRulesHost(game), game_(game) {}

    std::map<std::string, std::string> files;
    std::set<std::string> gfx;                                 // names present in the gfx folder
    std::map<std::string, std::vector<std::string>> archives;  // what each archive unpacks
    std::vector<std::string> log;

    void ConsolePrint(std::string_view text) override { log.emplace_back(text); }
    // The stored global speed, as the settings give it to every snake.
    void LoadSettings() override {
        log.emplace_back("LoadSettings");
        for (int n = 1; n <= kMaxSnakes; ++n)
            game_.Snake(n).speed = 100;
    }
    std::optional<std::string> ReadLevelFile(std::string_view path) override {
        auto it = files.find(std::string(path));
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    void UnpackRequiredArchive(std::string_view name) override {
        log.push_back("unpack " + std::string(name));
        for (const std::string& entry : archives[std::string(name)])
            gfx.insert(entry);
    }
    bool GfxExists(std::string_view name) override { return gfx.count(std::string(name)) > 0; }
    std::string GfxPath(std::string_view name) override { return "/game/gfx/" + std::string(name); }
    std::string FolderPath(std::string_view folder, std::string_view name) override {
        return "/game/" + std::string(folder) + "/" + std::string(name);
    }
    void LoadBackground(std::string_view) override {}
    void PrepareLvlGfx() override {}
    void PrepareUserItemGfx() override { log.emplace_back("PrepareUserItemGfx"); }

private:
    Game& game_;
};

// A level: grid rows (cells without the blanks; short rows are padded with "0"),
// then key lines.
std::string Level(std::vector<std::string> rows, std::vector<std::string> keys) {
    std::string text;
    for (std::string row : rows) {
        row.resize(31, '0');
        for (char c : row) {
            text += c;
            text += ' ';
        }
        text += "\r\n";
    }
    for (const std::string& k : keys)
        text += k + "\r\n";
    return text;
}

class LevelLoaderTest : public ::testing::Test {
protected:
    LevelLoaderTest() : game(clock) {}
    int Load(const std::string& text) {
        host.files["lvl"] = text;
        return LoadLevel(game, host, host, "lvl");
    }
    ManualClock clock{5000};
    Game game;
    FakeLoadHost host{game};
};

TEST_F(LevelLoaderTest, ALevelWithoutStartCodesStartsThePlayerAt310And230Alone) {
    ASSERT_EQ(Load(Level({"+"}, {"numYellow= 2"})), 1);
    EXPECT_EQ(game.Player().startX, 310);
    EXPECT_EQ(game.Player().startY, 230);
    EXPECT_EQ(game.world.NumSnakes, 1);
    EXPECT_EQ(game.level.LastStart, 0);
    EXPECT_TRUE(game.world.Frozen);
    EXPECT_TRUE(game.flags.infoScreen);
    EXPECT_FALSE(game.flags.stopped);
    EXPECT_EQ(game.messages[0], "Welcome!");
}

TEST_F(LevelLoaderTest, ArchivesAreUnpackedBeforeLaterSetLinesLookForTheirPictures) {
    host.archives["bricks.ZKR"] = {"bricks\\brick2_v.bmp"};
    ASSERT_EQ(Load(Level({"ab"}, {"let:a=wall", "set:a=bricks\\brick2_v.bmp", "Requires=bricks.ZKR",
                                  "set:b=bricks\\brick2_v.bmp"})),
              1);
    const UserItemCell& a = game.world.UserItemCells[1];
    const UserItemCell& b = game.world.UserItemCells[2];
    EXPECT_FALSE(a.hasGfx) << "its set: line came before the archive";
    EXPECT_EQ(a.gfx, "A");
    EXPECT_EQ(a.decl, "wall");
    EXPECT_TRUE(b.hasGfx);
    EXPECT_EQ(b.gfx, "bricks\\brick2_v.bmp");
    EXPECT_EQ(game.level.RequiredFiles[1], "bricks.ZKR");
    EXPECT_TRUE(game.level.UserItemGfx);
}

TEST_F(LevelLoaderTest, ComputerSnakesAreCappedByTheLastStartInReadingOrder) {
    ASSERT_EQ(Load(Level({"S21"}, {"AIS= 3"})), 1);
    EXPECT_EQ(game.level.LastStart, 2) << "the start met last, not the highest";
    EXPECT_EQ(game.world.NumSnakes, 2);
    EXPECT_TRUE(game.timers.iWait[1].enabled);
    EXPECT_FALSE(game.timers.iWait[2].enabled);
    EXPECT_EQ(game.Snake(2).dir, Dir::Forw);
}

TEST_F(LevelLoaderTest, TheCommandLineCountRunsThatManyComputerSnakesAtEveryLevel) {
    game.run.aisGiven = true;
    game.run.aisOn = true;
    game.run.cmdAIS = 1;
    ASSERT_EQ(Load(Level({"S1234"}, {})), 1);
    EXPECT_EQ(game.world.NumSnakes, 2) << "one computer snake and the player";
    game.run.cmdAIS = 40;
    ASSERT_EQ(Load(Level({"S123"}, {})), 1);
    EXPECT_EQ(game.world.NumSnakes, 4);
    game.run.cmdAIS = 40000;  // past 16-bit range
    ASSERT_EQ(Load(Level({"S123"}, {})), 1);
    EXPECT_EQ(game.world.NumSnakes, 4);
}

TEST_F(LevelLoaderTest, TheNextLevelLoadsFromItsPathAndKeepsOnlyTheNameAndMusic) {
    ASSERT_EQ(Load(Level({"Sa"}, {"lvlName= First", "nextLvl= two.dat", "numTNT= 4",
                                  "MusicFile=a.mid", "let:a=wall_no_tnt"})),
              1);
    EXPECT_EQ(game.level.NextLevelPath, "/game/lvl/two.dat");
    host.files["/game/lvl/two.dat"] = Level({"Sa"}, {});
    ASSERT_EQ(LoadLevel(game, host, host, game.level.NextLevelPath), 1);
    EXPECT_EQ(game.level.LevelFile, "/game/lvl/two.dat");
    EXPECT_EQ(game.level.LevelName, "First") << "the name is kept";
    EXPECT_EQ(game.level.MusicFile, "/game/music/a.mid");
    EXPECT_EQ(game.level.NextLevelPath, "") << "a level without a next level is the last";
    EXPECT_EQ(game.world.Items(ItemKind::TNT).count, 0);
    EXPECT_EQ(game.world.Items(ItemKind::Yellow).count, 0);
    EXPECT_EQ(game.world.UserItemCells[1].decl, "") << "a user-item cell starts empty";
}

TEST_F(LevelLoaderTest, ALevelsOwnSpeedPacesThePlayerInThatLevelOnly) {
    const auto pace = [&] {
        const SnakeRecord& p = game.Player();
        return std::vector<int>{p.speed, p.curSpeed, game.timers.iWait[0].interval};
    };
    ASSERT_EQ(Load(Level({"S"}, {"gSpeed= 50"})), 1);
    EXPECT_EQ(pace(), (std::vector<int>{50, 50, 50}));
    ASSERT_EQ(Load(Level({"S1"}, {"AIS= 1"})), 1);
    EXPECT_EQ(pace(), (std::vector<int>{100, 100, 100})) << "the stored speed again";
    EXPECT_EQ(game.timers.iWait[1].interval, 100);
}

TEST_F(LevelLoaderTest, AFailedLoadShowsTheMenuWithItsMessage) {
    EXPECT_EQ(LoadLevel(game, host, host, "missing.dat"), -1);
    EXPECT_TRUE(game.flags.menuShown);
    EXPECT_TRUE(game.flags.stopped);
    EXPECT_EQ(game.level.InfoText, "Level missing.dat does not exist");

    game.flags.infoShown = true;  // due for a level named on the command line
    std::vector<std::string> keys(33, "Requires=x.txt");
    EXPECT_EQ(Load(Level({"S"}, keys)), -1);
    EXPECT_EQ(game.level.RequiredFiles[32], "x.txt") << "what was read before the error stays";
    EXPECT_FALSE(game.flags.infoShown) << "the menu takes the keys";
    const std::string& text = game.level.InfoText;
    EXPECT_EQ(text.rfind("Level lvl: line 34: ", 0), 0u) << "the 33rd required file: " << text;
    EXPECT_GT(text.size(), 20u) << "the reader's reason follows";
}

}  // namespace
}  // namespace zelkor
