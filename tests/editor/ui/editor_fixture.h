#pragma once

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "common/settings_store.h"
#include "editor/ui/editor_dialogs.h"
#include "editor/ui/grid_canvas.h"
#include "editor/ui/main_window.h"

namespace zelkor::editor::testing {

// Answers the editor's questions and file dialogs from a script and keeps what it
// was shown. A question without a scripted answer fails the test.
class ScriptedDialogs final : public EditorDialogs {
public:
    struct Shown {
        QString title;
        QString text;
        Icon icon;
    };

    void Message(QWidget*, const QString& title, const QString& text, Icon icon) override {
        shown.push_back({title, text, icon});
    }
    bool Ask(QWidget*, const QString& title, const QString& text, Icon icon) override {
        shown.push_back({title, text, icon});
        return Answer(answers, text, false);
    }
    Unsaved AskUnsaved(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({title, text, Icon::Warning});
        return Answer(unsaved, text, Unsaved::Cancel);
    }
    QString OpenFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override {
        fileDialogs.push_back(title + " | " + filter);
        starts.push_back(start);
        return Next();
    }
    QString SaveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override {
        fileDialogs.push_back(title + " | " + filter);
        starts.push_back(start);
        return Next();
    }

    QString LastText() const { return shown.empty() ? QString() : shown.back().text; }

    std::deque<bool> answers;
    std::deque<Unsaved> unsaved;  // answers to the unsaved-changes questions
    std::deque<QString> files;    // what the file dialogs return; empty when cancelled
    std::vector<Shown> shown;
    std::vector<QString> fileDialogs;
    std::vector<QString> starts;  // where each file dialog started

private:
    QString Next() { return files.empty() ? QString() : Answer(files, {}, QString()); }
    template <typename T>
    static T Answer(std::deque<T>& script, const QString& question, T otherwise) {
        if (script.empty()) {
            QTest::qFail(qPrintable("unexpected question: " + question), __FILE__, __LINE__);
            return otherwise;
        }
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

// A game started for a test run: the program, its arguments and its working folder.
struct Launch {
    QString program;
    QStringList arguments;
    QString folder;
};

// A main window with its own settings, dialogs and program folder, and the search path
// it looks for an installed game on. Test runs are only recorded unless `launchForReal`.
struct Editor {
    explicit Editor(SettingsStore* sharedSettings = nullptr, std::string searchPath = {})
        : settings(sharedSettings ? *sharedSettings : ownSettings),
          window(std::make_unique<MainWindow>(EditorServices{
              settings, dialogs, std::filesystem::path(folder.path().toStdString()),
              std::move(searchPath),
              [this](const QString& program, const QStringList& arguments, const QString& at) {
                  if (launchForReal) return LaunchGame(program, arguments, at);
                  launches.push_back({program, arguments, at});
                  return LaunchResult{true, {}};
              }})) {
        window->show();
    }

    GridCanvas& Canvas() const { return *window->Canvas(); }
    QString Path(const QString& name) const { return folder.filePath(name); }

    // A press and release on cell (column, row).
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton) const {
        const QPoint at = Canvas().CellCentre(column, row);
        QTest::mousePress(&Canvas(), button, {}, at);
        QTest::mouseRelease(&Canvas(), button, {}, at);
    }

    // The pointer moves onto cell (column, row), with `held` buttons down; straight to
    // the canvas, which may be scrolled out of sight.
    void Hover(int column, int row, Qt::MouseButtons held = Qt::NoButton) const {
        const QPointF at = Canvas().CellCentre(column, row);
        QMouseEvent move(QEvent::MouseMove, at, Canvas().mapToGlobal(at), Qt::NoButton, held, {});
        QApplication::sendEvent(&Canvas(), &move);
    }

    // Presses on the first cell, moves over the cells of a straight path with the
    // button held, and lets go on the last (unless `release` is false).
    void Drag(QPoint from, QPoint to, Qt::MouseButton button, bool release = true) const {
        GridCanvas& c = Canvas();
        QTest::mousePress(&c, button, {}, c.CellCentre(from.x(), from.y()));
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        for (int i = 1; i <= steps; ++i)
            Hover(from.x() + (to.x() - from.x()) * i / steps,
                  from.y() + (to.y() - from.y()) * i / steps, button);
        if (release) QTest::mouseRelease(&c, button, {}, c.CellCentre(to.x(), to.y()));
    }

    // A key as the window system delivers it, so that shortcuts see it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        window->activateWindow();
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    char Cell(int column, int row) const {
        return window->Level().grid.At(*GridCells::IndexOf(column, row));
    }

    QTemporaryDir folder;
    MemorySettingsStore ownSettings;
    SettingsStore& settings;
    ScriptedDialogs dialogs;
    bool launchForReal = false;
    std::vector<Launch> launches;
    std::unique_ptr<MainWindow> window;
};

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves a picture for a person to look at when ZELKOR_SHOTS_DIR names a folder.
inline void Keep(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("ZELKOR_SHOTS_DIR");
    if (!folder.isEmpty()) image.save(folder + "/" + name + ".png");
}

template <typename T>
T* Find(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (!child) qFatal("no widget %s", name);
    return child;
}

}  // namespace zelkor::editor::testing
