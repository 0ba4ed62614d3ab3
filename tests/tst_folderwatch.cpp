// Watch folders: when a file is taken, and that each is taken once, across
// sessions, with the folder going away, and never the program's own outputs.
#include "engine/folderwatch.h"
#include "engine/itemdata.h"
#include "engine/outputrecords.h"
#include "engine/watchfolders.h"
#include "platform/folderevents.h"
#include "platform/writercheck.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace testsupport;

namespace {

constexpr int SettleMs = 300;
constexpr int RescanMs = 400;

} // namespace

class TestFolderWatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_dir;     // watched
    QString m_records; // the watch's records
    SystemFolderEvents m_events;
    RecordingWriterCheck m_writers;

    std::unique_ptr<FolderWatch> watch(FolderEvents &events, const QString &output = {},
                                       OutputRecords *outputs = nullptr)
    {
        auto w = std::make_unique<FolderWatch>(
            FolderWatch::Settings{m_dir, output, true, SettleMs, RescanMs, m_records}, events,
            m_writers);
        w->setOutputRecords(outputs);
        return w;
    }

    // The files told ready within ms, each as often as told.
    static QStringList readyWithin(FolderWatch &w, int ms)
    {
        QSignalSpy ready(&w, &FolderWatch::fileReady);
        QTest::qWait(ms);
        QStringList paths;
        for (const QList<QVariant> &args : ready)
            paths << args[0].toString();
        paths.sort();
        return paths;
    }

    // Takes every ready file within ms as a conversion that ends with result.
    static QStringList convertWithin(FolderWatch &w, int ms, WatchRecords::Result result)
    {
        const QStringList paths = readyWithin(w, ms);
        for (const QString &path : paths) {
            if (!w.conversionStarting(path))
                return {"<record not written>"};
            w.conversionEnded(path, result);
        }
        return paths;
    }

