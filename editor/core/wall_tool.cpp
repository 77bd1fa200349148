#include "editor/core/wall_tool.h"

#include <algorithm>

#include "common/level_format.h"

namespace zelkor::editor {

WallTool::Step WallTool::Begin() {
    state_ = State::WaitingForStart;
    return {"Start?", {}};
}

WallTool::Step WallTool::Click(const GridCells& grid, int column, int row) {
    switch (state_) {
        case State::Idle:
            return {};
        case State::WaitingForStart:
            startColumn_ = column;
            startRow_ = row;
            state_ = State::WaitingForEnd;
            return {"End?", {}};
        case State::WaitingForEnd:
            endColumn_ = column;
            endRow_ = row;
            state_ = State::Idle;
            return Finish(grid);
    }
    return {};
}

WallTool::Step WallTool::Finish(const GridCells& grid) const {
    if (!GridCells::IndexOf(startColumn_, startRow_) || !GridCells::IndexOf(endColumn_, endRow_))
        return {"Impossible", {}};
    Step step{"Done", {}};
    auto put = [&](int column, int row, char code) {
        ChangeCell(grid, *GridCells::IndexOf(column, row), code, step.changes);
    };
    if (startRow_ == endRow_) {
        const auto [first, last] = std::minmax(startColumn_, endColumn_);
        if (last - first < 3) return {"Impossible", {}};
        for (int column = first; column <= last; ++column)
            put(column, startRow_,
                column == first  ? WallCode(WallKind::v_l)
                : column == last ? WallCode(WallKind::v_r)
                                 : WallCode(WallKind::h));
    } else if (startColumn_ == endColumn_) {
        const auto [top, bottom] = std::minmax(startRow_, endRow_);
        if (bottom - top <= 3) return {"Impossible", {}};
        for (int row = top; row <= bottom; ++row)
            put(startColumn_, row,
                row == top      ? WallCode(WallKind::h_t)
                : row == bottom ? WallCode(WallKind::h_b)
                                : WallCode(WallKind::v));
    } else {
        return {"Not Supported!", {}};
    }
    return step;
}

}  // namespace zelkor::editor
