#include "platform/terminationsignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

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
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