private slots:
    void init()
    {
        m_dir = m_work.filePath(QTest::currentTestFunction());
        m_records = m_work.filePath(QStringLiteral("records-") + QTest::currentTestFunction());
        QVERIFY(QDir().mkpath(m_dir));
        m_writers.writing.clear();
    }

    // A file being written (slowly, and closed between writes) is taken once
    // it has stood still for the settle time, and not while a process has
    // it open for writing, however still it stands.
    void takenOnceSettled()
    {
        auto w = watch(m_events);
        w->start();
        const QString slow = m_dir + "/slow.mp4";
        QElapsedTimer writing;
        writing.start();
        QSignalSpy ready(w.get(), &FolderWatch::fileReady);
        qint64 lastWrite = 0;
        // 1 MB/s for 10 s, in writes of 100 kB every 100 ms.
        for (int i = 0; i < 100; ++i) {
            QFile f(slow);
            QVERIFY(f.open(QIODevice::Append));
            f.write(QByteArray(100 * 1024, 'x'));
            f.close();
            lastWrite = writing.elapsed();
            QTest::qWait(100);
        }
        QCOMPARE(ready.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 5000);
        QCOMPARE(ready[0][0].toString(), slow);
        QVERIFY(writing.elapsed() >= lastWrite + SettleMs);

        const QString open = m_dir + "/open.avi";
        QVERIFY(writeFile(open, "held"));
        m_writers.writing.insert(open);
        QCOMPARE(readyWithin(*w, 4 * SettleMs), QStringList());
        m_writers.writing.clear();
        QCOMPARE(readyWithin(*w, 4 * SettleMs), QStringList{open});
    }

    // What a watch converted, skipped or failed is not taken again by a
    // later session unless it changed (also while it was converted); a
    // failed file is taken again when the user retries it; one whose
    // conversion never ended is taken again.
    void takenOnceAcrossSessions()
    {
        for (const char *name : {"a.avi", "b.mp4", "c.mkv", "failed.avi", "cut.avi"})
            QVERIFY(writeFile(m_dir + u'/' + name, name));
        {
            auto w = watch(m_events);
            w->start();
            const QStringList ready = readyWithin(*w, 5 * SettleMs);
            QCOMPARE(ready.size(), 5);
            for (const QString &path : ready) {
                QVERIFY(w->conversionStarting(path));
                if (!path.endsWith("cut.avi")) // the program ends during its conversion
                    w->conversionEnded(path, path.endsWith("failed.avi")
                                                 ? WatchRecords::Result::Failed
                                                 : WatchRecords::Result::Converted);
            }
        }
        for (int session = 0; session < 3; ++session) {
            auto w = watch(m_events);
            w->start();
            QStringList again = convertWithin(*w, 4 * SettleMs, WatchRecords::Result::Converted);
            QCOMPARE(again, session == 0 ? QStringList{m_dir + "/cut.avi"} : QStringList());
        }
        auto w = watch(m_events);
        w->start();
        QTest::qWait(SettleMs);
        QVERIFY(writeFile(m_dir + "/a.avi", "changed after its conversion"));
        QCOMPARE(readyWithin(*w, 5 * SettleMs), QStringList{m_dir + "/a.avi"});
        QVERIFY(w->conversionStarting(m_dir + "/a.avi"));
        QVERIFY(writeFile(m_dir + "/a.avi", "changed while it was converted"));
        // Told again meanwhile; the task that is being converted stays as it is.
        QCOMPARE(readyWithin(*w, 5 * SettleMs), QStringList{m_dir + "/a.avi"});
        w->conversionEnded(m_dir + "/a.avi", WatchRecords::Result::Converted);
        QCOMPARE(convertWithin(*w, 5 * SettleMs, WatchRecords::Result::Converted),
                 QStringList{m_dir + "/a.avi"});
        QCOMPARE(w->failedFiles(), QStringList{"failed.avi"});
        QCOMPARE(w->retryFailed(), 1);
        QCOMPARE(convertWithin(*w, 5 * SettleMs, WatchRecords::Result::Failed),
                 QStringList{m_dir + "/failed.avi"});
        QCOMPARE(readyWithin(*w, 3 * RescanMs), QStringList());
    }

    // The output folder inside the watched one is never read, and a file
    // recorded as an output is never taken wherever it is.
    void ownOutputsNotTaken()
    {
        const QString out = m_dir + "/out";
        QVERIFY(QDir().mkpath(out));
        QVERIFY(writeFile(out + "/clip.mp4", "output"));
        QVERIFY(writeFile(m_dir + "/clip.avi", "source"));
        QVERIFY(writeFile(m_dir + "/written.mp4", "an output beside the sources"));
        OutputRecords outputs(m_work.filePath("outputs"));
        QVERIFY(outputs.markUnfinished(m_dir + "/written.mp4", m_dir + "/clip.avi"));
        outputs.markFinished(m_dir + "/written.mp4", m_dir + "/clip.avi");
        auto w = watch(m_events, out, &outputs);
        w->start();
        QCOMPARE(readyWithin(*w, 5 * SettleMs), QStringList{m_dir + "/clip.avi"});
        QVERIFY(writeFile(out + "/new.mp4", "another output"));
        QCOMPARE(readyWithin(*w, 3 * RescanMs), QStringList());
    }

    // The watches are changed (another added, this one's output folder
    // changed, or this one removed) while a file of one converts: its end is
    // still recorded, so it is neither taken again now nor by a later session
    // watching that folder.
    void watchesChangedDuringConversion_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("another watch added") << "added";
        QTest::newRow("output folder changed") << "output";
        QTest::newRow("watch removed") << "removed";
    }
    void watchesChangedDuringConversion()
    {
        QFETCH(QString, change);
        const QString other = m_work.filePath("other");
        QVERIFY(QDir().mkpath(other));
        QVERIFY(writeFile(m_dir + "/clip.avi", "clip"));
        const auto records = [this](const QString &id) { return m_records + u'/' + id; };
        const QList<WatchSettings> before{
            {m_dir, "P", m_work.filePath("out"), false, "rename", false, {}}};
        WatchFolders watches(m_events, m_writers, records);
        QSignalSpy ready(&watches, &WatchFolders::fileReady);
        watches.setWatches(before, SettleMs, RescanMs);
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 5000);
        QVERIFY(watches.conversionStarting(m_dir + "/clip.avi"));
        QList<WatchSettings> after = before;
        if (change == "added")
            after << WatchSettings{other, "P", other + "/out", false, "rename", false, {}};
        else if (change == "output")
            after[0].outputDir = m_work.filePath("elsewhere");
        else
            after.clear();
        watches.setWatches(after, SettleMs, RescanMs);
        watches.conversionEnded(m_dir + "/clip.avi", TaskStatus::Complete);
        QTest::qWait(4 * SettleMs);
        WatchFolders later(m_events, m_writers, records);
        QSignalSpy laterReady(&later, &WatchFolders::fileReady);
        later.setWatches(before, SettleMs, RescanMs);
        QTest::qWait(4 * SettleMs);
        QCOMPARE(ready.size() + laterReady.size(), 1);
    }

    // A watched folder renamed away (an unmounted share) keeps its records:
    // the watch is not available, then goes on when the folder is back,
    // converting nothing again; files the events never told of are found by
    // the rescan.
    void folderAwayAndBack()
    {
        RecordingFolderEvents silent; // events lost
        QVERIFY(writeFile(m_dir + "/one.avi", "one"));
        auto w = watch(silent);
        QSignalSpy available(w.get(), &FolderWatch::availableChanged);
        w->start();
        QCOMPARE(silent.watched, QSet<QString>{m_dir});
        QCOMPARE(convertWithin(*w, 5 * SettleMs, WatchRecords::Result::Converted),
                 QStringList{m_dir + "/one.avi"});
        QVERIFY(QDir().rename(m_dir, m_dir + "-away"));
        QTRY_COMPARE_WITH_TIMEOUT(available.size(), 1, 5000);
        QVERIFY(!w->isAvailable());
        QVERIFY(silent.watched.isEmpty());
        QVERIFY(writeFile(m_dir + "-away/two.avi", "two"));
        QVERIFY(QDir().rename(m_dir + "-away", m_dir));
        QTRY_COMPARE_WITH_TIMEOUT(available.size(), 2, 5000);
        QVERIFY(w->isAvailable());
        QCOMPARE(readyWithin(*w, 4 * SettleMs), QStringList{m_dir + "/two.avi"});
        QCOMPARE(readyWithin(*w, 3 * RescanMs), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "tst_folderwatch.moc"
