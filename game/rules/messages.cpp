#include "game/rules/messages.h"

#include <algorithm>
#include <charconv>

namespace zelkor {

NumberText::NumberText(long long value) {
    size_ = static_cast<std::size_t>(
        std::to_chars(chars_.data(), chars_.data() + chars_.size(), value).ptr - chars_.data());
}

void ShowMessage(Game& game, std::string_view text) {
    ShowMessage(game, {text});
}

void ShowMessage(Game& game, std::initializer_list<std::string_view> parts) {
    game.flags.scrollCounter = 0;
    auto& lines = game.messages;
    auto line = std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.empty(); });
    if (line == lines.end()) {
        ScrollMessages(game);
        line = lines.end() - 1;
    }
    line->clear();
    for (std::string_view part : parts)
        line->append(part);
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
