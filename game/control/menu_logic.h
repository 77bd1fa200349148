#pragma once

#include "game/rules/game.h"

namespace zelkor {

// The state side of one pass of the menu screens: cursor wraps, highlights, the
// status line, the options actions and the typing target of the page shown.
// Drawing is the screen's.
void MenuPassLogic(Game& game);

}  // namespace zelkor
