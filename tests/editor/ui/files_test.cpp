// Saving and loading through the main window.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "editor/core/level_writer.h"
#include "editor/ui/level_settings_window.h"
#include "editor/ui/user_items_window.h"
#include "tests/editor/ui/editor_fixture.h"
#include "tests/editor/ui/suites.h"

namespace zelkor::editor::testing {
namespace {

// Draws a little of everything through the windows.
void DrawALevel(Editor& e) {
    e.window->SelectSymbol('S');
    e.Click(3, 3);
    e.window->SelectSymbol('1');
    e.Click(20, 3);
    e.window->SelectSymbol('+');
    e.Drag({5, 8}, {12, 8}, Qt::LeftButton);
    e.window->OpenLevelSettings();
    auto* name = Find<QLineEdit>(e.window->SettingsWindow(), "lvlName");
    name->selectAll();
    QTest::keyClicks(name, "Brick Road");
    e.window->OpenUserItems();
    QTest::mouseClick(Find<QPushButton>(e.window->ItemsWindow(), "cmdAdd"), Qt::LeftButton);
    e.window->SelectSymbol('a');
    e.Click(15, 15);
    e.window->OpenRequiredFiles();
    Find<QComboBox>(e.window->FilesWindow(), "cboFile")->setEditText("bricks.zkr");
    QTest::mouseClick(Find<QPushButton>(e.window->FilesWindow(), "cmdAdd"), Qt::LeftButton);
}

class FileTests final : public QObject {
    Q_OBJECT

private slots:
    void SaveWritesTheLevelAndClearsTheModifiedMarker() {
        Editor e;
        DrawALevel(e);
        QVERIFY(e.window->isWindowModified());
        const QString file = e.Path("road.dat");
        e.dialogs.files = {file};
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command3"), Qt::LeftButton);
        QCOMPARE(e.dialogs.fileDialogs.back(), QString("Save Level... | lvl files (*.dat)"));
        QCOMPARE(FileBytes(file), QByteArray::fromStdString(LevelFileText(e.window->Level())));
        QVERIFY(!e.window->isWindowModified());
        QVERIFY(e.window->windowTitle().contains("road.dat"));

        // A cancelled dialog says so; a save that fails says why and keeps the marker.
        e.Click(9, 9);
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command3"), Qt::LeftButton);
        QCOMPARE(e.dialogs.LastText(), QString("Not Saved!"));
        QCOMPARE(e.dialogs.shown.back().icon, EditorDialogs::Icon::None);
        QVERIFY(!e.window->SaveTo(e.folder.filePath("missing/road.dat").toStdString()));
        QCOMPARE(e.dialogs.shown.back().title, QString("lvlEdit_SaveLvl:NoSuchFile"));
        QCOMPARE(e.dialogs.LastText(),
                 QString("Could not save! Err: 2 (No such file or directory)"));
        QCOMPARE(e.dialogs.shown.back().icon, EditorDialogs::Icon::Critical);
        QVERIFY(e.window->isWindowModified());
    }

    void LoadReplacesTheLevelAndItsWindows() {
        Editor saved;
        DrawALevel(saved);
        const QString file = saved.Path("road.dat");
        QVERIFY(saved.window->SaveTo(file.toStdString()));

        Editor e;
        e.window->OpenLevelSettings();
        e.window->OpenRequiredFiles();
        e.window->SelectSymbol('|');
        e.Click(30, 20);
        // Unsaved work: Cancel, and a Save whose dialog is cancelled, load nothing; a
        // Save that writes the level goes on to the load.
        using Unsaved = EditorDialogs::Unsaved;
        e.dialogs.unsaved = {Unsaved::Cancel, Unsaved::Save, Unsaved::Save};
        QPushButton* load = Find<QPushButton>(e.window.get(), "Command4");
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(e.dialogs.LastText(),
                 QString("Unsaved work will be lost!\nSave it before loading another level?"));
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(e.dialogs.fileDialogs, std::vector<QString>{"Save Level... | lvl files (*.dat)"});
        QCOMPARE(e.Cell(30, 20), '|');
        e.dialogs.files = {e.Path("mine.dat"), file};
        QTest::mouseClick(load, Qt::LeftButton);
        QVERIFY(FileBytes(e.Path("mine.dat")).contains("| 0 \r\n"));  // cell (30, 20)
        QCOMPARE(e.dialogs.fileDialogs.back(), QString("Load Level... | lvl files (*.dat)"));

        QCOMPARE(e.window->Level().grid, saved.window->Level().grid);
        QCOMPARE(e.Cell(30, 20), '0');
        QCOMPARE(Find<QLineEdit>(e.window->SettingsWindow(), "lvlName")->text(),
                 QString("Brick Road"));
        QCOMPARE(Find<QListWidget>(e.window->FilesWindow(), "lstFiles")->count(), 1);
        e.window->OpenUserItems();
        QCOMPARE(Find<QListWidget>(e.window->ItemsWindow(), "lstItems")->item(0)->text(),
                 QString("a: wall: bricks\\brick2_v.bmp"));
        QVERIFY(!e.window->History().canUndo());
        QVERIFY(!e.window->isWindowModified());

        // The next file dialog proposes the level loaded.
        e.dialogs.files = {};
        e.window->SaveCommand();
        QCOMPARE(e.dialogs.starts.back(), file);
    }

