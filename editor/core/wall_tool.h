#pragma once

#include <string>

#include "editor/core/grid_cells.h"

namespace zelkor::editor {

// "Draw Wall": the next two clicks on the grid are the wall's ends. A straight run
// gets its end pieces and middles; a horizontal wall needs at least 4 cells, a
// vertical one at least 5.
class WallTool {
public:
    enum class State { Idle, WaitingForStart, WaitingForEnd };

    struct Step {
        std::string status;   // "Start?", "End?", "Impossible", "Not Supported!", "Done"
        CellChanges changes;  // the wall, once both ends are known
    };

    // Starts (or starts again) waiting for the first click.
    Step Begin();
    // A click on cell (column, row); points outside the grid make the wall impossible.
    Step Click(const GridCells& grid, int column, int row);
    // Escape: stop waiting. Nothing is drawn.
    void Cancel() { state_ = State::Idle; }

    State state() const { return state_; }
    bool Waiting() const { return state_ != State::Idle; }

private:
    Step Finish(const GridCells& grid) const;

    State state_ = State::Idle;
    int startColumn_ = 0;
    int startRow_ = 0;
    int endColumn_ = 0;
    int endRow_ = 0;
};

}  // namespace zelkor::editor
