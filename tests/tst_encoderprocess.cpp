#include "engine/encoderprocess.h"
#include "platform/recordingprocesscontrol.h"
#include "platform/systemprocesscontrol.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace testsupport;

class TestEncoderProcess : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

    QList<QByteArray> m_chunks; // what the sink of the encoder started last received

    // Starts the fake (or program) with a sink that collects its chunks.
    void start(EncoderProcess &e, qint64 maxBytes = 4096, const QStringList &args = {},
               const QString &program = fakeEncoder())
    {
        m_chunks.clear();
        e.start(program, args, maxBytes, [this](const QByteArray &chunk) { m_chunks << chunk; });
    }
    // Waits for the end of the running encoder and returns its output.
    QList<QByteArray> readAll(EncoderProcess &e)
    {
        QSignalSpy finished(&e, &EncoderProcess::finished);
        if (!finished.wait(20000))
            qWarning("the encoder did not end");
        return m_chunks;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    // A chunk is exactly the bytes of its read: no tail of a longer earlier
    // read, nothing of an earlier encoder; started() comes first.
    void chunksAreExactReads()
    {
        EncoderProcess e;
        QSignalSpy started(&e, &EncoderProcess::started);
        setFakeScript(m_tmp.path(), {"print first, a long line of output\\n", "sleep 150",
                                     "print ab", "sleep 150", "exit 0"});
        start(e);
        QCOMPARE(started.count(), 0); // told from the event loop
        QCOMPARE(readAll(e), (QList<QByteArray>{"first, a long line of output\n", "ab"}));
        QCOMPARE(started.count(), 1);

        setFakeScript(m_tmp.path(), {"print z"});
        start(e, 4095);
        QCOMPARE(readAll(e), QList<QByteArray>{"z"});
        QVERIFY(!e.isRunning());
    }

    void readsAreBounded()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print " + QString(10000, u'x')});
        start(e, 4095);
        const QList<QByteArray> chunks = readAll(e);
        QByteArray joined;
        for (const QByteArray &c : chunks) {
            QVERIFY(c.size() <= 4095);
            joined += c;
        }
        QCOMPARE(joined, QByteArray(10000, 'x'));
    }

    void standardErrorMergedAndArguments()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"stderr err\\n", "sleep 50", "args"});
        start(e, 4096, {"-i", "a b \"c\".avi"});
        QByteArray all;
        for (const QByteArray &c : readAll(e))
            all += c;
        QCOMPARE(all, QByteArray("err\narg:-i\narg:a b \"c\".avi\n"));
    }

    void exitStatus()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print x", "exit 3"});
        start(e);
        readAll(e);
        QCOMPARE(e.exitCode(), 3);
        QVERIFY(!e.crashed());

        setFakeScript(m_tmp.path(), {"print x", "crash"});
        start(e);
        readAll(e);
        QVERIFY(e.crashed());
    }

    void startFailure()
    {
        EncoderProcess e;
        QSignalSpy failed(&e, &EncoderProcess::failedToStart);
        QSignalSpy finished(&e, &EncoderProcess::finished);
        start(e, 4096, {"-i", "x"}, m_tmp.filePath("no-such-encoder"));
        QCOMPARE(failed.count(), 0); // told from the event loop
        QVERIFY(failed.wait(5000));
        QVERIFY(!failed[0][0].toString().isEmpty());
        QCOMPARE(e.errorString(), failed[0][0].toString());
        QVERIFY(!e.isRunning());
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);
        QVERIFY(m_chunks.isEmpty());
    }

    // Asked to end, an encoder ends at once; one that ignores the request
    // is killed three seconds later. Nothing waits meanwhile.
    void requestEnd_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("ends when asked") << QStringList{"print ready", "sleep 60000"} << 0 << 2000;
        QTest::newRow("ignores the request")
            << QStringList{"ignoreterm", "print ready", "sleep 60000"} << 2900 << 10000;
    }
    void requestEnd()
    {
        QFETCH(QStringList, script);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        EncoderProcess e;
        setFakeScript(m_tmp.path(), script);
        start(e);
        // Once it has printed, the request to end is certainly ignored.
        QTRY_COMPARE(m_chunks, QList<QByteArray>{"ready"});
        QSignalSpy finished(&e, &EncoderProcess::finished);
        QElapsedTimer t;
        t.start();
        e.requestEnd();
        QVERIFY(t.elapsed() < 100);
        QVERIFY(finished.wait(15000));
        QVERIFY2(t.elapsed() >= minMs && t.elapsed() < maxMs, QByteArray::number(t.elapsed()));
        QVERIFY(!e.isRunning());
    }

    // Paused, the encoder is stopped by the system; resumed it goes on.
    // Asked to end or ended while paused, it is continued first: a paused
    // encoder is never left behind. Without a process control it cannot be
    // paused.
    void pauseAndResume()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print ready", "sleep 300", "print done"});
        start(e);
        QTRY_COMPARE(m_chunks.size(), 1);
        QVERIFY(!e.pause());
        SystemProcessControl control;
        e.setProcessControl(&control);
        QVERIFY(e.pause());
        QVERIFY(e.isPaused());
        QTRY_COMPARE(processState(e.processId()), 'T');
        QTest::qWait(500);
        QCOMPARE(m_chunks.size(), 1);
        QVERIFY(e.resume());
        QVERIFY(!e.isPaused());
        QCOMPARE(readAll(e), (QList<QByteArray>{"ready", "done"}));
        QVERIFY(!e.pause()); // ended

        // Ending while paused.
        RecordingProcessControl recording;
        for (const bool endAtOnce : {false, true}) {
            recording.calls.clear();
            e.setProcessControl(&recording);
            setFakeScript(m_tmp.path(), {"sleep 60000"});
            start(e);
            QTRY_VERIFY(e.processId() > 0);
            const qint64 pid = e.processId();
            QVERIFY(e.pause());
            QSignalSpy finished(&e, &EncoderProcess::finished);
            if (endAtOnce)
                e.end();
            else
                e.requestEnd();
            QCOMPARE(recording.calls,
                     (QList<RecordingProcessControl::Call>{{"suspend", pid}, {"resume", pid}}));
            QTRY_VERIFY(processGone(pid));
            QTRY_VERIFY(!e.isRunning());
            QTest::qWait(50);
            QCOMPARE(finished.count(), endAtOnce ? 0 : 1);
        }
    }

    // The owner going away, or starting another encoder, ends the one that
    // runs at once: it is killed, tells nothing more and is never waited
    // for.
    void endedWithItsOwner()
    {
        auto *e = new EncoderProcess;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        start(*e, 4095);
        QTRY_VERIFY(e->processId() > 0);
        qint64 pid = e->processId();
        QElapsedTimer t;
        t.start();
        delete e;
        QVERIFY(t.elapsed() < 100);
        QTRY_VERIFY(processGone(pid));

        EncoderProcess restarted;
        QSignalSpy finished(&restarted, &EncoderProcess::finished);
        start(restarted);
        QTRY_VERIFY(restarted.processId() > 0);
        pid = restarted.processId();
        setFakeScript(m_tmp.path(), {"print second"});
        start(restarted);
        QTRY_VERIFY(processGone(pid));
        QCOMPARE(readAll(restarted), QList<QByteArray>{"second"});
        QCOMPARE(finished.count(), 1);
    }

    // Output flows to the sink as it is read in any event loop (a message
    // box's, say): nothing piles up, even from an encoder that prints
    // without pause.
    void outputFlowsInAnyEventLoop()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"flood 64"});
        qint64 received = 0;
        qint64 longest = 0;
        e.start(fakeEncoder(), {}, 4095, [&](const QByteArray &chunk) {
            received += chunk.size();
            longest = std::max(longest, qint64(chunk.size()));
        });
        QEventLoop other;
        connect(&e, &EncoderProcess::finished, &other, &QEventLoop::quit);
        other.exec();
        QCOMPARE(received, qint64(64) << 20);
        QCOMPARE(longest, qint64(4095));
    }
};

QTEST_GUILESS_MAIN(TestEncoderProcess)
#include "tst_encoderprocess.moc"
