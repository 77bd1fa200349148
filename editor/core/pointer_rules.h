#pragma once

#include <functional>
#include <optional>

#include "editor/core/grid_cells.h"

namespace zelkor::editor {

enum class MouseButton { Left, Right, Other };

// Which buttons are held while the pointer moves.
struct HeldButtons {
    bool left = false;
    bool right = false;
    bool other = false;
    bool OnlyLeft() const { return left && !right && !other; }
    bool OnlyRight() const { return right && !left && !other; }
};

// Asked once for every other cell that holds the start code being placed:
// "Replace startpoint 'S'?". True replaces it.
using ReplaceStartQuestion = std::function<bool(char code)>;

struct PressResult {
    CellChanges changes;
    bool declined = false;  // a replacement was declined: nothing changes
};

// A press on cell `index` with the current symbol. The left button places the symbol
// (a start code only after every other cell with the same code may be emptied); the
// right button empties the cell; other buttons change nothing.
PressResult PressCell(const GridCells& grid, int index, char symbol, MouseButton button,
                      const ReplaceStartQuestion& replaceStart);

// Dragging paints only bricks, wall middles, blanks, fix points and user items with
// the left button, and erases with the right. Start codes and wall ends are placed by
// a press only.
bool PaintsWhileDragging(char symbol);

// The code a cell passed while dragging takes, or nothing.
std::optional<char> DragPaint(char symbol, HeldButtons held);

}  // namespace zelkor::editor
