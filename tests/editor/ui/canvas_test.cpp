// The grid: painting with the palette, the wall tool, start points, history, zoom and
// what the canvas shows.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "editor/ui/tool_pictures.h"
#include "tests/editor/ui/editor_fixture.h"
#include "tests/editor/ui/suites.h"

namespace zelkor::editor::testing {
namespace {

QImage CellImage(const QImage& canvas, int column, int row, int zoom = 1) {
    const int size = 20 * zoom;
    return canvas.copy((column - 1) * size, (row - 1) * size, size, size);
}

class CanvasTests final : public QObject {
    Q_OBJECT

private slots:
    // Which symbol paints where is the core's; here: the palette, the pointer and the
    // picture on the canvas.
    void PaletteToolsPaintAndTheRightButtonErases() {
        Editor e;
        e.window->Start();
        QToolButton* brick = Find<QToolButton>(e.window.get(), "Image1");
        QTest::mouseClick(brick, Qt::LeftButton);
        QCOMPARE(e.window->CurrentSymbol(), '+');
        QCOMPARE(Find<QLabel>(e.window.get(), "Label4")->text(), QString("+"));
        QVERIFY(brick->isChecked());

        e.Click(3, 3);
        QCOMPARE(e.Cell(3, 3), '+');

        QTest::mouseClick(Find<QToolButton>(e.window.get(), "Image5"), Qt::LeftButton);
        e.Drag({2, 6}, {9, 6}, Qt::LeftButton);
        for (int column = 2; column <= 9; ++column)
            QCOMPARE(e.Cell(column, 6), '-');
        e.Drag({4, 6}, {7, 6}, Qt::RightButton);
        QCOMPARE(e.Cell(3, 6), '-');
        for (int column = 4; column <= 7; ++column)
            QCOMPARE(e.Cell(column, 6), '0');
        e.Click(3, 3, Qt::RightButton);
        QCOMPARE(e.Cell(3, 3), '0');
    }

    void TheWallToolShowsItsRunAndEscapeCancelsIt() {
        Editor e;
        QPushButton* drawWall = Find<QPushButton>(e.window.get(), "Command1");
        QTest::mouseClick(drawWall, Qt::LeftButton);
        QCOMPARE(e.window->StatusText(), QString("Start?"));
        e.Click(5, 3);
        // The wall to be is outlined as the pointer moves along its row.
        e.Hover(8, 3);
        const QImage preview = e.Canvas().grab().toImage();
        Keep(preview, "wall_preview");
        int outlined = 0;
        for (int x = 80; x < 160; ++x)
            outlined += QColor(preview.pixel(x, 40)) == QColor(255, 210, 60);
        QVERIFY(outlined > 20);
        e.Click(8, 3);
        QCOMPARE(QString::fromStdString(
                     std::string{e.Cell(5, 3), e.Cell(6, 3), e.Cell(7, 3), e.Cell(8, 3)}),
                 QString("<-->"));

        QTest::mouseClick(drawWall, Qt::LeftButton);
        e.Click(2, 2);
        QTest::keyClick(e.window.get(), Qt::Key_Escape);
        QCOMPARE(e.window->StatusText(), QString("Wall cancelled"));
        e.window->SelectSymbol('*');
        e.Click(2, 12);  // paints with the current symbol again, no wall
        QCOMPARE(e.Cell(2, 12), '*');
        QCOMPARE(e.Cell(2, 2), '0');
        QCOMPARE(e.Cell(2, 7), '0');
    }

    void ASecondStartPointAsksBeforeItMovesTheFirst() {
        Editor e;
        auto* menu = Find<QMenu>(e.window.get(), "Pop1");
        menu->actions()[0]->trigger();
        QCOMPARE(e.window->CurrentSymbol(), 'S');
        e.Click(2, 2);
        QVERIFY(e.dialogs.shown.empty());
        e.dialogs.answers = {false};
        e.Click(5, 5);
        QCOMPARE(e.dialogs.LastText(), QString("Replace startpoint 'S'?"));
        QCOMPARE(e.dialogs.shown.back().icon, EditorDialogs::Icon::Question);
        QCOMPARE(e.window->StatusText(), QString("Checking..."));
        QCOMPARE(e.Cell(5, 5), '0');
        e.dialogs.answers = {true};
        e.Click(5, 5);
        QCOMPARE(e.Cell(2, 2), '0');
        QCOMPARE(e.Cell(5, 5), 'S');
        menu->actions()[15]->trigger();
        QCOMPARE(e.window->CurrentSymbol(), 'F');
    }

