// Start-up, the stored settings, the ways out and the test run.
#include <sys/resource.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>

#include "editor/ui/level_settings_window.h"
#include "editor/ui/user_items_window.h"
#include "tests/editor/ui/editor_fixture.h"
#include "tests/editor/ui/suites.h"

namespace zelkor::editor::testing {
namespace {

// A game folder whose "Zelkor" writes its working folder and its arguments, one a
// line, to "ran.txt".
struct StandInGame {
    explicit StandInGame(const QString& folder) : folder(folder) {
        QDir().mkpath(folder + "/lvl");
        QFile script(Program());
        script.open(QIODevice::WriteOnly);
        script.write(
            "#!/bin/sh\n"
            "out=\"$(dirname \"$0\")/ran.txt\"\n"
            "{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"$out.part\" && mv \"$out.part\" "
            "\"$out\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Program() const { return folder + "/Zelkor"; }
    QString TestLevel() const { return folder + "/lvl/EditTemp.dat"; }
    QString Ran() const { return folder + "/ran.txt"; }

    // What the game was started with; waits for it.
    QStringList Run() const {
        QFile ran(Ran());
        for (int i = 0; i < 500 && !ran.exists(); ++i)
            QTest::qWait(10);
        if (!ran.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(ran.readAll()).split('\n', Qt::SkipEmptyParts);
        ran.close();
        ran.remove();
        return lines;
    }

    QString folder;
};

// While it lives, writes to files fail beyond `bytes` with "File too large", as on a
// full disk; the signal that would end the program meanwhile is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*handler_)(int);
    rlimit old_{};
};

class ShellTests final : public QObject {
    Q_OBJECT

private slots:
    // Which program is found where is the common tests'; here: the find command runs
    // when none is found, and takes only a game program.
    void WithoutAGameTheFindCommandRunsAndTakesOnlyTheGame() {
        Editor e;
        e.dialogs.files = {"/opt/zelkor/ZELKOR.EXE", "/opt/zelkor/notes.txt"};
        e.window->Start();
        QCOMPARE(e.dialogs.fileDialogs.front().section(" | ", 0, 0), QString("Find Zelkor Exe..."));
        QCOMPARE(Find<QLineEdit>(e.window.get(), "txtZk2Path")->text(),
                 QString("/opt/zelkor/ZELKOR.EXE"));
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command8"), Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(e.window.get(), "txtZk2Path")->text(),
                 QString("/opt/zelkor/ZELKOR.EXE"));  // a file of another name is not taken
    }

    void ClosingAsksStoresTheSettingsAndRemovesTheTestLevel() {
        MemorySettingsStore store;
        QTemporaryDir gameFolder;
        StandInGame game(gameFolder.path());
        {
            Editor e(&store);
            e.window->Start();
            Find<QLineEdit>(e.window.get(), "txtZk2Path")->setText(game.Program());
            e.window->SetUseGrid(true);
            Find<QComboBox>(e.window.get(), "cboAiSnakes")->setCurrentText("7");
            Find<QCheckBox>(e.window.get(), "chkDeathmatch")->setChecked(true);
            Find<QCheckBox>(e.window.get(), "chkHunting")->setChecked(true);
            Find<QCheckBox>(e.window.get(), "chkWindow")->setChecked(false);
            e.window->OpenLevelSettings();
            auto* author = Find<QLineEdit>(e.window->SettingsWindow(), "Author");
            author->selectAll();
            QTest::keyClicks(author, "Kim");
            QFile(game.TestLevel()).open(QIODevice::WriteOnly);

            // Unsaved work: Cancel keeps the editor (a Save whose dialog is cancelled answers
            // as Cancel does: the load's test).
            e.dialogs.unsaved = {EditorDialogs::Unsaved::Cancel};
            QVERIFY(!e.window->close());
            QCOMPARE(e.dialogs.shown.back().title, QString("Exit Zelkor LevelEdit?"));
            QVERIFY(e.window->isVisible());
            QVERIFY(QFile::exists(game.TestLevel()));
            QVERIFY(!store.Read("lvlEdit", "Author"));

            e.dialogs.unsaved = {EditorDialogs::Unsaved::Discard};
            QVERIFY(e.window->close());
            QVERIFY(!e.window->SettingsWindow()->isVisible());
            QVERIFY(!QFile::exists(game.TestLevel()));
        }
        Editor e(&store);
        e.window->Start();
        QCOMPARE(e.window->CurrentSettings().author, std::string("Kim"));
        QCOMPARE(e.window->Level().fields.Author, std::string("Kim"));
        QVERIFY(Find<QCheckBox>(e.window.get(), "chkGrid")->isChecked());
        QCOMPARE(Find<QLineEdit>(e.window.get(), "txtZk2Path")->text(), game.Program());
        QCOMPARE(Find<QComboBox>(e.window.get(), "cboAiSnakes")->currentText(), QString("7"));
        QCOMPARE(store.Read("lvlEdit", "Test_AI_Snakes"), std::optional<std::string>("6"));
        QVERIFY(Find<QCheckBox>(e.window.get(), "chkDeathmatch")->isChecked());
        QVERIFY(Find<QCheckBox>(e.window.get(), "chkHunting")->isChecked());
        QVERIFY(!Find<QCheckBox>(e.window.get(), "chkWindow")->isChecked());
        // With nothing unsaved, the plain question.
        e.dialogs.answers = {false};
        QVERIFY(!e.window->close());
        QCOMPARE(e.dialogs.LastText(), QString("Are you sure you wish to quit?"));
    }

    void ExitLeavesAtOnceWithoutStoringAnything() {
        MemorySettingsStore store;
        Editor e(&store);
        e.window->Start();
        QPushButton* exit = Find<QPushButton>(e.window.get(), "Command6");
        e.dialogs.answers = {false};
        QTest::mouseClick(exit, Qt::LeftButton);
        QCOMPARE(e.dialogs.LastText(), QString("Unsaved work will be lost!\nExit anyways?"));
        QVERIFY(e.window->isVisible());

        // Unsaved work in a level with a file: Save writes it there, then the editor goes.
        const QString file = e.Path("mine.dat");
        QVERIFY(e.window->SaveTo(file.toStdString()));
        e.window->SelectSymbol('+');
        e.Click(6, 6);
        e.dialogs.unsaved = {EditorDialogs::Unsaved::Cancel, EditorDialogs::Unsaved::Save};
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(e.window->isVisible());
        const std::size_t fileDialogs = e.dialogs.fileDialogs.size();
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!e.window->isVisible());
        QCOMPARE(e.dialogs.fileDialogs.size(), fileDialogs);
        QVERIFY(!e.window->Modified());
        QVERIFY(!store.Read("lvlEdit", "Grid"));
    }

