#include "game/rules/messages.h"

namespace zelkor {

void ShowMessage(Game& game, std::string_view text) {
    game.flags.scrollCounter = 0;
    auto& lines = game.messages;
    bool placed = false;
    for (auto& line : lines) {
        if (line.empty()) {
            line.assign(text);
            placed = true;
            break;
        }
    }
    if (!placed) {
        ScrollMessages(game);
        lines.back().assign(text);
    }
    game.flags.messageScroll = true;
}

void ScrollMessages(Game& game) {
    auto& lines = game.messages;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        lines[i].swap(lines[i + 1]);
    lines.back().clear();
}

void SetCentredLine(Game& game, int index, std::string_view text, int y, int font) {
    CentredLine& line = game.centredLines.at(static_cast<std::size_t>(index));
    line.text.assign(text);
    line.y = static_cast<std::int16_t>(y);
    line.font = static_cast<std::int16_t>(font);
}

void ClearCentredLines(Game& game) {
    for (CentredLine& line : game.centredLines)
        line = CentredLine{};
}

}  // namespace zelkor
