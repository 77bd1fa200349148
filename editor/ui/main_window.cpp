#include "editor/ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "editor/core/cell_codes.h"
#include "editor/core/level_writer.h"
#include "editor/ui/grid_canvas.h"
#include "editor/ui/level_settings_window.h"
#include "editor/ui/level_text.h"
#include "editor/ui/recent_menu.h"
#include "editor/ui/text_binding.h"
#include "editor/ui/tool_window_place.h"
#include "editor/ui/user_items_window.h"

namespace zelkor::editor {
namespace {

const char* const kHintProperty = "zelkorHint";

}  // namespace

QString EditorCaption() {
    const EditorVersion v = ProgramVersion();
    return QString("Zelkor 3D Level Editor v. %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

MainWindow::MainWindow(EditorServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      recent_(RecentFiles::Read(services_.settings)) {
    setObjectName("frmMain");
    history_.setUndoLimit(1000);
    BuildWindow();
    BuildActions();
    recentMenu_->Fill(recent_.Files());
    SelectSymbol(currentSymbol_);
    connect(&history_, &QUndoStack::cleanChanged, this, [this] { UpdateCaption(); });
    connect(&history_, &QUndoStack::canUndoChanged, this, [this] { UpdateHistoryControls(); });
    connect(&history_, &QUndoStack::canRedoChanged, this, [this] { UpdateHistoryControls(); });
    UpdateHistoryControls();
    UpdateCaption();
}

MainWindow::~MainWindow() {
    // The history empties itself as it goes and would report that to a half-gone window.
    history_.disconnect(this);
}

void MainWindow::SetHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHintProperty, hint);
    if (!hint.isEmpty()) widget->setToolTip(hint);
    widget->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (watched == symbolLabel_) {
            if (currentSymbol_ != 0) SetInfo("item symbol in matrix");
        } else if (const QVariant hint = watched->property(kHintProperty); hint.isValid()) {
            SetInfo(hint.toString());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && wallTool_.Waiting()) {
        wallTool_.Cancel();
        canvas_->SetWallStart(std::nullopt);
        SetStatus("Wall cancelled");
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::SelectSymbol(char symbol) {
    currentSymbol_ = symbol;
    symbolLabel_->setText(FromLevelText(std::string_view(&symbol, 1)));
    for (auto& [tool, code] : palette_) {
        const bool startTool = code == 0 && IsStartCode(symbol);
        tool->setChecked(code == symbol || startTool);
    }
}

void MainWindow::SetStatus(const QString& text) {
    statusLine_->setText(text);
}

void MainWindow::SetInfo(const QString& text) {
    infoBox_->setText(text);
}

QString MainWindow::StatusText() const {
    return statusLine_->text();
}

QString MainWindow::InfoText() const {
    return infoBox_->text();
}

void MainWindow::SetZoom(int zoom) {
    const QSize before = canvas_->size();
    canvas_->SetZoom(zoom);
    zoomBox_->setCurrentIndex(canvas_->Zoom() - 1);
    // The window grows and shrinks with the grid, as far as the screen has room; the
    // rest scrolls. A maximised window keeps its size.
    if (isMaximized() || isFullScreen() || !screen()) return;
    const QSize frame = frameGeometry().size() - size();
    const QSize room = screen()->availableGeometry().size() - frame;
    resize((size() + canvas_->size() - before).boundedTo(room).expandedTo(minimumSizeHint()));
}

void MainWindow::SetUseGrid(bool on) {
    useGrid_->setChecked(on);
    canvas_->SetUseGrid(on);
    SetStatus("Redrawing Surfaces Done...");
}

void MainWindow::Refused(const QString& character) {
    SetStatus(RefusedCharacterMessage(character));
}

void MainWindow::PlaceToolWindow(QWidget* window) {
    // A window never shown yet has no frame: the main window's gives its measure.
    const QSize toolFrame = window->isVisible()
                                ? window->frameGeometry().size()
                                : window->sizeHint() + (frameGeometry().size() - size());
    const QRect room = screen() ? screen()->availableGeometry() : QRect();
    window->move(ToolWindowPlace(frameGeometry(), toolFrame, room));
    window->show();
    window->raise();
}

void MainWindow::OpenLevelSettings() {
    if (!settingsWindow_) {
        settingsWindow_ = new LevelSettingsWindow(level_.fields, this);
        settingsWindow_->onEdited = [this] { LevelEdited(); };
        settingsWindow_->onRefused = [this](const QString& c) { Refused(c); };
    }
    if (itemsWindow_) itemsWindow_->hide();
    PlaceToolWindow(settingsWindow_);
}

void MainWindow::OpenUserItems() {
    if (!itemsWindow_) {
        itemsWindow_ = new UserItemsWindow(level_.userItems, services_.dialogs, this);
        itemsWindow_->onEdited = [this] { LevelEdited(); };
        itemsWindow_->onSelect = [this](char letter) { SelectSymbol(letter); };
        itemsWindow_->onRefused = [this](const QString& c) { Refused(c); };
    }
    if (settingsWindow_) settingsWindow_->hide();
    itemsWindow_->RedrawList();
    PlaceToolWindow(itemsWindow_);
}

void MainWindow::OpenRequiredFiles() {
    if (!filesWindow_) {
        filesWindow_ = new RequiredFilesWindow(level_.requiredFiles, services_.dialogs, this);
        filesWindow_->onEdited = [this] { LevelEdited(); };
        filesWindow_->onRefused = [this](const QString& c) { Refused(c); };
    }
    filesWindow_->RedrawList();
    PlaceToolWindow(filesWindow_);
}

void MainWindow::RefreshWindows() {
    if (settingsWindow_) settingsWindow_->Refresh();
    if (itemsWindow_) itemsWindow_->RedrawList();
    if (filesWindow_) filesWindow_->RedrawList();
}

}  // namespace zelkor::editor
