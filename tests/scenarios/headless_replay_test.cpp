// Whole runs of the game without a window: a level, a seed, a key file, the dump.
#include <gtest/gtest.h>

#include "tests/scenarios/scenario.h"

namespace zelkor {
namespace {

using scenario::MakeGameFolder;
using scenario::RunGame;

HeadlessOptions Options(const std::filesystem::path& dir, std::int64_t seed, std::int64_t runMs,
                        std::string commandLine) {
    HeadlessOptions o;
    o.gameDir = dir;
    o.seed = seed;
    o.runMs = runMs;
    o.commandLine = std::move(commandLine);
    return o;
}

constexpr const char* kSteer =
    "# F1 closes the information screen, then Right and Down\n"
    "200 59 1\n250 59 0\n"
    "500 205 1\n540 205 0\n"
    "1300 208 1\n1340 208 0\n";

TEST(HeadlessReplay, TheSameArgumentsGiveTheSameRunByteForByte) {
    const auto dir = MakeGameFolder("same");
    const auto a = RunGame(Options(dir, 77, 2500, "/L=lvl2.dat /AIS=2"), kSteer);
    const auto b = RunGame(Options(dir, 77, 2500, "/L=lvl2.dat /AIS=2"), kSteer);
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.text, b.text);
}

TEST(HeadlessReplay, PlacementsDifferBetweenSeeds) {
    const auto dir = MakeGameFolder("seeds");
    const auto a = RunGame(Options(dir, 1, 500, "/L=lvl1.dat"));
    const auto b = RunGame(Options(dir, 2, 500, "/L=lvl1.dat"));
    EXPECT_NE(a.dump["items"]["Yellow"], b.dump["items"]["Yellow"]);
}

TEST(HeadlessReplay, AStarterLevelLoadsAndThePlayerSteersWithScriptedKeys) {
    const auto dir = MakeGameFolder("steer");
    const auto run = RunGame(Options(dir, 5, 2000, "/L=lvl1.dat"), kSteer);
    const auto& player = run.dump["Snakes"][0];
    EXPECT_EQ(run.dump["level"]["LevelFile"], "lvl/lvl1.dat");
    EXPECT_EQ(run.dump["level"]["NextLevelPath"], "lvl/lvl2.dat");
    EXPECT_FALSE(run.dump["flags"]["infoScreen"]);
    EXPECT_EQ(player["dir"], "Back");
    EXPECT_GT(player["x"], 310);
    EXPECT_GT(player["y"], 230);
    EXPECT_EQ(player["lives"], 3);
    EXPECT_EQ(run.dump["timers"]["iWait"].size(), 16u);
}

TEST(HeadlessReplay, ComputerSnakesStartWithTheFirstKeyAndCarryNames) {
    const auto dir = MakeGameFolder("ais");
    scenario::WriteFile(dir / "AI_Names.lst", "Viper\r\nAdder\r\n");
    const auto frozen =
        RunGame(Options(dir, 3, 1500, "/L=lvl2.dat /AIS=2"), "200 59 1\n250 59 0\n");
    ASSERT_EQ(frozen.dump["NumSnakes"], 3);
    EXPECT_TRUE(frozen.dump["Frozen"]);
    EXPECT_EQ(frozen.dump["Snakes"][1]["dir"], "");
    const auto moving = RunGame(Options(dir, 3, 1500, "/L=lvl2.dat /AIS=2"), kSteer);
    EXPECT_FALSE(moving.dump["Frozen"]);
    const std::string name = moving.dump["Snakes"][1]["name"];
    EXPECT_EQ(name.rfind("<bot> ", 0), 0u) << name;
}

TEST(HeadlessReplay, APauseBegunInTheLifeLostBoxEndsWithThePauseKey) {
    const auto dir = MakeGameFolder("pause-box");
    const std::string keys =
        "# F1, then up into the top wall; Pause while the box waits, Enter, Pause, Left\n"
        "200 59 1\n250 59 0\n"
        "500 200 1\n540 200 0\n"
        "3000 197 1\n3040 197 0\n"
        "3500 28 1\n3540 28 0\n"
        "4000 197 1\n4040 197 0\n"
        "4500 203 1\n4540 203 0\n";
    const auto run = RunGame(Options(dir, 5, 5000, "/L=lvl1.dat"), keys);
    const auto& player = run.dump["Snakes"][0];
    EXPECT_EQ(player["deaths"], 1);
    EXPECT_FALSE(run.dump["flags"]["Pause"]);
    EXPECT_FALSE(run.dump["flags"]["wallHitWait"]);
    EXPECT_EQ(player["dir"], "Left");
}

TEST(HeadlessReplay, EscapeDuringTheWallHitWaitOpensTheMenuAndANewGameStartsFree) {
    const auto dir = MakeGameFolder("wall-menu");
    std::string keys =
        "# F1, then up into the top wall; Enter ends the box, Escape in the wall-hit wait\n"
        "200 59 1\n250 59 0\n"
        "500 200 1\n540 200 0\n"
        "3000 28 1\n3040 28 0\n"
        "3500 1 1\n3540 1 0\n";
    const auto menu = RunGame(Options(dir, 5, 3800, "/L=lvl1.dat"), keys);
    EXPECT_TRUE(menu.dump["flags"]["wallHitWait"]);
    EXPECT_EQ(menu.dump["menu"]["statusLine"], "Start a new game") << "the menu is up";

    keys +=
        "# new game, F1 closes its information screen, Left steers\n"
        "4000 28 1\n4040 28 0\n"
        "4500 59 1\n4540 59 0\n"
        "5000 203 1\n5040 203 0\n";
    const auto run = RunGame(Options(dir, 5, 5500, "/L=lvl1.dat"), keys);
    EXPECT_FALSE(run.dump["flags"]["menuShown"]);
    EXPECT_FALSE(run.dump["flags"]["infoScreen"]);
    EXPECT_FALSE(run.dump["flags"]["wallHitWait"]);
    EXPECT_EQ(run.dump["Snakes"][0]["dir"], "Left");
}

TEST(HeadlessReplay, AnEmptyCommandLineStartsAtTheMenu) {
    const auto dir = MakeGameFolder("menu");
    const auto run = RunGame(Options(dir, 0, 300, ""));
    EXPECT_TRUE(run.dump["flags"]["menuShown"]);
    EXPECT_TRUE(run.dump["flags"]["stopped"]);
    EXPECT_EQ(run.dump["menu"]["menuRow"], 1);
}

}  // namespace
}  // namespace zelkor
