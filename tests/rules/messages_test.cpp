#include "game/rules/messages.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(ShowMessage, FillsTheFirstFreeLineThenPushesOutTheOldest) {
    ManualClock clock;
    Game game(clock);
    for (int i = 1; i <= 5; ++i)
        ShowMessage(game, "m" + std::to_string(i));
    EXPECT_EQ(game.messages[0], "m1");
    EXPECT_EQ(game.messages[4], "m5");
    ShowMessage(game, "m6");
    EXPECT_EQ(game.messages[0], "m2");
    EXPECT_EQ(game.messages[4], "m6");
    EXPECT_TRUE(game.flags.messageScroll);
    EXPECT_EQ(game.flags.scrollCounter, 0);
}

TEST(ShowMessage, AFreedLineIsFilledBeforeScrolling) {
    ManualClock clock;
    Game game(clock);
    ShowMessage(game, "a");
    ShowMessage(game, "b");
    ScrollMessages(game);
    EXPECT_EQ(game.messages[0], "b");
    ShowMessage(game, "c");
    EXPECT_EQ(game.messages[1], "c");
}

}  // namespace
}  // namespace zelkor
