// The commands on the task list: remove, clear, moves, the Output values of
// the selected task, the pop-up menu, the keys, the column rule, and the
// output-directory commands of the bottom bar.
#include "engine/batchrun.h"
#include "engine/probequeue.h"
#include "engine/taskstore.h"
#include "engine/tasktext.h"
#include "preview/dstrackbar.h"
#include "preview/previewpane.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "support/recordingplayer.h"
#include "support/testsupport.h"
#include "ui/gridsection.h"
#include "ui/idlepanel.h"
#include "ui/intakecontroller.h"
#include "ui/logform.h"
#include "ui/mainform.h"
#include "ui/notaddedreport.h"
#include "ui/runpanel.h"
#include "ui/sectionstack.h"
#include "ui/settingform.h"
#include "ui/tasklistdelegate.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelisteditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitterHandle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QUrl>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

using testsupport::ProgramDir;

class TestTaskList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_sources;

    // n source files named t1.avi .. tn.avi (empty files: the fake encoder
    // probes them instantly), added by a drop.
    std::unique_ptr<MainFormFixture> formWithTasks(int n, bool withProfile = true)
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        if (withProfile)
            o.profiles = {{QStringLiteral("Test"), QStringLiteral("mp4")}};
        auto f = std::make_unique<MainFormFixture>(QStringList(), o);
        f->show();
        QStringList paths;
        for (int i = 1; i <= n; ++i) {
            const QString p = m_sources.filePath(QStringLiteral("t%1.avi").arg(i));
            QFile file(p);
            file.open(QIODevice::WriteOnly);
            paths << p;
        }
        f->form->intakeController().DropPaths(paths);
        f->waitForIntake();
        return f;
    }

    // Keys reach the window's shortcuts only while it is the active one.
    void activate(TMainForm &form)
    {
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QStringList names(TMainForm &form)
    {
        QStringList result;
        for (int i = 0; i < form.tasks().count(); ++i)
            result << QFileInfo(form.tasks().caption(i)).completeBaseName();
        return result;
    }

    QStringList outputValues(TMainForm &form)
    {
        ValueListModel *m = form.vleOutput->values();
        return {m->valueOf(QStringLiteral("New Filename")),
                m->valueOf(QStringLiteral("Start Time")), m->valueOf(QStringLiteral("End Time"))};
    }

    bool taskButtonsEnabled(TMainForm &form)
    {
        return form.tbtnUp->isEnabled() && form.tbtnDown->isEnabled() &&
               form.tbtnRemove->isEnabled() && form.tbtnClear->isEnabled() &&
               form.tbtnStart->isEnabled();
    }
    bool taskButtonsDisabled(TMainForm &form)
    {
        return !form.tbtnUp->isEnabled() && !form.tbtnDown->isEnabled() &&
               !form.tbtnRemove->isEnabled() && !form.tbtnClear->isEnabled() &&
               !form.tbtnStart->isEnabled();
    }

private slots:
    void initTestCase()
    {
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(m_sources.isValid());
    }

    void removeScatteredSelection()
    {
        auto f = formWithTasks(5);
        TMainForm &form = *f->form;
        QCOMPARE(form.tasks().count(), 5);
        QVERIFY(taskButtonsEnabled(form));
        form.taskList().selectRows({0});
        form.taskList().ltvTaskClick();
        QCOMPARE(outputValues(form)[0], QStringLiteral("t1.mp4"));

        form.taskList().selectRows({1, 3});
        form.taskList().tbtnRemoveClick();
        QCOMPARE(names(form), QStringList({"t1", "t3", "t5"}));
        QCOMPARE(outputValues(form), QStringList({"", "", ""}));
        // The Output grid keeps its three rows.
        QCOMPARE(form.vleOutput->values()->count(), 3);
        QVERIFY(taskButtonsEnabled(form));

        // Removing the rest disables the task buttons; the welcome panel
        // stays hidden.
        form.taskList().selectRows({0, 1, 2});
        form.taskList().tbtnRemoveClick();
        QCOMPARE(form.tasks().count(), 0);
        QVERIFY(taskButtonsDisabled(form));
        QVERIFY(!form.taskList().welcomeVisible());
    }

    void clearEmptiesListAndOutput()
    {
        auto f = formWithTasks(3);
        TMainForm &form = *f->form;
        form.taskList().selectRows({2});
        form.taskList().ltvTaskClick();
        QCOMPARE(outputValues(form), QStringList({"t3.mp4", "00:00:00.0", ""}));
        form.taskList().tbtnClearClick();
        QCOMPARE(form.tasks().count(), 0);
        QCOMPARE(outputValues(form), QStringList({"", "", ""}));
        QVERIFY(taskButtonsDisabled(form));
        QVERIFY(!form.taskList().welcomeVisible());
        QVERIFY(f->platform.messages.isEmpty());
    }

    void moveUp()
    {
        auto f = formWithTasks(4);
        TMainForm &form = *f->form;
        // Nothing selected: nothing moves.
        form.ltvTask->selectionModel()->clear();
        form.taskList().tbtnUpClick();
        QCOMPARE(names(form), QStringList({"t1", "t2", "t3", "t4"}));

        // Rows 2 and 3 move up as a block and stay selected.
        form.taskList().selectRows({1, 2});
        form.taskList().tbtnUpClick();
        QCOMPARE(names(form), QStringList({"t2", "t3", "t1", "t4"}));
        QCOMPARE(form.taskList().selectedRows(), QList<int>({0, 1}));

        // At the top edge: the first row cannot move, the second swaps with
        // it, and only the first row stays selected.
        form.taskList().tbtnUpClick();
        QCOMPARE(names(form), QStringList({"t3", "t2", "t1", "t4"}));
        QCOMPARE(form.taskList().selectedRows(), QList<int>({0}));
    }

    void moveDown()
    {
        auto f = formWithTasks(4);
        TMainForm &form = *f->form;
        form.taskList().selectRows({3});
        form.taskList().tbtnDownClick();
        QCOMPARE(names(form), QStringList({"t1", "t2", "t3", "t4"}));
        QCOMPARE(form.taskList().selectedRows(), QList<int>({3}));

        form.taskList().selectRows({0, 1});
        form.taskList().tbtnDownClick();
        QCOMPARE(names(form), QStringList({"t3", "t1", "t2", "t4"}));
        QCOMPARE(form.taskList().selectedRows(), QList<int>({1, 2}));

        form.taskList().selectRows({2, 3});
        form.taskList().tbtnDownClick();
        QCOMPARE(names(form), QStringList({"t3", "t1", "t4", "t2"}));
        QCOMPARE(form.taskList().selectedRows(), QList<int>({3}));
    }

    void movesCarryWholeRecords()
    {
        auto f = formWithTasks(2);
        TMainForm &form = *f->form;
        ltvItemData d;
        form.tasks().GetItemData(1, ItemField::All, d);
        d.NewFilename = QStringLiteral("renamed");
        d.StartTime = QStringLiteral("00:00:01");
        d.Status = QStringLiteral("Complete");
        form.tasks().SetItemData(1, ItemField::All, d);
        form.taskList().selectRows({1});
        form.taskList().tbtnUpClick();
        ltvItemData moved;
        form.tasks().GetItemData(0, ItemField::All, moved);
        QCOMPARE(moved.InputFile, d.InputFile);
        QCOMPARE(moved.NewFilename, QStringLiteral("renamed"));
        QCOMPARE(moved.StartTime, QStringLiteral("00:00:01"));
        QCOMPARE(moved.Status, QStringLiteral("Complete"));
        ltvItemData other;
        form.tasks().GetItemData(1, ItemField::All, other);
        QCOMPARE(other.NewFilename, QStringLiteral("t1"));
        // The Output grid shows the moved task, still the first selected.
        QCOMPARE(outputValues(form)[0], QStringLiteral("renamed.mp4"));
    }

    void selectShowsOutputValues()
    {
        auto f = formWithTasks(2);
        TMainForm &form = *f->form;
        ltvItemData d;
        form.tasks().GetItemData(1, ItemField::All, d);
        d.NewFilename = QStringLiteral("clip");
        d.NewFileExt = QStringLiteral(".avi"); // not what the grid shows
        d.StartTime = QStringLiteral("00:00:05");
        d.EndTime = QStringLiteral("00:01:00");
        form.tasks().SetItemData(1, ItemField::All, d);

        // A mouse click selects the row and shows its values, with the loaded
        // profile's extension.
        const QRect r = form.ltvTask->visualRect(form.tasks().index(1, 0));
        QTest::mouseClick(form.ltvTask->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(form.taskList().selectedRows(), QList<int>({1}));
        QCOMPARE(outputValues(form), QStringList({"clip.mp4", "00:00:05", "00:01:00"}));

        // No selection: the values are emptied.
        form.ltvTask->selectionModel()->clear();
        QCOMPARE(outputValues(form), QStringList({"", "", ""}));
    }

    // Whatever changes the selection, the Output grid shows the first
    // selected task, and an edit lands in the task whose values it was made
    // on: one still open when the selection moves goes to its own task first.
    void outputGridFollowsSelection_data()
    {
        QTest::addColumn<QStringList>("names"); // New Filename of each row afterwards
        QTest::addColumn<int>("shown");         // the row shown, -1 none
        const QStringList unmoved{"t1", "edited", "t3"};
        QTest::newRow("left click") << unmoved << 2;
        QTest::newRow("right click") << unmoved << 0;
        QTest::newRow("arrow key") << unmoved << 2;
        QTest::newRow("empty space") << unmoved << -1;
        QTest::newRow("play") << unmoved << 0; // after a click on empty space
        QTest::newRow("move up") << QStringList{"edited", "t1", "t3"} << 0;
        QTest::newRow("move down") << QStringList{"t1", "t3", "edited"} << 2;
        QTest::newRow("remove") << QStringList{"t1", "t3"} << -1;
    }
    void outputGridFollowsSelection()
    {
        QFETCH(QStringList, names);
        QFETCH(int, shown);
        auto f = formWithTasks(3);
        TMainForm &form = *f->form;
        QTreeView *list = form.ltvTask;
        auto click = [&](QWidget *w, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton) {
            QTest::mouseClick(w, button, {}, at);
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
        };
        auto row = [&](int r) { return list->visualRect(form.tasks().index(r, 0)).center(); };
        auto editNewFilename = [&](const QString &text) {
            click(form.vleOutput->viewport(),
                  form.vleOutput->visualRect(form.vleOutput->model()->index(0, 1)).center());
            if (QWidget *editor = form.vleOutput->openEditor())
                QTest::keyClicks(editor, text);
        };
        auto newFilenames = [&] {
            QStringList result;
            ltvItemData d;
            for (int i = 0; i < form.tasks().count(); ++i) {
                form.tasks().GetItemData(i, ItemField::All, d);
                result << d.NewFilename;
            }
            return result;
        };
        click(list->viewport(), row(1));
        editNewFilename(QStringLiteral("edited"));
        QVERIFY(form.vleOutput->openEditor());

        const QByteArray action = QTest::currentDataTag();
        const QPoint empty(5, list->viewport()->height() - 5);
        if (action == "left click")
            click(list->viewport(), row(2));
        else if (action == "right click")
            click(list->viewport(), row(0), Qt::RightButton);
        else if (action == "arrow key")
            QTest::keyClick(list, Qt::Key_Down);
        else if (action == "empty space")
            click(list->viewport(), empty);
        else if (action == "play")
            click(list->viewport(), empty), click(form.panPreview->sbtnPlay);
        else
            click(action == "move up"     ? form.tbtnUp
                  : action == "move down" ? form.tbtnDown
                                          : form.tbtnRemove);
        QCOMPARE(newFilenames(), names);
        QCOMPARE(form.taskList().selectedRows().value(0, -1), shown);
        if (shown < 0) {
            // Nothing to show: the grid is empty and refuses edits.
            QCOMPARE(outputValues(form), QStringList({"", "", ""}));
            editNewFilename(QStringLiteral("lost"));
            QVERIFY(!form.vleOutput->openEditor());
            QVERIFY(form.vleOutput->balloonTip());
            QCOMPARE(newFilenames(), names);
            return;
        }
        ltvItemData d;
        form.tasks().GetItemData(shown, ItemField::All, d);
        QCOMPARE(outputValues(form), QStringList({d.NewFilename + ".mp4", d.StartTime, d.EndTime}));
        // The next edit goes to the task shown, and only there.
        editNewFilename(QStringLiteral("again"));
        QVERIFY(form.vleOutput->openEditor());
        QTest::keyClick(form.vleOutput->openEditor(), Qt::Key_Return);
        names[shown] = QStringLiteral("again");
        QTRY_COMPARE(newFilenames(), names);
    }

    // Tab and Shift+Tab go round every control in reading order, through
    // the grids and out of them again, their editors included.
    void tabRoundTheWindow()
    {
        auto f = formWithTasks(1);
        TMainForm &form = *f->form;
        activate(form);
        QList<QWidget *> order{
            form.tbtnAddFile, form.tbtnAddDir,   form.tbtnUp,      form.tbtnDown,
            form.tbtnRemove,  form.tbtnClear,    form.tbtnStart,   form.tbtnSetting,
            form.tbtnAbout,   form.tbtnHelp,     form.ltvTask,     form.cmbProfile,
            form.bbtnSetting, form.edtOutputdir, form.bbtnBrowser, form.bbtnOpen};
        for (TGridSection *section : form.ScrollBox1->sections())
            order << section->toggleButton() << section->grid();
        order << form.panPreview->TrackBar << form.panPreview->sbtnPlay
              << form.panPreview->sbtnPause << form.panPreview->sbtnStop;
        auto control = [&order](QWidget *w) {
            while (w && !order.contains(w))
                w = w->parentWidget();
            return w;
        };
        const QRect row = form.ltvTask->visualRect(form.tasks().index(0, 0));
        QTest::mouseClick(form.ltvTask->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(QApplication::focusWidget(), form.ltvTask);
        const qsizetype start = order.indexOf(form.ltvTask);
        for (bool forward : {true, false}) {
            QList<QWidget *> visited;
            for (int i = 0; i < order.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                visited << control(QApplication::focusWidget());
            }
            QList<QWidget *> expected;
            for (qsizetype i = 1; i <= order.size(); ++i)
                expected << order[(start + (forward ? i : order.size() - i)) % order.size()];
            QCOMPARE(visited, expected);
        }
    }

    // The keys of the window and of the task list: adding, moving, Delete
    // and Backspace taken back with Ctrl+Z (also from the list's menu),
    // Help, and Escape stopping a run.
    void shortcutsAndUndo()
    {
        auto f = formWithTasks(3);
        TMainForm &form = *f->form;
        activate(form);
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f->platform.fileDialogFilters.size(), 1);
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f->platform.browseTitles, QStringList({"Add a directory to the Task List"}));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(f->platform.opened, QStringList({form.helpFile()}));

        QWidget *viewport = form.ltvTask->viewport();
        auto click = [&](int row) {
            QTest::mouseClick(viewport, Qt::LeftButton, {},
                              form.ltvTask->visualRect(form.tasks().index(row, 0)).center());
        };
        click(0);
        QTest::keyClick(form.ltvTask, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(names(form), QStringList({"t2", "t1", "t3"}));
        QTest::keyClick(form.ltvTask, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(names(form), QStringList({"t1", "t2", "t3"}));

        // Undo in the menu names what it takes back.
        auto undoText = [&] {
            form.taskList().ppmTaskPopup();
            return form.Undo1->isEnabled() ? form.Undo1->text() : QString();
        };
        QCOMPARE(undoText(), QString());
        click(1);
        const TaskStore::TaskId second = form.tasks().taskId(1);
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QCOMPARE(names(form), QStringList({"t1", "t3"}));
        QTest::keyClick(form.ltvTask, Qt::Key_Backspace);
        QCOMPARE(form.tasks().count(), 0);
        QVERIFY(taskButtonsDisabled(form));
        QCOMPARE(undoText(), QStringLiteral("Undo Clear"));
        QTest::keyClick(form.ltvTask, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(form), QStringList({"t1", "t3"}));
        QVERIFY(taskButtonsEnabled(form));
        QCOMPARE(undoText(), QStringLiteral("Undo Remove"));
        form.Undo1->trigger();
        QCOMPARE(names(form), QStringList({"t1", "t2", "t3"}));
        QCOMPARE(form.tasks().taskId(1), second);
        QCOMPARE(form.taskList().selectedRows(), QList<int>({1}));
        QCOMPARE(outputValues(form)[0], QStringLiteral("t2.mp4"));
        QCOMPARE(undoText(), QString());

        // Escape stops a run; before and after, it is the editors' key.
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        testsupport::setFakeScript(out.path(), {"touch $last", "sleep 20000"});
        QTimer::singleShot(500, &form, [&form] { QTest::keyClick(&form, Qt::Key_Escape); });
        QTest::keyClick(&form, Qt::Key_F5);
        f->waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(form.tasks().cell(0, ItemField::Status), QStringLiteral("Stop"));
        QCOMPARE(f->platform.messages.last().caption, QStringLiteral("Cancel"));
    }

    // What is typed into the Output grid by keyboard: a dotted name stays
    // whole up to the encoder's arguments, a time that is not taken is
    // marked until the task is selected again.
    void outputEditsByKeyboard()
    {
        auto f = formWithTasks(1);
        TMainForm &form = *f->form;
        activate(form);
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        QWidget *list = form.ltvTask->viewport();
        const QPoint row = form.ltvTask->visualRect(form.tasks().index(0, 0)).center();
        QTest::mouseClick(list, Qt::LeftButton, {}, row);
        TValueListEditor *grid = form.vleOutput;
        auto cell = [grid](int r) { return grid->visualRect(grid->model()->index(r, 1)); };
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell(0).center());
        QTRY_VERIFY(grid->openEditor());
        QTest::keyClicks(grid->openEditor(), QStringLiteral("Party 2024.06.01"));
        QTest::keyClick(grid->openEditor(), Qt::Key_Down);
        QTest::keyClicks(grid->openEditor(), QStringLiteral("abc"));
        QTest::keyClick(grid->openEditor(), Qt::Key_Tab);
        QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()));

        ltvItemData d;
        form.tasks().GetItemData(0, ItemField::All, d);
        QCOMPARE(d.NewFilename, QStringLiteral("Party 2024.06.01"));
        QCOMPARE(d.NewFileExt, QString());
        QCOMPARE(d.StartTime, QStringLiteral("00:00:00"));
        // The refused time: marked, and told as its tooltip.
        QCOMPARE(grid->values()->value(1), QStringLiteral("abc"));
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, cell(1).center(),
                        grid->viewport()->mapToGlobal(cell(1).center()));
        QApplication::sendEvent(grid->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Not a valid time: 00:00:00 is kept."));
        auto tinted = [grid](const QRect &r) {
            const QColor c =
                grid->viewport()->grab(r.adjusted(1, 1, -1, -1)).toImage().pixelColor(0, 0);
            return c.red() > c.green() + 20;
        };
        QVERIFY(tinted(cell(1)));
        QVERIFY(!tinted(cell(2)));

        QStringList arguments;
        QObject::connect(&form.batch(), &BatchRun::taskStarted, &form,
                         [&](int, const QStringList &args) { arguments = args; });
        testsupport::setFakeScript(out.path(), {"touch $last"});
        QTest::keyClick(&form, Qt::Key_F5);
        f->waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(arguments.value(arguments.size() - 1),
                 QDir(out.path()).filePath(QStringLiteral("Party 2024.06.01.mp4")));

        // Selected again: the stored time, unmarked.
        QTest::mouseClick(list, Qt::LeftButton, {}, row);
        QCOMPARE(grid->values()->value(1), QStringLiteral("00:00:00"));
        QVERIFY(!tinted(cell(1)));
    }

    void outputEditStoredIntoTask()
    {
        auto f = formWithTasks(1);
        TMainForm &form = *f->form;
        ltvItemData d;
        form.tasks().GetItemData(0, ItemField::All, d);
        d.Length = d.OrigEndTime = d.ClipLength = d.EndTime = QStringLiteral("00:02:00");
        form.tasks().SetItemData(0, ItemField::All, d);
        form.taskList().selectRows({0});
        form.taskList().ltvTaskClick();
        ValueListModel *m = form.vleOutput->values();
        m->setGridValue(QStringLiteral("New Filename"), QStringLiteral("holiday.avi"));
        m->setGridValue(QStringLiteral("Start Time"), QStringLiteral("00:00:30"));
        form.taskList().vleOutputValidate(1);
        ltvItemData after;
        form.tasks().GetItemData(0, ItemField::All, after);
        QCOMPARE(after.NewFilename, QStringLiteral("holiday"));
        QCOMPARE(after.NewFileExt, QStringLiteral(".avi"));
        QCOMPARE(after.StartTime, QStringLiteral("00:00:30"));
        QCOMPARE(after.ClipLength, QStringLiteral("00:01:30"));
        QCOMPARE(after.Length, QStringLiteral("00:02:00"));

        // With no task selected an edit changes no record.
        form.ltvTask->selectionModel()->clear();
        m->setGridValue(QStringLiteral("Start Time"), QStringLiteral("00:00:10"));
        form.taskList().vleOutputValidate(1);
        form.tasks().GetItemData(0, ItemField::All, after);
        QCOMPARE(after.StartTime, QStringLiteral("00:00:30"));
    }

    // A probe's results land on its own task, whatever the list went through
    // while it was pending; a task that goes takes its probe with it. The
    // fake reports each file's own path as its frame size.
    void probeResultsLandOnTheirTasks_data()
    {
        QTest::addColumn<QStringList>("rows"); // names afterwards
        QTest::addColumn<int>("shown");        // the row the Output grid shows
        QTest::newRow("remove") << QStringList{"slow1", "slow3", "slow4"} << -1;
        QTest::newRow("move up") << QStringList{"slow1", "slow3", "slow4", "slow2"} << 1;
        QTest::newRow("move down") << QStringList{"slow2", "slow1", "slow3", "slow4"} << 1;
        QTest::newRow("clear, then more") << QStringList{"slow5"} << -1;
        QTest::newRow("edit while probing") << QStringList{"slow1", "slow2", "slow3", "slow4"} << 0;
    }
    void probeResultsLandOnTheirTasks()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, shown);
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        QTreeView *list = form.ltvTask;
        const QString log = m_sources.filePath(QStringLiteral("landing.log"));
        QFile::remove(log);
        testsupport::setFakeScript(
            m_sources.path(),
            {"log " + log, "sleepif slow 800",
             "print Input #0, avi, from '$last':\\n  Duration: 00:00:10.00, start: 0\\n  "
             "Stream #0:0: Video: a, b, $last\\n"});
        f->settingForm->spnProbes->setValue(2);
        QStringList paths;
        for (int i = 1; i <= 5; ++i) {
            paths << m_sources.filePath(QStringLiteral("slow%1.avi").arg(i));
            QFile(paths.last()).open(QIODevice::WriteOnly);
        }
        form.intakeController().DropPaths(paths.mid(0, 4));
        QTRY_COMPARE(form.tasks().count(), 4);
        // The rows at once, to be probed; the progress below the output path.
        QCOMPARE(form.tasks().cell(3, ItemField::Status), QStringLiteral("Probing"));
        QCOMPARE(form.tasks().cell(3, ItemField::Length), QString());
        QVERIFY(form.labAdding->isVisible());
        QTRY_COMPARE(form.labAdding->text(), QStringLiteral("Adding files: 0 of 4"));

        auto row = [&](int r) { return list->visualRect(form.tasks().index(r, 0)).center(); };
        const QByteArray action = QTest::currentDataTag();
        QStringList gone;
        if (action == "remove") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row(1));
            QTest::keyClick(list, Qt::Key_Delete);
            gone << paths[1];
        } else if (action == "move up") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row(2));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, row(3));
            QTest::mouseClick(form.tbtnUp, Qt::LeftButton);
        } else if (action == "move down") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row(0));
            QTest::mouseClick(form.tbtnDown, Qt::LeftButton);
        } else if (action == "clear, then more") {
            QTest::mouseClick(form.tbtnClear, Qt::LeftButton);
            QVERIFY(form.probes().isIdle());
            QVERIFY(!form.labAdding->isVisible());
            gone << paths.mid(0, 4);
            form.intakeController().DropPaths({paths[4]});
        } else {
            // An edit open when the task's probe lands stays as typed.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row(0));
            QCOMPARE(outputValues(form), QStringList({"slow1.mp4", "", ""}));
            TValueListEditor *grid = form.vleOutput;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(0, 1)).center());
            QVERIFY(grid->openEditor());
            QTest::keyClicks(grid->openEditor(), QStringLiteral("renamed"));
            QTRY_COMPARE(form.tasks().cell(0, ItemField::Status), QStringLiteral("OK"));
            QVERIFY(grid->openEditor());
            QCOMPARE(outputValues(form)[2], QStringLiteral("00:00:10.00"));
            QTest::keyClick(grid->openEditor(), Qt::Key_Return);
            QTRY_COMPARE(form.tasks().cell(0, ItemField::NewFilename), QStringLiteral("renamed"));
        }
        f->waitForIntake();
        QVERIFY(!form.labAdding->isVisible());
        QCOMPARE(names(form), rows);
        for (int i = 0; i < form.tasks().count(); ++i) {
            QCOMPARE(form.tasks().cell(i, ItemField::Size), u' ' + form.tasks().caption(i));
            QCOMPARE(StrToSeconds(form.tasks().cell(i, ItemField::EndTime)), 10.0);
            QCOMPARE(form.tasks().cell(i, ItemField::Status), QStringLiteral("OK"));
        }
        // The Output grid shows the first selected task's times now.
        QCOMPARE(form.taskList().selectedRows().value(0, -1), shown);
        if (shown >= 0)
            QCOMPARE(outputValues(form).mid(1), QStringList({"00:00:00.0", "00:00:10.00"}));
        for (const testsupport::EncoderSpan &span : testsupport::readEncoderLog(log))
            QVERIFY2(!gone.contains(span.last), qPrintable(span.last));
        qunsetenv("QC_FAKE_SCRIPT");
    }

    void popupMenuEnabling()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        const QList<QAction *> actions = form.ppmTask->actions();
        QStringList texts;
        for (QAction *a : actions)
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts,
                 QStringList({"Open", "Show Log...", "-", "Add Files...", "Add Directorys...", "-",
                              "Remove", "Clear", "Undo", "-", "Pause", "Stop After Current Task"}));
        form.taskList().ppmTaskPopup();
        // The run's commands, while no run goes on.
        QVERIFY(!form.Pause1->isEnabled());
        QVERIFY(!form.StopAfterCurrent1->isEnabled());
        QVERIFY(!form.Open1->isEnabled());
        QVERIFY(!form.ShowLog1->isEnabled());
        QVERIFY(!form.Remove1->isEnabled());
        QVERIFY(!form.Clear1->isEnabled());
        QVERIFY(form.AddFiles1->isEnabled());
        QVERIFY(form.AddDirectorys1->isEnabled());

        form.intakeController().DropPaths({m_sources.filePath(QStringLiteral("t1.avi"))});
        f->waitForIntake();
        form.ltvTask->selectionModel()->clear();
        form.taskList().ppmTaskPopup();
        QVERIFY(!form.Open1->isEnabled());
        QVERIFY(!form.Remove1->isEnabled());
        QVERIFY(form.Clear1->isEnabled());

        form.taskList().selectRows({0});
        form.taskList().ppmTaskPopup();
        QVERIFY(form.Open1->isEnabled());
        QVERIFY(form.Remove1->isEnabled());
        QVERIFY(form.Clear1->isEnabled());
        // Only a task that has run has a log.
        QVERIFY(!form.ShowLog1->isEnabled());
    }

    // Why a task failed: the tooltip of its row shows the encoder's last
    // error lines; "Show Log..." in its menu opens the whole output, to be
    // copied or saved.
    void failedTaskTooltipAndLog()
    {
        auto f = formWithTasks(2);
        TMainForm &form = *f->form;
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        const QString failing = m_sources.filePath(QStringLiteral("t2.avi"));
        QObject::connect(&form.batch(), &BatchRun::convertingFileChanged, &form,
                         [&](const QString &file) {
                             testsupport::setFakeScript(
                                 out.path(), file == QLatin1String("t2.avi")
                                                 ? QStringList{"print frame=1 time=00:00:01.00 \\r",
                                                               "print " + failing +
                                                                   ": Invalid data found when "
                                                                   "processing input\\n",
                                                               "exit 1"}
                                                 : QStringList{"touch $last"});
                         });
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f->waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(form.tasks().cell(1, ItemField::Status), QStringLiteral("Failed"));
        const QString why = failing + QStringLiteral(": Invalid data found when processing input");

        QWidget *viewport = form.ltvTask->viewport();
        auto toolTipAt = [&](int row, int column) {
            QToolTip::hideText();
            const QPoint pos = form.ltvTask->visualRect(form.tasks().index(row, column)).center();
            QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
            QApplication::sendEvent(viewport, &help);
            return QToolTip::text();
        };
        QCOMPARE(toolTipAt(1, 3), why);
        QCOMPARE(toolTipAt(1, 0), failing + u'\n' + why);
        QCOMPARE(toolTipAt(0, 3), QStringLiteral("Complete"));

        // The failed task's texts in the error colour, beside statuses with
        // their icons.
        form.ltvTask->selectionModel()->clear();
        const QImage shot = viewport->grab().toImage();
        auto errorPixels = [&](int row) {
            const QRect cell = form.ltvTask->visualRect(form.tasks().index(row, 0));
            int n = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    n += c.red() > 140 && c.green() < 100 && c.blue() < 100;
                }
            return n;
        };
        QVERIFY(errorPixels(1) > 0);
        QCOMPARE(errorPixels(0), 0);
        auto *delegate = qobject_cast<TTaskListDelegate *>(form.ltvTask->itemDelegate());
        QVERIFY(delegate && delegate->statusIcon(TaskStatus::OK).isNull());
        for (const QString &status :
             {TaskStatus::Complete, TaskStatus::Failed, TaskStatus::Skipped, TaskStatus::Stop,
              TaskStatus::Probing, TaskStatus::Converting})
            QVERIFY(!delegate->statusIcon(status).isNull());

        // Removed and put back with Ctrl+Z, the task keeps its log.
        activate(form);
        const QPoint failedRow = form.ltvTask->visualRect(form.tasks().index(1, 0)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, failedRow);
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QCOMPARE(form.tasks().count(), 1);
        QTest::keyClick(form.ltvTask, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.tasks().caption(1), failing);
        QCOMPARE(toolTipAt(1, 3), why);

        // The menu of the failed row.
        const QRect rect = form.ltvTask->visualRect(form.tasks().index(1, 0));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rect.center());
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, rect.center(),
                                    viewport->mapToGlobal(rect.center()));
        QApplication::sendEvent(viewport, &menuEvent);
        QTRY_VERIFY(form.ppmTask->isVisible());
        QVERIFY(form.ShowLog1->isEnabled());
        QTest::mouseClick(form.ppmTask, Qt::LeftButton, {},
                          form.ppmTask->actionGeometry(form.ShowLog1).center());
        TLogForm *log = form.taskList().logForm();
        QVERIFY(log);
        QTRY_VERIFY(log->isVisible());
        QCOMPARE(log->windowTitle(), QStringLiteral("Log - t2.avi"));
        const QString text = log->memLog->toPlainText();
        QVERIFY2(text.startsWith(form.encoderPath() + QStringLiteral(" -y -i \"") + failing),
                 qPrintable(text));
        // As a terminal shows it: the message took the progress line's place.
        QVERIFY2(text.endsWith(u'\n' + why +
                               QStringLiteral("\n\nThe encoder ended with exit status 1.")),
                 qPrintable(text));
        QVERIFY(log->memLog->isReadOnly());

        QTest::mouseClick(log->btnCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), text);
        const QString saved = out.filePath(QStringLiteral("why.log"));
        f->platform.saveAnswers << saved;
        QTest::mouseClick(log->btnSaveAs, Qt::LeftButton);
        QCOMPARE(QString::fromUtf8(testsupport::readFile(saved)), text + u'\n');
        // A folder that cannot take the file: told, nothing else happens.
        f->platform.saveAnswers << out.filePath(QStringLiteral("missing/why.log"));
        QTest::mouseClick(log->btnSaveAs, Qt::LeftButton);
        QCOMPARE(f->platform.messages.last().caption, QStringLiteral("Log Not Saved"));
    }

    void keys()
    {
        auto f = formWithTasks(3);
        TMainForm &form = *f->form;
        form.ltvTask->setFocus();
        form.taskList().selectRows({1});
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QCOMPARE(names(form), QStringList({"t1", "t3"}));

        // Backspace clears the whole list without asking.
        QTest::keyClick(form.ltvTask, Qt::Key_Backspace);
        QCOMPARE(form.tasks().count(), 0);
        QVERIFY(f->platform.messages.isEmpty());
        QVERIFY(taskButtonsDisabled(form));

        // Delete in an empty list empties the Output values, nothing else.
        form.vleOutput->values()->setGridValue(QStringLiteral("End Time"), QStringLiteral("x"));
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QCOMPARE(outputValues(form), QStringList({"", "", ""}));
        QCOMPARE(form.vleOutput->values()->count(), 3);
    }

    void columnRule()
    {
        auto f = formWithTasks(1);
        TMainForm &form = *f->form;
        QHeaderView *h = form.ltvTask->header();
        auto widths = [h] {
            return QList<int>{h->sectionSize(0), h->sectionSize(1), h->sectionSize(2),
                              h->sectionSize(3)};
        };
        QCOMPARE(form.taskList().rememberedListWidth(), form.ltvTask->width());
        const int listWidth = form.ltvTask->width();

        // In a wider window, the drag strip narrows the list by 100 and
        // widens it again: the columns by their shares.
        form.resize(form.width() + 400, form.height());
        QTRY_VERIFY(form.ltvTask->width() > listWidth + 200);
        QTRY_COMPARE(form.taskList().rememberedListWidth(), form.ltvTask->width());
        const int wideList = form.ltvTask->width();
        const QList<int> before = widths();
        const int panel = form.panProfile->width();
        auto drag = [&](int x) {
            QWidget *strip = form.panSplitter;
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), strip->mapToGlobal(QPointF(x, 5)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(strip, &move);
        };
        drag(5 - 100);
        QTRY_COMPARE(form.ltvTask->width(), wideList - 100);
        const QList<int> after = widths();
        QCOMPARE(before[0] - after[0], 49);
        QCOMPARE(before[1] - after[1], 17);
        QCOMPARE(before[2] - after[2], 15);
        QCOMPARE(before[3] - after[3], 19);
        drag(5 + 100);
        QTRY_COMPARE(form.ltvTask->width(), wideList);
        QCOMPARE(widths(), before);

        // Shrinking the list far with the drag strip never takes a column
        // below 20 pixels, and dragging back gives the columns their widths
        // again.
        const QList<int> wide = widths();
        drag(-2000);
        QTRY_COMPARE(form.taskList().rememberedListWidth(), form.ltvTask->width());
        for (int w : widths())
            QVERIFY2(w >= 20, qPrintable(QString::number(w)));
        drag(form.panProfile->width() + 5 - panel);
        QTRY_COMPARE(form.ltvTask->width(), wideList);
        QCOMPARE(widths(), wide);
    }

    void browseForOutputDirectory()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        const QString before = form.edtOutputdir->text();
        f->platform.browseAnswers = {QString()}; // cancelled
        form.idlePanel().bbtnBrowserClick();
        QCOMPARE(form.edtOutputdir->text(), before);
        f->platform.browseAnswers = {m_sources.path()};
        form.idlePanel().bbtnBrowserClick();
        QCOMPARE(form.edtOutputdir->text(), m_sources.path() + QDir::separator());
        QCOMPARE(f->platform.browseTitles,
                 QStringList({"Select the output directory.", "Select the output directory."}));
    }

    void openOutputDirectory()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        form.edtOutputdir->setText(m_sources.filePath(QStringLiteral("missing")));
        form.idlePanel().bbtnOpenClick();
        QVERIFY(f->platform.opened.isEmpty());
        QVERIFY(f->platform.messages.isEmpty());
        form.edtOutputdir->setText(m_sources.path());
        form.idlePanel().bbtnOpenClick();
        QCOMPARE(f->platform.opened, QStringList({m_sources.path()}));
    }

    void playAndOpen()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        // Play with an empty list does nothing.
        form.taskList().sbtnPlayClick();
        QVERIFY(f->player == nullptr || f->player->openedFiles.isEmpty());

        form.intakeController().DropPaths({m_sources.filePath(QStringLiteral("t1.avi")),
                                           m_sources.filePath(QStringLiteral("t2.avi"))});
        f->waitForIntake();
        form.ltvTask->selectionModel()->clear();
        form.taskList().sbtnPlayClick();
        QVERIFY(f->player);
        QCOMPARE(form.taskList().selectedRows(), QList<int>({0}));
        QCOMPARE(f->player->openedFiles.last(), form.tasks().caption(0));

        // Open (double click, menu) plays the first selected row; without a
        // selection it does nothing.
        form.taskList().selectRows({1});
        form.taskList().ltvTaskDblClick();
        QCOMPARE(f->player->openedFiles.last(), form.tasks().caption(1));
        // A run starting stops the preview.
        QCOMPARE(f->player->state(), PreviewPlayer::State::Playing);
        form.EnterRunMode();
        QCOMPARE(f->player->state(), PreviewPlayer::State::Stopped);
        form.LeaveRunMode();
        const int opened = int(f->player->openedFiles.size());
        form.ltvTask->selectionModel()->clear();
        form.Open1->trigger();
        QCOMPARE(int(f->player->openedFiles.size()), opened);
    }

    void addFilesFromDialog()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        const QString a = m_sources.filePath(QStringLiteral("t1.avi"));
        // Cancelled with an empty list: nothing.
        form.intakeController().tbtnAddFileClick();
        QCOMPARE(form.tasks().count(), 0);
        QVERIFY(taskButtonsDisabled(form));
        QVERIFY(f->platform.fileDialogFilters.last().startsWith(
            QStringLiteral("All Support Files(*.avi;")));
        // One file chosen: it is selected and its values shown.
        f->platform.fileAnswers = {{a}};
        form.intakeController().tbtnAddFileClick();
        QCOMPARE(form.tasks().count(), 1);
        QCOMPARE(form.taskList().selectedRows(), QList<int>({0}));
        QCOMPARE(outputValues(form)[0], QStringLiteral("t1.mp4"));
        QVERIFY(taskButtonsEnabled(form));
        QVERIFY(!form.taskList().welcomeVisible());
    }

    void dropEvents()
    {
        auto f = formWithTasks(0);
        TMainForm &form = *f->form;
        // A file whose name is not valid UTF-8 comes percent-encoded byte by
        // byte; decoded as text it would name another file.
        const QByteArray raw = QFile::encodeName(m_sources.path()) + "/r\xff.avi";
        QFile(m_sources.filePath(QStringLiteral("r\uFFFD.avi"))).open(QIODevice::WriteOnly);
        const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        const QString mkv = m_sources.filePath(QStringLiteral("today.MKV"));
        const QString notes = m_sources.filePath(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeFile(mkv, {}) && testsupport::writeFile(notes, {}));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(m_sources.filePath(QStringLiteral("t1.avi"))),
                      QUrl::fromLocalFile(m_sources.filePath(QStringLiteral("t2.avi"))),
                      QUrl::fromEncoded("file://" + raw.toPercentEncoding("/")),
                      QUrl::fromLocalFile(mkv), QUrl::fromLocalFile(notes),
                      QUrl(QStringLiteral("https://example.org/clip.avi"))});
        auto drop = [&] {
            const QPoint at = form.ltvTask->geometry().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&form, &enter);
            QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&form, &dropped);
            return enter.isAccepted();
        };
        // Refused while a dialog has the window disabled.
        form.setEnabled(false);
        QVERIFY(!drop());
        QCOMPARE(form.tasks().count(), 0);
        form.setEnabled(true);
        // Accepted otherwise; only local files are taken. What was left out
        // is told in the bottom bar, never in a message box.
        QVERIFY(drop());
        f->waitForIntake();
        QCOMPARE(names(form), QStringList({"t1", "t2", "today"}));
        QVERIFY(f->platform.messages.isEmpty());
        QVERIFY(taskButtonsEnabled(form));
        QVERIFY(!form.taskList().welcomeVisible());
        QToolButton *report = form.btnNotAdded;
        QVERIFY(report->isVisible());
        QCOMPARE(report->text(), QStringLiteral("2 items were not added"));
        QCOMPARE(report->toolTip(), QString::fromUtf8(raw) + ": name not valid UTF-8\n" + notes +
                                        ": not a video file");
        // The next intake's report replaces it: now three are in the list.
        QVERIFY(drop());
        f->waitForIntake();
        QCOMPARE(report->text(), QStringLiteral("5 items were not added"));
        QVERIFY(report->toolTip().startsWith(m_sources.filePath(QStringLiteral("t1.avi")) +
                                             ": already in the list\n"));
        // A click takes it away; an intake that leaves nothing out shows none.
        QTest::mouseClick(report, Qt::LeftButton);
        QVERIFY(!report->isVisible());
        form.intakeController().DropPaths({notes});
        f->waitForIntake();
        QTRY_VERIFY(report->isVisible());
        form.intakeController().DropPaths({});
        f->waitForIntake();
        QTRY_VERIFY(!report->isVisible());
    }

    // During a run the queue stays open to real input: a task removed
    // before its turn is never converted, tasks dropped on the window and
    // one put back by Undo are; a converting task is neither removed nor
    // edited, and Clear leaves the tasks the run has taken, each told in
    // the status area.
    void queueEditedDuringRun()
    {
        auto f = formWithTasks(3);
        TMainForm &form = *f->form;
        activate(form);
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        testsupport::setFakeScript(m_sources.path(), {"ifarg -y", "sleep 700", "touch $last"});
        const auto click = [&](int row) {
            QTest::mouseClick(form.ltvTask->viewport(), Qt::LeftButton, {},
                              form.ltvTask->visualRect(form.tasks().index(row, 0)).center());
        };
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        QTRY_COMPARE(form.tasks().cell(0, 2), QStringLiteral("Converting"));
        QVERIFY(form.tbtnRemove->isEnabled() && !form.tbtnStart->isEnabled());
        click(0);
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QCOMPARE(form.runPanel().labNote->text(),
                 QStringLiteral("A converting task cannot be removed."));
        QTest::mouseClick(
            form.vleOutput->viewport(), Qt::LeftButton, {},
            form.vleOutput->visualRect(form.vleOutput->model()->index(0, 1)).center());
        QVERIFY(!form.vleOutput->openEditor());
        QCOMPARE(form.runPanel().labNote->text(),
                 QStringLiteral("A converting task cannot be edited."));
        click(1);
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(m_sources.filePath(QStringLiteral("t4.avi"))),
                      QUrl::fromLocalFile(m_sources.filePath(QStringLiteral("t5.avi")))});
        for (const char *name : {"t4.avi", "t5.avi"})
            QFile(m_sources.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
        const QPoint at = form.ltvTask->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &dropped);
        QVERIFY(dropped.isAccepted());
        QTRY_COMPARE(names(form), QStringList({"t1", "t3", "t4", "t5"}));
        QTRY_COMPARE_WITH_TIMEOUT(form.tasks().cell(2, 2), QStringLiteral("Converting"), 20000);
        QTest::keyClick(form.ltvTask, Qt::Key_Backspace);
        QCOMPARE(names(form), QStringList({"t1", "t3", "t4"}));
        QCOMPARE(form.runPanel().labNote->text(),
                 QStringLiteral("The converting and finished tasks stay until the run ends."));
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names(form), QStringList({"t1", "t3", "t4", "t5"}));
        f->waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(QDir(out.path()).entryList(QDir::Files),
                 QStringList({"t1.mp4", "t3.mp4", "t4.mp4", "t5.mp4"}));
        QVERIFY(f->platform.messages.size() == 1 && form.tbtnStart->isEnabled());
    }
};

QTEST_MAIN(TestTaskList)
#include "tst_tasklist.moc"
