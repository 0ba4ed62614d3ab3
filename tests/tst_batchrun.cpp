#include "engine/batchrun.h"
#include "engine/commandline.h"
#include "engine/encoderprocess.h"
#include "engine/itemdata.h"
#include "engine/runhost.h"
#include "engine/sourcetrash.h"
#include "engine/taskstore.h"
#include "engine/tasktext.h"
#include "platform/recordingplatform.h"
#include "platform/systemprocesscontrol.h"
#include "settings/apppaths.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using testsupport::setFakeScript;

namespace {

class FakeHost : public RunHost
{
public:
    QString dir;
    QString ext = QStringLiteral(".mp4");
    bool overwriteOn = true;
    bool skipOn = false;
    bool openDir = false;
    bool exitOn = false;
    bool turnOff = false;
    bool verify = false;
    bool trash = false;
    int closeCount = 0;

    QString outputDirectory() const override { return dir; }
    QString outputExtension() const override { return ext; }
    bool overwrite() const override { return overwriteOn; }
    bool skipExisting() const override { return skipOn; }
    bool verifyOutputs() const override { return verify; }
    bool trashSources() const override { return trash; }
    bool autoOpenDir() const override { return openDir; }
    bool autoExit() const override { return exitOn; }
    bool autoTurnOff() const override { return turnOff; }
    void closeMainWindow() override { ++closeCount; }
};

struct Snapshot
{
    int current;
    int total;
    bool operator==(const Snapshot &o) const { return current == o.current && total == o.total; }
};

} // namespace

namespace QTest {
template <> char *toString(const Snapshot &s)
{
    return qstrdup(QByteArray::number(s.current) + "/" + QByteArray::number(s.total));
}
} // namespace QTest

namespace {

// One run's world: the task list, the encoder, the recording platform, a
// host, and what the run reported.
struct Harness
{
    QTemporaryDir work;
    QString outDir;
    TaskStore tasks;
    EncoderProcess encoder;
    RecordingPlatform platform;
    FakeHost host;
    std::unique_ptr<BatchRun> run;
    QList<Snapshot> snapshots; // one per bar update: (current, total)
    QList<bool> panels;
    QStringList files;
    QStringList memos;
    bool keepMemos = true;

    explicit Harness(const QString &encoderPath = testsupport::fakeEncoder())
    {
        outDir = work.filePath(QStringLiteral("out"));
        QDir().mkpath(outDir);
        host.dir = outDir;
        run = std::make_unique<BatchRun>(tasks, encoder, platform, host, encoderPath);
        QObject::connect(run.get(), &BatchRun::totalProgressChanged, run.get(), [this](int t) {
            snapshots.append({run->currentPosition(), t});
        });
        QObject::connect(run.get(), &BatchRun::progressPanelShown, run.get(),
                         [this](bool shown) { panels.append(shown); });
        QObject::connect(run.get(), &BatchRun::convertingFileChanged, run.get(),
                         [this](const QString &f) { files.append(f); });
        QObject::connect(run.get(), &BatchRun::memoChanged, run.get(), [this](const QString &m) {
            if (keepMemos)
                memos.append(m);
        });
    }