    void EveryChangeCanBeUndoneAndRedone() {
        Editor e;
        QPushButton* undo = Find<QPushButton>(e.window.get(), "cmdUndo");
        QPushButton* redo = Find<QPushButton>(e.window.get(), "cmdRedo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QVERIFY(!e.window->isWindowModified());

        e.window->SelectSymbol('|');
        e.Drag({3, 2}, {3, 9}, Qt::LeftButton);  // one stroke, one step
        QVERIFY(undo->isEnabled());
        QVERIFY(e.window->isWindowModified());
        QVERIFY(e.window->windowTitle().startsWith(EditorCaption()));
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command1"), Qt::LeftButton);
        e.Click(10, 5);
        e.Click(15, 5);
        QTest::mouseClick(Find<QPushButton>(e.window.get(), "Command2"), Qt::LeftButton);
        QCOMPARE(e.window->Level().grid, GridCells{});

        e.Key(Qt::Key_Z, Qt::ControlModifier);  // the clear
        QCOMPARE(e.Cell(10, 5), '<');
        e.Key(Qt::Key_Z, Qt::ControlModifier);  // the wall
        QCOMPARE(e.Cell(10, 5), '0');
        QCOMPARE(e.Cell(3, 9), '|');
        QTest::mouseClick(undo, Qt::LeftButton);  // the stroke
        QCOMPARE(e.window->Level().grid, GridCells{});
        QVERIFY(!undo->isEnabled());
        QVERIFY2(!e.window->isWindowModified(), "back where the level was");

        e.Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.Cell(3, 5), '|');
        QTest::mouseClick(redo, Qt::LeftButton);
        QCOMPARE(e.Cell(15, 5), '>');
    }

    // Undo while the button is still held ends the stroke first and takes back exactly
    // it; the history before it stays whole.
    void UndoDuringADragTakesBackTheStroke() {
        {  // the first stroke of all, with nothing before it to undo
            Editor fresh;
            fresh.window->SelectSymbol('-');
            fresh.Drag({3, 5}, {7, 5}, Qt::LeftButton, false);
            fresh.Key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(fresh.window->Level().grid, GridCells{});
        }
        Editor e;
        e.window->SelectSymbol('+');
        e.Click(5, 5);
        e.window->SelectSymbol('-');
        e.Drag({3, 5}, {7, 5}, Qt::LeftButton, false);
        e.Key(Qt::Key_Z, Qt::ControlModifier);
        QTest::mouseRelease(&e.Canvas(), Qt::LeftButton, {}, e.Canvas().CellCentre(7, 5));
        auto row = [&e] {
            std::string cells;
            for (int column = 3; column <= 7; ++column)
                cells += e.Cell(column, 5);
            return cells;
        };
        QCOMPARE(row(), std::string("00+00"));
        e.window->Redo();
        QCOMPARE(row(), std::string("-----"));
        e.window->Undo();
        e.window->Undo();
        QCOMPARE(e.window->Level().grid, GridCells{});
    }

    void ToolsWorkAtEveryZoom() {
        Editor e;
        e.window->SelectSymbol('+');
        e.Click(4, 4);
        const QImage brick = CellImage(e.Canvas().grab().toImage(), 4, 4);
        QCOMPARE(brick, ToolPictures()
                            .Picture(ToolPicture::SingleBrick)
                            .toImage()
                            .convertToFormat(brick.format()));
        for (int zoom = 2; zoom <= 3; ++zoom) {
            e.window->SetZoom(zoom);
            QCOMPARE(e.Canvas().size(), QSize(620 * zoom, 440 * zoom));
            // Every picture pixel becomes a square of zoom x zoom pixels.
            QCOMPARE(CellImage(e.Canvas().grab().toImage(), 4, 4, zoom),
                     brick.scaled(20 * zoom, 20 * zoom));
            e.window->SelectSymbol('*');
            e.Click(30, 22);
            e.Click(zoom, zoom);
            QCOMPARE(e.Cell(30, 22), '*');
            QCOMPARE(e.Cell(zoom, zoom), '*');
            e.Hover(31, 22);
            QCOMPARE(Find<QLabel>(e.window.get(), "Label1")->text(), QString("X: 31"));
            QCOMPARE(Find<QLabel>(e.window.get(), "Label2")->text(), QString("Y: 22"));
            QCOMPARE(e.window->InfoText(), QString("#(681):\n'0' = [nothing]"));
        }
    }

