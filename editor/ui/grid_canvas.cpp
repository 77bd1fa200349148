#include "editor/ui/grid_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "editor/core/cell_codes.h"
#include "editor/ui/level_text.h"
#include "editor/ui/tool_pictures.h"

namespace zelkor::editor {
namespace {

constexpr int kCell = kCellSize;
const QColor kGridDot(192, 192, 192);
const QColor kUserItemBack(46, 70, 96);
const QColor kHover(255, 255, 255, 150);
const QColor kWallStart(255, 210, 60);

// White bold text with a dark rim, readable on every picture.
void DrawCellText(QPainter& p, const QRectF& cell, const QString& text, qreal pointSize) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPointSizeF(pointSize);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const qreal x = cell.center().x() - width / 2;
    const qreal y = cell.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(QColor(0, 0, 0, 200), 2.0));
    p.fillPath(path, Qt::white);
    p.restore();
}

}  // namespace

GridCanvas::GridCanvas(const GridCells& grid, const ToolPictures& pictures, QWidget* parent)
    : QWidget(parent), grid_(grid), pictures_(pictures) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

QSize GridCanvas::sizeHint() const {
    return {kGridColumns * kCell * zoom_, kGridRows * kCell * zoom_};
}

void GridCanvas::SetZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, 3);
    setFixedSize(sizeHint());
    update();
}

void GridCanvas::SetUseGrid(bool on) {
    useGrid_ = on;
    RedrawAll();
}

void GridCanvas::RedrawItem(int index) {
    update(CellRect(index));
}

void GridCanvas::RedrawAll() {
    update();
}

void GridCanvas::SetWallStart(std::optional<int> index) {
    wallStart_ = index;
    update();
}

QRect GridCanvas::CellRect(int index) const {
    const int size = kCell * zoom_;
    return {(GridCells::ColumnOf(index) - 1) * size, (GridCells::RowOf(index) - 1) * size, size,
            size};
}

GridCanvas::CellPoint GridCanvas::CellAt(QPoint position) const {
    const double size = kCell * zoom_;
    return {static_cast<int>(std::floor(position.x() / size)) + 1,
            static_cast<int>(std::floor(position.y() / size)) + 1};
}

QPoint GridCanvas::CellCentre(int column, int row) const {
    const int size = kCell * zoom_;
    return {(column - 1) * size + size / 2, (row - 1) * size + size / 2};
}

void GridCanvas::PaintCell(QPainter& p, int index) const {
    const char code = grid_.At(index);
    const QRectF cell((GridCells::ColumnOf(index) - 1) * kCell,
                      (GridCells::RowOf(index) - 1) * kCell, kCell, kCell);
    p.drawPixmap(cell.topLeft(), pictures_.Picture(CellPicture(code)));
    if (IsStartCode(code)) DrawCellText(p, cell, QString::fromStdString(PlayerNumberText(code)), 7);
    if (useGrid_) p.fillRect(QRectF(cell.topLeft(), QSizeF(1, 1)), kGridDot);
    if (ShowsLetter(code)) {
        p.fillRect(cell.adjusted(2, 2, -2, -2), kUserItemBack);
        DrawCellText(p, cell, FromLevelText(std::string_view(&code, 1)), 9);
    }
}

void GridCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.scale(zoom_, zoom_);
    const QRect dirty = event->rect();
    for (int i = 0; i < kGridCells; ++i)
        if (CellRect(i).intersects(dirty)) PaintCell(p, i);

    // The column the game never reads.
    const QRectF lastColumn((kGridColumns - 1) * kCell, 0, kCell, kGridRows * kCell);
    p.fillRect(lastColumn, QColor(0, 0, 0, 120));
    p.fillRect(lastColumn, QBrush(QColor(255, 255, 255, 40), Qt::BDiagPattern));

    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    auto outline = [&](int index, const QColor& colour) {
        p.setPen(QPen(colour, 1));
        p.drawRect(CellRect(index).adjusted(0, 0, -1, -1));
    };
    if (hover_) outline(*hover_, kHover);
    if (wallStart_) outline(*wallStart_, kWallStart);
    // While the wall tool waits for its second point: where the wall would go.
    if (wallStart_ && hover_) {
        const QRect from = CellRect(*wallStart_);
        const QRect to = CellRect(*hover_);
        if (from.top() == to.top() || from.left() == to.left()) {
            p.setPen(QPen(kWallStart, 1, Qt::DashLine));
            p.drawRect(from.united(to).adjusted(0, 0, -1, -1));
        }
    }
}

void GridCanvas::SetHover(std::optional<int> index) {
    if (hover_ == index) return;
    if (wallStart_) {
        update();  // the wall's outline follows the pointer
    } else {
        if (hover_) RedrawItem(*hover_);
        if (index) RedrawItem(*index);
    }
    hover_ = index;
}

void GridCanvas::mousePressEvent(QMouseEvent* event) {
    const CellPoint at = CellAt(event->position().toPoint());
    emit Pressed(at.column, at.row, event->button());
}

void GridCanvas::mouseMoveEvent(QMouseEvent* event) {
    const CellPoint at = CellAt(event->position().toPoint());
    SetHover(GridCells::IndexOf(at.column, at.row));
    emit Moved(at.column, at.row, event->buttons());
}

void GridCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->button());
}

void GridCanvas::leaveEvent(QEvent*) {
    SetHover(std::nullopt);
}

}  // namespace zelkor::editor
