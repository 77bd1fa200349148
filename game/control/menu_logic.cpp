#include "game/control/menu_logic.h"

#include <array>
#include <string_view>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 4> kMainMenuHelp{
    "Start a new game", "Modify game options", "Show high score table", "Exit this cool game"};

void MainMenuPass(Game& game) {
    MenuState& m = game.menu;
    m.highlights.fill(false);
    if (m.menuRow < 1) m.menuRow = 4;
    if (m.menuRow > 4) m.menuRow = 1;
    m.highlights[static_cast<std::size_t>(m.menuRow - 1)] = true;
    m.statusLine = kMainMenuHelp[static_cast<std::size_t>(m.menuRow - 1)];
}

}  // namespace

void MenuPassLogic(Game& game) {
    MenuState& m = game.menu;
    m.typingAllowed = false;
    m.typingTarget.clear();
    if (m.hallOfFamePage == 1) {
        m.typingAllowed = true;
        m.typingTarget = "Cheat";
    } else if (m.optionsPage == 1) {
        if (m.optionsRow < 1) m.optionsRow = 14;
        if (m.optionsRow > 14) m.optionsRow = 1;
        m.optionsCommand.clear();
    } else {
        MainMenuPass(game);
    }
}

}  // namespace zelkor
