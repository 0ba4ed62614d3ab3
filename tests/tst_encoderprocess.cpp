#include "engine/encoderprocess.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace testsupport;

class TestEncoderProcess : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;

    // Reads every chunk of the running encoder.
    static QList<QByteArray> readAll(EncoderProcess &e, qint64 maxBytes)
    {
        QList<QByteArray> chunks;
        QByteArray chunk;
        while (e.readChunk(chunk, maxBytes))
            chunks << chunk;
        return chunks;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    // A chunk is exactly the bytes of its read: no tail of a longer earlier
    // read, nothing of an earlier encoder.
    void chunksAreExactReads()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print first, a long line of output\\n", "sleep 150",
                                     "print ab", "sleep 150", "exit 0"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QCOMPARE(readAll(e, 4096), (QList<QByteArray>{"first, a long line of output\n", "ab"}));

        setFakeScript(m_tmp.path(), {"print z"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QCOMPARE(readAll(e, 4095), QList<QByteArray>{"z"});
        QByteArray after = "stale";
        QVERIFY(!e.readChunk(after, 4096));
        QVERIFY(after.isEmpty());
    }

    void readsAreBounded()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print " + QString(10000, u'x')});
        QVERIFY(e.start(fakeEncoder(), {}));
        const QList<QByteArray> chunks = readAll(e, 4095);
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
        QVERIFY(e.start(fakeEncoder(), {"-i", "a b \"c\".avi"}));
        QByteArray all;
        for (const QByteArray &c : readAll(e, 4096))
            all += c;
        QCOMPARE(all, QByteArray("err\narg:-i\narg:a b \"c\".avi\n"));
    }

    void exitStatus()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print x", "exit 3"});
        QVERIFY(e.start(fakeEncoder(), {}));
        readAll(e, 4096);
        QCOMPARE(e.exitCode(), 3);
        QVERIFY(!e.crashed());

        setFakeScript(m_tmp.path(), {"print x", "crash"});
        QVERIFY(e.start(fakeEncoder(), {}));
        readAll(e, 4096);
        QVERIFY(e.crashed());
    }

    void startFailure()
    {
        EncoderProcess e;
        QVERIFY(!e.start(m_tmp.filePath("no-such-encoder"), {"-i", "x"}));
        QVERIFY(!e.errorString().isEmpty());
        QVERIFY(!e.isRunning());
        QByteArray chunk;
        QVERIFY(!e.readChunk(chunk, 4096));
        e.TerminateEncoder(); // nothing to end
    }

    void terminateAndTimeout()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QByteArray chunk;
        QElapsedTimer t;
        t.start();
        QVERIFY(!e.readChunk(chunk, 4096, 200));
        QVERIFY(e.timedOut());
        QVERIFY(t.elapsed() >= 150);
        QVERIFY(e.isRunning());
        e.TerminateEncoder();
        QVERIFY(!e.isRunning());
        QVERIFY(t.elapsed() < 3000);
        QVERIFY(!e.readChunk(chunk, 4096));
        QVERIFY(!e.timedOut());
        e.TerminateEncoder(); // ended already: no effect
    }

    // An encoder that does not end when asked is killed after three seconds.
    void terminateKillsAnEncoderThatIgnoresTheRequest()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"ignoreterm", "print ready", "sleep 60000"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QByteArray chunk;
        // Once it has printed, the request to end is certainly ignored.
        QVERIFY(e.readChunk(chunk, 4096, 5000));
        QCOMPARE(chunk, QByteArray("ready"));
        QElapsedTimer t;
        t.start();
        e.TerminateEncoder();
        const qint64 took = t.elapsed();
        QVERIFY(!e.isRunning());
        QVERIFY2(took >= 2900 && took < 10000, QByteArray::number(took));
        QVERIFY(e.crashed());
    }

    // Once the application has been told to quit, no event loop runs any
    // more; the wait still sees the encoder's output and its end.
    void readProcessingEventsWhileTheApplicationQuits()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 200", "print done", "sleep 100"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QList<QByteArray> chunks;
        bool ended = false;
        QTimer::singleShot(0, this, [&] {
            QCoreApplication::exit(0);
            QByteArray chunk;
            while (e.readChunkProcessingEvents(chunk, 4095))
                chunks << chunk;
            ended = true;
        });
        QCoreApplication::exec();
        QVERIFY(ended);
        QCOMPARE(chunks, QList<QByteArray>{"done"});
        QVERIFY(!e.isRunning());
    }

    // The owner going away during the wait ends it; nothing of the
    // destroyed object is touched afterwards.
    void destroyedWhileWaiting()
    {
        auto *e = new EncoderProcess;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(e->start(fakeEncoder(), {}));
        QTimer::singleShot(100, this, [&e] {
            delete e;
            e = nullptr;
        });
        QByteArray chunk = "stale";
        EncoderProcess *waiting = e;
        QVERIFY(!waiting->readChunkProcessingEvents(chunk, 4095));
        QVERIFY(!e);
        QVERIFY(chunk.isEmpty());
    }

    // Starting another encoder during the wait ends the wait for the first.
    void restartedWhileWaiting()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(e.start(fakeEncoder(), {}));
        QTimer::singleShot(100, this, [&] {
            setFakeScript(m_tmp.path(), {"print second"});
            QVERIFY(e.start(fakeEncoder(), {}));
        });
        QElapsedTimer t;
        t.start();
        QByteArray chunk;
        QVERIFY(!e.readChunkProcessingEvents(chunk, 4095));
        QVERIFY2(t.elapsed() < 10000, QByteArray::number(t.elapsed()));
        QVERIFY(e.readChunk(chunk, 4096, 5000));
        QCOMPARE(chunk, QByteArray("second"));
    }

    // While waiting for output, the window's timers still run.
    void readProcessingEvents()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 300", "print done"});
        QVERIFY(e.start(fakeEncoder(), {}));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(20);
        QByteArray chunk;
        QVERIFY(e.readChunkProcessingEvents(chunk, 4095));
        QCOMPARE(chunk, QByteArray("done"));
        QVERIFY(ticks >= 3);
        QVERIFY(!e.readChunkProcessingEvents(chunk, 4095));
        QVERIFY(chunk.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEncoderProcess)
#include "tst_encoderprocess.moc"
