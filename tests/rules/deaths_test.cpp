#include "game/rules/deaths.h"

#include <set>

#include "tests/rules/rules_fixture.h"

namespace zelkor {
namespace {

using Deaths = RulesTest;

// Every message a deathmatch death of snake 2 ("Bob", killed by `killer`) can post.
std::set<std::string> MessagesOf(DeathReason reason, int killer, int deathsBefore) {
    std::set<std::string> seen;
    for (int seed = 0; seed < 60; ++seed) {
        ManualClock clock(seed);
        Game game(clock);
        FakeRulesHost host(game);
        game.run.gameMode = "DM";
        game.world.NumSnakes = 2;
        game.Snake(1).name = "Ann";
        game.Snake(2).name = "Bob";
        game.Snake(2).deaths = static_cast<std::int16_t>(deathsBefore);
        Die(game, host, false, 2, reason, killer);
        for (const std::string& line : game.messages)
            if (!line.empty()) seen.insert(line);
    }
    return seen;
}

TEST(DeathMessages, ByReasonInDeathmatch) {
    using S = std::set<std::string>;
    EXPECT_EQ(
        MessagesOf(DeathReason::Wall, 0, 0),
        (S{"Bob hit a wall. bang!", "Bob was in the wrong place", "Bob looses another frag!"}));
    EXPECT_EQ(
        MessagesOf(DeathReason::Wall, 0, 10),
        (S{"Bob dies the 11th time!", "Bob was in the wrong place", "Bob looses another frag!"}));
    EXPECT_EQ(MessagesOf(DeathReason::Body, 2, 1),
              (S{"Bob bite him/herself! - What a LOOSER!", "Bob lost his 2 live"}));
    EXPECT_EQ(MessagesOf(DeathReason::Body, 1, 2),
              (S{"Bob didn't see Ann!", "Ann stopped Bob and gets another frag!"}));
    EXPECT_EQ(MessagesOf(DeathReason::Body, 1, 3),
              (S{"Bob didn't see Ann!", "Bob hit Ann and dies the 4th time!"}));
    EXPECT_EQ(
        MessagesOf(DeathReason::Edge, 0, 0),
        (S{"Bob didn't see the wall.", "A wall stopped Bob", "Bob, tried to walk through a wall"}));
    EXPECT_EQ(MessagesOf(DeathReason::PutBack, 0, 0), S{});
}

TEST_F(Deaths, ThePlayerLosesALifeBehindTheBox) {
    SnakeRecord& p = game.Player();
    p.x = 500;
    p.score = -40;
    p.atomic = true;
    game.flags.levelClock = 55;
    LayBody(1, 480, 230, -20, 0, 5);
    Die(game, host, false, 1, DeathReason::Body, 1);
    EXPECT_EQ(LastMessage(), "");  // no message outside deathmatch
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0][0].text, "Uh - You loose a live...");
    EXPECT_EQ(host.boxes[0][1].text, "-Press Enter-");
    EXPECT_EQ(host.boxes[0][1].y, 230);
    EXPECT_EQ(game.centredLines[0].text, "");
    EXPECT_TRUE(host.settingsLoads == 1 && host.Count(kWallSound) == 1);
    EXPECT_TRUE(p.lives == 2 && p.score == 0 && p.length == 1 && p.body[3].x == -20);
    EXPECT_TRUE(p.x == 310 && p.dir == Dir::None && !p.atomic && game.flags.levelClock == 0);
    EXPECT_FALSE(game.flags.wallHitWait);  // a bite is no wall hit
}

TEST_F(Deaths, AComputerSnakeInDeathmatchIsBackAtOnce) {
    game.run.gameMode = "DM";
    game.level.HideCollected = true;
    ItemSlot& red = PutItem(ItemKind::Red, 2, 100, 100);
    red.visible = false;
    red.taken = true;
    game.world.spawnCount = 1;
    game.world.SpawnPoints[1] = {50, 50, true, SpawnState::Item(3), 7};
    SnakeRecord& bot = PutSnake(2, 50, 50, Dir::Left);
    bot.x = 90;
    bot.score = -20;
    bot.yellowEaten = 3;
    bot.tnt = 1;
    game.flags.levelClock = 40;
    Die(game, host, false, 2, DeathReason::Wall);
    EXPECT_TRUE(host.boxes.empty() && bot.x == 50 && game.flags.levelClock == 40);
    EXPECT_TRUE(bot.score == -20 && bot.yellowEaten + bot.tnt == 0);  // the score stays
    EXPECT_TRUE(red.visible && !red.taken);  // any death brings back taken items
    EXPECT_TRUE(game.world.SpawnPoints[1].state.IsFree());
}

TEST_F(Deaths, GameOverEntersTheHallOfFameOrRefusesACheat) {
    SnakeRecord& p = game.Player();
    p.lives = 0;
    p.totalScore = 9500;
    PutSnake(2, 50, 50, Dir::Left);
    game.timers.iWait[1].Enable(game.Now());
    host.highScore = HighScoreEntry::Entered;
    Die(game, host, false, 1, DeathReason::Wall);
    ASSERT_EQ(host.boxes.size(), 2u);  // the life-lost box, then the game-over box
    EXPECT_TRUE(host.gameOverShown);
    const auto& box = host.boxes[1];
    EXPECT_EQ(box[0].text, "Game Over");
    EXPECT_EQ(box[2].text, "Your Score: 9500");
    EXPECT_EQ(box[3].text, "This is a new High Score!");
    EXPECT_EQ(box[3].y, 260);
    EXPECT_TRUE(game.menu.hallOfFamePage == 1 && game.flags.stopped && game.flags.menuShown);
    EXPECT_TRUE(p.totalScore == 0 && p.lives == 3 && !game.flags.wallHitWait);
    EXPECT_TRUE(!game.timers.iWait[1].enabled && game.Snake(2).dir == Dir::None);

    host.highScore = HighScoreEntry::Refused;
    p.lives = -1;
    Die(game, host, true, 1, DeathReason::PutBack);
    EXPECT_EQ(host.boxes.back()[3].text, "This would be a new High Score! - But you cheated!");
    host.highScore = HighScoreEntry::NotEntered;
    p.lives = -1;
    Die(game, host, true, 1, DeathReason::PutBack);
    EXPECT_EQ(host.boxes.back()[3].text, "");

    // A level played alone from the Levels page never reaches the hall of fame.
    host.highScore = HighScoreEntry::Entered;
    game.menu.hallOfFamePage = 0;
    game.levelRun.active = true;
    p.lives = -1;
    Die(game, host, true, 1, DeathReason::PutBack);
    EXPECT_EQ(host.boxes.back()[3].text, "");
    EXPECT_EQ(game.menu.hallOfFamePage, 0);
    EXPECT_EQ(host.levelRunsOver, std::vector<bool>{false});
}

}  // namespace
}  // namespace zelkor
