#include "game/rules/collisions.h"

#include "game/rules/messages.h"
#include "game/rules/movement.h"
#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using Collisions = RulesTest;
using K = ItemKind;

TEST_F(Collisions, EachKindHasItsOwnWindow) {
    struct Case {
        K kind;
        int ox, oy;  // the item's offset from the head
        bool met;
    };
    const Case cases[] = {
        {K::Yellow, 16, -16, true}, {K::Yellow, 17, 0, false}, {K::Blue, 0, -17, false},
        {K::Red, -12, 12, true},    {K::Red, -13, 0, false},   {K::Red, 16, -12, true},
        {K::Red, 17, 0, false},     {K::Red, 0, 13, false},    {K::Red, 0, -13, false},
        {K::Black, -12, 16, true},  {K::Black, 0, 17, false},  {K::TNT, 0, -13, false},
        {K::Power, 16, 16, true},
    };
    game.level.HideCollected = true;  // a collected item stays where it was, hidden
    for (const Case& c : cases) {
        const ItemSlot& slot = PutItem(c.kind, 1, 310 + c.ox, 230 + c.oy);
        CollisionCheck(game, host);
        EXPECT_EQ(!slot.visible, c.met) << ItemKindName(c.kind) << " " << c.ox << "," << c.oy;
    }
}

TEST_F(Collisions, ItemEffects) {
    SnakeRecord& p = game.Player();
    game.world.spawnCount = 1;
    game.world.SpawnPoints[1] = {50, 50, true, SpawnState::Item(1), 0};
    ItemSlot& yellow = PutItem(K::Yellow, 1, 310, 230);
    yellow.spawnPoint = 1;
    ItemSlot& red = PutItem(K::Red, 1, 500, 400);
    red.visible = false;
    CollisionCheck(game, host);  // yellow: moved elsewhere, red slot 1 shown again
    EXPECT_EQ(p.score, 10);
    EXPECT_EQ(p.length, 2);
    EXPECT_EQ(host.Count(kCollectSound), 1);
    EXPECT_TRUE(yellow.visible);
    EXPECT_NE(yellow.x, 310);
    EXPECT_TRUE(red.visible);

    // Red with the automatic increase on: points only.
    game.level.SpeedUp = true;
    PutItem(K::Red, 1, 310, 230);
    CollisionCheck(game, host);
    EXPECT_EQ(p.score, 40);
    EXPECT_EQ(p.curSpeed, 100);
    EXPECT_EQ(LastMessage(), "You got 30 points.");

    // Red speeds up by less than maxSpd; more than 10 % is announced with the effect's
    // duration, less goes unsaid. Each clock seed gives another speed-up, so both are
    // met within a few items.
    game.level.SpeedUp = false;
    bool announced = false, unsaid = false;
    for (int seed = 0; seed < 40; ++seed) {
        clock.Set(seed);
        game.timers.iWait[0].interval = 100;
        ShowMessage(game, "before");
        PutItem(K::Red, 1, 310, 230);
        CollisionCheck(game, host);
        ASSERT_GT(p.curSpeed, 80);
        ASSERT_LE(p.curSpeed, 100);
        EXPECT_EQ(game.timers.iWait[0].interval, p.curSpeed);
        const int ms = game.timers.ResetSpeed.interval;
        EXPECT_TRUE(game.timers.ResetSpeed.enabled);
        EXPECT_GE(ms, 4000);
        EXPECT_LE(ms, 9000);
        EXPECT_EQ(ms % 1000, 0);
        if (100 - p.curSpeed > 10) {
            announced = true;
            EXPECT_EQ(LastMessage(), "You are now " + std::to_string(100 - p.curSpeed) +
                                         "% faster for " + std::to_string(ms / 1000) + " seconds");
        } else {
            unsaid = true;
            EXPECT_EQ(LastMessage(), "before");
        }
    }
    EXPECT_TRUE(announced);
    EXPECT_TRUE(unsaid);
    game.level.maxSpd = 150;  // never faster than maxSpd
    const int redBefore = p.redEaten;
    PutItem(K::Red, 1, 310, 230);
    CollisionCheck(game, host);
    EXPECT_EQ(p.curSpeed, 150);
    EXPECT_EQ(p.redEaten, redBefore + 1);

    PutItem(K::TNT, 1, 310, 230);
    CollisionCheck(game, host);
    EXPECT_EQ(p.tnt, 1);
    EXPECT_EQ(LastMessage(), "You got TNT, now you can blow walls!");
    PutItem(K::Power, 1, 310, 230);
    p.score = 0;
    CollisionCheck(game, host);
    EXPECT_EQ(p.score, -100);
    EXPECT_TRUE(p.atomic);
    EXPECT_EQ(p.atomicLeft, 20);
    EXPECT_EQ(p.atomicGiven, 20);
    EXPECT_EQ(LastMessage(), "Playerhas Atomic Power and is immortal for 20 seconds!");
}

