#include "game/rules/messages.h"

#include <algorithm>

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

void ConsolePrint(Game& game, std::string_view text) {
    auto& lines = game.startup.console;
    std::rotate(lines.begin(), lines.begin() + 1, lines.end());
    std::string& line = lines.back();
    line.assign(text);
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) line += "\r\n";
    if (game.run.debug) ShowMessage(game, text);
}

void SetProgress(Game& game, double percent) {
    game.startup.progressPercent = static_cast<int>(std::clamp(percent, 0.0, 100.0));
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
