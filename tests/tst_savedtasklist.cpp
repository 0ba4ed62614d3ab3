// The task list kept between sessions: its file format, writing after
// changes, the question at start-up, and a conversion cut off by a killed
// program that the next session finishes.
#include "engine/batchrun.h"
#include "engine/savedtasklist.h"
#include "engine/taskstore.h"
#include "platform/terminationsignals.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/intakecontroller.h"
#include "ui/mainform.h"
#include "ui/settingform.h"
#include "ui/tasklistpanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <csignal>
#include <cstring>
#include <sys/stat.h>

Q_DECLARE_METATYPE(QList<SavedTaskList::Task>)

using testsupport::readFile;
using testsupport::writeFile;

namespace {

SavedTaskList::Task task(const QString &path, const QString &status, const QString &unfinished = {})
{
    SavedTaskList::Task t;
    t.record.InputFile = path;
    t.record.Length = QStringLiteral("00:01:00.00");
    t.record.Size = QStringLiteral(" 320x240");
    t.record.Status = status;
    t.record.NewFilename = QFileInfo(path).completeBaseName();
    t.record.NewFileExt = QStringLiteral(".mp4");
    t.record.OrigStartTime = QStringLiteral("00:00:00.0");
    t.record.OrigEndTime = t.record.Length;
    t.record.ClipLength = QStringLiteral("00:00:50");
    t.record.StartTime = QStringLiteral("00:00:10");
    t.record.EndTime = t.record.Length;
    t.unfinishedOutput = unfinished;
    return t;
}

QStringList savedNames(const QString &file)
{
    QStringList names;
    for (const SavedTaskList::Task &t : SavedTaskList::Parse(readFile(file)).tasks)
        names << QFileInfo(t.record.InputFile).fileName() + u':' + t.record.Status;
    return names;
}

QStringList rows(TMainForm &form)
{
    QStringList result;
    for (int i = 0; i < form.tasks().count(); ++i)
        result << QFileInfo(form.tasks().caption(i)).fileName() + u':' +
                      form.tasks().cell(i, ItemField::Status);
    return result;
}

// A probe report for the fake encoder, and a conversion that writes its
// output and then runs until it is ended.
const QStringList ConvertingScript{
    "print Input #0, avi, from '$last':\\n  Duration: 00:01:00.00, start: 0.000000\\n"
    "  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\\n",
    "ifarg -y", "touch $last", "print frame=1 time=00:00:01.00 \\r", "sleep 15000"};

// The program of the crash and signal tests: converts work/a.avi into
// work/out/, answering SIGTERM and SIGINT as the program does, and is
// killed meanwhile. Prints its program directory first.
int convertingChild(const QString &work)
{
    MainFormFixture::Options o;
    o.encoder = testsupport::fakeEncoder();
    o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
    o.preferences = QStringLiteral("[Main]\r\nOutput Path=%1/out/\r\n").arg(work);
    MainFormFixture f({work + QStringLiteral("/a.avi")}, o);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, f.form.get(), [&] {
        f.form->closeForSignal();
        QApplication::closeAllWindows();
    });
    std::printf("%s\n", qPrintable(f.dir.path()));
    std::fflush(stdout);
    f.show();
    f.form->RestoreSession();
    QTest::mouseClick(f.form->tbtnStart, Qt::LeftButton);
    if (!testsupport::waitForRunEnd(f.form->batch()))
        return 1;
    // What was asked or told meanwhile, and the list saved (the program's
    // folder goes with it).
    std::printf("messages %d, saved %s\n", int(f.platform.messages.size()),
                qPrintable(savedNames(f.paths.taskListFile()).join(u' ')));
    return 0;
}

// convertingChild() started on a work folder of its own, until its
// conversion has begun; ended, and its folders removed, at the end.
struct ConvertingChild
{
    QTemporaryDir work;
    QString output = work.filePath(QStringLiteral("out/a.mp4"));
    QProcess process;
    QString dir; // its program's folder