TEST_F(Collisions, EveryTenthBlueGivesALifeOrAFrag) {
    SnakeRecord& p = game.Player();
    p.blueEaten = 8;
    for (int i = 0; i < 2; ++i) {
        PutItem(K::Blue, 1, 310, 230);
        CollisionCheck(game, host);
    }
    EXPECT_EQ(p.lives, 4);  // the ninth gave none
    EXPECT_EQ(p.score, 120);
    EXPECT_EQ(p.grow, 2);
    EXPECT_EQ(host.Count(kLiveSound), 1);
    EXPECT_EQ(LastMessage(), "You receive a new live!");

    game.run.gameMode = "NDM";
    p.blueEaten = 19;
    PutItem(K::Blue, 1, 310, 230);
    PutItem(K::Power, 1, 310, 230);  // never collected in deathmatch
    CollisionCheck(game, host);
    EXPECT_EQ(p.frags, 1);
    EXPECT_EQ(p.lives, 4);
    EXPECT_EQ(LastMessage(), "Player got another frag! (10xBlue)");
    EXPECT_TRUE(game.world.Items(K::Power).slots[1].visible);
}

TEST_F(Collisions, BlackSlowsDownOrTakesPoints) {
    SnakeRecord& p = game.Player();
    bool slowed = false, fined = false;
    for (int seed = 0; seed < 40; ++seed) {
        clock.Set(seed);
        game.messages = {};
        p.score = 100;
        p.curSpeed = 100;
        PutItem(K::Black, 1, 310, 230);
        CollisionCheck(game, host);
        if (p.score == 100) {
            slowed = true;
            ASSERT_GE(p.curSpeed, 100);
            ASSERT_LT(p.curSpeed, 350);
            EXPECT_EQ(game.messages[0],
                      "You are now " + std::to_string(p.curSpeed - 100) + "% slower");
            EXPECT_EQ(game.messages[1],
                      "for " + std::to_string(game.timers.ResetSpeed.interval / 1000) + " seconds");
        } else {
            fined = true;
            ASSERT_GE(p.score, 41);
            ASSERT_LE(p.score, 90);
            EXPECT_EQ(game.messages[0], "You lost " + std::to_string(100 - p.score) + " points!");
        }
    }
    EXPECT_TRUE(slowed);
    EXPECT_TRUE(fined);
}

// Wrapping through open walls and with atomic power is replayed in the playfield-edge replays.
TEST_F(Collisions, TheEdgeKillsEvenTheImmortal) {
    SnakeRecord& p = game.Player();
    p.x = -10;
    CollisionCheck(game, host);
    EXPECT_EQ(p.deaths, 1);
    EXPECT_EQ(p.x, 310);
    EXPECT_TRUE(game.flags.wallHitWait);

    game.flags.immortal = true;
    p.y = -5;
    CollisionCheck(game, host);
    EXPECT_EQ(p.deaths, 2);
    EXPECT_EQ(game.messages[0], "You are immortal but you are not god.");
    EXPECT_EQ(game.messages[1], "Where the world ends, your life ends too!");
}

TEST_F(Collisions, BitesMoveFragsScoreAndGrowth) {
    game.run.gameMode = "DM";
    game.run.limit = 120;
    game.run.huntingMode = true;
    SnakeRecord& bot = PutSnake(2, 410, 230, Dir::Left);
    LayBody(2, 430, 230, 20, 0, 4);
    SnakeRecord& p = game.Player();
    LayBody(1, 290, 230, -20, 0, 3);
    p.x = 430;  // on the bot's segment 1, which is never tested
    CollisionCheck(game, host);
    EXPECT_EQ(p.deaths, 0);
    p.x = 450;  // on its segment 2
    CollisionCheck(game, host);
    EXPECT_EQ(p.deaths, 1);
    EXPECT_EQ(bot.frags, 1);
    EXPECT_EQ(bot.score, 5);
    EXPECT_EQ(bot.grow, 5);  // the victim's length + 2

    // Standing (just respawned) on a body is safe; biting yourself costs a frag.
    p.x = 450;
    bot.x = 470;
    CollisionCheck(game, host);
    EXPECT_EQ(p.deaths, 1);
    EXPECT_EQ(bot.deaths, 1);
    EXPECT_EQ(bot.frags, 0);
    EXPECT_EQ(p.frags, 0);
}

TEST_F(Collisions, AGoalWithoutANextLevelIsPaidOnce) {
    game.level.ReqScore = 10;
    SnakeRecord& p = game.Player();
    p.score = 15;
    p.totalScore = 100;
    CollisionCheck(game, host);
    CollisionCheck(game, host);
    EXPECT_EQ(p.totalScore, 115);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(game.flags.menuShown);
    EXPECT_TRUE(host.levelsLoaded.empty());
}

TEST_F(Collisions, ALongSnakeEatingManyItemsAtOnceStaysInsideItsBody) {
    SnakeRecord& p = game.Player();
    LayBody(1, 290, 230, -20, 0, kMaxLength);
    game.level.HideCollected = true;
    for (int k = 1; k <= 5; ++k)
        PutItem(ItemKind::Yellow, k, 310, 230);
    for (int k = 1; k <= 3; ++k)
        PutItem(ItemKind::Red, k, 310, 230);
    CollisionCheck(game, host);
    EXPECT_EQ(p.length, kBodySlots - 1) << "growth at once stops at the spare slot";
    p.grow = 4;
    GrowSnakes(game);
    AdvanceHead(p);
    StepBody(game, 1);  // would write past the body without the stop
    CapLengths(game);
    EXPECT_EQ(p.length, kMaxLength);
}

}  // namespace
}  // namespace zelkor
