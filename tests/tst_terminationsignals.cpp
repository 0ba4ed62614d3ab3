#include "platform/terminationsignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// SIGTERM and SIGINT reach the program through its event loop instead of
// ending it at once.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void deliveredByTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void deliveredByTheEventLoop()
    {
        QFETCH(int, signalNumber);
        TerminationSignals handler;
        QVERIFY(handler.isActive());
        QSignalSpy spy(&handler, &TerminationSignals::received);
        QCOMPARE(::raise(signalNumber), 0); // the process goes on
        QCOMPARE(spy.size(), 0);            // until the loop runs
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toInt(), signalNumber);
    }

    // From the chosen signal on, the handler itself ends the program.
    void exitFromSignal_data()
    {
        QTest::addColumn<int>("raised");
        QTest::addColumn<int>("status");
        QTest::newRow("two of three") << 2 << 0;
        QTest::newRow("the third") << 3 << 77;
    }
    void exitFromSignal()
    {
        QFETCH(int, raised);
        QFETCH(int, status);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            TerminationSignals handler;
            handler.setExitFromSignal(3, 77);
            for (int i = 0; i < raised; ++i)
                ::raise(SIGINT);
            ::_exit(0); // still here
        }
        int wstatus = 0;
        QCOMPARE(::waitpid(child, &wstatus, 0), child);
        QVERIFY(WIFEXITED(wstatus));
        QCOMPARE(WEXITSTATUS(wstatus), status);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
