// The main window's files and shell: start-up, settings, save, load, the test run and
// the ways out.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <system_error>

#include "common/game_folder.h"
#include "common/settings_store.h"
#include "editor/core/level_loader.h"
#include "editor/core/level_writer.h"
#include "editor/core/pre_test_check.h"
#include "editor/core/test_run.h"
#include "editor/ui/editor_dialogs.h"
#include "editor/ui/game_launcher.h"
#include "editor/ui/grid_canvas.h"
#include "editor/ui/level_settings_window.h"
#include "editor/ui/level_text.h"
#include "editor/ui/main_window.h"
#include "editor/ui/recent_menu.h"
#include "editor/ui/user_items_window.h"

namespace zelkor::editor {
namespace {

const QString kLevelFilter = "lvl files (*.dat)";
const QString kLoadQuestion = "Unsaved work will be lost!\nSave it before loading another level?";
const QString kQuitTitle = "Exit Zelkor LevelEdit?";
const QString kGameFilter =
    "Zelkor program (Zelkor zelkor ZELKOR Zelkor.exe zelkor.exe ZELKOR.EXE);;All files (*)";

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

}  // namespace

void MainWindow::Start(const std::optional<std::filesystem::path>& level) {
    EditorSettings defaults;
    defaults.author = level_.fields.Author;
    ApplySettings(ReadEditorSettings(services_.settings, defaults));
    SetInfo("Ready");
    SetStatus("");
    if (level) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(*level, ec);
        LoadFrom(ec ? *level : absolute);
    }
    if (!GamePath().empty()) return;
    // A game program beside the editor is the one it belongs to, else the installed one.
    const std::filesystem::path found =
        FindGameProgram(services_.programFolder, services_.programSearchPath);
    if (!found.empty())
        gamePath_->setText(PathText(found));
    else
        FindGame();
}

void MainWindow::ApplySettings(const EditorSettings& s) {
    level_.fields.Author = s.author;
    if (settingsWindow_) settingsWindow_->Refresh();
    SetUseGrid(s.useGrid);
    gamePath_->setText(PathText(s.gamePath));
    computerSnakes_->setCurrentIndex(s.testComputerSnakes + 1);
    deathmatch_->setChecked(s.testDeathmatch);
    hunting_->setChecked(s.testHunting);
    window_->setChecked(s.testWindow);
}

EditorSettings MainWindow::CurrentSettings() const {
    EditorSettings s;
    s.author = level_.fields.Author;
    s.useGrid = useGrid_->isChecked();
    s.gamePath = GamePath();
    s.testComputerSnakes = computerSnakes_->currentIndex() - 1;
    s.testDeathmatch = deathmatch_->isChecked();
    s.testHunting = hunting_->isChecked();
    s.testWindow = window_->isChecked();
    return s;
}

void MainWindow::StoreSettings() {
    WriteEditorSettings(services_.settings, CurrentSettings());
}

std::filesystem::path MainWindow::GamePath() const {
    return ToPath(gamePath_->text().trimmed());
}

void MainWindow::FindGame() {
    const QString chosen = services_.dialogs.OpenFileName(this, "Find Zelkor Exe...", kGameFilter,
                                                          PathText(GamePath().parent_path()));
    if (chosen.isEmpty()) return;
    const std::filesystem::path path = ToPath(chosen);
    if (IsGameProgramName(path.filename().string())) gamePath_->setText(chosen);
}

bool MainWindow::SaveCommand() {
    FinishStroke();
    const QString name =
        services_.dialogs.SaveFileName(this, "Save Level...", kLevelFilter, LevelDialogStart());
    if (name.isEmpty()) {
        services_.dialogs.Message(this, kEditorTitle, "Not Saved!", EditorDialogs::Icon::None);
        return false;
    }
    return SaveTo(ToPath(name));
}

bool MainWindow::SaveTo(const std::filesystem::path& file) {
    FinishStroke();
    const FileResult saved = ZkSaveLevel(file, level_);
    if (!saved.ok()) {
        services_.dialogs.Message(this, QString::fromUtf8(kSaveFailedTitle),
                                  QString::fromStdString(SaveFailedMessage(saved)),
                                  EditorDialogs::Icon::Critical);
        return false;
    }
    MarkSaved(file);
    SetStatus("Saved " + PathText(file));
    return true;
}

bool MainWindow::SettleUnsavedWork(const QString& title, const QString& question) {
    FinishStroke();
    if (!Modified()) return true;
    switch (services_.dialogs.AskUnsaved(this, title, question)) {
        case EditorDialogs::Unsaved::Save:
            return currentFile_.empty() ? SaveCommand() : SaveTo(currentFile_);
        case EditorDialogs::Unsaved::Discard:
            return true;
        case EditorDialogs::Unsaved::Cancel:
            break;
    }
    return false;
}

void MainWindow::LoadCommand() {
    FinishStroke();
    if (!SettleUnsavedWork(kEditorTitle, kLoadQuestion)) return;
    const QString name =
        services_.dialogs.OpenFileName(this, "Load Level...", kLevelFilter, LevelDialogStart());
    if (!name.isEmpty()) LoadFrom(ToPath(name));
}

QString MainWindow::LevelDialogStart() const {
    // The level being edited, else the game's levels, where a new level belongs.
    if (!currentFile_.empty()) return PathText(currentFile_);
    const std::filesystem::path game = GamePath();
    if (game.empty()) return {};
    const std::filesystem::path levels = LocateGameFolder(game).folder / "lvl";
    std::error_code ec;
    return std::filesystem::is_directory(levels, ec) ? PathText(levels) : QString();
}

