// The main window's controls and menus: the canvas in its frame, the palette, the
// info box, the command buttons, the test-run options and the menu bar.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/core/cell_codes.h"
#include "editor/ui/grid_canvas.h"
#include "editor/ui/main_window.h"
#include "editor/ui/recent_menu.h"

namespace zelkor::editor {
namespace {

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

// The palette marks only the selected tool. A hover frame is left out: a pop-up menu
// can leave one behind on the start-point tool, and the info box names the tool anyway.
const char* const kPaletteStyle =
    "QToolButton { border: 2px solid transparent; border-radius: 4px; padding: 1px; }"
    "QToolButton:checked { border-color: #e8a317; background: rgba(232, 163, 23, 60); }"
    "QToolButton::menu-indicator { image: none; width: 0px; }";

QToolButton* PaletteTool(const QString& name, const QPixmap& picture) {
    auto* tool = new QToolButton;
    tool->setObjectName(name);
    tool->setIcon(picture.scaled(40, 40));
    tool->setIconSize(QSize(40, 40));
    tool->setCheckable(true);
    tool->setStyleSheet(kPaletteStyle);
    return tool;
}

}  // namespace
void MainWindow::BuildWindow() {
    canvas_ = new GridCanvas(level_.grid, pictures_);
    canvas_->setObjectName("Picture1");
    connect(canvas_, &GridCanvas::Pressed, this, &MainWindow::CanvasPressed);
    connect(canvas_, &GridCanvas::Moved, this, &MainWindow::CanvasMoved);
    connect(canvas_, &GridCanvas::Released, this, [this] { CanvasReleased(); });

    canvasArea_ = new QScrollArea;
    canvasArea_->setWidget(canvas_);
    canvasArea_->setAlignment(Qt::AlignCenter);
    canvasArea_->setFrameShape(QFrame::NoFrame);
    canvasArea_->setMinimumSize(canvas_->width() + 4, canvas_->height() + 4);
    canvasArea_->setStyleSheet("QScrollArea { background: #101018; }");

    auto* table = new QGroupBox("Game Table:");
    table->setObjectName("Frame1");
    auto* tableLayout = new QVBoxLayout(table);
    tableLayout->addWidget(canvasArea_);
    SetHint(table, "");

    auto* side = new QVBoxLayout;
    side->addWidget(BuildPalette());
    auto* info = new QGroupBox("Info:");
    info->setObjectName("Frame3");
    auto* infoLayout = new QGridLayout(info);
    columnLabel_ = new QLabel("X: 0");
    columnLabel_->setObjectName("Label1");
    rowLabel_ = new QLabel("Y: 0");
    rowLabel_->setObjectName("Label2");
    infoBox_ = new QLabel("Nothing");
    infoBox_->setObjectName("Label3");
    infoBox_->setWordWrap(true);
    infoBox_->setMinimumHeight(48);
    infoBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoLayout->addWidget(columnLabel_, 0, 0);
    infoLayout->addWidget(rowLabel_, 0, 1);
    infoLayout->addWidget(infoBox_, 1, 0, 1, 2);
    SetHint(info, "");
    side->addWidget(info);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(table, 1);
    top->addLayout(side);

    statusLine_ = new QLabel;
    statusLine_->setObjectName("Label5");
    statusLine_->setMinimumHeight(34);
    statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusLine_->setFrameShape(QFrame::StyledPanel);
    statusLine_->setWordWrap(true);

    auto* central = new QWidget;
    central->setObjectName("Picture2");
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top, 1);
    layout->addWidget(BuildCommands());
    layout->addWidget(BuildOptions());
    layout->addWidget(statusLine_);
    setCentralWidget(central);
    SetHint(central, "");
}