    bool started()
    {
        if (!QDir().mkpath(work.filePath("out")) || !writeFile(work.filePath("a.avi"), ""))
            return false;
        testsupport::setFakeScript(work.path(), ConvertingScript);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--converting-child"), work.path()});
        QByteArray said;
        QDeadlineTimer deadline(30000);
        while (!said.endsWith('\n') && process.waitForReadyRead(deadline.remainingTime()))
            said += process.readAllStandardOutput();
        dir = QString::fromLocal8Bit(said.trimmed());
        while (!deadline.hasExpired() &&
               !(QFile::exists(output) &&
                 readFile(dir + "TaskList.ini").contains("\nStatus=Converting\n")))
            QTest::qWait(20);
        return !deadline.hasExpired();
    }
    ~ConvertingChild()
    {
        process.kill();
        process.waitForFinished();
        if (!dir.isEmpty())
            QDir(dir).removeRecursively();
    }
};

} // namespace

class TestSavedTaskList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(m_tmp.isValid());
    }

    // Every text of a record, odd characters included, comes back; fields
    // and sections a later version adds are passed over.
    void format()
    {
        SavedTaskList::Task odd = task(QStringLiteral("/v/100% [HD]\nodd=name.avi"),
                                       QStringLiteral("Converting"), QStringLiteral("/o/x.mp4"));
        odd.record.NewFilename = QStringLiteral("a=b\r%0A");
        const QList<SavedTaskList::Task> tasks{odd, task(QStringLiteral("/v/b.avi"), "Stop")};
        QByteArray bytes = SavedTaskList::Format(tasks);
        bytes.replace("[Task]\n", "[Task]\nSubfolder=later/field\n");
        bytes.replace("[End]\n", "[Extra]\nKey=1\n[End]\n");
        const SavedTaskList::Content c = SavedTaskList::Parse(bytes);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.tasks.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const ltvItemData &a = tasks[i].record;
            const ltvItemData &b = c.tasks[i].record;
            const QStringList want{a.InputFile,   a.Length,     a.Size,          a.Status,
                                   a.NewFilename, a.NewFileExt, a.OrigStartTime, a.OrigEndTime,
                                   a.ClipLength,  a.StartTime,  a.EndTime};
            const QStringList got{b.InputFile,   b.Length,     b.Size,          b.Status,
                                  b.NewFilename, b.NewFileExt, b.OrigStartTime, b.OrigEndTime,
                                  b.ClipLength,  b.StartTime,  b.EndTime};
            QCOMPARE(got, want);
            QCOMPARE(c.tasks[i].unfinishedOutput, tasks[i].unfinishedOutput);
        }
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray whole = SavedTaskList::Format({task("/v/a.avi", "OK")});
        QTest::newRow("empty") << QByteArray() << "it is not a task list.";
        QTest::newRow("other text") << QByteArray("hello\n") << "it is not a task list.";
        QTest::newRow("cut short") << whole.left(whole.size() - 10) << "it was cut short.";
        QTest::newRow("line without a key")
            << QByteArray("[Task List]\n[Task]\nInputFile=/a.avi\nrubbish\n[End]\n")
            << "line 4 cannot be read.";
        QTest::newRow("task without source")
            << QByteArray("[Task List]\n[Task]\nStatus=OK\n[End]\n")
            << "task 1 names no source file.";
    }
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const SavedTaskList::Content c = SavedTaskList::Parse(bytes);
        QCOMPARE(c.error, error);
        QVERIFY(c.tasks.isEmpty());
    }

    // Rows added, moved and removed reach the file within a second, not at
    // once; closing writes at once.
    void savedAfterChanges()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        const QString file = f.paths.taskListFile();
        QCOMPARE(file, f.dir.file(QStringLiteral("TaskList.ini")));
        QVERIFY(!QFile::exists(file));
        form.RestoreSession();
        QCOMPARE(savedNames(file), QStringList());
        QStringList paths;
        for (const char *name : {"s1.avi", "s2.avi", "s3.avi"}) {
            paths << m_tmp.filePath(QString::fromLatin1(name));
            QVERIFY(writeFile(paths.last(), ""));
        }
        form.intakeController().DropPaths(paths);
        QCOMPARE(savedNames(file), QStringList()); // not yet
        QTRY_COMPARE_WITH_TIMEOUT(savedNames(file),
                                  (QStringList{"s1.avi:OK", "s2.avi:OK", "s3.avi:OK"}), 3000);
        form.taskList().selectRows({0});
        QTest::mouseClick(form.tbtnDown, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(savedNames(file),
                                  (QStringList{"s2.avi:OK", "s1.avi:OK", "s3.avi:OK"}), 3000);
        form.taskList().selectRows({2});
        QTest::keyClick(form.ltvTask, Qt::Key_Delete);
        QVERIFY(form.close());
        QCOMPARE(savedNames(file), (QStringList{"s2.avi:OK", "s1.avi:OK"}));
    }

    // A list that cannot be written is told of once, not at every change.
    void notSavedToldOnce()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        f.form->RestoreSession();
        const QString file = f.paths.taskListFile();
        QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        for (const char *name : {"t1.avi", "t2.avi"}) {
            const QString path = m_tmp.filePath(QString::fromLatin1(name));
            QVERIFY(writeFile(path, ""));
            f.form->intakeController().DropPaths({path});
            QTest::qWait(2 * SavedTaskList::SaveDelayMs);
        }
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Task List Not Saved"));
        QVERIFY2(f.platform.messages[0].text.contains(QDir::toNativeSeparators(file)),
                 qPrintable(f.platform.messages[0].text));
    }

    // A write overtaken by a later one tells nothing when it ends; only the
    // latest content's end is told, so that the logs kept for the file on
    // disk are those it names.
    void overtakenWriteNotTold()
    {
        const QString file = m_tmp.filePath(QStringLiteral("overtaken.ini"));
        BackgroundWriter writer(file);
        QSignalSpy written(&writer, &BackgroundWriter::written);
        writer.write({"first"});
        // Written, its end not yet told: the event loop has not turned.
        for (int i = 0; i < 1000 && readFile(file) != "first"; ++i)
            QThread::msleep(5);
        writer.writeNow({"second"});
        QVERIFY(!written.wait(300));
        writer.write({"third"});
        QVERIFY(written.wait());
        QCOMPARE(written.size(), 1);
        QCOMPARE(written[0][0].toString(), QString());
        QCOMPARE(readFile(file), "third");
    }

    // The question at start-up, and what each answer gives.
    void restore_data()
    {
        QTest::addColumn<QList<SavedTaskList::Task>>("saved");
        QTest::addColumn<bool>("withArgs");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("restored");
        const QString src = m_tmp.path() + u'/';
        const auto into = [](SavedTaskList::Task t, const QString &subfolder) {
            t.outputSubfolder = subfolder;
            return t;
        };
        SavedTaskList::Task watched = task(src + "failed.avi", "Failed");
        watched.choices = {src + "W.apf", src + "watched out", "rename"};
        const QList<SavedTaskList::Task> mixed{
            task(src + "done.avi", "Complete"),
            watched,
            into(task(src + "cut.avi", "Converting", src + "out/cut.mp4"), "a/b"),
            into(task(src + "gone.avi", "Stop"), "../outside"),
            task(src + "kept.avi", "Skipped"),
            task(src + "probing.avi", "Probing")};
        QTest::newRow("all converted")
            << QList<SavedTaskList::Task>{task(src + "done.avi", "Complete"),
                                          task(src + "kept.avi", "Skipped")}
            << false << "" << true << QStringList();
        QTest::newRow("empty list")
            << QList<SavedTaskList::Task>() << false << "" << true << QStringList();
        QTest::newRow("answered No")
            << mixed << false << "Restore the 4 unfinished tasks of the last session?" << false
            << QStringList();
        QTest::newRow("answered Yes")
            << mixed << false << "Restore the 4 unfinished tasks of the last session?" << true
            << QStringList{"failed.avi:Failed", "cut.avi:OK", "gone.avi:OK", "probing.avi:OK"};
        QTest::newRow("paths on the command line")
            << mixed << true << "" << true << QStringList{"done.avi:OK"};
    }
    void restore()
    {
        QFETCH(QList<SavedTaskList::Task>, saved);
        QFETCH(bool, withArgs);
        QFETCH(QString, question);
        QFETCH(bool, yes);
        QFETCH(QStringList, restored);
        for (const char *name : {"done.avi", "failed.avi", "cut.avi", "kept.avi", "probing.avi"})
            QVERIFY(writeFile(m_tmp.filePath(QString::fromLatin1(name)), ""));
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        const QStringList args{withArgs ? QStringList{m_tmp.filePath("done.avi")} : QStringList()};
        MainFormFixture f(args, o, [&](MainFormFixture &f) {
            QVERIFY(writeFile(f.paths.taskListFile(), SavedTaskList::Format(saved)));
        });
        f.show();
        TMainForm &form = *f.form;
        f.platform.answers << (yes ? Platform::Answer::Yes : Platform::Answer::No);
        form.RestoreSession();
        QCOMPARE(f.platform.messages.size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty()) {
            QCOMPARE(f.platform.messages[0].text, question);
            QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Restore Tasks"));
            QCOMPARE(f.platform.messages[0].buttons, Platform::Buttons::YesNo);
        }
        // Paths on the command line are taken in from the event loop.
        QTRY_COMPARE(rows(form), restored);
        // The file holds what the list holds now.
        QTRY_COMPARE(savedNames(f.paths.taskListFile()), restored);
        QCOMPARE(form.taskList().welcomeVisible(), restored.isEmpty());
        QCOMPARE(form.tbtnStart->isEnabled(), !restored.isEmpty());
        if (!yes || withArgs || restored.isEmpty())
            return;
        // As they were: times and names kept, probe results not asked again;
        // a source that is gone as after a failed probe.
        ltvItemData failed, cut, gone;
        form.tasks().GetItemData(0, ItemField::All, failed);
        form.tasks().GetItemData(1, ItemField::All, cut);
        form.tasks().GetItemData(2, ItemField::All, gone);
        QCOMPARE(failed.Length, QStringLiteral("00:01:00.00"));
        QCOMPARE(failed.StartTime, QStringLiteral("00:00:10"));
        QCOMPARE(failed.ClipLength, QStringLiteral("00:00:50"));
        QCOMPARE(form.batch().unfinishedOutput(form.tasks().taskId(1)),
                 m_tmp.filePath("out/cut.mp4"));
        QVERIFY(form.batch().unfinishedOutput(form.tasks().taskId(0)).isEmpty());
        QCOMPARE((QStringList{gone.Length, gone.Size, gone.StartTime, gone.EndTime, gone.ClipLength,
                              gone.NewFilename}),
                 (QStringList{"", "", "00:00:00.0", "", "", "gone"}));
        QCOMPARE(cut.Size, QStringLiteral(" 320x240"));
        // Each into its subfolder, never one outside the output directory.
        QCOMPARE(form.tasks().outputSubfolder(1), QStringLiteral("a/b"));
        QCOMPARE(form.tasks().outputSubfolder(2), QString());
        QVERIFY(readFile(f.paths.taskListFile()).contains("\nOutputSubfolder=a/b\n"));
        // A task's own choices come back; a task without them writes none.
        QCOMPARE(form.tasks().choices(0), saved[1].choices);
        QVERIFY(form.tasks().choices(1).isEmpty());
        QCOMPARE(readFile(f.paths.taskListFile()).count("\nExisting=rename\n"), 1);
    }

    // Restored values pass the checks typed ones pass: a name that would
    // write outside the output folder, or times beyond the source, give way
    // to the source's name and times, and the damage is told.
    void restoredValuesChecked()
    {
        const QString src = m_tmp.path() + u'/';
        QList<SavedTaskList::Task> saved{task(src + "name.avi", "OK"),
                                         task(src + "times.avi", "OK")};
        for (const SavedTaskList::Task &t : saved)
            QVERIFY(writeFile(t.record.InputFile, ""));
        saved[0].record.NewFilename = "../victim";
        saved[1].record.StartTime = "00:05:00";
        saved[1].record.EndTime = "00:06:00";
        saved[1].record.ClipLength = "00:01:00";
        MainFormFixture f({}, MainFormFixture::Options(), [&](MainFormFixture &f) {
            QVERIFY(writeFile(f.paths.taskListFile(), SavedTaskList::Format(saved)));
        });
        f.show();
        f.platform.answers << Platform::Answer::Yes;
        f.form->RestoreSession();
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.platform.messages[1].caption, SavedTaskList::DamagedCaption);
        QVERIFY2(f.platform.messages[1].text.contains(
                     "task 1 (name.avi) names its output \"../victim.mp4\"; task 2 (times.avi) "
                     "has the times 00:05:00 to 00:06:00."),
                 qPrintable(f.platform.messages[1].text));
        const TaskStore &tasks = f.form->tasks();
        QCOMPARE(tasks.cell(0, ItemField::NewFilename) + tasks.cell(0, ItemField::NewFileExt),
                 QStringLiteral("name"));
        QCOMPARE(
            (QStringList{tasks.cell(1, ItemField::StartTime), tasks.cell(1, ItemField::EndTime),
                         tasks.cell(1, ItemField::ClipLength)}),
            (QStringList{"00:00:00.0", "00:01:00.00", "00:01:00.00"}));
    }

    // A damaged file is told about and set aside; the start goes on with an
    // empty list. A pipe in its place does not hold the start up.
    // A failed task's log is kept beside the list when the program exits
    // after the run; restored, the task tells why it failed and shows its
    // log. Logs no restored task takes are removed at the start.
    void failureLogsOutliveTheProgram()
    {
        const QString a = m_tmp.filePath(QStringLiteral("log a.avi"));
        const QString b = m_tmp.filePath(QStringLiteral("log b.avi"));
        QVERIFY(writeFile(a, "") && writeFile(b, ""));
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        QByteArray list;
        QMap<QString, QByteArray> logs;
        {
            MainFormFixture f({a, b}, o);
            f.show();
            f.waitForIntake();
            TMainForm &form = *f.form;
            form.RestoreSession();
            form.edtOutputdir->setText(m_tmp.path());
            f.settingForm->chkExit->setChecked(true);
            QObject::connect(&form.batch(), &BatchRun::convertingFileChanged, &form,
                             [&](const QString &file) {
                                 testsupport::setFakeScript(
                                     m_tmp.path(), file == QLatin1String("log b.avi")
                                                       ? QStringList{"print " + b +
                                                                         ": Invalid data found "
                                                                         "when processing input\n",
                                                                     "exit 1"}
                                                       : QStringList{"touch $last"});
                             });
            QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
            qunsetenv("QC_FAKE_SCRIPT");
            QTRY_VERIFY(!form.isVisible()); // exited after the run, without a message
            QVERIFY(f.platform.messages.isEmpty());
            list = readFile(f.paths.taskListFile());
            const QDir folder(f.paths.taskLogFolder());
            for (const QString &name : folder.entryList(QDir::Files))
                logs.insert(name, readFile(folder.filePath(name)));
        }
        const QList<SavedTaskList::Task> saved = SavedTaskList::Parse(list).tasks;
        QCOMPARE(saved.size(), 2);
        QVERIFY(saved[0].logFile.isEmpty()); // converted: no log kept
        QCOMPARE(logs.keys(), QStringList{saved[1].logFile});

        for (bool yes : {true, false}) {
            MainFormFixture f({}, o, [&](MainFormFixture &f) {
                QVERIFY(writeFile(f.paths.taskListFile(), list));
                QVERIFY(QDir().mkpath(f.paths.taskLogFolder()));
                for (auto it = logs.cbegin(); it != logs.cend(); ++it)
                    QVERIFY(writeFile(f.paths.taskLogFolder() + it.key(), it.value()));
                // A log of an earlier session that no task names.
                QVERIFY(writeFile(f.paths.taskLogFolder() + "stale.log", "Heading=x\n"));
            });
            f.show();
            TMainForm &form = *f.form;
            f.platform.answers << (yes ? Platform::Answer::Yes : Platform::Answer::No);
            form.RestoreSession();
            const QStringList left = QDir(f.paths.taskLogFolder()).entryList(QDir::Files);
            if (!yes) {
                QCOMPARE(form.tasks().count(), 0);
                QCOMPARE(left, QStringList());
                continue;
            }
            QCOMPARE(rows(form), QStringList({"log b.avi:Failed"}));
            QCOMPARE(left, logs.keys());
            QWidget *viewport = form.ltvTask->viewport();
            const QPoint pos = form.ltvTask->visualRect(form.tasks().index(0, 3)).center();
            QToolTip::hideText();
            QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
            QApplication::sendEvent(viewport, &help);
            QCOMPARE(QToolTip::text(), b + ": Invalid data found when processing input");
            QTest::mouseClick(viewport, Qt::LeftButton, {}, pos);
            form.taskList().ppmTaskPopup();
            QVERIFY(form.ShowLog1->isEnabled());
        }
    }

    void damagedFile_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("why");
        QTest::newRow("cut short") << false << "it was cut short.";
        QTest::newRow("a pipe") << true << "it is not a file.";
    }
    void damagedFile()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, why);
        const QByteArray cut("[Task List]\n[Task]\nInputFile=/a.avi\n");
        MainFormFixture f({}, MainFormFixture::Options(), [&](MainFormFixture &f) {
            const QString file = f.paths.taskListFile();
            if (pipe)
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            else
                QVERIFY(writeFile(file, cut));
        });
        f.show();
        f.form->RestoreSession();
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Task List Damaged"));
        const QString file = f.paths.taskListFile();
        QCOMPARE(f.platform.messages[0].text,
                 QStringLiteral("The task list of the last session \"%1\" cannot be used: %2 It "
                                "was set aside as \"%1.damaged\". The task list starts empty.")
                     .arg(file, why));
        // Set aside in both cases, and the list written anew from now on.
        QVERIFY(QFileInfo::exists(file + ".damaged"));
        if (!pipe)
            QCOMPARE(readFile(file + ".damaged"), cut);
        QCOMPARE(f.form->tasks().count(), 0);
        QCOMPARE(savedNames(file), QStringList());
        QVERIFY(f.form->isVisible());
    }

    // SIGTERM during a run (a session that ends): no question; the run
    // stops, its partial output goes, the list is saved with the task
    // stopped, and the program ends at once.
    void terminatedWhileConverting()
    {
        ConvertingChild child;
        QVERIFY(child.started());
        QElapsedTimer ending;
        ending.start();
        ::kill(pid_t(child.process.processId()), SIGTERM);
        QVERIFY(child.process.waitForFinished(5000));
        QVERIFY2(ending.elapsed() < 5000, qPrintable(QString::number(ending.elapsed())));
        QCOMPARE(child.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.process.readAllStandardOutput(),
                 QByteArray("messages 0, saved a.avi:Stop\n"));
        QVERIFY(!QFile::exists(child.output));
    }

    // The program killed while it converts: the file it leaves names the
    // task as converting and the output it was writing, and so does the
    // record of unfinished outputs. The next session, whether it restores
    // the task, is told not to, or is started with the source as its
    // argument, converts it again with Skip chosen over that unfinished
    // output instead of skipping it.
    void conversionCutOffByAKill_data()
    {
        QTest::addColumn<QString>("next");
        QTest::newRow("restored") << "restored";
        QTest::newRow("answered No") << "answered No";
        QTest::newRow("file argument") << "file argument";
    }
    void conversionCutOffByAKill()
    {
        QFETCH(QString, next);
        ConvertingChild child;
        QVERIFY(child.started());
        const QTemporaryDir &work = child.work;
        const QString &output = child.output;
        child.process.kill();
        QVERIFY(child.process.waitForFinished());
        QCOMPARE(child.process.exitStatus(), QProcess::CrashExit);
        const QByteArray saved = readFile(child.dir + "TaskList.ini");
        QVERIFY2(saved.contains("\nUnfinishedOutput=" + output.toUtf8() + '\n'), saved);

        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        o.preferences = QStringLiteral("[Main]\r\nOutput Path=%1/out/\r\nOverwrite=0\r\nSkip=1\r\n")
                            .arg(work.path());
        const QString source = work.filePath("a.avi");
        MainFormFixture f(next == "file argument" ? QStringList{source} : QStringList(), o,
                          [&](MainFormFixture &f) {
                              QVERIFY(writeFile(f.paths.taskListFile(), saved));
                              // The same state folder as the killed program's.
                              QVERIFY(QProcess::execute("cp", {"-r", child.dir + "OutputRecords",
                                                               f.paths.stateDir()}) == 0);
                          });
        f.show();
        TMainForm &form = *f.form;
        f.platform.answers << (next == "restored" ? Platform::Answer::Yes : Platform::Answer::No);
        form.RestoreSession();
        if (next == "answered No")
            form.intakeController().DropPaths({source});
        f.waitForIntake();
        QCOMPARE(f.platform.messages.size(), next == "file argument" ? 0 : 1);
        QCOMPARE(rows(form), QStringList{"a.avi:OK"});
        if (next == "restored")
            QCOMPARE(form.tasks().cell(0, ItemField::Length), QStringLiteral("00:01:00.00"));
        QVERIFY(form.skipExisting());
        testsupport::setFakeScript(work.path(), {"args", "touch $last"});
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(rows(form), QStringList{"a.avi:Complete"});
        QVERIFY(
            form.batch().logs().output(form.tasks().taskId(0)).contains("arg:" + output.toUtf8()));
        QTRY_VERIFY_WITH_TIMEOUT(!readFile(f.paths.taskListFile()).contains("UnfinishedOutput"),
                                 3000);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--converting-child") == 0)
        return convertingChild(QString::fromLocal8Bit(argv[2]));
    TestSavedTaskList test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savedtasklist.moc"
