#include "editor/ui/grid_commands.h"

#include <utility>

namespace zelkor::editor {

GridChangeCommand::GridChangeCommand(const QString& text, CellChanges changes, GridCells& grid,
                                     Redraw redraw, bool applied)
    : QUndoCommand(text),
      changes_(std::move(changes)),
      grid_(grid),
      redraw_(std::move(redraw)),
      skipRedo_(applied) {}

void GridChangeCommand::redo() {
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    ApplyChanges(grid_, changes_);
    redraw_(changes_);
}

void GridChangeCommand::undo() {
    RevertChanges(grid_, changes_);
    redraw_(changes_);
}

}  // namespace zelkor::editor