    // The decisions themselves are the core's; here: what the window does with each.
    void TheTestRunWritesTheLevelAsksAndStartsTheGame() {
        Editor e;
        StandInGame game(e.folder.filePath("game"));
        e.window->Start();
        Find<QLineEdit>(e.window.get(), "txtZk2Path")->setText(game.Program());
        QPushButton* test = Find<QPushButton>(e.window.get(), "Command5");

        QTest::mouseClick(test, Qt::LeftButton);  // no start point: nothing is written
        QCOMPARE(e.dialogs.shown.back().icon, EditorDialogs::Icon::Critical);
        QVERIFY(!QFile::exists(game.TestLevel()));

        e.window->SelectSymbol('S');
        e.Click(2, 2);
        QTest::mouseClick(test, Qt::LeftButton);  // 1 computer snake and no start for it
        QCOMPARE(e.dialogs.LastText(),
                 QString("You did not set any AI Sanke Startpoints. Level cannot be tested!"));
        QVERIFY(QFile::exists(game.TestLevel()));
        QVERIFY(e.launches.empty());

        e.window->SelectSymbol('1');
        e.Click(9, 9);
        Find<QComboBox>(e.window.get(), "cboAiSnakes")->setCurrentText("3");
        Find<QCheckBox>(e.window.get(), "chkHunting")->setChecked(true);
        QFile::remove(game.TestLevel());
        e.dialogs.answers = {false};
        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY(e.dialogs.LastText().startsWith("Your level only has 1 AI Sanke start points."));
        QVERIFY2(QFile::exists(game.TestLevel()), "written before the question");
        QVERIFY(e.launches.empty());
        e.dialogs.answers = {true};
        e.Key(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(e.launches.size(), std::size_t{1});
        QCOMPARE(e.launches[0].program, game.Program());
        QCOMPARE(e.launches[0].arguments,
                 (QStringList{"--window", "/L=EditTemp.dat", "/AIS=1", "/H"}));
        QCOMPARE(e.launches[0].folder, game.folder);
        Find<QCheckBox>(e.window.get(), "chkWindow")->click();  // full screen
        e.dialogs.answers = {true};
        QTest::mouseClick(test, Qt::LeftButton);
        QCOMPARE(e.launches.back().arguments, (QStringList{"/L=EditTemp.dat", "/AIS=1", "/H"}));
        // The files the level names are looked for in the folder of the game it runs in.
        QCOMPARE(e.window->StatusText(),
                 QString("Testing: /L=EditTemp.dat /AIS=1 /H\nMusicFile= names music1.mid, which "
                         "is not in the music folder."));
        QVERIFY2(e.window->History().canUndo(), "the history outlives a test run");

        // A level never saved is saved among the game's levels unless told otherwise.
        e.window->SaveCommand();
        QCOMPARE(e.dialogs.starts.back(), game.folder + "/lvl");
    }

    void AnInstalledGameIsFoundOnThePathAndTestsInThePlayersFolder() {
        QTemporaryDir root;
        const QString prefix = root.filePath("usr");
        StandInGame game(prefix + "/bin");
        QDir().mkpath(prefix + "/share/zelkor/lvl");
        QFile level(prefix + "/share/zelkor/lvl/lvl1.dat");
        QVERIFY(level.open(QIODevice::WriteOnly) && level.write("level") == 5);
        level.close();
        QFile list(prefix + "/share/zelkor/shipped.lst");
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("h1 5 lvl/lvl1.dat\n") > 0);
        list.close();
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", root.filePath("data").toUtf8());
        const QString player = root.filePath("data/Zelkor");
        {
            Editor e(nullptr, "/nowhere:" + (prefix + "/bin").toStdString());
            e.window->Start();
            QCOMPARE(Find<QLineEdit>(e.window.get(), "txtZk2Path")->text(), game.Program());
            QVERIFY(e.dialogs.fileDialogs.empty());
            e.window->SelectSymbol('S');
            e.Click(2, 2);
            Find<QComboBox>(e.window.get(), "cboAiSnakes")->setCurrentText("0");
            e.window->TestLevel();
            QCOMPARE(e.launches.back().folder, player);
            QVERIFY(QFile::exists(player + "/lvl/EditTemp.dat"));
            QVERIFY(!QFile::exists(prefix + "/share/zelkor/lvl/EditTemp.dat"));
            e.dialogs.unsaved = {EditorDialogs::Unsaved::Discard};
            e.window->close();
            QVERIFY(!QFile::exists(player + "/lvl/EditTemp.dat"));
        }
        if (oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome);
    }

