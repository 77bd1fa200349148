#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

// `ShowMessage`: a new line of the five on-screen message lines. It fills the first
// empty line; when all five are full the oldest scrolls off. The lines then scroll
// away one every two seconds (tmr1).
void ShowMessage(Game& game, std::string_view text);
// The same for a line put together from parts, written straight into its line so
// that a message during play allocates nothing once the lines have grown.
void ShowMessage(Game& game, std::initializer_list<std::string_view> parts);

// A whole number as a message part, written into its own few bytes.
class NumberText {
public:
    explicit NumberText(long long value);
    operator std::string_view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 24> chars_;
    std::size_t size_ = 0;
};

// One step of the message scroll: line 1 is dropped, lines 2..5 move up.
void ScrollMessages(Game& game);

// `ConsolePrint`: a line of the five-line start-up console. The lines move up by
// one, the oldest is dropped, and the text (with CR LF added unless it ends in
// one) becomes the last line. In debug mode it also goes to the message lines.
void ConsolePrint(Game& game, std::string_view text);

// `setValue`: the start-up progress bar, in per cent of its width (0..100).
void SetProgress(Game& game, double percent);

// The centred box lines of the death and level-end boxes.
void SetCentredLine(Game& game, int index, std::string_view text, int y, int font = 4);
void ClearCentredLines(Game& game);

}  // namespace zelkor
