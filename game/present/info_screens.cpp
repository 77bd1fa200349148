#include "game/present/info_screens.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "game/present/bitmap_font.h"
#include "game/rules/physical_keys.h"

namespace zelkor {

void InfoScreens::DrawCentredLines(const Game& game) {
    int top = kScreenHeight;
    int bottom = 0;
    for (const CentredLine& line : game.centredLines) {
        if (line.text.empty()) continue;
        top = std::min<int>(top, line.y);
        bottom = std::max<int>(bottom, line.y + 16);
    }
    if (top >= bottom) return;
    Surface& back = canvas_.back();
    const Rect band = Intersect({60, top - 8, kScreenWidth - 60, bottom + 8}, back.bounds());
    for (int y = band.top; y < band.bottom; ++y) {
        std::uint32_t* row = back.Row(y);
        for (int x = band.left; x < band.right; ++x)
            row[x] = 0xFF000000u | ((row[x] >> 2) & 0x003F3F3Fu);
    }
    for (const CentredLine& line : game.centredLines)
        if (!line.text.empty()) canvas_.DrawBmpTextCentered(line.text, line.y, line.font);
}

void InfoScreens::DrawPauseBanner() {
    const Surface& banner = canvas_.pictures().fixed(Fixed::Pause);
    Blit(canvas_.back(), kScreenWidth / 2 - banner.width() / 2, 210, banner, {0, 0, 174, 44}, true);
}

void InfoScreens::DrawWallHitBanner() {
    const Surface& banner = canvas_.pictures().fixed(Fixed::HitWall);
    Blit(canvas_.back(), kScreenWidth / 2 - banner.width() / 2, 215, banner, {0, 0, 203, 24}, true);
}

void InfoScreens::DrawGameOverPicture() {
    const Surface& banner = canvas_.pictures().fixed(Fixed::GameOver);
    Blit(canvas_.back(), kScreenWidth / 2 - banner.width() / 2, 160, banner, {0, 0, 174, 44}, true);
}

void InfoScreens::DrawTimeLimitHit() {
    const TextStyle saved = canvas_.textStyle();
    canvas_.SetTextStyle({"Balloon", 20, true, Argb(250, 250, 250)});
    canvas_.DrawSystemText("Time Limit Hit!", 230, 210);
    canvas_.SetTextStyle({"Balloon", 12, false, Argb(250, 250, 31)});
    canvas_.DrawSystemText("Press Enter", 270, 250);
    canvas_.SetTextStyle(saved);
}

void InfoScreens::DrawLevelInfo(const Game& game) {
    LineText& line = canvas_.line();
    canvas_.DrawFixed(Fixed::Statistics, 162, 140);
    if (game.run.debug) {
        line.clear();
        line << "Zelkor v." << kGameVersion;
        canvas_.DrawBmpText(line.view(), 477 - BmpTextWidth(line.view(), 1), 146, 1);
    }
    const SnakeRecord& p = game.Snake(1);
    const LevelSettings& l = game.level;
    if (game.run.Deathmatch()) {
        canvas_.DrawBmpText("Deathmatch!", 180, 185, 4);
        line.clear();
        if (game.run.huntingMode) {
            canvas_.DrawBmpText("Hunting Mode", 200, 205, 4);
            line << "Length " << game.run.limit << " wins the match.";
            canvas_.DrawBmpText(line.view(), 200, 220, 4);
        } else {
            line << game.run.limit << " frags wins the match.";
            canvas_.DrawBmpText(line.view(), 200, 205, 4);
        }
    } else {
        canvas_.DrawBmpTextCentered("To complete this level you need:", 185, 4);
        struct Requirement {
            const char* label;
            double required;
            int have;
            ItemKind kind;
        };
        const std::array<Requirement, 4> reqs{
            {{"Yellow", l.ReqYellow, p.yellowEaten, ItemKind::Yellow},
             {"Red", l.ReqRed, p.redEaten, ItemKind::Red},
             {"Blue", l.ReqBlue, p.blueEaten, ItemKind::Blue},
             {"Black", l.ReqBlack, p.blackEaten, ItemKind::Black}}};
        for (std::size_t i = 0; i < reqs.size(); ++i) {
            const Requirement& r = reqs[i];
            const int y = 203 + 20 * static_cast<int>(i);
            line.clear();
            line << r.label << ": " << Decimal{r.required} << " (you have " << r.have << ")";
            canvas_.DrawBmpTextCentered(line.view(), y, 4);
            // The kind's picture left of its line.
            const int left =
                RoundHalfEven(kScreenWidth / 2.0 - BmpTextWidth(line.view(), 4) / 2.0) - 22;
            playfield_.DrawItemIcon(game, r.kind, left, y);
        }
        line.clear();
        line << "Score: " << l.ReqScore << " (you have " << p.score << ")";
        canvas_.DrawBmpTextCentered(line.view(), 282, 4);
        line.clear();
        line << "Your Total Score: " << p.totalScore;
        canvas_.DrawBmpTextCentered(line.view(), 295, 4);
    }
    line.clear();
    if (l.TimeLimit > 0) {
        line << Decimal{l.TimeLimit - game.flags.levelClock} << " seconds remain";
    } else {
        line << game.flags.levelClock << " seconds gone";
    }
    canvas_.DrawBmpTextCentered(line.view(), 306, 4);
    // The key that closes the screen; without one, Escape leaves it for the menu.
    const int information = game.options.keys.FirstKey(Action::Information);
    line.clear();
    line << "Press " << (information != 0 ? PhysicalKeyName(information) : "Escape");
    canvas_.DrawBmpText(line.view(), 172, 326, 1);

    // The lights run round: each step moves the colours one place on.
    constexpr std::array<Fixed, 4> kCycle{Fixed::LedRed, Fixed::LedGreen, Fixed::LedYellow,
                                          Fixed::LedBlue};
    const int step = game.flags.lightCounter % 4;
    for (int i = 0; i < 5; ++i)
        canvas_.DrawFixed(kCycle[static_cast<std::size_t>((i + 4 - step) % 4)], 427 + 10 * i, 333);
}

}  // namespace zelkor