    // The real start: the working folder and the arguments, and why it can fail.
    void ATestRunThatCannotStartSaysWhy() {
        Editor e;
        e.launchForReal = true;
        StandInGame game(e.folder.filePath("game"));
        e.window->SelectSymbol('S');
        e.Click(2, 2);
        Find<QComboBox>(e.window.get(), "cboAiSnakes")->setCurrentText("0");

        Find<QLineEdit>(e.window.get(), "txtZk2Path")->setText(game.Program());
        e.window->TestLevel();
        QCOMPARE(game.Run(),
                 (QStringList{QDir(game.folder).canonicalPath(), "--window", "/L=EditTemp.dat"}));

        const QString missing = e.folder.filePath("game/Zelkor-gone");
        QFile::rename(game.Program(), missing);
        e.window->TestLevel();
        QVERIFY(
            e.dialogs.LastText().startsWith("The game could not be started:\n" + game.Program()));
        QFile::setPermissions(missing, QFile::ReadOwner);
        Find<QLineEdit>(e.window.get(), "txtZk2Path")->setText(missing);
        e.window->TestLevel();
        QVERIFY(e.dialogs.LastText().contains("not a program"));
        e.window->SelectSymbol('+');
        e.Click(3, 3);  // still at work
        QCOMPARE(e.Cell(3, 3), '+');
    }

    // No room for the test level: the old one stays whole, the message names the system's
    // reason and no game starts. (A save on a full disk is the level file's tests'.)
    void AWriteThatFailsKeepsTheOldFilesAndSaysWhy() {
        Editor e;
        StandInGame game(e.folder.filePath("game"));
        Find<QLineEdit>(e.window.get(), "txtZk2Path")->setText(game.Program());
        Find<QComboBox>(e.window.get(), "cboAiSnakes")->setCurrentText("0");
        e.window->SelectSymbol('S');
        e.Click(2, 2);
        e.window->TestLevel();
        const QByteArray oldTest = FileBytes(game.TestLevel());
        e.window->SelectSymbol('+');
        e.Drag({1, 9}, {30, 9}, Qt::LeftButton);
        {
            FileSizeLimit full(200);
            e.window->TestLevel();
        }
        QCOMPARE(e.dialogs.LastText(), QString("Could not save! Err: 27 (File too large)"));
        QCOMPARE(e.dialogs.shown.back().icon, EditorDialogs::Icon::Critical);
        QCOMPARE(e.launches.size(), std::size_t{1});
        QCOMPARE(FileBytes(game.TestLevel()), oldTest);
    }
};

}  // namespace

std::unique_ptr<QObject> MakeShellTests() {
    return std::make_unique<ShellTests>();
}

}  // namespace zelkor::editor::testing

#include "shell_test.moc"