QWidget* MainWindow::BuildPalette() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* items = new QGroupBox("Items:");
    items->setObjectName("Frame2");
    SetHint(items, "");
    auto* grid = new QGridLayout(items);
    const std::array<std::pair<ToolPicture, const char*>, 9> tools{{
        {ToolPicture::SingleBrick, "single brick"},
        {ToolPicture::VerticalWall, "vertical wall"},
        {ToolPicture::VerticalWallEnd, "vertical wall (end)"},
        {ToolPicture::VerticalWallStart, "vertical wall (start)"},
        {ToolPicture::HorizontalWall, "horizontal wall"},
        {ToolPicture::HorizontalWallStart, "horizontal wall (start)"},
        {ToolPicture::HorizontalWallEnd, "horizontal wall (end)"},
        {ToolPicture::StartPoint, "start point"},
        {ToolPicture::Nothing, "nothing (blank)"},
    }};
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const auto [picture, hint] = tools[i];
        QToolButton* tool = PaletteTool(QString("Image%1").arg(i + 1), pictures_.Picture(picture));
        SetHint(tool, hint);
        grid->addWidget(tool, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
        if (picture == ToolPicture::StartPoint) {
            // The start points: a menu of the sixteen players.
            auto* menu = new QMenu(tool);
            menu->setObjectName("Pop1");
            for (int entry = 0; entry < kMaxSnakes; ++entry) {
                QAction* action = menu->addAction(QString::fromStdString(StartMenuEntry(entry)));
                action->setObjectName(QString("pop_c%1").arg(entry));
                connect(action, &QAction::triggered, this,
                        [this, entry] { SelectSymbol(StartCode(entry + 1)); });
            }
            tool->setMenu(menu);
            tool->setPopupMode(QToolButton::InstantPopup);
            palette_.emplace_back(tool, 0);
        } else {
            const char code = *PaletteCode(picture);
            connect(tool, &QToolButton::clicked, this, [this, code] { SelectSymbol(code); });
            palette_.emplace_back(tool, code);
        }
    }
    layout->addWidget(items);

    auto* other = new QGroupBox("Other Items");
    auto* otherLayout = new QHBoxLayout(other);
    QToolButton* fixPoint = PaletteTool("Image10", pictures_.Picture(ToolPicture::FixPoint));
    QPushButton* fixPoints = Button("Command10", "FixPoints");
    SetHint(fixPoints, "Add a fix Point for Items");
    SetHint(fixPoint, "Add a fix Point for Items");
    connect(fixPoint, &QToolButton::clicked, this, [this] { SelectSymbol(kSpawnPointCode); });
    connect(fixPoints, &QPushButton::clicked, this, [this] { SelectSymbol(kSpawnPointCode); });
    palette_.emplace_back(fixPoint, kSpawnPointCode);
    otherLayout->addWidget(fixPoint);
    otherLayout->addWidget(fixPoints, 1);
    layout->addWidget(other);

    auto* actual = new QHBoxLayout;
    actual->addWidget(new QLabel("Actual:"));
    symbolLabel_ = new QLabel("0");
    symbolLabel_->setObjectName("Label4");
    symbolLabel_->setMinimumWidth(40);
    QFont big = symbolLabel_->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    symbolLabel_->setFont(big);
    symbolLabel_->installEventFilter(this);
    actual->addWidget(symbolLabel_, 1);
    layout->addLayout(actual);
    return box;
}

QWidget* MainWindow::BuildCommands() {
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    QPushButton* drawWall = Button("Command1", "Draw Wall");
    QPushButton* clear = Button("Command2", "Clear");
    QPushButton* redraw = Button("Command7", "Redraw");
    useGrid_ = new QCheckBox("Use Grid");
    useGrid_->setObjectName("chkGrid");
    undoButton_ = Button("cmdUndo", "Undo");
    redoButton_ = Button("cmdRedo", "Redo");
    zoomBox_ = new QComboBox;
    zoomBox_->setObjectName("cboZoom");
    zoomBox_->addItems({"Zoom 1x", "Zoom 2x", "Zoom 3x"});

    QPushButton* save = Button("Command3", "Save...");
    QPushButton* load = Button("Command4", "Load...");
    QPushButton* settings = Button("Command9", "lvl Settings");
    QPushButton* userItems = Button("Command11", "User Items");
    QPushButton* files = Button("Command12", "Files");
    QPushButton* test = Button("Command5", "Test Level");
    QPushButton* exit = Button("Command6", "Exit");

    SetHint(drawWall, "Draw a wall (hz or vertical)");
    SetHint(clear, "Clear all");
    SetHint(redraw, "Redraw current level");
    SetHint(useGrid_, "Draw grid for easier alignment");
    SetHint(undoButton_, "Undo the last change of the grid (Ctrl+Z)");
    SetHint(redoButton_, "Redo what was undone (Ctrl+Y)");
    SetHint(zoomBox_, "Show the grid larger (Ctrl+1, Ctrl+2, Ctrl+3)");
    SetHint(save, "Save this level");
    SetHint(load, "Load a level");
    SetHint(settings, "Edit time limit, reqired score, ...");
    SetHint(userItems, "Add your own Items");
    SetHint(files, "Select files Requred by your Level");
    SetHint(test, "Test your level in Zelkor 3D");
    SetHint(exit, "Exit lvlEdit");

    connect(drawWall, &QPushButton::clicked, this, &MainWindow::DrawWall);
    connect(clear, &QPushButton::clicked, this, &MainWindow::ClearAll);
    connect(redraw, &QPushButton::clicked, this, &MainWindow::RedrawAll);
    connect(useGrid_, &QCheckBox::clicked, this, &MainWindow::SetUseGrid);
    connect(undoButton_, &QPushButton::clicked, this, &MainWindow::Undo);
    connect(redoButton_, &QPushButton::clicked, this, &MainWindow::Redo);
    connect(zoomBox_, &QComboBox::activated, this, [this](int index) { SetZoom(index + 1); });
    connect(save, &QPushButton::clicked, this, &MainWindow::SaveCommand);
    connect(load, &QPushButton::clicked, this, &MainWindow::LoadCommand);
    connect(settings, &QPushButton::clicked, this, &MainWindow::OpenLevelSettings);
    connect(userItems, &QPushButton::clicked, this, &MainWindow::OpenUserItems);
    connect(files, &QPushButton::clicked, this, &MainWindow::OpenRequiredFiles);
    connect(test, &QPushButton::clicked, this, &MainWindow::TestLevel);
    connect(exit, &QPushButton::clicked, this, &MainWindow::ExitCommand);

    int column = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{drawWall, clear, redraw, useGrid_,
                                                      undoButton_, redoButton_, zoomBox_})
        layout->addWidget(w, 0, column++);
    column = 0;
    for (QWidget* w : {save, load, settings, userItems, files, test, exit})
        layout->addWidget(w, 1, column++);
    return box;
}

