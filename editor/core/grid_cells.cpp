#include "editor/core/grid_cells.h"

#include <cstdlib>

namespace zelkor::editor {
namespace {

std::size_t Checked(int index) {
    if (index < 0 || index >= kGridCells) std::abort();
    return static_cast<std::size_t>(index);
}

}  // namespace

char GridCells::At(int index) const {
    return cells_[Checked(index)];
}

void GridCells::Set(int index, char code) {
    cells_[Checked(index)] = code;
}

std::optional<int> GridCells::IndexOf(int column, int row) {
    if (column < 1 || column > kGridColumns || row < 1 || row > kGridRows) return std::nullopt;
    return (row - 1) * kGridColumns + (column - 1);
}

void ApplyChanges(GridCells& grid, const CellChanges& changes) {
    for (const CellChange& c : changes)
        grid.Set(c.index, c.after);
}

void RevertChanges(GridCells& grid, const CellChanges& changes) {
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
        grid.Set(it->index, it->before);
}

void ChangeCell(const GridCells& grid, int index, char code, CellChanges& changes) {
    // A cell changed earlier in the same list is compared with its newest value.
    char current = grid.At(index);
    for (const CellChange& c : changes)
        if (c.index == index) current = c.after;
    if (current != code) changes.push_back({index, current, code});
}

CellChanges ClearAllChanges(const GridCells& grid) {
    CellChanges changes;
    for (int i = 0; i < kGridCells; ++i)
        ChangeCell(grid, i, kEmptyCellCode, changes);
    return changes;
}

}  // namespace zelkor::editor
