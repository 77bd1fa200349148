// A game shown through the watcher's display, as a replay is: the watcher's keys pause it,
// play it faster and stop it, and the counter bar ends in the replay's mark.
#include "game/control/watch/replay_watch.h"

#include <gtest/gtest.h>

#include "game/control/input/key_handler.h"
#include "game/platform/archive_readers.h"
#include "tests/scenarios/replay.h"
#include "tests/scenarios/screenshot.h"
#include "tests/support/quiet_services.h"

namespace zelkor {
namespace {

using namespace scenario;
using scenario::Replay;  // not the recorded game of the same name

// The window: it keeps the picture shown at each of the chosen times as a PNG file.
class ShootingDisplay final : public Display {
public:
    ShootingDisplay(const Clock& clock, SdlPictureFiles& files) : clock_(clock), files_(files) {}
    void ShootAt(std::int64_t ms, std::filesystem::path file) { shots_.push_back({ms, file}); }
    void Present(const Surface& picture) override {
        for (auto& [at, file] : shots_)
            if (at >= 0 && clock_.NowMs() >= at) at = -1, files_.SavePng(picture, file);
    }
    void ShowCursor(bool) override {}

private:
    const Clock& clock_;
    SdlPictureFiles& files_;
    std::vector<std::pair<std::int64_t, std::filesystem::path>> shots_;
};

TEST(ReplayWatch, TheWatchersKeysPauseSpeedUpAndStopWithTheirMarkOnTheCounterBar) {
    if (!std::filesystem::exists(std::filesystem::path(ZELKOR_DIST_DIR) / "gfx.zkr"))
        GTEST_SKIP() << "this build generates no pictures to look at";
    Replay replay;
    replay.AddLevel("timed.dat",
                    LevelText("Timed").Key("Timeout= 90").Key("reqScore= 9999").PlayerStart(10, 2));
    support::QuietServices quiet;
    quiet.keyboard.Press(200, key::F1);  // the game's own keys: the information screen closed
    quiet.keyboard.Release(240, key::F1);
    SteppingWindowEvents events(quiet.clock, 16, 6000);
    LibraryArchiveReaders archives;
    ShootingDisplay window(quiet.clock, quiet.pictures);
    const auto file = [&](int at) { return replay.dir() / (std::to_string(at) + ".png"); };
    for (const int at : {2000, 2700, 3300})  // playing, paused, at four times the speed
        window.ShootAt(at, file(at));
    ScriptedKeyboard watcherKeys(quiet.clock);  // Space, Space, Right, then Escape
    for (const auto& [at, code] : {std::pair{2500, key::Space},
                                   {2900, key::Space},
                                   {3000, key::Right},
                                   {3600, key::Escape}}) {
        watcherKeys.Press(at, code);
        watcherKeys.Release(at + 40, code);
    }
    KeyboardStartError none;
    ASSERT_TRUE(watcherKeys.DI_Init(none));  // the program's keyboard, open
    SteppingWindowEvents watcherEvents(quiet.clock, 16, 6000);
    ReplayWatch watch({window, watcherKeys, watcherEvents, quiet.clock});
    GameSetup setup(
        {quiet.clock, quiet.keyboard, events, watch, quiet.pictures, quiet.text, quiet.silentSound,
         quiet.silentMusic, quiet.memorySettings, quiet.messageBox, archives},
        replay.dir());
    watch.Begin(setup.game(), setup.screen().pictures(), [&] { setup.window().RunOver(); });
    setup.Run("/L=timed.dat");
    EXPECT_TRUE(watch.stopped());
    EXPECT_LT(quiet.clock.NowMs(), 3700) << "Escape ended the game it watched";

    // "REPLAY" at the right end, "PAUSED" or "x4" left of it, clear of the time left.
    const auto lit = [](const Screenshot& shot, Area a) {
        return shot.Count(a, [](Colour c) { return c.Brightest() > 150; });
    };
    const Screenshot shots[] = {Screenshot(file(2000)), Screenshot(file(2700)),
                                Screenshot(file(3300))};
    for (const Screenshot& shot : shots)
        EXPECT_GT(lit(shot, {579, 452, 635, 467}), 40) << "REPLAY";
    EXPECT_EQ(lit(shots[0], {360, 448, 577, 472}), 0);
    EXPECT_GT(lit(shots[1], {523, 452, 570, 467}), 40) << "PAUSED";
    EXPECT_GT(lit(shots[2], {555, 452, 572, 467}), 10) << "x4";
    EXPECT_EQ(lit(shots[2], {520, 452, 553, 467}), 0);
}

}  // namespace
}  // namespace zelkor
