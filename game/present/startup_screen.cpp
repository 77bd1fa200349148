// The start-up window: what the player sees while the game unpacks and loads.
#include <algorithm>

#include "game/present/game_screen.h"

namespace zelkor {
namespace {

void Frame(Surface& s, Rect r, std::uint32_t colour) {
    s.Fill({r.left, r.top, r.right, r.top + 1}, colour);
    s.Fill({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    s.Fill({r.left, r.top, r.left + 1, r.bottom}, colour);
    s.Fill({r.right - 1, r.top, r.right, r.bottom}, colour);
}

// A team plate of the deathmatch start-up look.
void Plate(GameScreen& screen, Rect r, std::uint32_t fill, std::uint32_t edge,
           std::string_view label) {
    Surface& back = screen.backBuffer();
    back.Fill(r, fill);
    Frame(back, r, edge);
    Frame(back, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, edge);
    screen.SetTextStyle(TextStyle{"Arial", 20, true, Argb(250, 250, 250)});
    const int w = screen.txtWidth(label);
    screen.DrawSystemText(label, (r.left + r.right) / 2 - w / 2, r.top + (r.height() - 30) / 2);
}

}  // namespace

void GameScreen::ShowStartupWindow(const Game& game) {
    const TextStyle saved = textStyle();
    Surface& back = backBuffer();
    for (int y = 0; y < kScreenHeight; ++y) {
        const auto shade = static_cast<std::uint8_t>(10 + 30 * y / kScreenHeight);
        back.Fill({0, y, kScreenWidth, y + 1}, Argb(shade / 3, shade / 3, shade));
    }
    const bool dm = game.run.Deathmatch();
    const std::uint32_t border = dm ? Argb(100, 0, 0) : Argb(90, 110, 170);

    SetTextStyle(TextStyle{"Arial", 36, true, Argb(250, 250, 250)});
    DrawSystemText("ZELKOR", 60, 40);
    SetTextStyle(TextStyle{"Arial", 26, true, Argb(255, 180, 70)});
    DrawSystemText("3D", 255, 48);
    SetTextStyle(TextStyle{"Arial", 11, false, Argb(150, 170, 160)});
    DrawSystemText(game.startup.loadingLabel, 62, 100);

    if (dm) {
        Plate(*this, {330, 40, 580, 110}, Argb(120, 20, 20), Argb(230, 80, 60), "RED TEAM");
        Plate(*this, {330, 120, 580, 190}, Argb(20, 40, 130), Argb(90, 140, 250), "BLUE TEAM");
        if (game.run.huntingMode)
            Plate(*this, {60, 130, 310, 190}, Argb(20, 80, 24), Argb(90, 200, 90), "HUNTING");
    }

    // The console: the last five lines of the start-up log.
    const Rect console{60, 220, 580, 330};
    back.Fill(console, Argb(6, 8, 18));
    Frame(back, console, border);
    SetTextStyle(TextStyle{"Courier New", 9, false, Argb(200, 210, 200)});
    for (std::size_t i = 0; i < game.startup.console.size(); ++i) {
        std::string_view line = game.startup.console[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        DrawSystemText(line, console.left + 8, console.top + 6 + 20 * static_cast<int>(i));
    }

    // The progress frame with its bar.
    if (game.startup.progressShown) {
        const Rect frame{60, 360, 580, 420};
        Frame(back, frame, border);
        SetTextStyle(TextStyle{"Arial", 9, false, Argb(150, 170, 160)});
        DrawSystemText("Progress", frame.left + 8, frame.top + 4);
        const Rect bar{frame.left + 8, frame.top + 26, frame.right - 8, frame.bottom - 10};
        back.Fill(bar, Argb(20, 20, 30));
        const int percent = std::clamp(game.startup.progressPercent, 0, 100);
        back.Fill({bar.left, bar.top, bar.left + bar.width() * percent / 100, bar.bottom},
                  dm ? Argb(200, 40, 30) : Argb(240, 180, 40));
    }
    SetTextStyle(saved);
    Flip();
}

}  // namespace zelkor
