#include "engine/taskstore.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "ui/balloontip.h"
#include "ui/gridsection.h"
#include "ui/mainform.h"
#include "ui/runpanel.h"
#include "ui/sectionstack.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelistdelegate.h"
#include "ui/valuelisteditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

void fillVideo(ValueListModel &m)
{
    m.appendRow(QStringLiteral("Video Codec"), QStringLiteral("MPEG-4"));
    m.setPickList(0, {QStringLiteral("MPEG-4"), QStringLiteral("H.264")});
    m.setReadOnly(0, true);
    m.appendRow(QStringLiteral("Video Size"), QStringLiteral("Original Size"));
    m.setPickList(1, {QStringLiteral("Original Size"), QStringLiteral("Custom Size")});
    m.setReadOnly(1, true);
    m.appendRow(QStringLiteral("Bit Rate"), QStringLiteral("768"));
    m.appendRow(QStringLiteral("Frame Rate"), QStringLiteral("25"));
    m.setReadOnly(3, true); // locked
    m.appendRow(QStringLiteral("Aspect"), QStringLiteral("4:3"));
    m.appendRow(QStringLiteral("Disable Video"), QString());
}

void fillOutput(ValueListModel &m)
{
    m.appendRow(QStringLiteral("New Filename"));
    m.appendRow(QStringLiteral("Start Time"));
    m.appendRow(QStringLiteral("End Time"));
}

QPoint cellCentre(TValueListEditor &grid, int row, int column)
{
    return grid.visualRect(grid.model()->index(row, column)).center();
}

void press(TValueListEditor &grid, int row, int column)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, row, column));
}

QColor pixel(TValueListEditor &grid, int row, int column)
{
    const QRect r = grid.visualRect(grid.model()->index(row, column));
    // A point right of any text, inside the cell.
    const QImage image = grid.grab().toImage();
    return image.pixelColor(r.right() - 3, r.center().y());
}

void settlePaints()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

// A window with a grid and a neighbour to move the focus to.
struct GridWindow
{
    ValueListModel model;
    QWidget window;
    TValueListEditor *grid;
    QLineEdit *other;

    GridWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        grid = new TValueListEditor(&model);
        other = new QLineEdit;
        layout->addWidget(grid);
        layout->addWidget(other);
        window.resize(220, 200);
    }
    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestGrids : public QObject
{
    Q_OBJECT
private slots:
    void look()
    {
        ValueListModel model;
        fillVideo(model);
        TValueListEditor grid(&model);
        grid.setColumnWidths(95, 68);
        grid.resize(165, 200);
        QCOMPARE(grid.frameShape(), QFrame::NoFrame);
        QVERIFY(grid.horizontalHeader()->isHidden());
        QVERIFY(grid.verticalHeader()->isHidden());
        QVERIFY(grid.showGrid());
        // 17 pixels of row and one of line.
        for (int r = 0; r < model.count(); ++r)
            QCOMPARE(grid.rowHeight(r), 18);
        QCOMPARE(grid.columnWidth(0), 95);
        // The value column fills the rest.
        QCOMPARE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
        grid.resize(300, 200);
        QCOMPARE(grid.columnWidth(0), 95);
        QCOMPARE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
        // Keys are neither selectable nor editable.
        QCOMPARE(model.flags(model.index(2, 0)) & (Qt::ItemIsSelectable | Qt::ItemIsEditable),
                 Qt::ItemFlags());
    }

    void columnBorderCanBeDragged()
    {
        ValueListModel model;
        fillVideo(model);
        TValueListEditor grid(&model);
        grid.setColumnWidths(160, 200);
        grid.resize(362, 120);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const int y = cellCentre(grid, 1, 0).y();
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(160, y));
        QMouseEvent move(QEvent::MouseMove, QPointF(120, y),
                         grid.viewport()->mapToGlobal(QPointF(120, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(120, y));
        QCOMPARE(grid.columnWidth(0), 120);
        QCOMPARE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
        // No editor was opened by the drag.
        QCOMPARE(grid.openEditor(), nullptr);
    }

    void rowKinds()
    {
        GridWindow w;
        fillVideo(w.model);
        QVERIFY(w.showActive());

        // Pick-list row: a drop-down that cannot be typed in.
        press(*w.grid, 0, 1);
        auto *combo = qobject_cast<QComboBox *>(w.grid->openEditor());
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("MPEG-4"));
        QSignalSpy validated(w.grid, &TValueListEditor::validate);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        // A choice takes effect at once.
        QCOMPARE(w.model.value(0), QStringLiteral("H.264"));
        QCOMPARE(validated.size(), 1);

        // Locked row: no editor, typing changes nothing.
        press(*w.grid, 3, 1);
        QCOMPARE(w.grid->currentIndex().row(), 3);
        QCOMPARE(w.grid->openEditor(), nullptr);
        QTest::keyClicks(w.grid, QStringLiteral("99"));
        QCOMPARE(w.model.value(3), QStringLiteral("25"));
        QCOMPARE(w.grid->openEditor(), nullptr);

        // Text row: typed text replaces the value.
        press(*w.grid, 2, 1);
        auto *edit = qobject_cast<QLineEdit *>(w.grid->openEditor());
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("1500"));
        w.grid->endEdit();
        QCOMPARE(w.model.value(2), QStringLiteral("1500"));

        // A press on a key lands on the value of that row.
        press(*w.grid, 4, 0);
        QCOMPARE(w.grid->currentIndex().row(), 4);
        QCOMPARE(w.grid->currentIndex().column(), 1);
    }

    void pickListShowsValuesOutsideTheList()
    {
        // A custom size is no item of the list; the editor shows it and
        // leaves it alone unless another item is chosen.
        GridWindow w;
        fillVideo(w.model);
        w.model.setValue(1, QStringLiteral("720x480"));
        QVERIFY(w.showActive());
        press(*w.grid, 1, 1);
        auto *combo = qobject_cast<QComboBox *>(w.grid->openEditor());
        QVERIFY(combo);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(), QStringLiteral("720x480"));
        w.grid->endEdit();
        QCOMPARE(w.model.value(1), QStringLiteral("720x480"));
    }

    void painting()
    {
        GridWindow w;
        fillVideo(w.model);
        QVERIFY(w.showActive());
        const QColor base = w.grid->palette().color(QPalette::Base);
        const QColor button = w.grid->palette().color(QPalette::Button);
        auto *delegate = qobject_cast<TValueListDelegate *>(w.grid->itemDelegate());
        QVERIFY(delegate);

        // Locked value grey; pick-list and text values in the text colour.
        const QModelIndex locked = w.model.index(3, 1);
        QCOMPARE(delegate->cellColors(locked).text, QColor(192, 192, 192));
        QCOMPARE(delegate->cellColors(w.model.index(0, 1)).text,
                 w.grid->palette().color(QPalette::Text));
        QCOMPARE(delegate->cellColors(w.model.index(2, 1)).text,
                 w.grid->palette().color(QPalette::Text));
        // No grey rule in the Output grid.
        w.grid->setGreyLockedRows(false);
        QCOMPARE(delegate->cellColors(locked).text, w.grid->palette().color(QPalette::Text));
        w.grid->setGreyLockedRows(true);

        // The current value cell keeps the window colour; its key is the
        // focus marker while the grid has the focus.
        press(*w.grid, 3, 1);
        QVERIFY(w.grid->hasFocus());
        QCOMPARE(pixel(*w.grid, 3, 1), base);
        QCOMPARE(pixel(*w.grid, 3, 0), QColor(49, 106, 197));
        QCOMPARE(pixel(*w.grid, 2, 0), button);
        QCOMPARE(delegate->cellColors(locked).text, QColor(192, 192, 192));

        // With the focus elsewhere the marker goes to the window colour.
        w.other->setFocus();
        QTRY_VERIFY(!w.grid->hasFocus());
        QCOMPARE(pixel(*w.grid, 3, 0), base);
        QCOMPARE(delegate->cellColors(w.model.index(3, 0)).text, QColor(Qt::black));

        // While an editor has the focus the grid still counts as focused.
        press(*w.grid, 2, 1);
        QVERIFY(w.grid->openEditor());
        QVERIFY(w.grid->openEditor()->hasFocus());
        QCOMPARE(delegate->cellColors(w.model.index(2, 0)).background, QColor(49, 106, 197));

        // Disabled (a run, a dialog over the window): no cell looks live.
        w.grid->setEnabled(false);
        const QPalette pal = w.grid->palette();
        for (int row : {2, 3}) {
            QCOMPARE(delegate->cellColors(w.model.index(row, 0)).background,
                     pal.color(QPalette::Disabled, QPalette::Button));
            QCOMPARE(delegate->cellColors(w.model.index(row, 0)).text,
                     pal.color(QPalette::Disabled, QPalette::ButtonText));
            QCOMPARE(delegate->cellColors(w.model.index(row, 1)).text,
                     pal.color(QPalette::Disabled, QPalette::Text));
        }
    }

    void markerInOneGridAtATime()
    {
        QWidget window;
        ValueListModel a, b;
        fillVideo(a);
        fillVideo(b);
        auto *layout = new QVBoxLayout(&window);
        auto *ga = new TValueListEditor(&a);
        auto *gb = new TValueListEditor(&b);
        layout->addWidget(ga);
        layout->addWidget(gb);
        window.resize(200, 300);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        press(*ga, 2, 1);
        ga->endEdit();
        press(*gb, 3, 1);
        QCOMPARE(pixel(*gb, 3, 0), QColor(49, 106, 197));
        QCOMPARE(pixel(*ga, 2, 0), ga->palette().color(QPalette::Base));
    }

    void validateOnLeavingAnEditedCell()
    {
        GridWindow w;
        fillOutput(w.model);
        w.model.setValue(0, QStringLiteral("clip.mp4"));
        w.model.setValue(1, QStringLiteral("00:00:00"));
        w.grid->setNoTaskGuard();
        w.grid->setGreyLockedRows(false);
        QVERIFY(w.showActive());
        QSignalSpy validated(w.grid, &TValueListEditor::validate);

        // Moving the focus away (what Start does first) commits the edit.
        press(*w.grid, 1, 1);
        auto *edit = qobject_cast<QLineEdit *>(w.grid->openEditor());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("00:00:30"));
        QCOMPARE(validated.size(), 0);
        w.other->setFocus();
        QTRY_COMPARE(validated.size(), 1);
        QCOMPARE(validated.first().first().toInt(), 1);
        QCOMPARE(w.model.value(1), QStringLiteral("00:00:30"));
        QCOMPARE(w.grid->openEditor(), nullptr);

        // Leaving a cell whose text did not change raises nothing.
        press(*w.grid, 2, 1);
        QVERIFY(w.grid->openEditor());
        press(*w.grid, 0, 1);
        QCOMPARE(validated.size(), 1);

        // Moving to another cell after typing raises it for the left row.
        edit = qobject_cast<QLineEdit *>(w.grid->openEditor());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("holiday.avi"));
        press(*w.grid, 2, 1);
        QCOMPARE(validated.size(), 2);
        QCOMPARE(validated.last().first().toInt(), 0);
        QCOMPARE(w.model.value(0), QStringLiteral("holiday.avi"));
    }

    void endEditCommitsWithoutFocusChange()
    {
        // A window that is not active gets no focus events: endEdit() is
        // the sure way to finish an edit before the run reads the task.
        GridWindow w;
        fillOutput(w.model);
        w.model.setValue(0, QStringLiteral("clip.mp4"));
        w.grid->setNoTaskGuard();
        QVERIFY(w.showActive());
        QSignalSpy validated(w.grid, &TValueListEditor::validate);
        press(*w.grid, 2, 1);
        auto *edit = qobject_cast<QLineEdit *>(w.grid->openEditor());
        QVERIFY(edit);
        edit->setText(QStringLiteral("00:01:00"));
        w.grid->endEdit();
        QCOMPARE(validated.size(), 1);
        QCOMPARE(w.model.value(2), QStringLiteral("00:01:00"));
        QCOMPARE(w.grid->openEditor(), nullptr);
        // Nothing open: nothing raised.
        w.grid->endEdit();
        QCOMPARE(validated.size(), 1);
    }

    void balloonTipWithoutTask()
    {
        GridWindow w;
        fillOutput(w.model);
        w.grid->setNoTaskGuard();
        QVERIFY(w.showActive());
        QSignalSpy refused(w.grid, &TValueListEditor::editRefusedTipShown);
        QSignalSpy pressed(w.grid, &TValueListEditor::mousePressed);
        QVERIFY(w.grid->editRefused());

        press(*w.grid, 1, 1);
        QCOMPARE(refused.size(), 1);
        QCOMPARE(pressed.size(), 1);
        TBalloonTip *tip = w.grid->balloonTip();
        QVERIFY(tip);
        QCOMPARE(tip->title(), QStringLiteral("Tip:"));
        QCOMPARE(tip->text(), QStringLiteral("Please select a file in Task List."));
        QCOMPARE(tip->icon(), TBalloonTip::Icon::Information);
        QVERIFY(tip->isVisible());
        QVERIFY(w.grid->isAncestorOf(tip->target()) || tip->target() == w.grid);
        // No editor, also not by keyboard or double-click.
        QCOMPARE(w.grid->openEditor(), nullptr);
        QTest::keyClicks(w.grid, QStringLiteral("x"));
        QTest::mouseDClick(w.grid->viewport(), Qt::LeftButton, {}, cellCentre(*w.grid, 0, 1));
        QCOMPARE(w.grid->openEditor(), nullptr);
        QVERIFY(w.model.value(0).isEmpty());
        QVERIFY(w.model.value(1).isEmpty());

        // A second press reuses the tip attached to the window.
        press(*w.grid, 2, 1);
        QCOMPARE(w.grid->balloonTip(), tip);

        // Once a task is shown the grid edits again and the tip stays away.
        tip->hide();
        w.model.setValue(0, QStringLiteral("clip.mp4"));
        QVERIFY(!w.grid->editRefused());
        press(*w.grid, 1, 1);
        QCOMPARE(refused.size(), 3);
        QVERIFY(qobject_cast<QLineEdit *>(w.grid->openEditor()));
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5),
                         w.grid->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tip->target(), &hover);
        QVERIFY(!tip->isVisible());
    }

    void foldingArithmetic()
    {
        ValueListModel video, audio, advanced;
        fillVideo(video);
        fillVideo(audio);
        advanced.appendRow(QStringLiteral("Bit Exact Algorithms"));
        advanced.appendRow(QStringLiteral("Deinterlace"));
        TSectionStack stack;
        auto *secVideo =
            new TGridSection(QStringLiteral("      Video"), new TValueListEditor(&video), true);
        auto *secAudio =
            new TGridSection(QStringLiteral("      Audio"), new TValueListEditor(&audio), true);
        auto *secAdvanced = new TGridSection(QStringLiteral("      Advanced"),
                                             new TValueListEditor(&advanced), false);
        stack.addSection(secVideo);
        stack.addSection(secAudio);
        stack.addSection(secAdvanced);
        stack.resize(200, 400);
        stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stack));

        QCOMPARE(secVideo->header()->height(), 18);
        QCOMPARE(secVideo->toggleButton()->geometry(), QRect(5, 3, 12, 12));
        QCOMPARE(secVideo->toggleButton()->text(), QStringLiteral("-"));
        QCOMPARE(secVideo->titleLabel()->text(), QStringLiteral("      Video"));
        QVERIFY(secVideo->titleLabel()->font().bold());
        QCOMPARE(secVideo->gridHeight(), 6 * 18);
        QCOMPARE(secAdvanced->gridHeight(), 2 * 18);
        // Header, grid, header, grid from the top.
        QCOMPARE(secVideo->y(), 0);
        QCOMPARE(secAudio->y(), 18 + 6 * 18);
        const int audioTop = secAudio->y();
        const int advancedTop = secAdvanced->y();

        // Folding moves everything below up.
        QTest::mouseClick(secVideo->toggleButton(), Qt::LeftButton);
        QCOMPARE(secVideo->toggleButton()->text(), QStringLiteral("+"));
        QCOMPARE(secVideo->gridHeight(), 1);
        QTRY_COMPARE(secAudio->y(), audioTop - 6 * 18 + 1);
        QCOMPARE(secAdvanced->y(), advancedTop - 6 * 18 + 1);

        // Opening again: one pixel more than at first.
        QTest::mouseClick(secVideo->toggleButton(), Qt::LeftButton);
        QCOMPARE(secVideo->toggleButton()->text(), QStringLiteral("-"));
        QCOMPARE(secVideo->gridHeight(), 6 * 18 + 1);
        QTRY_COMPARE(secAudio->y(), audioTop + 1);

        // A profile load opens a folded grid but leaves "+" showing; the
        // next click keeps it open and shows "-".
        secAudio->toggle();
        QCOMPARE(secAudio->gridHeight(), 1);
        audio.clearRows();
        audio.appendRow(QStringLiteral("Audio Codec"));
        audio.appendRow(QStringLiteral("Channels"));
        secAudio->setHeightForProfileLoad(audio.count());
        QCOMPARE(secAudio->gridHeight(), 2 * 18);
        QCOMPARE(secAudio->toggleButton()->text(), QStringLiteral("+"));
        secAudio->toggle();
        QCOMPARE(secAudio->gridHeight(), 2 * 18 + 1);
        QCOMPARE(secAudio->toggleButton()->text(), QStringLiteral("-"));

        // An empty grid counts as one row.
        audio.clearRows();
        secAudio->setHeightForProfileLoad(0);
        QCOMPARE(secAudio->gridHeight(), 18);
        secAudio->toggle();
        secAudio->toggle();
        QCOMPARE(secAudio->gridHeight(), 19);

        // Double-click on a header toggles where enabled.
        QTest::mouseDClick(secVideo->header(), Qt::LeftButton, {}, QPoint(100, 9));
        QCOMPARE(secVideo->toggleButton()->text(), QStringLiteral("+"));
        QTest::mouseDClick(secAdvanced->header(), Qt::LeftButton, {}, QPoint(100, 9));
        QCOMPARE(secAdvanced->toggleButton()->text(), QStringLiteral("-"));
        QCOMPARE(secAdvanced->gridHeight(), 2 * 18);
    }

    void editOpenWhenStartIsPressed()
    {
        // The main window: a task selected, "End Time" typed but not yet
        // left, then Start. The run must convert the trimmed clip.
        QTemporaryDir clips;
        const QString source = testsupport::makeStandardClip(clips.filePath("clip.avi"), 3.0);
        QVERIFY(!source.isEmpty());
        MainFormFixture::Options options;
        options.profiles = {{QStringLiteral("Plain"), QStringLiteral("avi")}};
        MainFormFixture f({source}, options);
        f.form->show();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.waitForIntake();
        f.form->edtOutputdir->setText(clips.path() + QStringLiteral("/"));
        f.form->taskList().selectRows({0});
        f.form->taskList().ltvTaskClick();
        TValueListEditor *output = f.form->vleOutput;
        QCOMPARE(output->values()->value(0), QStringLiteral("clip.avi"));

        press(*output, 2, 1);
        auto *edit = qobject_cast<QLineEdit *>(output->openEditor());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("00:00:01"));
        QVERIFY(output->openEditor());
        f.form->runPanel().tbtnStartClick();
        f.waitForRun();

        ltvItemData task;
        f.form->tasks().GetItemData(0, ItemField::All, task);
        QCOMPARE(task.EndTime, QStringLiteral("00:00:01"));
        QCOMPARE(task.ClipLength, QStringLiteral("00:00:01"));
        QCOMPARE(task.Status, QStringLiteral("Complete"));
        QCOMPARE(output->openEditor(), nullptr);
        // The converted file is about one second long, not three.
        const QString converted = clips.filePath(QStringLiteral("clip_1.avi"));
        QVERIFY2(QFile::exists(converted), qPrintable(QDir(clips.path()).entryList().join(u' ')));
        QProcess ffprobe;
        ffprobe.start(testsupport::ffmpeg(),
                      {QStringLiteral("-hide_banner"), QStringLiteral("-i"), converted});
        QVERIFY(ffprobe.waitForFinished(30000));
        const QString report = QString::fromUtf8(ffprobe.readAllStandardError());
        QVERIFY2(report.contains(QStringLiteral("Duration: 00:00:01")), qPrintable(report));
    }

    void repaintAllOnPress()
    {
        // A press in one grid redraws the other grids of the stack (which
        // would otherwise keep a stale focus marker), without touching values.
        ValueListModel a, b;
        fillVideo(a);
        fillVideo(b);
        TSectionStack stack;
        auto *ga = new TValueListEditor(&a);
        auto *gb = new TValueListEditor(&b);
        stack.addSection(new TGridSection(QStringLiteral("      A"), ga, true));
        stack.addSection(new TGridSection(QStringLiteral("      B"), gb, true));
        connect(ga, &TValueListEditor::mousePressed, &stack, &TSectionStack::repaintGrids);
        stack.resize(200, 300);
        stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stack));
        settlePaints();

        PaintCounter paints(gb->viewport());
        QSignalSpy changed(&b, &ValueListModel::stringsChanged);
        press(*ga, 2, 1);
        QTRY_VERIFY(paints.count > 0);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(b.value(2), QStringLiteral("768"));

        // Without the stack's repaint, the same kind of press leaves the
        // other grid alone: the paints above came from it.
        disconnect(ga, &TValueListEditor::mousePressed, &stack, &TSectionStack::repaintGrids);
        settlePaints();
        PaintCounter quiet(gb->viewport());
        press(*ga, 3, 1);
        settlePaints();
        QCOMPARE(quiet.count, 0);
    }
};

QTEST_MAIN(TestGrids)
#include "tst_grids.moc"
