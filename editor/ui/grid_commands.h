#pragma once

#include <QUndoCommand>
#include <functional>

#include "editor/core/grid_cells.h"

namespace zelkor::editor {

// One step of the grid's history: a press or a stroke of the pointer, a wall, a clear.
class GridChangeCommand final : public QUndoCommand {
public:
    using Redraw = std::function<void(const CellChanges&)>;

    // `applied`: the cells already hold the changes (a stroke painted as the pointer
    // moved), so the first redo leaves them.
    GridChangeCommand(const QString& text, CellChanges changes, GridCells& grid, Redraw redraw,
                      bool applied);

    void redo() override;
    void undo() override;

private:
    CellChanges changes_;
    GridCells& grid_;
    Redraw redraw_;
    bool skipRedo_;
};

}  // namespace zelkor::editor
