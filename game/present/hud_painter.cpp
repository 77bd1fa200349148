#include "game/present/hud_painter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/captions.h"
#include "game/present/bitmap_font.h"

namespace zelkor {
void HudPainter::DrawStatistics(const Game& game) {
    if (!game.flags.statistics) return;
    const bool dm = game.run.Deathmatch();
    LineText& line = canvas_.line();
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        line.clear();
        line << s.name << ": " << s.score;
        if (dm) {
            line << "/frags:" << s.frags;
            if (game.flags.deathDetails) {
                if (s.deaths > 0) {
                    line << "/died " << s.deaths << OrdinalSuffix(s.deaths) << " time";
                } else {
                    line << "/not died";
                }
            }
        }
        canvas_.DrawBmpText(line.view(), 15, 120 + 10 * n, 1);
    }
}

void HudPainter::DrawMessages(const Game& game) {
    for (std::size_t i = 0; i < game.messages.size(); ++i)
        canvas_.DrawBmpText(game.messages[i], 18, 40 + 10 * static_cast<int>(i), 1);
}

void HudPainter::DrawScoreLine(const Game& game) {
    const SnakeRecord& p = game.Snake(1);
    LineText& line = canvas_.line();
    line.clear();
    if (game.run.Deathmatch()) {
        line << "Score: " << p.score << "  "
             << " Level: " << game.level.LevelName;
        canvas_.DrawBmpText(line.view(), 20, 20, 3);
        line.clear();
        line << p.frags;
        const int w = BmpTextWidth(line.view(), 5);
        canvas_.DrawBmpText(line.view(), 635 - w, 450, 5);
        return;
    }
    line << "Score: " << p.score << "  "
         << " Lives: " << p.lives << "  "
         << " Level: " << game.level.LevelName;
    canvas_.DrawBmpText(line.view(), 20, 20, 3);
}

void HudPainter::DrawFpsCounter(const Game& game) {
    if (!game.options.showFPS) return;
    LineText& line = canvas_.line();
    line.clear();
    line << "FPS: " << game.flags.FPS;
    const int w = BmpTextWidth(line.view(), 4);
    canvas_.DrawBmpText(line.view(), kScreenWidth - (w + 25), 20, 3);
}

void HudPainter::DrawCounterBar(const Game& game) {
    const SnakeRecord& p = game.Snake(1);
    const bool animated = game.options.animatedItems;
    struct Counter {
        const char* animatedName;
        const char* flatName;
        int x;
        int count;
    };
    const std::array<Counter, 4> bananas{
        {{"Yellow_animated\\1.bmp", "banana.bmp", 25, p.yellowEaten},
         {"Red_animated\\1.bmp", "red_banana.bmp", 75, p.redEaten},
         {"Blue_animated\\1.bmp", "blue_banana.bmp", 127, p.blueEaten},
         {"Black_animated\\1.bmp", "black_banana.bmp", 177, p.blackEaten}}};
    for (const Counter& c : bananas) {
        if (animated) {
            canvas_.DrawPic(game, c.animatedName, {0, 0, 16, 24}, c.x, 448, 1);
        } else {
            canvas_.DrawPic(game, c.flatName, {0, 0, 16, 16}, c.x, 450, 0);
        }
    }
    canvas_.DrawPic(game, "TNT_animated\\1.bmp", {0, 0, 16, 24}, 224, 448, 2);
    LineText& line = canvas_.line();
    for (const Counter& c : bananas) {
        line.clear();
        line << '=' << c.count;
        canvas_.DrawBmpText(line.view(), c.x + 16, 452, 4);
    }
    line.clear();
    line << '=' << p.tnt;
    canvas_.DrawBmpText(line.view(), 240, 452, 4);
    if (game.level.TimeLimit > 0) DrawTimeLeft(game);
}

void HudPainter::DrawTimeLeft(const Game& game) {
    const double left = std::max(0.0, game.level.TimeLimit - game.flags.levelClock);
    const auto seconds = static_cast<std::int64_t>(std::ceil(left));
    LineText& line = canvas_.line();
    line.clear();
    line << seconds / 60 << (seconds % 60 < 10 ? ":0" : ":") << seconds % 60;
    // The last ten seconds in the red deathmatch font.
    if (seconds <= 10) {
        canvas_.DrawBmpText(line.view(), kTimeLeftX, 448, 5);
    } else {
        canvas_.DrawBmpText(line.view(), kTimeLeftX, 452, 4);
    }
}

void HudPainter::DrawKeyNumber(int scanCode) {
    LineText& line = canvas_.line();
    line.clear();
    line << ' ' << scanCode;
    canvas_.DrawSystemText(line.view(), 1, 1);
}

}  // namespace zelkor
