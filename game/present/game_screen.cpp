#include "game/present/game_screen.h"

namespace zelkor {

GameScreen::GameScreen(Display& display) : display_(display) {}

void GameScreen::FillVisible(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    back_.Fill(Argb(r, g, b));
    display_.Present(back_);
}

void GameScreen::Flip() {
    display_.Present(back_);
}

}  // namespace zelkor
