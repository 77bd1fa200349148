#include "game/control/run/timer_events.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

class TimerEventsTest : public ::testing::Test {
protected:
    TimerEventsTest() : game(clock) {
        game.Player().speed = 100;
        game.level.maxSpd = 60;
        game.level.SpeedStep = 10;
        game.flags.running = true;
    }
    ManualClock clock{1000};
    Game game;
};

TEST_F(TimerEventsTest, TheLevelClockCountsWhileRunningAndStopsAt32001) {
    game.flags.clockRunning = true;
    game.flags.levelClock = 32000;
    OnTmr1(game);
    EXPECT_EQ(game.flags.levelClock, 32001);
    OnTmr1(game);
    EXPECT_EQ(game.flags.levelClock, 32001);
    game.flags.clockRunning = false;
    game.flags.levelClock = 5;
    OnTmr1(game);
    EXPECT_EQ(game.flags.levelClock, 5);
}

TEST_F(TimerEventsTest, FramesPerSecondAndAtomicPowerCountDown) {
    game.flags.frameCount = 57;
    game.world.NumSnakes = 2;
    game.Snake(2).atomic = true;
    game.Snake(2).atomicLeft = 4;
    game.Snake(3).atomic = true;  // not in play
    game.Snake(3).atomicLeft = 4;
    OnTmr1(game);
    EXPECT_EQ(game.flags.FPS, 57);
    EXPECT_EQ(game.flags.frameCount, 0);
    EXPECT_EQ(game.Snake(2).atomicLeft, 3);
    EXPECT_EQ(game.Snake(3).atomicLeft, 4);
}

TEST_F(TimerEventsTest, TheSpeedIncreaseShortensThePlayersStepEveryTwoSecondsDownToMaxSpd) {
    game.level.SpeedUp = true;
    OnTmr1(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 1) << "nothing after one second";
    OnTmr1(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 90);
    for (int i = 0; i < 20; ++i)
        OnTmr1(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 60);
}

TEST_F(TimerEventsTest, TheSpeedIncreaseCountsOnlyTheSecondsOfPlay) {
    game.level.SpeedUp = true;
    for (bool LoopFlags::*wait : std::initializer_list<bool LoopFlags::*>{
             &LoopFlags::Pause, &LoopFlags::menuShown, &LoopFlags::infoScreen,
             &LoopFlags::wallHitWait, &LoopFlags::lifeLostBox, &LoopFlags::waitingForKey}) {
        game.flags.*wait = true;
        OnTmr1(game);
        OnTmr1(game);
        game.flags.*wait = false;
    }
    EXPECT_EQ(game.flags.speedIncrease, 0);
    OnTmr1(game);
    OnTmr1(game);
    EXPECT_EQ(game.flags.speedIncrease, 10);
}

TEST_F(TimerEventsTest, ResetSpeedRestoresTheIntervalUnlessTheOptionForbidsIt) {
    game.timers.ResetSpeed.Enable(clock.NowMs());
    game.timers.iWait[0].interval = 40;
    OnResetSpeed(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 100);
    EXPECT_FALSE(game.timers.ResetSpeed.enabled);

    game.level.SpeedUp = true;
    game.flags.speedIncrease = 25;
    OnResetSpeed(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 75) << "a slow-down ends at the increased speed";

    game.options.noSpeedReset = true;
    game.timers.iWait[0].interval = 40;
    game.timers.ResetSpeed.Enable(clock.NowMs());
    OnResetSpeed(game);
    EXPECT_EQ(game.timers.iWait[0].interval, 40);
    EXPECT_FALSE(game.timers.ResetSpeed.enabled);
}

TEST_F(TimerEventsTest, AnimationFramesRunFrom1To45AndLightsFrom0To4) {
    game.flags.animFrame = 45;
    game.flags.lightCounter = 4;
    OnPicChange(game);
    EXPECT_EQ(game.flags.animFrame, 1);
    EXPECT_EQ(game.flags.lightCounter, 0);
}

}  // namespace
}  // namespace zelkor
