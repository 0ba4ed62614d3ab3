#include "engine/encoderprocess.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
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
    bool start(EncoderProcess &e, qint64 maxBytes = 4096, const QStringList &args = {},
               const QString &program = fakeEncoder())
    {
        m_chunks.clear();
        return e.start(program, args, maxBytes,
                       [this](const QByteArray &chunk) { m_chunks << chunk; });
    }
    // Waits for the whole output of the running encoder.
    QList<QByteArray> readAll(EncoderProcess &e)
    {
        while (e.waitForOutput())
            ;
        return m_chunks;
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
        QVERIFY(start(e));
        QCOMPARE(readAll(e), (QList<QByteArray>{"first, a long line of output\n", "ab"}));

        setFakeScript(m_tmp.path(), {"print z"});
        QVERIFY(start(e, 4095));
        QCOMPARE(readAll(e), QList<QByteArray>{"z"});
        QVERIFY(!e.waitForOutput());
        QCOMPARE(m_chunks.size(), 1);
    }

    void readsAreBounded()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print " + QString(10000, u'x')});
        QVERIFY(start(e, 4095));
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
        QVERIFY(start(e, 4096, {"-i", "a b \"c\".avi"}));
        QByteArray all;
        for (const QByteArray &c : readAll(e))
            all += c;
        QCOMPARE(all, QByteArray("err\narg:-i\narg:a b \"c\".avi\n"));
    }

    void exitStatus()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"print x", "exit 3"});
        QVERIFY(start(e));
        readAll(e);
        QCOMPARE(e.exitCode(), 3);
        QVERIFY(!e.crashed());

        setFakeScript(m_tmp.path(), {"print x", "crash"});
        QVERIFY(start(e));
        readAll(e);
        QVERIFY(e.crashed());
    }

    void startFailure()
    {
        EncoderProcess e;
        QVERIFY(!start(e, 4096, {"-i", "x"}, m_tmp.filePath("no-such-encoder")));
        QVERIFY(!e.errorString().isEmpty());
        QVERIFY(!e.isRunning());
        QVERIFY(!e.waitForOutput());
        QVERIFY(m_chunks.isEmpty());
        e.TerminateEncoder(); // nothing to end
    }

    void terminateAndTimeout()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(start(e));
        QElapsedTimer t;
        t.start();
        QVERIFY(!e.waitForOutput(200));
        QVERIFY(e.timedOut());
        QVERIFY(t.elapsed() >= 150);
        QVERIFY(e.isRunning());
        e.TerminateEncoder();
        QVERIFY(!e.isRunning());
        QVERIFY(t.elapsed() < 3000);
        QVERIFY(!e.waitForOutput());
        QVERIFY(!e.timedOut());
        e.TerminateEncoder(); // ended already: no effect
    }

    // An encoder that does not end when asked is killed after three seconds.
    void terminateKillsAnEncoderThatIgnoresTheRequest()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"ignoreterm", "print ready", "sleep 60000"});
        QVERIFY(start(e));
        // Once it has printed, the request to end is certainly ignored.
        QVERIFY(e.waitForOutput(5000));
        QCOMPARE(m_chunks, QList<QByteArray>{"ready"});
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
        QVERIFY(start(e, 4095));
        bool ended = false;
        QTimer::singleShot(0, this, [&] {
            QCoreApplication::exit(0);
            while (e.waitForOutputProcessingEvents())
                ;
            ended = true;
        });
        QCoreApplication::exec();
        QVERIFY(ended);
        QCOMPARE(m_chunks, QList<QByteArray>{"done"});
        QVERIFY(!e.isRunning());
    }

    // The owner going away during the wait ends it; nothing of the
    // destroyed object is touched afterwards.
    void destroyedWhileWaiting()
    {
        auto *e = new EncoderProcess;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(start(*e, 4095));
        QTimer::singleShot(100, this, [&e] {
            delete e;
            e = nullptr;
        });
        EncoderProcess *waiting = e;
        QVERIFY(!waiting->waitForOutputProcessingEvents());
        QVERIFY(!e);
        QVERIFY(m_chunks.isEmpty());
    }

    // Starting another encoder during the wait ends the wait for the first.
    void restartedWhileWaiting()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 60000"});
        QVERIFY(start(e));
        QTimer::singleShot(100, this, [&] {
            setFakeScript(m_tmp.path(), {"print second"});
            QVERIFY(start(e));
        });
        QElapsedTimer t;
        t.start();
        QVERIFY(!e.waitForOutputProcessingEvents());
        QVERIFY2(t.elapsed() < 10000, QByteArray::number(t.elapsed()));
        QVERIFY(e.waitForOutput(5000));
        QCOMPARE(m_chunks, QList<QByteArray>{"second"});
    }

    // While waiting for output, the window's timers still run.
    void readProcessingEvents()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"sleep 300", "print done"});
        QVERIFY(start(e, 4095));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(20);
        QVERIFY(e.waitForOutputProcessingEvents());
        QCOMPARE(m_chunks, QList<QByteArray>{"done"});
        QVERIFY(ticks >= 3);
        QVERIFY(!e.waitForOutputProcessingEvents());
        QCOMPARE(m_chunks.size(), 1);
    }

    // Output flows to the sink as it is read in any event loop (a message
    // box's, say), not only while waiting for it: nothing piles up, even
    // from an encoder that prints without pause.
    void outputFlowsInAnyEventLoop()
    {
        EncoderProcess e;
        setFakeScript(m_tmp.path(), {"flood 64"});
        qint64 received = 0;
        qint64 longest = 0;
        QVERIFY(e.start(fakeEncoder(), {}, 4095, [&](const QByteArray &chunk) {
            received += chunk.size();
            longest = std::max(longest, qint64(chunk.size()));
        }));
        QEventLoop other;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &other, [&] {
            if (!e.isRunning())
                other.quit();
        });
        poll.start(10);
        other.exec();
        QCOMPARE(received, qint64(64) << 20);
        QCOMPARE(longest, qint64(4095));
    }
};

QTEST_GUILESS_MAIN(TestEncoderProcess)
#include "tst_encoderprocess.moc"
