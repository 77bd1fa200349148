#pragma once

#include <array>
#include <optional>
#include <vector>

#include "common/level_format.h"

namespace zelkor::editor {

// The level grid as the editor keeps it: 31 columns by 22 rows, one character per
// cell ("0" for an empty cell), cell (x, y) at index (y - 1) * 31 + (x - 1).
// The 31st column is written to the file but never reaches the game.
class GridCells {
public:
    GridCells() { Clear(); }

    // Cell 0..681. Any other index stops the program, as every fixed table does.
    char At(int index) const;
    void Set(int index, char code);
    void Clear() { cells_.fill(kEmptyCellCode); }

    // The index of cell (column, row), 1-based; nothing outside the grid.
    static std::optional<int> IndexOf(int column, int row);
    static int ColumnOf(int index) { return index % kGridColumns + 1; }
    static int RowOf(int index) { return index / kGridColumns + 1; }

    friend bool operator==(const GridCells&, const GridCells&) = default;

private:
    std::array<char, kGridCells> cells_{};
};

// One cell's change, for the undo history.
struct CellChange {
    int index = 0;
    char before = kEmptyCellCode;
    char after = kEmptyCellCode;
    friend bool operator==(const CellChange&, const CellChange&) = default;
};
using CellChanges = std::vector<CellChange>;

void ApplyChanges(GridCells& grid, const CellChanges& changes);
void RevertChanges(GridCells& grid, const CellChanges& changes);

// Adds a change of one cell to `changes` unless the cell already holds `code`.
void ChangeCell(const GridCells& grid, int index, char code, CellChanges& changes);

// The changes that empty every cell.
CellChanges ClearAllChanges(const GridCells& grid);

}  // namespace zelkor::editor