    // A task as intake adds it; start/end edited when given.
    void addTask(const QString &path, const QString &length, const QString &start = {},
                 const QString &end = {})
    {
        ltvItemData t;
        t.InputFile = path;
        t.Length = length;
        t.Size = QStringLiteral(" 320x240");
        t.Status = TaskStatus::OK;
        t.NewFilename = StripFileExt(QFileInfo(path).fileName());
        t.NewFileExt = QStringLiteral(".mp4");
        t.OrigStartTime = QStringLiteral("00:00:00.0");
        t.OrigEndTime = length;
        t.StartTime = start.isEmpty() ? t.OrigStartTime : start;
        t.EndTime = end.isEmpty() ? length : end;
        const double clip = StrToSeconds(t.EndTime) - StrToSeconds(t.StartTime);
        t.ClipLength = start.isEmpty() && end.isEmpty() ? length : SecondsToStr(clip);
        tasks.appendRow(path);
        tasks.SetItemData(tasks.count() - 1, ItemField::All, t);
    }
    QString status(int i) const { return tasks.cell(i, ItemField::Status); }
    QStringList statuses() const
    {
        QStringList s;
        for (int i = 0; i < tasks.count(); ++i)
            s.append(status(i));
        return s;
    }
    QString script(const QStringList &lines) { return setFakeScript(work.path(), lines); }
    // A script of its own for each file's encoder (set as the file comes on
    // show, just before its encoder starts), others for the rest.
    void scripts(const QMap<QString, QStringList> &byFile, const QStringList &others = {})
    {
        QObject::connect(
            run.get(), &BatchRun::convertingFileChanged, run.get(),
            [this, byFile, others](const QString &file) { script(byFile.value(file, others)); });
    }
    // The recorded snapshots after the preparation's (0, 0).
    QList<Snapshot> updates() const { return snapshots.mid(1); }
};

// Chunks the fake writes one by one, with a pause after each so that each
// arrives as a chunk of its own.
QStringList chunks(const QStringList &texts, int pauseMs = 150)
{
    QStringList lines;
    for (const QString &t : texts)
        lines << QStringLiteral("print ") + t << QStringLiteral("sleep %1").arg(pauseMs);
    return lines;
}

bool isRoot()
{
    return ::geteuid() == 0;
}

// This process's resident memory in kB: "VmRSS" now, "VmHWM" its peak.
qint64 residentKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Freed memory that AddressSanitizer holds back to find later uses of it
// (its default quarantine): resident, though the program let it go.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 SanitizerQuarantineMb = 256;
#else
constexpr qint64 SanitizerQuarantineMb = 0;
#endif

// Lets the peak ("VmHWM") start again from the present.
bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// Duration in seconds of the video stream of a media file (of the whole
// file with "format") as the real encoder's prober sees it, or -1.
double probeDuration(const QString &path, const QString &of = QStringLiteral("v"))
{
    QProcess p;
    const QStringList what = of == "format" ? QStringList{"-show_entries", "format=duration"}
                                            : QStringList{"-select_streams", of + ":0",
                                                          "-show_entries", "stream=duration"};
    p.start(QFileInfo(testsupport::ffmpeg()).absolutePath() + "/ffprobe",
            QStringList{"-v", "error"} + what +
                QStringList{"-of", "default=noprint_wrappers=1:nokey=1", path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return -1;
    bool ok = false;
    const double d = p.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? d : -1;
}

} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

private slots:
    void reportedTime_data()
    {
        QTest::addColumn<QString>("chunk");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("seconds");
        QTest::newRow("plain decimal") << "time=30.0 " << true << 30.0;
        QTest::newRow("time text") << "frame=12 time=00:01:02.50 bitrate=1" << true << 62.5;
        QTest::newRow("no blank after the value") << "time=30.0" << false << 0.0;
        QTest::newRow("letters") << "time=abc " << false << 0.0;
        QTest::newRow("N/A") << "size=N/A time=N/A bitrate=N/A " << false << 0.0;
        QTest::newRow("the last readable one counts")
            << "time=10.0 a\r time=20.0 b\r time=abc \r time=15.0" << true << 20.0;
        QTest::newRow("one character skipped, whatever it is") << "time:7 " << true << 7.0;
        QTest::newRow("other words ending in time")
            << "creation_time   : 2020-01-01 \n frame time=3.5 x" << true << 3.5;
        QTest::newRow("capital letters do not count") << "TIME=5 " << false << 0.0;
        QTest::newRow("exponent refused") << "time=1e3 " << false << 0.0;
        QTest::newRow("comma refused") << "time=1,5 " << false << 0.0;
        QTest::newRow("at the very end") << "xx time" << false << 0.0;
        QTest::newRow("nothing") << "" << false << 0.0;
    }
    void reportedTime()
    {
        QFETCH(QString, chunk);
        QFETCH(bool, found);
        QFETCH(double, seconds);
        double value = -99;
        QCOMPARE(BatchRun::ReportedTime(chunk, value), found);
        if (found)
            QCOMPARE(value, seconds);
    }

    void estimateRemaining_data()
    {
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("remaining");
        QTest::newRow("30 ticks at 25%") << 30 << 25 << 90;
        QTest::newRow("1.5 rounds to 2") << 1 << 40 << 2;
        QTest::newRow("4.5 rounds to 4") << 3 << 40 << 4;
        QTest::newRow("done") << 5 << 100 << 0;
        QTest::newRow("third") << 10 << 3 << 323;
    }
    void estimateRemaining()
    {
        QFETCH(int, elapsed);
        QFETCH(int, percent);
        QFETCH(int, remaining);
        QCOMPARE(BatchRun::EstimateRemaining(elapsed, percent), remaining);
    }

    // Two tasks of 60 s: the second reports 30 s -> current 50%, total 75%.
    void progressOfTwoTasks()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        h.script(chunks({"one", "two", "time=45.0 "}));
        QObject::connect(h.run.get(), &BatchRun::convertingFileChanged, h.run.get(),
                         [&](const QString &f) {
                             if (f == "b.avi")
                                 h.script(chunks({"one", "two", "time=30.0 "}));
                         });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.files, (QStringList{"", "a.avi", "b.avi"}));
        QCOMPARE(h.updates(), (QList<Snapshot>{{75, 38},      // a: 45 of 60
                                               {100, 50},     // a complete
                                               {0, 50},       // next task
                                               {50, 75},      // b: 30 of 60
                                               {100, 100}})); // b complete
        QCOMPARE(h.statuses(), (QStringList{"Complete", "Complete"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "The coversion is completed successfully.");
        QCOMPARE(h.platform.messages[0].caption, "Complete");
        QCOMPARE(h.platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(h.panels, (QList<bool>{true, false}));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!h.run->timerTime()->isActive());
        QVERIFY(h.platform.opened.isEmpty());
    }

    // Encoders side by side: at most jobs() at once, the tasks in list
    // order as encoders come free. "Converting:" names the file started
    // last and the current bar follows that task, then the one started last
    // of those still running; the total counts the seconds of every task.
    // Each row's Status shows its own percentage while it converts.
    void sideBySide()
    {
        Harness h;
        h.run->setJobs(2);
        for (const char *n : {"a", "b", "c"})
            h.addTask(QStringLiteral("/src/%1.avi").arg(n), "00:01:00");
        const QString log = h.work.filePath("side.log");
        const auto reporting = [&](const QString &time, int thenMs) {
            return QStringList{"log " + log} + chunks({"one", "two", time}) +
                   QStringList{QStringLiteral("sleep %1").arg(thenMs), "touch $last"};
        };
        h.scripts({{"a.avi", reporting("time=30.0 ", 300)},
                   {"b.avi", reporting("time=15.0 ", 2500)},
                   {"c.avi", reporting("time=45.0 ", 0)}});
        QHash<int, int> told; // what each task's progress said last
        QHash<int, QString> shown;
        const auto status = [&h](int row) { return h.tasks.index(row, 3).data().toString(); };
        QObject::connect(h.run.get(), &BatchRun::taskProgress, h.run.get(),
                         [&](int row, int percent) {
                             told[row] = percent;
                             shown[row] = status(row);
                         });
        QList<int> strays; // current bars that are not the shown task's
        QObject::connect(h.run.get(), &BatchRun::currentProgressChanged, h.run.get(), [&](int c) {
            if (c != 0 && c != 100 && c != told.value(h.run->currentTask(), -1))
                strays << c;
        });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.files, (QStringList{"", "a.avi", "b.avi", "c.avi", "b.avi"}));
        QCOMPARE(told, (QHash<int, int>{{0, 50}, {1, 25}, {2, 75}}));
        QCOMPARE(shown, (QHash<int, QString>{
                            {0, "Converting 50%"}, {1, "Converting 25%"}, {2, "Converting 75%"}}));
        QCOMPARE(status(1), "Complete");
        QVERIFY2(strays.isEmpty(), qPrintable(QString::number(strays.value(0))));
        QCOMPARE(h.snapshots.last(), (Snapshot{100, 100}));
        QCOMPARE(h.statuses(), (QStringList{"Complete", "Complete", "Complete"}));
        QCOMPARE(testsupport::mostAtOnce(testsupport::readEncoderLog(log), "run"), 2);
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "The coversion is completed successfully.");
    }

    // Pause suspends every running encoder (the system shows them stopped),
    // no task starts and the elapsed time stands still; Resume lets them
    // finish and the run goes on. Stopped, closed or destroyed while paused,
    // the run ends its encoders all the same: none is left behind.
    void pauseAndResume_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("resumed") << "resume" << QStringList{"Complete", "Complete", "Complete"};
        QTest::newRow("stopped") << "stop" << QStringList{"Stop", "Stop", "OK"};
        QTest::newRow("window closed") << "close" << QStringList{"Stop", "Stop", "OK"};
        QTest::newRow("destroyed") << "destroy" << QStringList{"Converting", "Converting", "OK"};
    }
    void pauseAndResume()
    {
        QFETCH(QString, then);
        QFETCH(QStringList, statuses);
        Harness h;
        h.run->setJobs(2);
        for (const char *n : {"a", "b", "c"})
            h.addTask(QStringLiteral("/src/%1.avi").arg(n), "00:01:00");
        const QString pids = h.work.filePath("pids");
        h.script({"pid " + pids, "print one", "sleep 500", "touch $last"});
        QVERIFY(!h.run->pause()); // no run
        h.run->RunBatch(QString());
        QTRY_COMPARE(testsupport::readFile(pids).count('\n'), 2);
        QVERIFY(!h.run->pause()); // nothing to suspend them with
        SystemProcessControl control;
        h.run->setProcessControl(&control);
        QVERIFY(h.run->pause());
        QCOMPARE(h.run->RunState(), int(BatchRun::Paused));
        const QList<QByteArray> encoders = testsupport::readFile(pids).trimmed().split('\n');
        for (const QByteArray &pid : encoders)
            QTRY_COMPARE(testsupport::processState(pid.toLongLong()), 'T');
        const int elapsed = h.run->ElapsedSecs();
        QTest::qWait(1500);
        QCOMPARE(h.run->ElapsedSecs(), elapsed);
        QCOMPARE(h.statuses(), (QStringList{"Converting", "Converting", "OK"}));
        if (then == "resume") {
            QVERIFY(h.run->resume());
            QCOMPARE(h.run->RunState(), int(BatchRun::Running));
        } else if (then == "stop") {
            h.run->requestStop();
        } else if (then == "close") {
            h.run->stopForClose();
        } else {
            h.run.reset();
        }
        QVERIFY(!h.run || testsupport::waitForRunEnd(*h.run));
        for (const QByteArray &pid : encoders)
            QTRY_VERIFY(testsupport::processGone(pid.toLongLong()));
        QCOMPARE(h.statuses(), statuses);
        const QString message = then == "resume" ? "The coversion is completed successfully."
                                : then == "stop" ? "The Coversion is canceled."
                                                 : QString();
        QCOMPARE(h.platform.messages.value(0).text, message);
    }

    // Stop After Current Task: the tasks being converted finish, none
    // starts, and the run ends as stopped with the others as they were;
    // taken back in time, the run goes on to its end.
    void stopAfterCurrent_data()
    {
        QTest::addColumn<bool>("takenBack");
        QTest::newRow("stopped after the current tasks") << false;
        QTest::newRow("taken back") << true;
    }
    void stopAfterCurrent()
    {
        QFETCH(bool, takenBack);
        Harness h;
        h.run->setJobs(2);
        for (const char *n : {"a", "b", "c", "d"})
            h.addTask(QStringLiteral("/src/%1.avi").arg(n), "00:01:00");
        h.script({"print one", "sleep 400", "touch $last"});
        QSignalSpy started(h.run.get(), &BatchRun::taskStarted);
        h.run->RunBatch(QString());
        QTRY_COMPARE(started.count(), 2);
        h.run->setStopAfterCurrent(true);
        QVERIFY(h.run->stopsAfterCurrent());
        QCOMPARE(h.run->RunState(), int(BatchRun::Finishing));
        if (takenBack)
            h.run->setStopAfterCurrent(false);
        QVERIFY(testsupport::waitForRunEnd(*h.run));
        QCOMPARE(h.statuses(), takenBack ? QStringList(4, "Complete")
                                         : (QStringList{"Complete", "Complete", "OK", "OK"}));
        QCOMPARE(QFile::exists(h.outDir + "/c.mp4"), takenBack);
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, takenBack ? "The coversion is completed successfully."
                                                        : "The Coversion is canceled.");
        QVERIFY(!h.run->stopsAfterCurrent());
    }

    // The list changes while the run goes on: a task removed before its
    // turn is never converted, one added joins the run, one moved or
    // renamed before its turn is converted in its new place under its new
    // name. A task begun keeps its output, even where naming the list anew
    // would now find its file in the way.
    void queueEditedDuringRun()
    {
        Harness h;
        h.host.overwriteOn = false;
        for (const char *n : {"a", "b", "c"})
            h.addTask(QStringLiteral("/src/%1.avi").arg(n), "00:01:00");
        h.script({"touch $last", "sleep 300"});
        bool edited = false;
        QObject::connect(h.run.get(), &BatchRun::taskStarted, h.run.get(), [&](int row) {
            if (edited)
                return;
            edited = true;
            QVERIFY(h.run->hasTaken(h.tasks.taskId(row)));
            QVERIFY(!h.run->hasTaken(h.tasks.taskId(1)));
            h.tasks.removeRowAt(1); // b
            h.addTask("/src/d.avi", "00:01:00");
            h.addTask("/elsewhere/a_1.avi", "00:01:00");
            h.tasks.swapRecords(1, 2); // d before c
            ltvItemData renamed;
            renamed.NewFilename = "renamed";
            h.tasks.SetItemData(1, ItemField::NewFilename, renamed);
        });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.files, (QStringList{"", "a.avi", "d.avi", "c.avi", "a_1.avi"}));
        QCOMPARE(h.statuses(), QStringList(4, "Complete"));
        QStringList outputs = QDir(h.outDir).entryList(QDir::Files);
        outputs.sort();
        QCOMPARE(outputs, (QStringList{"a.mp4", "a_1.mp4", "c.mp4", "renamed.mp4"}));
        QVERIFY(!h.run->hasTaken(h.tasks.taskId(0))); // the run is over
    }

    // Values that go back, unreadable values, no blank, beyond the task.
    void progressRules()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:40"); // 100 s
        h.script(chunks({"time=50.0 first", "time=60.0 second", "time=13.0 ", "time=12.5 ",
                         "time=abc ", "time=20.0", "speed time=00:01:02.50 ", "time=250.0 "}));
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.updates(), (QList<Snapshot>{{13, 13},
                                               {13, 13},
                                               {13, 13},
                                               {13, 13},
                                               {62, 62}, // 62.5 rounds to even
                                               {100, 100},
                                               {100, 100}}));
        QCOMPARE(h.memos.last(), "time=250.0 ");
        QCOMPARE(h.run->memoText(), "time=250.0 ");
    }

    // The last readable report of a chunk counts, not the first.
    void severalReportsInOneChunk()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:40");
        h.script(chunks({"a", "b", "time=10.0 x\\rtime=20.0 y\\rtime=abc \\rtime=15.0"}));
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.updates().first(), (Snapshot{20, 20}));
    }

    // Tasks whose length is unknown or zero leave their bar alone.
    void unknownLengths()
    {
        Harness h;
        h.addTask("/src/a.avi", "N/A");
        h.script(chunks({"a", "b", "time=10.0 "}));
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        // TotalSecs is -1: the bars are computed against it and clamped.
        QCOMPARE(h.updates().first(), (Snapshot{0, 0}));
        QCOMPARE(h.status(0), "Complete");
    }

    void stopDuringTask()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        h.addTask("/src/c.avi", "00:01:00");
        h.tasks.SetItemData(2, ItemField::Status, [] {
            ltvItemData d;
            d.Status = "Complete";
            return d;
        }());
        h.script(QStringList{"touch $last", "print a", "sleep 100", "print b", "sleep 100",
                             "print time=6.0 ", "sleep 20000"});
        QElapsedTimer sinceStop;
        QObject::connect(h.run.get(), &BatchRun::currentProgressChanged, h.run.get(), [&](int c) {
            if (c == 10 && !sinceStop.isValid()) {
                sinceStop.start();
                QTimer::singleShot(0, h.run.get(), &BatchRun::requestStop);
            }
        });
        QElapsedTimer wall;
        wall.start();
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QVERIFY(sinceStop.isValid());
        QVERIFY2(sinceStop.elapsed() < 2000, qPrintable(QString::number(sinceStop.elapsed())));
        QCOMPARE(h.statuses(), (QStringList{"Stop", "OK", "Complete"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "The Coversion is canceled.");
        QCOMPARE(h.platform.messages[0].caption, "Cancel");
        QCOMPARE(h.platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(h.panels, (QList<bool>{true, false}));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!h.run->timerTime()->isActive());
        QVERIFY(!h.encoder.isRunning());
        // The partial output goes: it is never taken for a finished one.
        QVERIFY(!QFile::exists(h.outDir + "/a.mp4"));
        QCOMPARE(h.run->logs().reason(h.tasks.taskId(0)), "The conversion was stopped.");
        // Stop when idle does nothing.
        h.run->requestStop();
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
    }

    // A stop, or closing the window, between two tasks keeps the next
    // encoder from starting and leaves the finished task "Complete".
    void stopBetweenTasks_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Stop button") << false;
        QTest::newRow("window closed") << true;
    }
    void stopBetweenTasks()
    {
        QFETCH(bool, closing);
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        h.script(QStringList{"print a", "touch $last"});
        QObject::connect(h.run.get(), &BatchRun::currentProgressChanged, h.run.get(), [&](int c) {
            if (c == 100)
                QTimer::singleShot(0, h.run.get(),
                                   closing ? &BatchRun::stopForClose : &BatchRun::requestStop);
        });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(), (QStringList{"Complete", "Stop"}));
        QVERIFY(QFile::exists(h.outDir + "/a.mp4"));
        QVERIFY(!QFile::exists(h.outDir + "/b.mp4"));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        if (closing) {
            // The window is going away: no cancel message.
            QVERIFY(h.platform.messages.isEmpty());
        } else {
            QCOMPARE(h.files, (QStringList{"", "a.avi"}));
            QCOMPARE(h.platform.messages.size(), 1);
            QCOMPARE(h.platform.messages[0].text, "The Coversion is canceled.");
            QCOMPARE(h.panels, (QList<bool>{true, false}));
        }
    }

    void stopBeforeFirstTask()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.script(QStringList{"touch $last"});
        QTimer::singleShot(0, h.run.get(), &BatchRun::requestStop);
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(), (QStringList{"Stop"}));
        QVERIFY(!QFile::exists(h.outDir + "/a.mp4"));
        QCOMPARE(h.platform.messages.size(), 1);
    }

    // An encoder that never writes: the window keeps working and Stop acts at
    // once. One that ignores the request to end is killed three seconds
    // later, and the window keeps working while it waits for that.
    void silentEncoder_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("minMs"); // from Stop to the end of the run
        QTest::addColumn<int>("maxMs");
        QTest::newRow("silent") << QStringList{"sleep 30000"} << 0 << 1000;
        QTest::newRow("ignoring the request to end")
            << QStringList{"ignoreterm", "sleep 30000"} << 2900 << 6000;
    }
    void silentEncoder()
    {
        QFETCH(QStringList, script);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.script(script);
        int turns = 0;
        int turnsAtStop = 0;
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout, [&] { ++turns; });
        beat.start(20);
        QElapsedTimer wall;
        QTimer::singleShot(1300, h.run.get(), [&] {
            wall.start();
            turnsAtStop = turns;
            h.run->requestStop();
        });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QVERIFY(wall.isValid());
        const qint64 took = wall.elapsed();
        QVERIFY2(took >= minMs && took < maxMs, qPrintable(QString::number(took)));
        QVERIFY2(turnsAtStop >= 30, qPrintable(QString::number(turnsAtStop)));
        QVERIFY2(turns - turnsAtStop >= minMs / 20 / 2,
                 qPrintable(QString::number(turns - turnsAtStop)));
        QVERIFY(h.run->ElapsedSecs() >= 1); // the one-second timer ran meanwhile
        QCOMPARE(h.status(0), "Stop");
        QVERIFY(!h.encoder.isRunning());
    }

    // Failing and crashing encoders, and one that could not write its output
    // but ends with success: "Failed", the run goes on, the completion
    // message counts them and tells where to see why, each log keeps the
    // encoder's error lines, and an output the failed conversion wrote is
    // removed while one it never touched stays.
    void failedTasks()
    {
        Harness h;
        h.host.openDir = true;
        const QStringList names{"a", "b", "c", "e", "f", "d"};
        for (const QString &n : names)
            h.addTask("/src/" + n + ".avi", "00:01:00");
        QVERIFY(testsupport::writeFile(h.outDir + "/f.mp4", "earlier"));
        const QMap<QString, QStringList> scripts{
            {"b.avi",
             {"touch $last", "print frame=1 time=00:00:01.00 \\r",
              "print [mp4 @ 0x1] Could not find tag for codec h264 in stream #0\\n",
              "print Conversion failed!\\n", "exit 1"}},
            {"c.avi", {"touch $last", "print worse", "crash"}},
            // A full disk; the text cut in two.
            {"e.avi",
             {"touch $last", "print frame=1\\nError writing tra", "sleep 100",
              "print iler of e.mp4: No space left on device\\n", "exit 0"}},
            // Fails before it opens its output.
            {"f.avi", {"print /src/f.avi: No such file or directory\n", "exit 1"}}};
        h.script({"print ok"});
        QObject::connect(h.run.get(), &BatchRun::convertingFileChanged, h.run.get(),
                         [&](const QString &f) {
                             h.script(scripts.value(f, {"touch $last", "print ok"}));
                         });
        QList<int> ended;
        QObject::connect(h.run.get(), &BatchRun::runCompleted, h.run.get(),
                         [&](int converted, int skipped, int failed) {
                             ended = {converted, skipped, failed};
                         });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(),
                 (QStringList{"Complete", "Failed", "Failed", "Failed", "Failed", "Complete"}));
        QCOMPARE(ended, (QList<int>{2, 0, 4}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text,
                 "The conversion is completed, but 4 of 6 files could not be converted. Point at "
                 "a \"Failed\" task to see why, or choose \"Show Log...\" in its pop-up menu.");
        QCOMPARE(h.platform.messages[0].caption, "Finished with errors");
        QCOMPARE(h.platform.messages[0].icon, Platform::Icon::Warning);
        QCOMPARE(h.snapshots.last(), (Snapshot{100, 100}));
        QCOMPARE(h.platform.opened, (QStringList{h.outDir}));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));

        const QStringList summaries{
            "",
            "[mp4 @ 0x1] Could not find tag for codec h264 in stream #0\nConversion failed!",
            "The encoder crashed.",
            "Error writing trailer of e.mp4: No space left on device",
            "/src/f.avi: No such file or directory",
            ""};
        const QStringList outputs{"a.mp4", "", "", "", "f.mp4", "d.mp4"};
        for (int i = 0; i < names.size(); ++i) {
            const TaskStore::TaskId id = h.tasks.taskId(i);
            QVERIFY(h.run->logs().contains(id));
            QCOMPARE(h.run->logs().failureSummary(id), summaries[i]);
            QVERIFY(h.run->logs().heading(id).endsWith("/" + names[i] + ".mp4\""));
            QVERIFY(h.run->unfinishedOutput(id).isEmpty());
            QCOMPARE(QFile::exists(h.outDir + "/" + names[i] + ".mp4"), !outputs[i].isEmpty());
        }
        QCOMPARE(testsupport::readFile(h.outDir + "/f.mp4"), "earlier");
        QVERIFY(h.run->logs()
                    .text(h.tasks.taskId(3))
                    .endsWith("The encoder could not finish writing the output file."));
    }

    // Skip keeps existing outputs: their tasks are "Skipped", count as done
    // for the total bar and in the completion message. The output a cut-off
    // conversion of the task left behind is overwritten, not kept.
    void skipExisting_data()
    {
        QTest::addColumn<bool>("bFails");
        QTest::addColumn<QString>("message");
        QTest::newRow("all done") << false
                                  << "The coversion is completed successfully. 2 of 4 files were "
                                     "skipped because their output files already exist.";
        QTest::newRow("one failure")
            << true
            << "The conversion is completed, but 1 of 4 files could not be converted. 2 of 4 "
               "files were skipped because their output files already exist. Point at a "
               "\"Failed\" task to see why, or choose \"Show Log...\" in its pop-up menu.";
    }
    void skipExisting()
    {
        QFETCH(bool, bFails);
        QFETCH(QString, message);
        Harness h;
        h.host.skipOn = true;
        h.host.overwriteOn = false;
        for (const char *n : {"a", "b", "c", "u"})
            h.addTask(QStringLiteral("/src/%1.avi").arg(n), "00:01:00");
        for (const char *n : {"a", "c", "u"})
            QVERIFY(testsupport::writeFile(h.outDir + QStringLiteral("/%1.mp4").arg(n), "kept"));
        // u.mp4 is what u's conversion was writing when the program ended.
        h.run->setUnfinishedOutput(h.tasks.taskId(3), h.outDir + "/u.mp4");
        QStringList converted;
        QObject::connect(h.run.get(), &BatchRun::convertingFileChanged, h.run.get(),
                         [&](const QString &f) {
                             if (f.isEmpty())
                                 return; // the run's preparation
                             converted << f;
                             if (bFails && f == "b.avi")
                                 h.script({"touch $last", "exit 1"});
                             else
                                 h.script({"touch $last", "print time=60.0 "});
                         });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(converted, (QStringList{"b.avi", "u.avi"}));
        QCOMPARE(h.statuses(),
                 (QStringList{"Skipped", bFails ? "Failed" : "Complete", "Skipped", "Complete"}));
        // The first task was skipped: a quarter of the run is done.
        QCOMPARE(h.snapshots.value(1), (Snapshot{0, 25}));
        QCOMPARE(h.snapshots.last(), (Snapshot{100, 100}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, message);
        QCOMPARE(h.platform.messages[0].caption, bFails ? "Finished with errors" : "Complete");
        QCOMPARE(testsupport::readFile(h.outDir + "/a.mp4"), "kept");
        QCOMPARE(testsupport::readFile(h.outDir + "/c.mp4"), "kept");
        QCOMPARE(testsupport::readFile(h.outDir + "/u.mp4"), "x");
        QVERIFY(h.run->unfinishedOutput(h.tasks.taskId(3)).isEmpty());
        QVERIFY(!h.run->logs().contains(h.tasks.taskId(0)));
    }

    // With the check on, a cut task expects its cut length, the encoder
    // reads what the media reader does not, and an audio-only profile needs
    // no picture (the stand-in's other outputs: the window and tst_cli).
    void checkedOutputs_data()
    {
        QTest::addColumn<QString>("copied"); // what the stand-in writes
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("end");    // from 00:00:01 to end; empty: the whole clip
        QTest::addColumn<bool>("byEncoder"); // the encoder reads the output, not the reader
        QTest::addColumn<QString>("reason"); // empty: "Complete"
        QTest::newRow("half as long, read by the encoder")
            << "half.avi"
            << ""
            << "" << true << "The output is 2.0 s long; 4.0 s were expected.";
        QTest::newRow("good, read by the encoder") << "full.avi"
                                                   << ""
                                                   << "" << true << "";
        QTest::newRow("audio only profile") << "audio.mkv"
                                            << " -vn"
                                            << "" << false << "";
        QTest::newRow("cut") << "half.avi"
                             << ""
                             << "00:00:03" << false << "";
        QTest::newRow("cut, output whole")
            << "full.avi"
            << ""
            << "00:00:03" << false << "The output is 4.0 s long; 2.0 s were expected.";
    }
    void checkedOutputs()
    {
        QFETCH(QString, copied);
        QFETCH(QString, options);
        QFETCH(QString, end);
        QFETCH(bool, byEncoder);
        QFETCH(QString, reason);
        const QString clips = testsupport::standInOutputs();
        QVERIFY(!clips.isEmpty());
        Harness h;
        h.host.verify = true;
        if (!byEncoder)
            h.run->setOutputReader(testsupport::probeHelper());
        h.addTask(clips + "/full.avi", "00:00:04", end.isEmpty() ? "" : "00:00:01", end);
        h.script({"probewith " + testsupport::ffmpeg(), "copy " + clips + u'/' + copied});
        QVERIFY(testsupport::runToEnd(*h.run, options));
        QCOMPARE(h.status(0), reason.isEmpty() ? "Complete" : "Failed");
        const QString log = h.run->logs().text(h.tasks.taskId(0));
        QVERIFY2(log.contains(reason.isEmpty() ? "\nThe output was checked: " : "\n" + reason),
                 qPrintable(log));
        QVERIFY(QFileInfo::exists(h.outDir + "/full.mp4")); // kept, also when it failed
    }

    // With the check on, Skip keeps an existing output only when it passes
    // the check against its task; any other file of that name is left as it
    // is and the task converts under its indexed name, unless the file is the
    // task's own cut-off output, which is replaced.
    void skipKeepsOnlyFinishedOutputs()
    {
        const QString clips = testsupport::standInOutputs();
        QVERIFY(!clips.isEmpty());
        Harness h;
        h.host.verify = h.host.skipOn = true;
        h.host.overwriteOn = false;
        h.run->setOutputReader(testsupport::probeHelper());
        const QString full = clips + "/full.avi";
        for (const char *n : {"good", "partial", "other", "cut"}) {
            QVERIFY(QFile::copy(full, h.work.filePath(QStringLiteral("%1.avi").arg(n))));
            h.addTask(h.work.filePath(QStringLiteral("%1.avi").arg(n)), "00:00:04");
        }
        QVERIFY(QFile::copy(full, h.outDir + "/good.mp4"));
        QVERIFY(QFile::copy(clips + "/half.avi", h.outDir + "/partial.mp4"));
        QVERIFY(testsupport::writeFile(h.outDir + "/other.mp4", "the user's"));
        QVERIFY(testsupport::writeFile(h.outDir + "/cut.mp4", "cut off"));
        h.run->setUnfinishedOutput(h.tasks.taskId(3), h.outDir + "/cut.mp4");
        h.script(testsupport::standInScript("full.avi"));
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(), (QStringList{"Skipped", "Complete", "Complete", "Complete"}));
        QCOMPARE(testsupport::readFile(h.outDir + "/partial.mp4"),
                 testsupport::readFile(clips + "/half.avi"));
        QCOMPARE(testsupport::readFile(h.outDir + "/other.mp4"), "the user's");
        for (const char *converted : {"partial_2.mp4", "other_3.mp4", "cut.mp4"})
            QCOMPARE(testsupport::readFile(h.outDir + u'/' + converted),
                     testsupport::readFile(full));
        QVERIFY(h.run->logs()
                    .text(h.tasks.taskId(1))
                    .contains("The existing file \"" + h.outDir +
                              "/partial.mp4\" was not kept: The output is 2.0 s "
                              "long; 4.0 s were expected. It stays as it is, and the output takes "
                              "another name."));
    }

    // A source goes to the Trash (the desktop's, under XDG_DATA_HOME) only
    // once its output has passed the check; it stays when the check is off
    // or failed, for a skipped task, when there is no trash, and when the
    // output is the source itself.
    void trashSources_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("trashUsable");
        QTest::newRow("checked") << true << true;
        QTest::newRow("check off") << false << true;
        QTest::newRow("no trash") << true << false;
    }
    void trashSources()
    {
        QFETCH(bool, verify);
        QFETCH(bool, trashUsable);
        const QString full = testsupport::standInOutputs() + "/full.avi";
        Harness h;
        const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_DATA_HOME", data);
        });
        // The user's trash, on the file system of the sources.
        const QString trash = h.work.filePath("data/Trash");
        QVERIFY(trashUsable ? QDir().mkpath(trash)
                            : testsupport::writeFile(h.work.filePath("data"), ""));
        qputenv("HOME", QFile::encodeName(h.work.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(h.work.filePath("data")));
        h.host.verify = verify;
        h.host.trash = h.host.skipOn = true;
        h.run->setOutputReader(testsupport::probeHelper());
        for (const QString n : {"good", "half", "kept"}) {
            QVERIFY(QFile::copy(full, h.work.filePath(n + ".avi")));
            h.addTask(h.work.filePath(n + ".avi"), "00:00:04");
        }
        QVERIFY(QFile::copy(full, h.outDir + "/kept.mp4"));
        h.scripts({{"good.avi", testsupport::standInScript("full.avi")},
                   {"half.avi", testsupport::standInScript("half.avi")}});
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(),
                 (QStringList{"Complete", verify ? "Failed" : "Complete", "Skipped"}));
        const bool trashed = verify && trashUsable;
        QCOMPARE(QFileInfo::exists(h.work.filePath("good.avi")), !trashed);
        QVERIFY(QFile::exists(h.work.filePath("half.avi")) &&
                QFile::exists(h.work.filePath("kept.avi")));
        QCOMPARE(
            h.platform.messages.value(0).text.contains("1 source file was moved to the Trash."),
            trashed);
        QCOMPARE(testsupport::readFile(trash + "/info/good.avi.trashinfo")
                     .startsWith("[Trash Info]\nPath=" +
                                 QUrl::toPercentEncoding(h.work.filePath("good.avi"), "/")),
                 trashed);
        QVERIFY(!verify ||
                h.run->logs()
                    .text(h.tasks.taskId(0))
                    .endsWith(trashed
                                  ? "\" was moved to the Trash."
                                  : "\" stays where it is: there is no trash on its file system."));
        // Never the output itself, nor the same file under another name.
        QVERIFY(QFile::link(h.work.filePath("half.avi"), h.work.filePath("linked.avi")));
        QVERIFY(
            !SourceTrash::moveToTrash(h.work.filePath("linked.avi"), h.work.filePath("half.avi"))
                 .moved);
    }

    void missingEncoder_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("not executable") << true;
    }
    void missingEncoder()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath("wmaspi.dll");
        if (exists) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nexit 0\n");
            f.close();
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        }
        Harness h(path);
        h.host.openDir = true;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(h.statuses(), (QStringList{"Failed", "OK"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "Error on CreateProcess()");
        QCOMPARE(h.platform.messages[0].icon, Platform::Icon::None);
        QCOMPARE(h.panels, (QList<bool>{true, false}));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!h.run->timerTime()->isActive());
        QVERIFY(h.platform.opened.isEmpty());
        QCOMPARE(h.host.closeCount, 0);
    }

    // No file descriptor left for the encoder's channels.
    void pipeFailure()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        h.script({"touch $last"});
        rlimit saved{};
        getrlimit(RLIMIT_NOFILE, &saved);
        QObject::connect(
            h.run.get(), &BatchRun::convertingFileChanged, h.run.get(), [&](const QString &f) {
                if (f.isEmpty())
                    return;
                const int open =
                    QDir("/proc/self/fd")
                        .entryList(QDir::NoDotAndDotDot | QDir::System | QDir::AllEntries)
                        .size();
                rlimit few = saved;
                few.rlim_cur = rlim_t(open);
                setrlimit(RLIMIT_NOFILE, &few);
            });
        h.platform.onMessage = [&](const RecordingPlatform::Message &) {
            setrlimit(RLIMIT_NOFILE, &saved);
        };
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        setrlimit(RLIMIT_NOFILE, &saved);
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "Error On CreatePipe()");
        QCOMPARE(h.statuses(), (QStringList{"Failed", "OK"}));
        QCOMPARE(h.panels, (QList<bool>{true, false}));
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!h.run->timerTime()->isActive());
        QVERIFY(!QFile::exists(h.outDir + "/a.mp4"));
    }

    // After the run: the message, the output folder, exit, or turning the
    // computer off after a minute's notice that can be cancelled; a refusal
    // of the system is told.
    void completionActions_data()
    {
        QTest::addColumn<bool>("turnOff");
        QTest::addColumn<bool>("exitOn");
        QTest::addColumn<bool>("openDir");
        QTest::addColumn<bool>("noticeAnswer");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("powerOffs");
        QTest::addColumn<int>("closes");
        QTest::addColumn<QString>("message"); // its caption
        QTest::addColumn<int>("opens");
        QTest::newRow("nothing") << false << false << false << false << "" << 0 << 0 << "Complete"
                                 << 0;
        QTest::newRow("open dir") << false << false << true << false << "" << 0 << 0 << "Complete"
                                  << 1;
        QTest::newRow("exit") << false << true << true << false << "" << 0 << 1 << "" << 0;
        QTest::newRow("turn off") << true << false << true << true << "" << 1 << 1 << "" << 0;
        QTest::newRow("turn off and exit")
            << true << true << false << true << "" << 1 << 1 << "" << 0;
        QTest::newRow("turn off cancelled")
            << true << true << true << false << "" << 0 << 0 << "" << 0;
        QTest::newRow("turn off refused")
            << true << false << false << true << "Interactive authentication required." << 1 << 0
            << "Not Turned Off" << 0;
    }
    void completionActions()
    {
        QFETCH(bool, turnOff);
        QFETCH(bool, exitOn);
        QFETCH(bool, openDir);
        QFETCH(bool, noticeAnswer);
        QFETCH(QString, refusal);
        QFETCH(int, powerOffs);
        QFETCH(int, closes);
        QFETCH(QString, message);
        QFETCH(int, opens);
        Harness h;
        h.host.turnOff = turnOff;
        h.host.exitOn = exitOn;
        h.host.openDir = openDir;
        h.addTask("/src/a.avi", "00:00:10");
        h.script({"print done"});
        // The directory is opened only after the message has been dismissed.
        h.platform.onMessage = [&](const RecordingPlatform::Message &) {
            QVERIFY(h.platform.opened.isEmpty());
        };
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        // The notice holds nothing up: the run is over while it is shown.
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!h.run->timerTime()->isActive());
        QCOMPARE(h.platform.powerOffNotices, turnOff ? QList<int>{60} : QList<int>());
        QCOMPARE(h.host.closeCount, turnOff ? 0 : closes);
        if (turnOff) {
            h.platform.powerOffRefusals << refusal;
            std::exchange(h.platform.pendingNotice, {})(noticeAnswer);
        }
        QCOMPARE(h.platform.powerOffCount, powerOffs);
        QCOMPARE(h.host.closeCount, closes);
        QCOMPARE(h.platform.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(h.platform.messages[0].caption, message);
        if (!refusal.isEmpty())
            QCOMPARE(h.platform.messages[0].text,
                     "The computer was not turned off: Interactive authentication required.");
        QCOMPARE(h.platform.opened.size(), opens);
        if (opens)
            QCOMPARE(h.platform.opened[0], h.outDir);
    }

    // 30 ticks with the total bar at 25% leave 90 s: 00:01:30.
    void remainingTime()
    {
        Harness h;
        QSignalSpy elapsed(h.run.get(), &BatchRun::elapsedChanged);
        QSignalSpy remaining(h.run.get(), &BatchRun::remainingChanged);
        h.run->timerTimeTimer();
        QCOMPARE(elapsed.last().at(0).toString(), "00:00:01");
        QCOMPARE(remaining.last().at(0).toString(), "00:00:00"); // no progress yet

        Harness r;
        r.addTask("/src/a.avi", "00:01:40");
        r.script(chunks({"a", "b", "time=25.0 "}) + QStringList{"sleep 20000"});
        QSignalSpy texts(r.run.get(), &BatchRun::remainingChanged);
        QSignalSpy elapsedTexts(r.run.get(), &BatchRun::elapsedChanged);
        QObject::connect(r.run.get(), &BatchRun::totalProgressChanged, r.run.get(), [&](int t) {
            if (t != 25)
                return;
            r.run->timerTime()->stop();
            while (r.run->ElapsedSecs() < 30)
                r.run->timerTimeTimer();
            QTimer::singleShot(0, r.run.get(), &BatchRun::requestStop);
        });
        QVERIFY(testsupport::runToEnd(*r.run, QString()));
        QCOMPARE(r.run->RemainingSecs(), 90);
        QCOMPARE(texts.last().at(0).toString(), "00:01:30");
        QCOMPARE(elapsedTexts.last().at(0).toString(), "00:00:30");
        // The labels start empty at the beginning of a run.
        QCOMPARE(texts.first().at(0).toString(), QString());
    }

    // Floods of output, from megabytes of lines to an encoder that prints
    // without pause: read as they come with only the latest chunk kept, so
    // memory stays bounded, the last report still counts, and Stop acts
    // within a second.
    void floodingEncoder_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("stopAfterMs"); // -1: no Stop
        QTest::addColumn<QString>("status");
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << QStringLiteral("print ") + QString(1000, u'x') + QStringLiteral("\\n");
        const QStringList end{"sleep 100", "print time=50.0 \\n"};
        QTest::newRow("3 MB of lines") << lines + end << -1 << "Complete";
        QTest::newRow("200 MB without pause") << QStringList{"flood 200"} + end << -1 << "Complete";
        QTest::newRow("Stop while flooding") << QStringList{"flood 0"} << 1000 << "Stop";
    }
    void floodingEncoder()
    {
        QFETCH(QStringList, script);
        QFETCH(int, stopAfterMs);
        QFETCH(QString, status);
        Harness h;
        h.keepMemos = false;
        h.addTask("/src/a.avi", "00:01:40");
        h.script(script);
        int longestMemo = 0;
        QObject::connect(h.run.get(), &BatchRun::memoChanged, h.run.get(), [&](const QString &m) {
            longestMemo = std::max(longestMemo, int(m.size()));
        });
        QElapsedTimer sinceStop;
        if (stopAfterMs >= 0)
            QTimer::singleShot(stopAfterMs, h.run.get(), [&] {
                sinceStop.start();
                h.run->requestStop();
            });
        const qint64 idle = residentKb("VmRSS");
        QVERIFY(resetPeakMemory());
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        const qint64 grown = residentKb("VmHWM") - idle;
        QCOMPARE(h.status(0), status);
        // The task's log keeps the end of the flood, within its bound.
        const QByteArray log = h.run->logs().output(h.tasks.taskId(0));
        QVERIFY2(log.size() > TaskLogs::TaskLimit - 4096 && log.size() <= TaskLogs::TaskLimit,
                 QByteArray::number(log.size()));
        QCOMPARE(h.run->logs().totalBytes(), TaskLogs::TaskLimit);
        if (stopAfterMs < 0)
            QVERIFY(log.endsWith("time=50.0 \n"));
        if (stopAfterMs >= 0)
            QVERIFY2(sinceStop.elapsed() < 1000, QByteArray::number(sinceStop.elapsed()));
        else
            QVERIFY(h.snapshots.contains(Snapshot{50, 50}));
        QVERIFY(longestMemo > 0 && longestMemo <= 4095);
        QVERIFY2(grown < (100 + SanitizerQuarantineMb) * 1024, QByteArray::number(grown) + " kB");
    }

    // The encoder receives the argument list whole; Start checks first.
    void startCommand()
    {
        Harness h;
        int entered = 0, left = 0;
        auto enter = [&] { ++entered; };
        auto leave = [&] { ++left; };
        ValueListModel video, audio, advanced;
        const ProfileGrids grids{&video, &audio, &advanced};
        const QString profile = h.work.filePath("p.apf");
        QVERIFY(testsupport::writeFile(
            profile,
            "[Main]\r\nType=mp4\r\nPara=2\r\n0=Codec\r\n1=Rate\r\n[Codec]\r\nSort=1\r\n"
            "cmd=-c:v\r\nCaption=MPEG-4,\r\nValue=mpeg4,\r\n[Rate]\r\nList=0\r\ncmd=-b\r\n"));
        video.appendRow("Codec", "MPEG-4");
        // A typed value that looks like more options stays one argument.
        video.appendRow("Rate", "1k -f null /elsewhere");

        // No tasks: nothing happens.
        QCOMPARE(h.run->Start(profile, grids, enter, leave), BatchRun::StartResult::NoTasks);
        QCOMPARE(entered + left, 0);
        QVERIFY(h.platform.messages.isEmpty());

        // Missing output directory: the message, no run.
        h.addTask("/src/my clip \"1\" é.avi", "00:00:10", "00:00:02", "00:00:05.5");
        h.host.dir = h.work.filePath("missing");
        QCOMPARE(h.run->Start(profile, grids, enter, leave),
                 BatchRun::StartResult::OutputPathMissing);
        QCOMPARE(entered + left, 0);
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text,
                 "The output path does not exist. Please specify another one.");
        QCOMPARE(h.platform.messages[0].caption, "Output path does not exist");
        QCOMPARE(h.platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(h.status(0), "OK");

        // A run: the arguments as the encoder sees them.
        h.host.dir = h.outDir;
        h.platform.messages.clear();
        h.script({"args"});
        QCOMPARE(h.run->Start(profile, grids, enter, leave), BatchRun::StartResult::Ran);
        QCOMPARE(left, 0); // the run has only begun
        QVERIFY(testsupport::waitForRunEnd(*h.run));
        QCOMPARE(entered, 1);
        QCOMPARE(left, 1);
        QCOMPARE(h.memos.join(QString()),
                 "arg:-y\narg:-i\narg:/src/my clip \"1\" é.avi\narg:-c:v\narg:mpeg4\n"
                 "arg:-b\narg:1k -f null /elsewhere\narg:-ss\narg:00:00:02\narg:-t\narg:4\narg:" +
                     h.outDir + "/my clip \"1\" é.mp4\n");
        QCOMPARE(h.status(0), "Complete");

        // The profile removed after loading: the run goes ahead without its options.
        h.memos.clear();
        QVERIFY(QFile::remove(profile));
        QCOMPARE(h.run->Start(profile, grids, enter, leave), BatchRun::StartResult::Ran);
        QVERIFY(testsupport::waitForRunEnd(*h.run));
        QVERIFY(!h.memos.join(QString()).contains("mpeg4"));
        QCOMPARE(h.status(0), "Complete");
        QCOMPARE(entered, 2);
        QCOMPARE(left, 2);
    }

    // With overwriting on, a task's output never replaces the source of
    // another task of the list: that source would be lost before its turn.
    void otherTasksSourcesAreKept()
    {
        Harness h;
        QVERIFY(QDir().mkpath(h.work.filePath("in")));
        const QString later = h.outDir + "/clip.mp4";
        QVERIFY(testsupport::writeFile(later, "source of the second task"));
        h.addTask(h.work.filePath("in/clip.avi"), "00:00:10");
        h.addTask(later, "00:00:10");
        h.script({"args"});
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        const QString encoderSaw = h.memos.join(QString());
        QVERIFY2(encoderSaw.contains("arg:" + h.outDir + "/clip_1.mp4\n"), qPrintable(encoderSaw));
        QVERIFY2(encoderSaw.contains("arg:" + h.outDir + "/clip_2.mp4\n"), qPrintable(encoderSaw));
        QCOMPARE(h.statuses(), QStringList({"Complete", "Complete"}));
    }

    // A profile that cannot be written back: the run goes ahead with the
    // values shown and the failed save is handed on; a profile that cannot
    // be read is reported and converts nothing.
    void startWithUnwritableProfile()
    {
        Harness h;
        int entered = 0, left = 0;
        ValueListModel video, audio, advanced;
        video.appendRow("Rate", "1500k");
        const ProfileGrids grids{&video, &audio, &advanced};
        const QString profile = h.work.filePath("p.apf");
        QVERIFY(testsupport::writeFile(
            profile, "[Main]\r\nPara=1\r\n0=Rate\r\n[Rate]\r\nSort=1\r\nList=0\r\ncmd=-b\r\n"));
        QVERIFY(QFile::setPermissions(profile, QFile::ReadOwner));
        h.addTask("/src/a.avi", "00:00:10");
        h.script({"args", "touch $last"});
        QSignalSpy notSaved(h.run.get(), &BatchRun::profileNotSaved);
        for (int start = 1; start <= 2; ++start) {
            QCOMPARE(h.run->Start(
                         profile, grids, [&] { ++entered; }, [&] { ++left; }),
                     BatchRun::StartResult::Ran);
            QVERIFY(testsupport::waitForRunEnd(*h.run));
            QCOMPARE(h.status(0), "Complete");
            QCOMPARE(notSaved.count(), start);
        }
        QCOMPARE(notSaved[0][0].toString(), profile);
        QVERIFY2(notSaved[0][1].toString().contains(profile),
                 qPrintable(notSaved[0][1].toString()));
        QVERIFY(h.memos.join(QString()).contains("arg:-b\narg:1500k\n"));
        QVERIFY(QFile::exists(h.outDir + "/a.mp4"));
        QCOMPARE(entered, 2);
        QCOMPARE(left, 2);
        // The engine itself shows nothing but the completion messages.
        QCOMPARE(h.platform.messages.size(), 2);
        QCOMPARE(h.platform.messages[1].caption, "Complete");

        if (isRoot())
            return; // every file is readable for root
        QVERIFY(QFile::setPermissions(profile, QFile::WriteOwner));
        QVERIFY(QFile::remove(h.outDir + "/a.mp4"));
        QCOMPARE(h.run->Start(
                     profile, grids, [&] { ++entered; }, [&] { ++left; }),
                 BatchRun::StartResult::OptionsFailed);
        QCOMPARE(left, 3);
        QCOMPARE(h.platform.messages.size(), 3);
        QVERIFY2(h.platform.messages[2].text.contains("p.apf"),
                 qPrintable(h.platform.messages[2].text));
        QCOMPARE(h.platform.messages[2].icon, Platform::Icon::Error);
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QVERIFY(!QFile::exists(h.outDir + "/a.mp4"));
    }

    // Two generated clips through the real encoder, one with edited times.
    void realRun()
    {
        Harness h(testsupport::ffmpeg());
        h.host.openDir = true;
        const QString a = testsupport::makeStandardClip(h.work.filePath("first.avi"), 3.0);
        const QString b = testsupport::makeStandardClip(h.work.filePath("second clip é.avi"), 4.0);
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        h.addTask(a, "00:00:03");
        h.addTask(b, "00:00:04", "00:00:01", "00:00:03");
        QVERIFY(testsupport::runToEnd(*h.run, QStringLiteral(" -c:v mpeg4 -q:v 5 -c:a aac")));
        QCOMPARE(h.statuses(), (QStringList{"Complete", "Complete"}));
        QCOMPARE(h.snapshots.last(), (Snapshot{100, 100}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "The coversion is completed successfully.");
        QCOMPARE(h.platform.opened, (QStringList{h.outDir}));
        const double first = probeDuration(h.outDir + "/first.mp4");
        const double second = probeDuration(h.outDir + "/second clip é.mp4");
        // Whole source, and the edited part: within a frame (25 per second).
        const double source = probeDuration(a);
        QVERIFY(source > 2.9);
        QVERIFY2(qAbs(first - source) <= 0.041, qPrintable(QString::number(first)));
        QVERIFY2(qAbs(second - 2.0) <= 0.041, qPrintable(QString::number(second)));
        QVERIFY(!h.encoder.isRunning());
    }

    void everyShippedProfile_data()
    {
        QTest::addColumn<QString>("name");
        const QDir dir(testsupport::sourceDir() + "/resources/Profiles");
        const QStringList files = dir.entryList({"*.apf"}, QDir::Files);
        QVERIFY(files.size() >= 8);
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << StripFileExt(f);
    }
    // One clip converted with every shipped profile, as Start does it.
    void everyShippedProfile()
    {
        QFETCH(QString, name);
        static QTemporaryDir clips;
        static const QString clip = testsupport::makeStandardClip(clips.filePath("clip.avi"), 2.0);
        QVERIFY(!clip.isEmpty());
        testsupport::ProgramDir program;
        Harness h(program.file("wmaspi.dll"));
        ValueListModel video, audio, advanced;
        const ProfileGrids grids{&video, &audio, &advanced};
        const QString path = ProfilePath(AppPaths::portable(program.path()), name);
        QVERIFY(LoadProfile(path, grids, &h.host.ext));
        QVERIFY(!h.host.ext.isEmpty());
        QVERIFY(!BuildProfileOptions(path, grids).text().trimmed().isEmpty());
        h.addTask(clip, "00:00:02");
        QCOMPARE(h.run->Start(path, grids, {}, {}), BatchRun::StartResult::Ran);
        QVERIFY(testsupport::waitForRunEnd(*h.run));
        QCOMPARE(h.statuses(), (QStringList{"Complete"}));
        const QString output = h.outDir + "/clip" + h.host.ext;
        QVERIFY2(QFileInfo(output).size() > 0, qPrintable(h.run->memoText()));
        const double source = probeDuration(clip, "format");
        const double converted = probeDuration(output, "format");
        QVERIFY2(qAbs(converted - source) < 0.15,
                 qPrintable(QString("%1 vs %2").arg(converted).arg(source)));
    }

    // Bad input with the real encoder: a clear status, the run goes on.
    void realRunBadInput()
    {
        Harness h(testsupport::ffmpeg());
        h.host.openDir = true;
        const QString a = testsupport::makeStandardClip(h.work.filePath("a.avi"), 1.0);
        const QString gone = testsupport::makeStandardClip(h.work.filePath("gone.avi"), 1.0);
        QVERIFY(!a.isEmpty() && !gone.isEmpty());
        h.addTask(gone, "00:00:01");
        h.addTask(a, "00:00:01");
        h.addTask(a, "00:00:01");
        QVERIFY(QFile::remove(gone));
        // The output directory disappears during the run, before the third task.
        QObject::connect(h.run.get(), &BatchRun::convertingFileChanged, h.run.get(),
                         [&](const QString &) {
                             if (h.status(2) == "Converting")
                                 QDir(h.outDir).removeRecursively();
                         });
        QVERIFY(testsupport::runToEnd(*h.run, QStringLiteral(" -c:v mpeg4")));
        QCOMPARE(h.statuses(), (QStringList{"Failed", "Complete", "Failed"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QVERIFY(h.platform.messages[0].text.startsWith(
            "The conversion is completed, but 2 of 3 files could not be converted."));
        // Why, as the encoder said it.
        QCOMPARE(h.run->logs().failureSummary(h.tasks.taskId(0)),
                 gone + ": No such file or directory");
        QVERIFY2(h.run->logs()
                     .failureSummary(h.tasks.taskId(2))
                     .contains("a_3.mp4: No such file or directory"),
                 qPrintable(h.run->logs().failureSummary(h.tasks.taskId(2))));
        // The directory is gone: nothing to open.
        QVERIFY(h.platform.opened.isEmpty());
        QVERIFY(!h.encoder.isRunning());
    }

    // An output directory that cannot be written.
    void realRunReadOnlyOutput()
    {
        Harness h(testsupport::ffmpeg());
        const QString a = testsupport::makeStandardClip(h.work.filePath("a.avi"), 1.0);
        QVERIFY(!a.isEmpty());
        h.addTask(a, "00:00:01");
        if (isRoot()) {
            h.host.dir = "/proc"; // not writable for any user
        } else {
            QVERIFY(QFile::setPermissions(h.outDir, QFile::ReadOwner | QFile::ExeOwner));
        }
        QVERIFY(testsupport::runToEnd(*h.run, QStringLiteral(" -c:v mpeg4")));
        QFile::setPermissions(h.outDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(h.statuses(), (QStringList{"Failed"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QVERIFY(h.platform.messages[0].text.startsWith(
            "The conversion is completed, but 1 of 1 files could not be converted."));
        // The reason names the output file ("Permission denied"; as root,
        // /proc has no such file).
        const QString why = h.run->logs().failureSummary(h.tasks.taskId(0));
        QVERIFY2(why.contains(isRoot() ? "/proc/a.mp4: No such file or directory"
                                       : "a.mp4: Permission denied"),
                 qPrintable(why));
    }

    // Stopping the real encoder is not counted as a failure; the output it
    // had begun is removed, so it is never taken for a finished one.
    void realStop()
    {
        Harness h(testsupport::ffmpeg());
        const QString a = testsupport::makeStandardClip(h.work.filePath("a.avi"), 20.0);
        QVERIFY(!a.isEmpty());
        h.addTask(a, "00:00:20");
        bool begun = false;
        QObject::connect(h.run.get(), &BatchRun::currentProgressChanged, h.run.get(), [&](int c) {
            if (c > 0 && h.run->RunState() == BatchRun::Running) {
                begun = QFileInfo(h.outDir + "/a.mp4").size() > 0;
                QTimer::singleShot(0, h.run.get(), &BatchRun::requestStop);
            }
        });
        // Slow enough to be caught in the middle.
        QVERIFY(testsupport::runToEnd(*h.run,
                                      QStringLiteral(" -c:v mpeg4 -q:v 2 -s 1280x960 -c:a aac")));
        QCOMPARE(h.statuses(), (QStringList{"Stop"}));
        QCOMPARE(h.platform.messages.size(), 1);
        QCOMPARE(h.platform.messages[0].text, "The Coversion is canceled.");
        QVERIFY(begun);
        QVERIFY(!QFile::exists(h.outDir + "/a.mp4"));
    }

    // Closing the window during a run: the encoder ends, the task is "Stop"
    // at once, and no message follows.
    void closeDuringRun()
    {
        Harness h;
        h.addTask("/src/a.avi", "00:01:00");
        h.addTask("/src/b.avi", "00:01:00");
        h.script(QStringList{"print a", "sleep 20000"});
        QString statusAtClose;
        QObject::connect(h.run.get(), &BatchRun::memoChanged, h.run.get(), [&] {
            QTimer::singleShot(0, h.run.get(), [&] {
                h.run->stopForClose();
                statusAtClose = h.status(0);
                QVERIFY(!h.encoder.isRunning());
            });
        });
        QVERIFY(testsupport::runToEnd(*h.run, QString()));
        QCOMPARE(statusAtClose, "Stop");
        QCOMPARE(h.statuses(), (QStringList{"Stop", "OK"}));
        QVERIFY(h.platform.messages.isEmpty());
        QCOMPARE(h.run->RunState(), int(BatchRun::Idle));
        QCOMPARE(h.panels, (QList<bool>{true, false}));
    }
};

QTEST_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
