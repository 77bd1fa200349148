#include "editor/core/pointer_rules.h"

#include "editor/core/cell_codes.h"

namespace zelkor::editor {

PressResult PressCell(const GridCells& grid, int index, char symbol, MouseButton button,
                      const ReplaceStartQuestion& replaceStart) {
    PressResult result;
    switch (button) {
        case MouseButton::Left:
            if (IsStartCode(symbol)) {
                // Of each start code the grid holds at most one cell.
                for (int i = 0; i < kGridCells; ++i) {
                    if (i == index || grid.At(i) != symbol) continue;
                    if (!replaceStart(symbol)) return {{}, true};
                    ChangeCell(grid, i, kEmptyCellCode, result.changes);
                }
            }
            ChangeCell(grid, index, symbol, result.changes);
            break;
        case MouseButton::Right:
            ChangeCell(grid, index, kEmptyCellCode, result.changes);
            break;
        case MouseButton::Other:
            break;
    }
    return result;
}

bool PaintsWhileDragging(char symbol) {
    const auto c = static_cast<unsigned char>(symbol);
    return symbol == '+' || symbol == '0' || symbol == '-' || symbol == '|' ||
           symbol == kSpawnPointCode || (c >= 96 && c <= 133);
}

std::optional<char> DragPaint(char symbol, HeldButtons held) {
    if (held.OnlyLeft() && PaintsWhileDragging(symbol)) return symbol;
    if (held.OnlyRight()) return kEmptyCellCode;
    return std::nullopt;
}

}  // namespace zelkor::editor