bool MainWindow::LoadFrom(const std::filesystem::path& file) {
    FinishStroke();
    // The file is read whole before anything of the level being edited changes.
    auto bytes = ReadLevelFileBytes(file);
    if (const auto* failed = std::get_if<FileResult>(&bytes)) {
        services_.dialogs.Message(this, kEditorTitle,
                                  QString::fromStdString(LoadFailedMessage(*failed)),
                                  EditorDialogs::Icon::Critical);
        return false;
    }
    level_ = ReadEditorLevel(std::get<std::string>(bytes), level_).level;
    history_.clear();
    canvas_->RedrawAll();
    ShowHoveredCell();
    RefreshWindows();
    MarkSaved(file);
    SetStatus("Loaded " + PathText(file));
    return true;
}

void MainWindow::OpenRecent(const std::filesystem::path& file) {
    FinishStroke();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        services_.dialogs.Message(this, kEditorTitle,
                                  "The level " + PathText(file) +
                                      " is not there any more. It is taken off the list of "
                                      "recent levels.",
                                  EditorDialogs::Icon::Warning);
        recent_.Remove(file);
        RecentChanged();
        return;
    }
    if (SettleUnsavedWork(kEditorTitle, kLoadQuestion)) LoadFrom(file);
}

void MainWindow::RecentChanged() {
    recent_.Write(services_.settings);
    recentMenu_->Fill(recent_.Files());
}

void MainWindow::TestLevel() {
    FinishStroke();
    const std::filesystem::path game = GamePath();
    TestRunOptions options{!game.empty(), computerSnakes_->currentText().toInt(),
                           deathmatch_->isChecked(), hunting_->isChecked(), window_->isChecked()};
    TestRunDecision decision = DecideTestRun(level_, options);
    auto refuse = [this](const std::string& message) {
        services_.dialogs.Message(this, kEditorTitle, FromLevelText(message),
                                  EditorDialogs::Icon::Critical);
    };
    if (const auto* refusal = std::get_if<TestRunRefusal>(&decision);
        refusal && !refusal->afterWriting) {
        refuse(refusal->message);
        return;
    }

    // An installed game's folder is the player's own, made ready here if it is new.
    const OpenedGameFolder opened = OpenGameFolder(game);
    const std::filesystem::path& folder = opened.folder;
    const FileResult saved = ZkSaveLevel(TestLevelPath(folder), level_);
    if (!saved.ok()) {
        services_.dialogs.Message(this, QString::fromUtf8(kSaveFailedTitle),
                                  QString::fromStdString(SaveFailedMessage(saved)),
                                  EditorDialogs::Icon::Critical);
        return;
    }
    if (const auto* question = std::get_if<TestRunQuestion>(&decision)) {
        if (!services_.dialogs.Ask(this, kEditorTitle, FromLevelText(question->text),
                                   EditorDialogs::Icon::Question))
            return;
        options.fewerAccepted = true;
        decision = DecideTestRun(level_, options);
    }
    if (const auto* refusal = std::get_if<TestRunRefusal>(&decision)) {
        refuse(refusal->message);
        return;
    }

    QStringList arguments;
    for (const std::string& a : std::get<TestRunStart>(decision).arguments)
        arguments << QString::fromStdString(a);
    const LaunchResult launched = services_.launchGame(PathText(game), arguments, PathText(folder));
    if (!launched.started) {
        services_.dialogs.Message(
            this, kEditorTitle,
            "The game could not be started:\n" + PathText(game) + "\n" + launched.reason,
            EditorDialogs::Icon::Critical);
        return;
    }
    // What would load but not play as meant, and what the game folder lacks.
    QString warnings;
    for (const std::string& w :
         CheckBeforeTest(LevelFileText(level_), level_.grid, folder).warnings)
        warnings += (warnings.isEmpty() ? "" : " ") + FromLevelText(w);
    for (const std::string& problem : opened.problems)
        warnings += (warnings.isEmpty() ? "" : " ") + QString::fromStdString(problem);
    SetStatus("Testing: " + arguments.join(' ') + (warnings.isEmpty() ? "" : "\n" + warnings));
}

void MainWindow::ExitCommand() {
    FinishStroke();
    if (Modified()) {
        if (!SettleUnsavedWork(kEditorTitle,
                               "Unsaved work will be lost!\nSave it before you exit?"))
            return;
    } else if (!services_.dialogs.Ask(this, kEditorTitle,
                                      "Unsaved work will be lost!\nExit anyways?",
                                      EditorDialogs::Icon::Question)) {
        return;
    }
    // At once: the settings are not stored and the test level stays.
    exiting_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        FinishStroke();
        const bool leave =
            Modified() ? SettleUnsavedWork(kQuitTitle,
                                           "Unsaved work will be lost!\nSave it before "
                                           "you quit?")
                       : services_.dialogs.Ask(this, kQuitTitle, "Are you sure you wish to quit?",
                                               EditorDialogs::Icon::Question);
        if (!leave) {
            event->ignore();
            return;
        }
        StoreSettings();
        const std::filesystem::path game = GamePath();
        if (!game.empty()) {
            std::error_code ec;
            std::filesystem::remove(TestLevelPath(LocateGameFolder(game).folder), ec);
        }
    }
    for (QWidget* window :
         std::initializer_list<QWidget*>{settingsWindow_, itemsWindow_, filesWindow_})
        if (window) window->close();
    event->accept();
}

}  // namespace zelkor::editor
