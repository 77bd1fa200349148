#pragma once

#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

// `ShowMessage`: a new line of the five on-screen message lines. It fills the first
// empty line; when all five are full the oldest scrolls off. The lines then scroll
// away one every two seconds (tmr1).
void ShowMessage(Game& game, std::string_view text);

// One step of the message scroll: line 1 is dropped, lines 2..5 move up.
void ScrollMessages(Game& game);

// The centred box lines of the death and level-end boxes.
void SetCentredLine(Game& game, int index, std::string_view text, int y, int font = 4);
void ClearCentredLines(Game& game);

}  // namespace zelkor