    // The info box names what the pointer is over, and each button's tooltip says the
    // same words; over the grid it follows every change of the cell under the pointer.
    void TheInfoBoxAndTheTooltipsNameWhatIsUnderThePointer() {
        Editor e;
        auto enter = [&e](QWidget* w) {
            QEvent event(QEvent::Enter);
            QApplication::sendEvent(w, &event);
            return e.window->InfoText();
        };
        QCOMPARE(enter(Find<QWidget>(e.window.get(), "Image1")), QString("single brick"));
        QCOMPARE(enter(Find<QWidget>(e.window.get(), "Label4")), QString("item symbol in matrix"));
        QCOMPARE(enter(Find<QWidget>(e.window.get(), "Frame1")), QString(""));
        int buttons = 0;
        for (QAbstractButton* button : e.window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(e.window.get()) || qobject_cast<QCheckBox*>(button)) continue;
            ++buttons;
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
            QCOMPARE(enter(button), button->toolTip());
        }
        QCOMPARE(buttons, 10 + 14);  // the palette and the push buttons

        e.Hover(5, 5);
        e.window->SelectSymbol('+');
        e.Click(5, 5);
        QCOMPARE(e.window->InfoText(), QString("#(128):\n'+' = [single brick]"));
        e.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.window->InfoText(), QString("#(128):\n'0' = [nothing]"));
    }

    // What the canvas shows: pictures, start numbers, user-item letters, grid dots and
    // the shaded last column. The pictures are kept for a person when asked to.
    void TheCanvasShowsExactlyTheGrid() {
        Editor e;
        e.window->Start();
        e.window->SelectSymbol('S');
        e.Click(2, 2);
        e.window->SelectSymbol('7');
        e.Click(28, 20);
        e.window->SelectSymbol('a');
        e.Drag({5, 10}, {9, 10}, Qt::LeftButton);
        e.window->SelectSymbol('+');
        e.Click(31, 4);

        const QImage plain = e.Canvas().grab().toImage();
        const QImage blank = ToolPictures()
                                 .Picture(ToolPicture::BlankTile)
                                 .toImage()
                                 .convertToFormat(plain.format());
        QCOMPARE(CellImage(plain, 12, 12), blank);
        QVERIFY2(CellImage(plain, 6, 10) != blank, "a user item shows its letter");
        QVERIFY2(CellImage(plain, 2, 2) != CellImage(plain, 28, 20), "start numbers differ");
        // The 31st column is darker than the same picture elsewhere.
        QVERIFY(qGray(CellImage(plain, 31, 12).pixel(10, 10)) < qGray(blank.pixel(10, 10)));

        QTest::mouseClick(Find<QCheckBox>(e.window.get(), "chkGrid"), Qt::LeftButton);
        const QImage dotted = e.Canvas().grab().toImage();
        QCOMPARE(QColor(CellImage(dotted, 12, 12).pixel(0, 0)), QColor(192, 192, 192));
        QCOMPARE(CellImage(dotted, 12, 12).pixel(1, 1), blank.pixel(1, 1));
        QCOMPARE(QColor(CellImage(dotted, 6, 10).pixel(0, 0)), QColor(192, 192, 192));
        QTest::mouseClick(Find<QCheckBox>(e.window.get(), "chkGrid"), Qt::LeftButton);
        QCOMPARE(e.Canvas().grab().toImage(), plain);  // no dot stays behind

        Keep(dotted, "canvas");
        e.window->resize(e.window->sizeHint());
        Keep(e.window->grab().toImage(), "main_window");
        e.window->SetZoom(2);
        Keep(e.Canvas().grab().toImage(), "canvas_zoom2");
#if ZELKOR_EMBEDDED_PICTURES
        QVERIFY(ToolPictures().Embedded());
#endif
    }
};

}  // namespace

std::unique_ptr<QObject> MakeCanvasTests() {
    return std::make_unique<CanvasTests>();
}

}  // namespace zelkor::editor::testing

#include "canvas_test.moc"
