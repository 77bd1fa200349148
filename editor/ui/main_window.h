#pragma once

#include <QMainWindow>
#include <QUndoStack>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "editor/core/editor_level.h"
#include "editor/core/editor_settings.h"
#include "editor/core/pointer_rules.h"
#include "editor/core/recent_files.h"
#include "editor/core/wall_tool.h"
#include "editor/ui/game_launcher.h"
#include "editor/ui/tool_pictures.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace zelkor {
class SettingsStore;
}

namespace zelkor::editor {

class EditorDialogs;
class GridCanvas;
class LevelSettingsWindow;
class RecentMenu;
class RequiredFilesWindow;
class UserItemsWindow;

// What the editor uses from outside.
struct EditorServices {
    SettingsStore& settings;
    EditorDialogs& dialogs;
    // Where the editor stands: a game program beside it is taken when no game path is
    // stored yet, else the first one on the search path (PATH; empty in tests).
    std::filesystem::path programFolder;
    std::string programSearchPath = {};
    // Starts the game for a test run; tests put a recorder in its place.
    GameLauncher launchGame = LaunchGame;
};

// The editor's main window: the grid, the palette, the info box, the commands and the
// test-run options.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(EditorServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up after the window is shown: the stored settings are read, `level` is
    // loaded when given, and the game program is looked for when no path is stored.
    void Start(const std::optional<std::filesystem::path>& level = std::nullopt);

    // The commands of the buttons, for the buttons and for tests.
    void DrawWall();
    void ClearAll();
    // A stroke being dragged ends first (one step of the history), then the step goes.
    void Undo();
    void Redo();
    void RedrawAll();
    // False when the level was not saved (the dialog cancelled or the save failed).
    bool SaveCommand();
    void LoadCommand();
    void TestLevel();
    void ExitCommand();
    void FindGame();
    void OpenLevelSettings();
    void OpenUserItems();
    void OpenRequiredFiles();
    void SetZoom(int zoom);
    void SetUseGrid(bool on);
    void SelectSymbol(char symbol);

    // Save and load without the file dialog; false after a failure (its message shown).
    bool SaveTo(const std::filesystem::path& file);
    bool LoadFrom(const std::filesystem::path& file);
    // A level of the recent list: loaded, or taken off the list when it is gone.
    void OpenRecent(const std::filesystem::path& file);

    const EditorLevel& Level() const { return level_; }
    const RecentFiles& Recent() const { return recent_; }
    char CurrentSymbol() const { return currentSymbol_; }
    QString StatusText() const;
    QString InfoText() const;
    bool Modified() const;
    QUndoStack& History() { return history_; }
    GridCanvas* Canvas() const { return canvas_; }
    LevelSettingsWindow* SettingsWindow() const { return settingsWindow_; }
    UserItemsWindow* ItemsWindow() const { return itemsWindow_; }
    RequiredFilesWindow* FilesWindow() const { return filesWindow_; }
    // The settings as the controls hold them now.
    EditorSettings CurrentSettings() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildPalette();
    QWidget* BuildCommands();
    QWidget* BuildOptions();
    void BuildActions();
    void SetHint(QWidget* widget, const QString& hint);

    void CanvasPressed(int column, int row, Qt::MouseButton button);
    void CanvasMoved(int column, int row, Qt::MouseButtons buttons);
    void CanvasReleased();
    void FinishStroke();
    void UpdateHistoryControls();
    void Push(const QString& text, CellChanges changes, bool applied);
    void RedrawCells(const CellChanges& changes);
    // The info box follows every change of the cell under the pointer.
    void ShowHoveredCell();

    void SetStatus(const QString& text);
    void SetInfo(const QString& text);
    void LevelEdited();
    void UpdateCaption();
    void MarkSaved(const std::filesystem::path& file);
    // Stores the recent files and shows them in the menu.
    void RecentChanged();
    // Before the level being edited is left: true when nothing is unsaved, or when the
    // user saves it (the save dialog when it has no file yet) or discards it.
    bool SettleUnsavedWork(const QString& title, const QString& question);
    void ApplySettings(const EditorSettings& settings);
    void StoreSettings();
    std::filesystem::path GamePath() const;
    QString LevelDialogStart() const;
    void PlaceToolWindow(QWidget* window);
    void RefreshWindows();
    void Refused(const QString& character);

    EditorServices services_;
    EditorLevel level_;
    char currentSymbol_ = kEmptyCellCode;
    WallTool wallTool_;
    QUndoStack history_;
    ToolPictures pictures_;
    std::optional<CellChanges> stroke_;  // a press-and-drag in progress
    bool levelEdited_ = false;           // fields or slots changed since the last save/load
    bool exiting_ = false;               // "Exit": close without questions
    std::filesystem::path currentFile_;
    RecentFiles recent_;

    GridCanvas* canvas_ = nullptr;
    QScrollArea* canvasArea_ = nullptr;
    QLabel* columnLabel_ = nullptr;  // "X: 0"
    QLabel* rowLabel_ = nullptr;     // "Y: 0"
    QLabel* infoBox_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* symbolLabel_ = nullptr;  // "Actual:"
    std::vector<std::pair<QToolButton*, char>> palette_;
    QCheckBox* useGrid_ = nullptr;
    QLineEdit* gamePath_ = nullptr;
    QComboBox* computerSnakes_ = nullptr;
    QCheckBox* deathmatch_ = nullptr;
    QCheckBox* hunting_ = nullptr;
    QCheckBox* window_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    RecentMenu* recentMenu_ = nullptr;

    LevelSettingsWindow* settingsWindow_ = nullptr;
    UserItemsWindow* itemsWindow_ = nullptr;
    RequiredFilesWindow* filesWindow_ = nullptr;
};

// "Zelkor 3D Level Editor v. 1.0.0".
QString EditorCaption();

}  // namespace zelkor::editor
