#include "game/present/fit_text.h"

#include <utility>

namespace zelkor {
namespace {

constexpr std::string_view kCutMark = "...";

int CharWidth(TextRenderer& text, const TextStyle& style, char c) {
    return text.Width(style, std::string_view(&c, 1));
}

// The number of leading characters that fit in `width`.
std::size_t StartThatFits(TextRenderer& text, const TextStyle& style, std::string_view line,
                          int width) {
    std::size_t n = 0;
    for (int used = 0; n < line.size(); ++n) {
        used += CharWidth(text, style, line[n]);
        if (used > width) break;
    }
    return n;
}

// The number of trailing characters that fit in `width`, and their width.
std::pair<std::size_t, int> EndThatFits(TextRenderer& text, const TextStyle& style,
                                        std::string_view line, int width) {
    std::size_t n = 0;
    int used = 0;
    while (n < line.size()) {
        const int next = used + CharWidth(text, style, line[line.size() - 1 - n]);
        if (next > width) break;
        used = next;
        ++n;
    }
    return {n, used};
}

}  // namespace

void FitKeepingEnds(TextRenderer& text, const TextStyle& style, std::string_view line, int width,
                    LineText& out) {
    if (text.Width(style, line) <= width) {
        out << line;
        return;
    }
    const int room = width - text.Width(style, kCutMark);
    if (room < 0) return;
    const auto [endChars, endWidth] = EndThatFits(text, style, line, room * 3 / 4);
    const std::size_t startChars =
        StartThatFits(text, style, line.substr(0, line.size() - endChars), room - endWidth);
    out << line.substr(0, startChars) << kCutMark << line.substr(line.size() - endChars);
}

void FitKeepingStart(TextRenderer& text, const TextStyle& style, std::string_view line, int width,
                     LineText& out) {
    if (text.Width(style, line) <= width) {
        out << line;
        return;
    }
    const int room = width - text.Width(style, kCutMark);
    if (room < 0) return;
    out << line.substr(0, StartThatFits(text, style, line, room)) << kCutMark;
}

}  // namespace zelkor
