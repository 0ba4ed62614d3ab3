// The window's watch folders: the dialogs that keep them, and a file that
// settles in a watched folder converted with its watch's choices.

#include "engine/batchrun.h"
#include "engine/itemdata.h"
#include "engine/tasklogs.h"
#include "engine/taskstore.h"
#include "settings/watchlist.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/idlepanel.h"
#include "ui/mainform.h"
#include "ui/watcheditform.h"
#include "ui/watchform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

class TestWatchForm : public QObject
{
    Q_OBJECT

private slots:
    // Add...: the folder from the picker, the output directory typed, the
    // choices by keys; OK keeps the watch in Watches.ini, and the list
    // shows it watching; Pause keeps that too.
    void addWatch()
    {
        MainFormFixture f;
        f.show();
        f.form->RestoreSession();
        QTest::mouseClick(f.form->tbtnWatch, Qt::LeftButton);
        TWatchForm *form = f.form->watchForm();
        QVERIFY(form && form->isVisible());
        QTest::mouseClick(form->btnAdd, Qt::LeftButton);
        TWatchEditForm &edit = form->editForm();
        QVERIFY(edit.isVisible());
        // Without a folder: told, and nothing is kept.
        QTest::mouseClick(edit.btnOK, Qt::LeftButton);
        QCOMPARE(f.platform.messages.value(0).caption, QStringLiteral("No Folder"));
        QVERIFY(edit.isVisible());
        const QString in = f.home.filePath("in"), out = f.home.filePath("out");
        QVERIFY(QDir().mkpath(in));
        f.platform.browseAnswers << in;
        QTest::mouseClick(edit.bbtnFolder, Qt::LeftButton);
        QTest::keyClicks(edit.edtOutputDir, out);
        QTest::keyClick(edit.chkSubfolders, Qt::Key_Space);
        QTest::keyClick(edit.cmbExisting, Qt::Key_Down);
        QTest::mouseClick(edit.btnOK, Qt::LeftButton);
        QVERIFY(!edit.isVisible());
        WatchList saved = WatchList::read(f.paths.watchListFile());
        QCOMPARE(saved.watches.size(), 1);
        const WatchSettings &w = saved.watches[0];
        QCOMPARE((QStringList{w.folder, w.outputDir, w.existing}),
                 (QStringList{in, out, "rename"}));
        QVERIFY(w.subfolders && !w.paused);
        QCOMPARE(form->ltvWatch->topLevelItem(0)->text(3), QStringLiteral("Watching"));
        QTest::mouseClick(form->btnPause, Qt::LeftButton);
        QVERIFY(WatchList::read(f.paths.watchListFile()).watches.value(0).paused);
        QCOMPARE(form->ltvWatch->topLevelItem(0)->text(3), QStringLiteral("Paused"));
        // The settle time typed in is kept when Return takes it.
        QTest::keyClick(form->spnSettle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form->spnSettle, "25");
        QCOMPARE(WatchList::read(f.paths.watchListFile()).settleSecs, 10);
        QTest::keyClick(form->spnSettle, Qt::Key_Return);
        saved = WatchList::read(f.paths.watchListFile());
        QCOMPARE(QList<int>({saved.settleSecs, saved.rescanSecs}), QList<int>({25, 60}));
    }

    // A clip dropped into a watched folder becomes a task of the list and is
    // converted at once with the watch's profile into the watch's output
    // directory, whatever the window's profile and output path are (here a
    // missing one). Nobody waits for that run: it ends without a message and
    // does not turn the computer off as the window's run would.
    void droppedFileConverted()
    {
        MainFormFixture::Options o;
        o.profiles = {{"Main", "mp4"}};
        o.preferences = QStringLiteral("[Main]\r\nAuto Turn Off=1\r\n");
        MainFormFixture f({}, o);
        const QString in = f.home.filePath("in"), out = f.home.filePath("watched out"),
                      windowOut = f.home.filePath("window out");
        QVERIFY(QDir().mkpath(in));
        // The watch's profile: another type and another bit rate.
        const QString watchProfile = f.dir.file("Profiles/Watch.apf");
        MainFormFixture::writeProfile(watchProfile, "mkv");
        QVERIFY(testsupport::writeFile(
            watchProfile, testsupport::readFile(watchProfile).replace("800k", "300k")));
        WatchList list;
        list.settleSecs = 1;
        list.watches << WatchSettings{in, "Watch", out, false, "rename", false, {}};
        list.write(f.paths.watchListFile());
        f.show();
        f.form->idlePanel().edtOutputdir->setText(windowOut);
        f.form->RestoreSession();

        const QString clip = testsupport::makeStandardClip(f.home.filePath("clip.avi"), 1.0);
        QVERIFY(QFile::rename(clip, in + "/clip.avi"));
        TaskStore &tasks = f.form->tasks();
        QTRY_COMPARE_WITH_TIMEOUT(tasks.count(), 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(tasks.cell(0, ItemField::Status) == TaskStatus::Complete, 60000);
        f.waitForRun();
        QVERIFY(QFileInfo(out + "/clip.mkv").size() > 0);
        QVERIFY(!QFileInfo::exists(windowOut));
        QVERIFY(f.form->batch().logs().text(tasks.taskId(0)).contains("-b:v 300k"));
        QCOMPARE(f.platform.messages.size(), 0);
        QCOMPARE(f.platform.powerOffNotices.size() + f.platform.opened.size(), 0);
    }
};

QTEST_MAIN(TestWatchForm)
#include "tst_watchform.moc"
