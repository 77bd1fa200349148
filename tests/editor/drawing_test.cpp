// The grid's tools: pressing, dragging, the wall tool and what the info box says.
#include <gtest/gtest.h>

#include "editor/core/cell_codes.h"
#include "editor/core/pointer_rules.h"
#include "editor/core/wall_tool.h"

namespace zelkor::editor {
namespace {

int At(int column, int row) {
    return *GridCells::IndexOf(column, row);
}

GridCells After(const GridCells& grid, const CellChanges& changes) {
    GridCells out = grid;
    ApplyChanges(out, changes);
    return out;
}

TEST(Grid, IndexesRunRowByRowAndStopAtTheEdges) {
    EXPECT_EQ(At(1, 1), 0);
    EXPECT_EQ(At(31, 22), 681);
    EXPECT_EQ(GridCells::ColumnOf(33), 3);
    EXPECT_EQ(GridCells::RowOf(33), 2);
    EXPECT_FALSE(GridCells::IndexOf(32, 1));
    EXPECT_FALSE(GridCells::IndexOf(1, 23));
    EXPECT_FALSE(GridCells::IndexOf(0, 5));
    GridCells grid;
    EXPECT_DEATH(grid.Set(682, '+'), "");
}

TEST(Press, AStartCodeAsksBeforeItMovesAnotherCellsStart) {
    GridCells grid;
    grid.Set(At(2, 2), 'S');
    grid.Set(At(3, 3), '5');
    std::vector<char> asked;
    auto yes = [&](char code) {
        asked.push_back(code);
        return true;
    };
    const PressResult moved = PressCell(grid, At(9, 9), 'S', MouseButton::Left, yes);
    EXPECT_EQ(asked, std::vector<char>{'S'});
    const GridCells after = After(grid, moved.changes);
    EXPECT_EQ(after.At(At(2, 2)), '0');
    EXPECT_EQ(after.At(At(9, 9)), 'S');
    EXPECT_EQ(after.At(At(3, 3)), '5') << "other start codes stay";

    const PressResult declined =
        PressCell(grid, At(9, 9), 'S', MouseButton::Left, [](char) { return false; });
    EXPECT_TRUE(declined.declined);
    EXPECT_TRUE(declined.changes.empty());

    // Pressing on the start's own cell asks nothing; undoing gives the grid back.
    asked.clear();
    const PressResult same = PressCell(grid, At(2, 2), 'S', MouseButton::Left, yes);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(same.changes.empty());
    GridCells undone = after;
    RevertChanges(undone, moved.changes);
    EXPECT_EQ(undone, grid);
}

TEST(Press, RightErasesAndOtherButtonsChangeNothing) {
    GridCells grid;
    grid.Set(5, '+');
    auto never = [](char) -> bool {
        ADD_FAILURE() << "asked";
        return false;
    };
    EXPECT_EQ(PressCell(grid, 5, '<', MouseButton::Right, never).changes,
              (CellChanges{{5, '+', '0'}}));
    EXPECT_TRUE(PressCell(grid, 5, '<', MouseButton::Other, never).changes.empty());
    // A wall end is placed by a press, over whatever the cell held.
    EXPECT_EQ(PressCell(grid, 5, '<', MouseButton::Left, never).changes,
              (CellChanges{{5, '+', '<'}}));
}

TEST(Drag, PaintsOnlyMiddlesBlanksFixPointsAndUserItems) {
    const HeldButtons left{true, false, false};
    const HeldButtons right{false, true, false};
    const HeldButtons both{true, true, false};
    for (char symbol : std::string("+0-|*az"))
        EXPECT_EQ(DragPaint(symbol, left), symbol) << symbol;
    for (char symbol : std::string("<>^.S19AF"))
        EXPECT_FALSE(DragPaint(symbol, left)) << symbol;
    EXPECT_EQ(DragPaint('<', right), '0');
    EXPECT_FALSE(DragPaint('+', both));
    EXPECT_FALSE(DragPaint('+', {}));
}

TEST(WallTool, LaysStraightRunsWithTheirEnds) {
    GridCells grid;
    grid.Set(At(7, 3), 'S');  // walls overwrite whatever the cells hold
    WallTool tool;
    auto wall = [&](int c1, int r1, int c2, int r2) {
        EXPECT_EQ(tool.Begin().status, "Start?");
        EXPECT_EQ(tool.Click(grid, c1, r1).status, "End?");
        WallTool::Step step = tool.Click(grid, c2, r2);
        EXPECT_FALSE(tool.Waiting());
        return step;
    };
    auto row = [](const GridCells& g, int first, int last, int r) {
        std::string cells;
        for (int c = first; c <= last; ++c)
            cells += g.At(At(c, r));
        return cells;
    };
    auto column = [](const GridCells& g, int c, int first, int last) {
        std::string cells;
        for (int r = first; r <= last; ++r)
            cells += g.At(At(c, r));
        return cells;
    };

    const WallTool::Step h = wall(5, 3, 8, 3);
    EXPECT_EQ(h.status, "Done");
    EXPECT_EQ(row(After(grid, h.changes), 4, 9, 3), "0<-->0");
    EXPECT_EQ(row(After(grid, wall(9, 3, 5, 3).changes), 5, 9, 3), "<--->") << "end clicked first";
    EXPECT_EQ(column(After(grid, wall(4, 6, 4, 2).changes), 4, 1, 7), "0^|||.0");

    for (auto [c1, r1, c2, r2] : std::vector<std::array<int, 4>>{
             {5, 3, 7, 3}, {4, 2, 4, 5}, {6, 6, 6, 6}, {30, 1, 33, 1}, {2, 20, 2, 24}}) {
        const WallTool::Step step = wall(c1, r1, c2, r2);
        EXPECT_EQ(step.status, "Impossible") << c1 << "," << r1 << " " << c2 << "," << r2;
        EXPECT_TRUE(step.changes.empty());
    }
    EXPECT_EQ(wall(2, 2, 5, 7).status, "Not Supported!");

    // Escape while waiting for the second point: the next click draws nothing.
    tool.Begin();
    tool.Click(grid, 1, 1);
    tool.Cancel();
    EXPECT_FALSE(tool.Waiting());
    EXPECT_TRUE(tool.Click(grid, 9, 1).changes.empty());
}

TEST(CellInfo, EdgesOfTheCodeRanges) {
    EXPECT_EQ(CellInfoText(33, 'S'), "#(33):\n'S' = [Player 1 Start]");
    EXPECT_EQ(CellDescription('F'), "Player 16 Start");
    EXPECT_EQ(CellDescription('9'), "Player 10 Start");
    EXPECT_EQ(PlayerNumberText('A'), "11");
    EXPECT_EQ(CellDescription('{'), "User Item") << "codes up to 133 count as letters";
    EXPECT_EQ(CellDescription('|'), "vertical wall") << "124 lies in that range but is a wall";
    EXPECT_EQ(CellDescription('#'), "nothing");
    EXPECT_EQ(ProgressText("Clearing Surfaces...", 340), "Clearing Surfaces...\n49%");
    EXPECT_EQ(ProgressText("Redrawing Surfaces...", 681), "Redrawing Surfaces...\n100%");
    EXPECT_EQ(StartMenuEntry(0), "1st (Single Player)");
    EXPECT_EQ(StartMenuEntry(1), "2nd (Multi Player)");
    EXPECT_EQ(StartMenuEntry(10), "11th (Multi Player)");
    // Every palette picture selects the code whose cells it draws.
    for (int p = 0; p < kToolPictureCount; ++p) {
        const auto picture = static_cast<ToolPicture>(p);
        const auto code = PaletteCode(picture);
        if (code && *code != '0') {
            EXPECT_EQ(CellPicture(*code), picture) << p;
        }
    }
}

}  // namespace
}  // namespace zelkor::editor
