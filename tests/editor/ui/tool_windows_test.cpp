// The three tool windows: where they open, what they hold, and their limits.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

#include "editor/ui/level_settings_window.h"
#include "editor/ui/tool_window_place.h"
#include "editor/ui/user_items_window.h"
#include "tests/editor/ui/editor_fixture.h"
#include "tests/editor/ui/suites.h"

namespace zelkor::editor::testing {
namespace {

// Types the text as key presses, any character included.
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

void SelectRow(QListWidget* list, int row) {
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

class ToolWindowTests final : public QObject {
    Q_OBJECT

private slots:
    void WindowsOpenBesideTheMainWindowAndKeepTheirValues() {
        Editor e;
        e.window->move(40, 30);
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command9"), Qt::LeftButton);
        QWidget* settings = e.window->SettingsWindow();
        QVERIFY(settings->isVisible());
        // Where exactly is ToolWindowPlace's test; here: it is used.
        QCOMPARE(settings->pos(),
                 ToolWindowPlace(e.window->frameGeometry(), settings->frameGeometry().size(),
                                 e.window->screen()->availableGeometry()));

        // A typed value outlives closing the window.
        QVERIFY(!e.window->isWindowModified());
        Type(Find<QLineEdit>(settings, "lvlName"), "Gr\u00fcne H\u00f6hle");
        QCOMPARE(e.window->Level().fields.lvlName, std::string("Gr\xFCne H\xF6hle"));
        QVERIFY(e.window->isWindowModified());
        Find<QSlider>(settings, "blueRate")->setValue(20);
        QCOMPARE(Find<QLabel>(settings, "blueRateValue")->text(), QString("20"));
        QCOMPARE(e.window->Level().fields.blueRate, 20);
        Find<QCheckBox>(settings, "chkHideCollected")->click();
        QVERIFY(e.window->Level().fields.hideCollected);
        settings->close();
        e.window->OpenLevelSettings();
        QCOMPARE(Find<QLineEdit>(settings, "lvlName")->text(), QString("Gr\u00fcne H\u00f6hle"));

        // A character a level file cannot hold is refused, with a word why.
        Type(Find<QLineEdit>(settings, "Author"), "Jo\u0142");
        QCOMPARE(Find<QLineEdit>(settings, "Author")->text(), QString("Jo"));
        QCOMPARE(e.window->Level().fields.Author, std::string("Jo"));
        QVERIFY(e.window->StatusText().contains("\u0142"));

        // "User Items" takes the place of "Level Settings"; "Files" goes over either.
        e.window->OpenUserItems();
        QTest::mouseClick(Find<QPushButton>(e.window->ItemsWindow(), "cmdAdd"), Qt::LeftButton);
        Find<QComboBox>(e.window->ItemsWindow(), "cboType")->setCurrentText("ani_wall");
        Find<QComboBox>(e.window->ItemsWindow(), "cboGfx")
            ->setCurrentText("bricks\\wall2_animated");
        QTest::mouseClick(Find<QPushButton>(e.window->ItemsWindow(), "cmdAdd"), Qt::LeftButton);
        QVERIFY(!settings->isVisible());
        QVERIFY(e.window->ItemsWindow()->isVisible());
        e.window->OpenRequiredFiles();
        Find<QComboBox>(e.window->FilesWindow(), "cboFile")->setCurrentText("bricks.zkr");
        QTest::mouseClick(Find<QPushButton>(e.window->FilesWindow(), "cmdAdd"), Qt::LeftButton);
        QVERIFY(e.window->ItemsWindow()->isVisible());
        QVERIFY(e.window->FilesWindow()->frameGeometry().intersects(
            e.window->ItemsWindow()->frameGeometry()));
        Keep(e.window->FilesWindow()->grab().toImage(), "required_files");
        Keep(e.window->ItemsWindow()->grab().toImage(), "user_items");
        e.window->OpenLevelSettings();
        Keep(settings->grab().toImage(), "level_settings");
        QVERIFY(!e.window->ItemsWindow()->isVisible());
        QVERIFY(e.window->FilesWindow()->isVisible());
    }

    void ToolWindowsGoBesideTheMainWindowButStayOnTheScreen() {
        const QSize tool(470, 620);
        QCOMPARE(ToolWindowPlace({100, 50, 850, 720}, tool, {0, 0, 1920, 1080}), QPoint(950, 50));
        // A laptop screen: as far right as the window is seen whole, and up where it
        // would reach below the screen.
        QCOMPARE(ToolWindowPlace({250, 20, 850, 720}, tool, {0, 0, 1366, 768}), QPoint(896, 20));
        QCOMPARE(ToolWindowPlace({0, 300, 850, 720}, tool, {0, 0, 1366, 768}), QPoint(850, 148));
        // A screen left of the first one, and a screen smaller than the window.
        QCOMPARE(ToolWindowPlace({-1900, 10, 850, 720}, tool, {-1920, 0, 1920, 1080}),
                 QPoint(-1050, 10));
        QCOMPARE(ToolWindowPlace({0, 0, 850, 720}, tool, {0, 0, 400, 500}), QPoint(0, 0));
    }

    // The slot rules are the core's; here: what the windows show and say.
    void FullTablesSayTheirLimitAndTheListsFollowTheSlots() {
        Editor e;
        e.window->OpenUserItems();
        QWidget* w = e.window->ItemsWindow();
        auto* list = Find<QListWidget>(w, "lstItems");
        QPushButton* add = Find<QPushButton>(w, "cmdAdd");
        for (int i = 0; i <= 26; ++i)
            QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(e.dialogs.LastText(), QString("No free Useritems Left. Maximum: 26"));
        QCOMPARE(list->count(), 26);
        QCOMPARE(list->item(0)->text(), QString("a: wall: bricks\\brick2_v.bmp"));
        SelectRow(list, 0);
        QTest::mouseClick(Find<QPushButton>(w, "cmdRemove"), Qt::LeftButton);
        QCOMPARE(list->count(), 25);

        // "Select" paints with the letter; nothing selected, nothing happens.
        list->clearSelection();
        QTest::mouseClick(Find<QPushButton>(w, "cmdSelect"), Qt::LeftButton);
        QCOMPARE(e.window->CurrentSymbol(), '0');
        SelectRow(list, 1);
        QTest::mouseClick(Find<QPushButton>(w, "cmdSelect"), Qt::LeftButton);
        QCOMPARE(e.window->CurrentSymbol(), 'c');
        QTest::mouseClick(Find<QPushButton>(w, "cmdOK"), Qt::LeftButton);
        QVERIFY(!w->isVisible());

        e.window->OpenRequiredFiles();
        w = e.window->FilesWindow();
        list = Find<QListWidget>(w, "lstFiles");
        add = Find<QPushButton>(w, "cmdAdd");
        Find<QComboBox>(w, "cboFile")->setEditText("bricks.zkr");
        for (int i = 0; i <= 32; ++i)
            QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(e.dialogs.LastText(), QString("No free Files Left. Maximum: 32"));
        SelectRow(list, 5);
        QTest::mouseClick(Find<QPushButton>(w, "cmdRemove"), Qt::LeftButton);
        QCOMPARE(list->count(), 0);  // every slot of that name goes
        QTest::mouseClick(Find<QPushButton>(w, "Command4"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeToolWindowTests() {
    return std::make_unique<ToolWindowTests>();
}

}  // namespace zelkor::editor::testing

#include "tool_windows_test.moc"
