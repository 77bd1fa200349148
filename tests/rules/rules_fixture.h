#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/rules/game.h"
#include "game/rules/rules_host.h"

namespace zelkor {

// Records what the rules ask of the rest of the game; each key wait keeps a copy
// of the box lines it showed.
class FakeRulesHost : public RulesHost {
public:
    explicit FakeRulesHost(Game& game) : game_(game) {}

    struct Sound {
        std::string path;
        int snake, balance;
    };
    std::vector<Sound> sounds;
    std::vector<std::array<CentredLine, 16>> boxes;
    std::vector<std::string> levelsLoaded;
    int settingsLoads = 0;
    bool gameOverShown = false, timeLimitShown = false;
    HighScoreEntry highScore = HighScoreEntry::NotEntered;
    std::optional<std::vector<std::string>> aiNames;
    int highestModel = 0;
    std::vector<bool> levelRunsOver;  // won or lost, one entry per run of one level

    void PlaySound(std::string_view path, int snake, int balance) override {
        sounds.push_back({std::string(path), snake, balance});
    }
    void WaitForKey(int scanCode) override {
        EXPECT_EQ(scanCode, 28);
        boxes.push_back(game_.centredLines);
    }
    void LoadSettings() override { ++settingsLoads; }
    void SaveSettings() override {}
    int LoadLevel(std::string_view path) override {
        levelsLoaded.emplace_back(path);
        return 1;
    }
    void ShowGameOverPicture() override { gameOverShown = true; }
    void ShowTimeLimitHit() override { timeLimitShown = true; }
    HighScoreEntry EnterHighScore() override { return highScore; }
    void LevelRunOver(bool won) override { levelRunsOver.push_back(won); }
    std::optional<std::vector<std::string>> ReadAINames() override { return aiNames; }
    int HighestModelNumber() override { return highestModel; }

    int Count(std::string_view path) const {
        int count = 0;
        for (const Sound& sound : sounds)
            count += sound.path == path;
        return count;
    }

private:
    Game& game_;
};

// A game with the player at (310, 230) moving right, every speed 100, and a level
// goal out of reach.
class RulesTest : public ::testing::Test {
protected:
    RulesTest() {
        SnakeRecord& p = game.Player();
        p.startX = p.x = 310;
        p.startY = p.y = 230;
        p.dir = Dir::Right;
        p.name = "Player";
        p.lives = 3;
        for (SnakeRecord& s : game.world.Snakes)
            s.speed = s.curSpeed = 100;
        game.level.ReqScore = 30000;
    }

    ItemSlot& PutItem(ItemKind kind, int k, int x, int y) {
        ItemList& list = game.world.Items(kind);
        list.count = std::max<std::int16_t>(list.count, static_cast<std::int16_t>(k));
        list.slots[k] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), true, 0,
                         false};
        return list.slots[k];
    }
    WallPiece& PutWall(int i, int x, int y) {
        game.world.WallPieces[i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                                    true, WallKind::s};
        return game.world.WallPieces[i];
    }
    SnakeRecord& PutSnake(int n, int x, int y, Dir dir) {
        game.world.NumSnakes =
            std::max<std::int16_t>(game.world.NumSnakes, static_cast<std::int16_t>(n));
        SnakeRecord& s = game.Snake(n);
        s.startX = s.x = static_cast<std::int16_t>(x);
        s.startY = s.y = static_cast<std::int16_t>(y);
        s.dir = dir;
        s.name = "Bot" + std::to_string(n);
        return s;
    }
    // Segments 1..length from (x, y) onwards in steps of (dx, dy).
    void LayBody(int n, int x, int y, int dx, int dy, int length) {
        SnakeRecord& s = game.Snake(n);
        s.length = static_cast<std::int16_t>(length);
        for (int i = 1; i <= length; ++i)
            s.Segment(i) = {static_cast<std::int16_t>(x + dx * (i - 1)),
                            static_cast<std::int16_t>(y + dy * (i - 1)), Piece::Left};
    }
    std::string LastMessage() const {
        for (auto line = game.messages.rbegin(); line != game.messages.rend(); ++line)
            if (!line->empty()) return *line;
        return {};
    }

    ManualClock clock{5000};
    Game game{clock};
    FakeRulesHost host{game};
};

}  // namespace zelkor
