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

}  // namespace

using namespace startup_layout;

const Surface& GameScreen::StartupPictureOf(StartupPicture which) {
    if (!startupPicturesDecoded_) {
        startupPicturesDecoded_ = true;
        for (int i = 0; i < kStartupPictures; ++i) {
            auto picture =
                pictures().files().DecodeBytes(StartupPictureBytes(static_cast<StartupPicture>(i)));
            if (!picture) continue;
            ApplyColourKey(*picture, 0);
            startupPictures_[static_cast<std::size_t>(i)] = std::move(*picture);
        }
    }
    return startupPictures_[static_cast<std::size_t>(which)];
}

void GameScreen::ShowStartupWindow(const Game& game) {
    const TextStyle saved = canvas_.textStyle();
    Surface& back = canvas_.back();
    for (int y = 0; y < kScreenHeight; ++y) {
        const auto shade = static_cast<std::uint8_t>(10 + 30 * y / kScreenHeight);
        back.Fill({0, y, kScreenWidth, y + 1}, Argb(shade / 3, shade / 3, shade));
    }
    const bool dm = game.run.Deathmatch();
    const std::uint32_t border = dm ? Argb(100, 0, 0) : Argb(90, 110, 170);

    // A picture where the build has one, its words where not.
    auto show = [&](StartupPicture which, Rect at, std::string_view words, std::uint32_t fill) {
        const Surface& picture = StartupPictureOf(which);
        if (!picture.empty()) {
            Blit(back, at.left, at.top, picture, picture.bounds(), true);
            return;
        }
        back.Fill(at, fill);
        Frame(back, at, border);
        canvas_.SetTextStyle(TextStyle{"Arial", 20, true, Argb(250, 250, 250)});
        canvas_.DrawSystemText(words, at.left + 12, at.top + (at.height() - 30) / 2);
    };
    show(StartupPicture::Logo, kLogo, "ZELKOR 3D", Argb(20, 18, 50));
    if (dm) {
        show(StartupPicture::RedTeam, kRedPlate, "RED TEAM", Argb(120, 20, 20));
        show(StartupPicture::BlueTeam, kBluePlate, "BLUE TEAM", Argb(20, 40, 130));
        if (game.run.huntingMode)
            show(StartupPicture::Hunting, kHuntingPlate, "HUNTING", Argb(20, 80, 24));
    }
    canvas_.SetTextStyle(TextStyle{"Arial", 11, false, Argb(150, 170, 160)});
    canvas_.DrawSystemText(game.startup.loadingLabel, kLogo.left + 2, kLogo.bottom + 6);

    // The console: the last five lines of the start-up log.
    const Rect console{60, 220, 580, 330};
    back.Fill(console, Argb(6, 8, 18));
    Frame(back, console, border);
    canvas_.SetTextStyle(TextStyle{"Courier New", 9, false, Argb(200, 210, 200)});
    for (std::size_t i = 0; i < game.startup.console.size(); ++i) {
        std::string_view line = game.startup.console[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        canvas_.DrawSystemText(line, console.left + 8, console.top + 6 + 20 * static_cast<int>(i));
    }

    // The progress frame with its bar.
    if (game.startup.progressShown) {
        const Rect frame{60, 360, 580, 420};
        Frame(back, frame, border);
        canvas_.SetTextStyle(TextStyle{"Arial", 9, false, Argb(150, 170, 160)});
        canvas_.DrawSystemText("Progress", frame.left + 8, frame.top + 4);
        const Rect bar{frame.left + 8, frame.top + 26, frame.right - 8, frame.bottom - 10};
        back.Fill(bar, Argb(20, 20, 30));
        const int percent = std::clamp(game.startup.progressPercent, 0, 100);
        back.Fill({bar.left, bar.top, bar.left + bar.width() * percent / 100, bar.bottom},
                  dm ? Argb(200, 40, 30) : Argb(240, 180, 40));
    }
    canvas_.SetTextStyle(saved);
    Flip();
}

}  // namespace zelkor
