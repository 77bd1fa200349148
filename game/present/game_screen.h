#pragma once

#include "game/present/display.h"
#include "game/present/screen.h"
#include "game/present/surface.h"

namespace zelkor {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The game's pictures: every frame is composed in a 640 x 480 back buffer of our
// own and handed to the display at the flip.
class GameScreen : public Screen {
public:
    explicit GameScreen(Display& display);

    const Surface& backBuffer() const { return back_; }

    void FillVisible(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    void Flip() override;
    void ShowCursor(bool shown) override { display_.ShowCursor(shown); }

private:
    Display& display_;
    Surface back_{kScreenWidth, kScreenHeight};
};

}  // namespace zelkor
