// The Levels page of the menu.
#include "game/present/menu_screen.h"

namespace zelkor {
namespace {

using namespace menu_layout;

constexpr std::uint32_t kSelectionBar = Argb(40, 50, 100);

std::uint32_t MarkColour(GridMark mark) {
    switch (mark) {
        case GridMark::Wall:
            return Argb(150, 90, 60);
        case GridMark::Start:
            return Argb(60, 230, 90);
        case GridMark::FixPoint:
            return Argb(240, 200, 40);
        case GridMark::UserItem:
            return Argb(80, 170, 230);
        case GridMark::Empty:
            break;
    }
    return kOpaqueBlack;
}

}  // namespace

void MenuScreen::DrawLevels(const Game& game) {
    const MenuState& m = game.menu;
    Background(Fixed::LevelsBkg);
    Text("Level", kLevelNameX, kLevelHeadingY, kMenuGrey);
    Text("Author", kLevelAuthorX, kLevelHeadingY, kMenuGrey);
    Text("Best", kLevelBestX, kLevelHeadingY, kMenuGrey);

    const int count = static_cast<int>(m.levels.size());
    const int last = std::min(count, m.levelsTop + kLevelsInView - 1);
    for (int row = m.levelsTop; row <= last; ++row) {
        const LevelListEntry& level = m.levels[static_cast<std::size_t>(row - 1)];
        const int y = LevelRowY(row - m.levelsTop);
        const bool selected = row == m.levelsRow;
        if (selected) {
            canvas_.back().Fill(
                Rect{kLevelNameX - 10, y - 2, kLevelListRight + 4, y - 2 + kLevelRowHeight},
                kSelectionBar);
        }
        // A level the reader refuses stays grey, selected or not.
        const std::uint32_t colour = !level.error.empty() ? kMenuGrey
                                     : selected           ? kMenuYellow
                                                          : kMenuWhite;
        TextUpTo(level.name, kLevelNameX, y, kLevelAuthorX - 8, colour);
        TextUpTo(level.author, kLevelAuthorX, y, kLevelBestX - 8, colour);
        TextUpTo(level.best, kLevelBestX, y, kLevelListRight, colour);
    }
    if (count > 0) {
        line_.clear();
        line_ << "Levels " << static_cast<int>(m.levelsTop) << "-" << last << " of " << count;
        Text(line_.view(), kLevelNameX, kLevelCountY, kMenuGrey);
    }
    // The cursor is kept on the list by the menu's pass; a list read again in between may
    // be shorter.
    if (m.levelsRow >= 1 && m.levelsRow <= count)
        DrawLevelGrid(m.levels[static_cast<std::size_t>(m.levelsRow - 1)]);
    StatusAndVersion(m.statusLine);
}

void MenuScreen::DrawLevelGrid(const LevelListEntry& level) {
    Surface& back = canvas_.back();
    back.Fill(Rect{kLevelGrid.x, kLevelGrid.y, kLevelGrid.x + kGridColumns * kLevelGridCell,
                   kLevelGrid.y + kGridRows * kLevelGridCell},
              kOpaqueBlack);
    for (int row = 0; row < kGridRows; ++row) {
        for (int col = 0; col < kGridColumns; ++col) {
            const GridMark mark = level.grid[static_cast<std::size_t>(row * kGridColumns + col)];
            if (mark == GridMark::Empty) continue;
            const int x = kLevelGrid.x + col * kLevelGridCell;
            const int y = kLevelGrid.y + row * kLevelGridCell;
            back.Fill(Rect{x, y, x + kLevelGridCell, y + kLevelGridCell}, MarkColour(mark));
        }
    }
}

}  // namespace zelkor
