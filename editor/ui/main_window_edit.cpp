// The main window's grid editing: pointer, wall tool, clear, redraw and history.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "editor/core/cell_codes.h"
#include "editor/ui/editor_dialogs.h"
#include "editor/ui/grid_canvas.h"
#include "editor/ui/grid_commands.h"
#include "editor/ui/level_text.h"
#include "editor/ui/main_window.h"

namespace zelkor::editor {
namespace {

MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::Other;
    }
}

}  // namespace

void MainWindow::CanvasPressed(int column, int row, Qt::MouseButton button) {
    FinishStroke();  // a release lost to a message box
    if (wallTool_.Waiting()) {
        const WallTool::Step step = wallTool_.Click(level_.grid, column, row);
        SetStatus(QString::fromStdString(step.status));
        canvas_->SetWallStart(wallTool_.Waiting() ? GridCells::IndexOf(column, row) : std::nullopt);
        if (!step.changes.empty()) Push("Wall", step.changes, false);
        return;
    }
    const std::optional<int> index = GridCells::IndexOf(column, row);
    if (!index) return;

    if (button == Qt::LeftButton && IsStartCode(currentSymbol_)) SetStatus("Checking...");
    const PressResult press =
        PressCell(level_.grid, *index, currentSymbol_, ButtonOf(button), [this](char code) {
            return services_.dialogs.Ask(this, kEditorTitle,
                                         QString("Replace startpoint '%1'?").arg(QChar(code)),
                                         EditorDialogs::Icon::Question);
        });
    if (press.declined) return;  // the status line keeps "Checking..."
    SetStatus("");
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    ApplyChanges(level_.grid, press.changes);
    RedrawCells(press.changes);
    // A start code is placed by a press alone; anything else may go on as a stroke.
    if (IsStartCode(currentSymbol_) && button == Qt::LeftButton) {
        if (!press.changes.empty()) Push("Place start point", press.changes, true);
        return;
    }
    stroke_ = press.changes;
    UpdateHistoryControls();
}

void MainWindow::CanvasMoved(int column, int row, Qt::MouseButtons buttons) {
    columnLabel_->setText(QString("X: %1").arg(column));
    rowLabel_->setText(QString("Y: %1").arg(row));
    const std::optional<int> index = GridCells::IndexOf(column, row);
    if (!index) {
        SetInfo("nothing");
        return;
    }
    SetInfo(FromLevelText(CellInfoText(*index, level_.grid.At(*index))));
    const HeldButtons held{buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton),
                           (buttons & ~(Qt::LeftButton | Qt::RightButton)) != Qt::NoButton};
    const std::optional<char> paint = DragPaint(currentSymbol_, held);
    if (!paint || level_.grid.At(*index) == *paint) return;
    CellChanges change;
    ChangeCell(level_.grid, *index, *paint, change);
    ApplyChanges(level_.grid, change);
    RedrawCells(change);
    if (!stroke_) {
        stroke_.emplace();
        UpdateHistoryControls();
    }
    stroke_->insert(stroke_->end(), change.begin(), change.end());
}

void MainWindow::CanvasReleased() {
    FinishStroke();
}

void MainWindow::FinishStroke() {
    if (!stroke_) return;
    CellChanges changes = std::move(*stroke_);
    stroke_.reset();
    if (!changes.empty()) Push("Paint", std::move(changes), true);
    UpdateHistoryControls();
}

void MainWindow::UpdateHistoryControls() {
    // While a stroke is dragged, Undo ends it and takes it back.
    const bool canUndo = history_.canUndo() || stroke_.has_value();
    undoButton_->setEnabled(canUndo);
    undoAction_->setEnabled(canUndo);
    redoButton_->setEnabled(history_.canRedo());
    redoAction_->setEnabled(history_.canRedo());
}

void MainWindow::Push(const QString& text, CellChanges changes, bool applied) {
    history_.push(new GridChangeCommand(
        text, std::move(changes), level_.grid, [this](const CellChanges& c) { RedrawCells(c); },
        applied));
}

void MainWindow::RedrawCells(const CellChanges& changes) {
    for (const CellChange& c : changes)
        canvas_->RedrawItem(c.index);
    ShowHoveredCell();
}

void MainWindow::ShowHoveredCell() {
    if (const std::optional<int> index = canvas_->HoverCell())
        SetInfo(FromLevelText(CellInfoText(*index, level_.grid.At(*index))));
}

void MainWindow::Undo() {
    FinishStroke();
    history_.undo();
}

void MainWindow::Redo() {
    FinishStroke();
    history_.redo();
}

void MainWindow::DrawWall() {
    FinishStroke();
    SetStatus(QString::fromStdString(wallTool_.Begin().status));
    canvas_->SetWallStart(std::nullopt);
}

void MainWindow::ClearAll() {
    FinishStroke();
    CellChanges changes = ClearAllChanges(level_.grid);
    for (int i = 0; i < kGridCells; i += 31)
        SetStatus(QString::fromStdString(ProgressText("Clearing Surfaces...", i)));
    if (!changes.empty()) Push("Clear", std::move(changes), false);
    SetStatus("Clearing Surfaces Done...");
}

void MainWindow::RedrawAll() {
    for (int i = 0; i < kGridCells; i += 31)
        SetStatus(QString::fromStdString(ProgressText("Redrawing Surfaces...", i)));
    canvas_->RedrawAll();
    SetStatus("Redrawing Surfaces Done...");
}

bool MainWindow::Modified() const {
    return levelEdited_ || !history_.isClean();
}

void MainWindow::LevelEdited() {
    levelEdited_ = true;
    UpdateCaption();
}

void MainWindow::UpdateCaption() {
    QString caption = EditorCaption();
    if (!currentFile_.empty())
        caption += " - " + QString::fromStdString(currentFile_.filename().string());
    setWindowTitle(caption + "[*]");
    setWindowModified(Modified());
}

void MainWindow::MarkSaved(const std::filesystem::path& file) {
    recent_.Add(file);
    RecentChanged();
    currentFile_ = file;
    levelEdited_ = false;
    history_.setClean();
    UpdateCaption();
}

}  // namespace zelkor::editor
