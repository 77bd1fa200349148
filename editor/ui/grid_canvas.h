#pragma once

#include <QWidget>
#include <optional>

#include "editor/core/grid_cells.h"

namespace zelkor::editor {

class ToolPictures;

// The "Game Table:": one 20 x 20 square per cell, drawn at 1x, 2x or 3x. It always
// shows exactly the grid: every paint draws the cells from the grid as they are.
// Column 31, which the game never reads, is shaded.
class GridCanvas final : public QWidget {
    Q_OBJECT

public:
    GridCanvas(const GridCells& grid, const ToolPictures& pictures, QWidget* parent = nullptr);

    void SetZoom(int zoom);  // 1..3
    int Zoom() const { return zoom_; }
    void SetUseGrid(bool on);
    bool UseGrid() const { return useGrid_; }

    // `RedrawItem`: draws cell 0..681 again.
    void RedrawItem(int index);
    void RedrawAll();

    // The cell under the pointer, if the pointer is over the grid.
    std::optional<int> HoverCell() const { return hover_; }

    // The wall tool's first point, shown until the second is clicked.
    void SetWallStart(std::optional<int> index);

    // The cell under a point of the canvas, 1-based; may lie outside the grid.
    struct CellPoint {
        int column = 0;
        int row = 0;
    };
    CellPoint CellAt(QPoint position) const;
    // The centre of cell (column, row) in canvas coordinates.
    QPoint CellCentre(int column, int row) const;

    QSize sizeHint() const override;

signals:
    void Pressed(int column, int row, Qt::MouseButton button);
    void Moved(int column, int row, Qt::MouseButtons buttons);
    void Released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect CellRect(int index) const;
    void PaintCell(class QPainter& painter, int index) const;
    void SetHover(std::optional<int> index);

    const GridCells& grid_;
    const ToolPictures& pictures_;
    int zoom_ = 1;
    bool useGrid_ = false;
    std::optional<int> hover_;
    std::optional<int> wallStart_;
};

}  // namespace zelkor::editor
