// Sixteen snakes on a crowded level for a long stretch of game time. Run under the
// sanitizers, it finds memory faults; every table index is checked by the tables
// themselves. `make soak` runs it for 30 minutes of game time (ZELKOR_SOAK_MINUTES).
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

TEST(Soak, SixteenSnakesPlayACrowdedLevel) {
    const char* minutes = std::getenv("ZELKOR_SOAK_MINUTES");
    const double gameMinutes = minutes ? std::atof(minutes) : 3.0;
    scenario::Replay replay;
    std::filesystem::copy_file(
        std::filesystem::path(ZELKOR_TEST_DATA_DIR) / "scenarios" / "crowded.dat",
        replay.dir() / "lvl" / "crowded.dat");
    // Deathmatch keeps the player's lives; F2 in play releases the computer snakes
    // without moving the player.
    const auto run =
        replay.Play("/L=crowded.dat /AIS=15 /DM", static_cast<std::int64_t>(gameMinutes * 60000),
                    scenario::CloseInfo() + scenario::Press(400, scenario::kF2), 4242);
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