    // `ZelkorLvlEdit FILE` opens the file as the window starts.
    void ALevelNamedAtStartUpIsOpened() {
        {
            Editor e;
            e.window->OpenUserItems();
            e.window->Start(ZELKOR_SOURCE_DIR "/content/lvl/lvl16.dat");
            QVERIFY(e.dialogs.shown.empty());
            QVERIFY(Find<QListWidget>(e.window->ItemsWindow(), "lstItems")->count() > 0);
            QVERIFY(e.window->Level().grid != GridCells{});
            QCOMPARE(e.window->windowTitle(), EditorCaption() + " - lvl16.dat[*]");
            e.window->resize(e.window->sizeHint());
            Keep(e.window->grab().toImage(), "shipped_level");
        }
        Editor e;
        e.window->Start(e.Path("gone.dat").toStdString());
        QCOMPARE(e.dialogs.LastText(),
                 QString("Could not load! Err: 2 (No such file or directory)"));
        QCOMPARE(e.window->Level().grid, GridCells{});
        QCOMPARE(e.window->windowTitle(), EditorCaption() + "[*]");
    }

    void ALoadThatCannotReadTheFileChangesNothing() {
        Editor e;
        e.window->SelectSymbol('+');
        e.Click(4, 4);
        QVERIFY(!e.window->LoadFrom(e.Path("none.dat").toStdString()));
        QCOMPARE(e.dialogs.LastText(),
                 QString("Could not load! Err: 2 (No such file or directory)"));
        QCOMPARE(e.Cell(4, 4), '+');
        QVERIFY(e.window->History().canUndo());
        e.dialogs.unsaved = {EditorDialogs::Unsaved::Discard};
        e.dialogs.files = {};  // a cancelled dialog
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command4"), Qt::LeftButton);
        QCOMPARE(e.Cell(4, 4), '+');
    }

    // Newest first, kept in the settings file across runs whatever the file's name; a
    // file that is gone is taken off the list when chosen.
    void RecentLevelsSurviveARestartAndDropWhatIsGone() {
        QTemporaryDir home;
        IniSettingsStore store(home.filePath("settings.ini").toStdString());
        const QString snowman = home.filePath("H\u00f6hle \u2603 100%.dat");
        const QString plain = home.filePath("plain.dat");
        {
            Editor e(&store);
            QVERIFY(e.window->SaveTo(snowman.toStdString()));
            QVERIFY(e.window->SaveTo(plain.toStdString()));
        }
        Editor e(&store);
        auto* menu = Find<QMenu>(e.window.get(), "mnuRecent");
        QCOMPARE(menu->actions().size(), 2);
        QVERIFY(menu->actions()[0]->text().startsWith("&1 plain.dat\t"));
        menu->actions()[1]->trigger();
        QVERIFY(e.dialogs.shown.empty());
        QVERIFY(e.window->windowTitle().contains("H\u00f6hle \u2603 100%.dat"));
        QCOMPARE(e.window->Recent().Files().front(), snowman.toStdString());

        QFile::remove(plain);
        emit menu->aboutToShow();
        const QImage shown = menu->grab().toImage();
        Keep(shown, "recent_levels");
        auto darkest = [&shown](int top, int bottom) {
            int gray = 255;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < shown.width(); ++x)
                    gray = std::min(gray, qGray(shown.pixel(x, y)));
            return gray;
        };
        QVERIFY2(darkest(shown.height() / 2, shown.height()) > darkest(0, shown.height() / 2) + 60,
                 "the entry of the file that is gone is greyed");
        menu->actions()[1]->trigger();
        QVERIFY(e.dialogs.LastText().contains("is not there any more"));
        QCOMPARE(e.window->Recent().Files().size(), std::size_t{1});
        QCOMPARE(RecentFiles::Read(store).Files(), e.window->Recent().Files());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeFileTests() {
    return std::make_unique<FileTests>();
}

}  // namespace zelkor::editor::testing

#include "files_test.moc"