QWidget* MainWindow::BuildOptions() {
    auto* options = new QGroupBox("Options:");
    SetHint(options, "");
    auto* layout = new QGridLayout(options);
    gamePath_ = new QLineEdit;
    gamePath_->setObjectName("txtZk2Path");
    QPushButton* find = Button("Command8", "...");
    find->setMaximumWidth(40);
    SetHint(find, "Find the game program");
    connect(find, &QPushButton::clicked, this, &MainWindow::FindGame);
    computerSnakes_ = new QComboBox;
    computerSnakes_->setObjectName("cboAiSnakes");
    // "0" tests a level without computer snakes; "1".."15" are the list as stored.
    for (int n = 0; n <= kMaxSnakes - 1; ++n)
        computerSnakes_->addItem(QString::number(n));
    computerSnakes_->setCurrentIndex(1);
    deathmatch_ = new QCheckBox("Deathmatch");
    deathmatch_->setObjectName("chkDeathmatch");
    hunting_ = new QCheckBox("Hunting");
    hunting_->setObjectName("chkHunting");
    window_ = new QCheckBox("Window");
    window_->setObjectName("chkWindow");
    window_->setChecked(true);
    SetHint(window_, "Test in a window instead of full screen");

    layout->addWidget(new QLabel("Path to Zelkor 3D Exe:"), 0, 0);
    layout->addWidget(gamePath_, 0, 1, 1, 5);
    layout->addWidget(find, 0, 6);
    layout->addWidget(new QLabel("Nr of AI Snakes in Test:"), 1, 0);
    layout->addWidget(computerSnakes_, 1, 1);
    layout->addWidget(deathmatch_, 1, 2);
    layout->addWidget(hunting_, 1, 3);
    layout->addWidget(window_, 1, 4);
    layout->setColumnStretch(5, 1);
    return options;
}

void MainWindow::BuildActions() {
    QMenu* file = menuBar()->addMenu("&File");
    QMenu* edit = menuBar()->addMenu("&Edit");
    QMenu* view = menuBar()->addMenu("&View");
    QMenu* windows = menuBar()->addMenu("&Windows");
    auto add = [this](QMenu* menu, const QString& text, QList<QKeySequence> keys, auto slot) {
        QAction* action = menu->addAction(text);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, "&Load...", {QKeySequence::Open}, [this] { LoadCommand(); });
    add(file, "&Save...", {QKeySequence::Save}, [this] { SaveCommand(); });
    add(file, "&Test Level", {QKeySequence(Qt::CTRL | Qt::Key_T)}, [this] { TestLevel(); });
    recentMenu_ = new RecentMenu(
        "Recent &Levels", [this](const std::filesystem::path& f) { OpenRecent(f); }, this);
    // Each time it opens, the menu looks again which files are still there.
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { recentMenu_->Fill(recent_.Files()); });
    file->addMenu(recentMenu_);
    file->addSeparator();
    add(file, "E&xit", {}, [this] { close(); });

    undoAction_ = add(edit, "&Undo", {QKeySequence::Undo}, [this] { Undo(); });
    redoAction_ =
        add(edit, "&Redo",
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            [this] { Redo(); });
    edit->addSeparator();
    add(edit, "Draw &Wall", {QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { DrawWall(); });
    add(edit, "&Clear", {}, [this] { ClearAll(); });

    for (int zoom = 1; zoom <= 3; ++zoom)
        add(view, QString("Zoom &%1x").arg(zoom),
            {QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + zoom))},
            [this, zoom] { SetZoom(zoom); });
    view->addSeparator();
    add(view, "&Redraw", {}, [this] { RedrawAll(); });

    add(windows, "&Level Settings", {}, [this] { OpenLevelSettings(); });
    add(windows, "&User Items", {}, [this] { OpenUserItems(); });
    add(windows, "Required &Files", {}, [this] { OpenRequiredFiles(); });
}

}  // namespace zelkor::editor
