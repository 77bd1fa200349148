// Kept replays watched from the hall of fame and the Levels page, under the watcher's keys.
#include <gtest/gtest.h>

#include "common/sha256.h"
#include "game/control/input/key_handler.h"
#include "tests/scenarios/key_script_writer.h"
#include "tests/scenarios/replay.h"
#include "tests/scenarios/screenshot.h"

namespace zelkor {
namespace {

using namespace scenario;
using scenario::Replay;  // not the recorded game of the same name

class WatchedReplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(ZELKOR_DIST_DIR) / "gfx.zkr"))
            GTEST_SKIP() << "this build generates no pictures to look at";
        // A game of six seconds, kept as the last game's replay.
        std::filesystem::create_directories(replay.dir() / "replays");
        replay.RecordTo(replay.dir() / "replays" / "last.zkreplay");
        const KeyScriptWriter keys = KeyScriptWriter().Tap(key::Enter).At(900).Tap(key::F1);
        replay.Play("", 6000, KeyScriptWriter(keys).Tap(key::Right).Text());
    }
    scenario::Run Play(const KeyScriptWriter& keys) {
        return replay.Play("", keys.End() + 500, keys.Text());
    }
    Replay replay;
};

// Place 2 names a damaged file, place 1 none; the last game's replay is watched, paused,
// played at four times the speed and stopped, and the page comes back on its row.
TEST_F(WatchedReplay, FromTheHallOfFameItPausesSpeedsUpAndStopsOnItsRow) {
    WriteBytes(replay.dir() / "replays" / "broken.zkreplay", "junk");
    replay.WriteSettings("[HiScore]\r\nReplay 2=broken.zkreplay\r\nReplay 1=../settings.ini\r\n");
    KeyScriptWriter keys;
    keys.Tap(key::Down, 2).Tap(key::Enter).Tap(key::Down, 2).Tap(key::Enter);
    EXPECT_EQ(Play(keys).dump["menu"]["statusLine"], "This file is not a Zelkor replay");
    keys.Tap(key::Up).Tap(key::Enter);
    EXPECT_EQ(Play(keys).dump["menu"]["statusLine"], "No replay kept");

    keys.Tap(key::Up).Tap(key::Enter);  // watching from 1020 on
    const auto file = [&](int at) { return replay.ScreenshotAt(at, std::to_string(at) + ".png"); };
    const auto shot = [&](int at) {
        return Screenshot(replay.dir() / (std::to_string(at) + ".png"));
    };
    // The first picture, playing, paused, at four times the speed.
    for (const int at : {1030, 1600, 2100, 2600})
        file(at);
    keys.At(1800).Tap(key::Space).At(2300).Tap(key::Space).Tap(key::Right).At(2800);
    const auto back = Play(keys.Tap(key::Escape));
    EXPECT_TRUE(back.dump["menu"]["hallOfFamePage"] == 1 && back.dump["flags"]["menuShown"]);
    EXPECT_EQ(back.dump["menu"]["hallOfFameRow"], 0);
    EXPECT_EQ(back.dump["menu"]["statusLine"], "Zelkor 'The Hall Of Fame' (High Scores)");

    // "REPLAY" at the right end of the counter bar, "PAUSED" or "x4" left of it.
    const auto lit = [](const Screenshot& s, Area a) {
        return s.Count(a, [](Colour c) { return c.Brightest() > 150; });
    };
    const Screenshot playing = shot(1600), paused = shot(2100), fast = shot(2600);
    for (const Screenshot* s : {&playing, &paused, &fast})
        EXPECT_GT(lit(*s, {579, 452, 635, 467}), 40) << "REPLAY";
    EXPECT_GT(lit(paused, {523, 452, 570, 467}), 40) << "PAUSED";
    EXPECT_GT(lit(fast, {555, 452, 572, 467}), 10) << "x4";
    EXPECT_LT(lit(fast, {523, 452, 553, 467}), lit(paused, {523, 452, 553, 467}));
    // The recorded start-up and menu pass unseen: no loading screen's logo.
    EXPECT_LT(shot(1030).Brightest({40, 16, 340, 106}), 150);
}

TEST_F(WatchedReplay, SpaceOnTheLevelsPageWatchesTheLevelsBestRun) {
    const std::string sha = Sha256Hex(ReadBytes(replay.dir() / "lvl" / "lvl1.dat"));
    replay.WriteSettings("[Level Records]\r\nlvl1.dat=" + sha + ",100,5,last.zkreplay\r\n");
    KeyScriptWriter keys;
    keys.Tap(key::Down, 3).Tap(key::Enter).Tap(key::Space).At(1500).Tap(key::Escape);
    const auto back = Play(keys);
    EXPECT_TRUE(back.dump["menu"]["levelsPage"] == 1 && back.dump["flags"]["menuShown"]);
    EXPECT_EQ(back.dump["menu"]["levelsRow"], 1);
    EXPECT_EQ(
        back.dump["menu"]["statusLine"],
        "Enter plays the selected level, Space watches its best run, Escape returns to the menu");
}

}  // namespace
}  // namespace zelkor
