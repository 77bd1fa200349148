// Sixteen snakes on a crowded level for a long stretch of game time. Run under the
// sanitizers, it finds memory faults; every table index is checked by the tables
// themselves. `make soak` runs it for 30 minutes of game time (ZELKOR_SOAK_MINUTES).
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/scenarios/scenario.h"

namespace zelkor {
namespace {

TEST(Soak, SixteenSnakesPlayACrowdedLevel) {
    const char* minutes = std::getenv("ZELKOR_SOAK_MINUTES");
    const double gameMinutes = minutes ? std::atof(minutes) : 3.0;
    const auto dir = scenario::MakeGameFolder("soak");
    std::filesystem::copy_file(
        std::filesystem::path(ZELKOR_TEST_DATA_DIR) / "scenarios" / "crowded.dat",
        dir / "lvl" / "crowded.dat");
    HeadlessOptions o;
    o.gameDir = dir;
    o.seed = 4242;
    o.runMs = static_cast<std::int64_t>(gameMinutes * 60000);
    // Deathmatch keeps the player's lives; F2 in play releases the computer snakes
    // without moving the player.
    o.commandLine = "/L=crowded.dat /AIS=15 /DM";
    const auto run = scenario::RunGame(o, "200 59 1\n250 59 0\n400 60 1\n450 60 0\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.dump["NumSnakes"], 16);
    int deaths = 0;
    for (const auto& snake : run.dump["Snakes"]) {
        EXPECT_LE(snake["length"], 99);
        deaths += snake["deaths"].get<int>();
    }
    EXPECT_GT(deaths, 0) << "the computer snakes met walls and each other";
}

}  // namespace
}  // namespace zelkor
