// The per-task logs: their memory bounds, and what a failed task's summary
// takes from an encoder's output.
#include "engine/tasklogs.h"

#include <QTest>

class TestTaskLogs : public QObject
{
    Q_OBJECT
private slots:
    // One task's flood keeps its last 256 KB, from a whole line on; all
    // logs together stay within 64 MB, dropping logs of conversions that
    // succeeded first, never the one being written.
    void bounds()
    {
        TaskLogs logs;
        logs.begin(1, QStringLiteral("cmd"));
        QByteArray chunk;
        int line = 0;
        for (qsizetype written = 0; written < 3 * TaskLogs::TaskLimit; written += chunk.size()) {
            chunk.clear();
            while (chunk.size() < 4000)
                chunk += "line " + QByteArray::number(++line) + '\n';
            logs.append(1, chunk);
        }
        const QByteArray kept = logs.output(1);
        QVERIFY(logs.truncated(1));
        QVERIFY(kept.size() <= TaskLogs::TaskLimit && kept.size() > TaskLogs::TaskLimit - 100);
        QVERIFY(kept.startsWith("line "));
        QVERIFY(kept.endsWith("line " + QByteArray::number(line) + '\n'));
        QCOMPARE(logs.totalBytes(), TaskLogs::TaskLimit);
        QVERIFY(logs.text(1).startsWith(QStringLiteral("cmd\n\n(The beginning of the output was "
                                                       "left out: only its last 256 KB are "
                                                       "kept.)\nline ")));

        // 300 more full logs, every third one failed: those that succeeded
        // go first, the oldest first.
        const QByteArray full(TaskLogs::TaskLimit, 'x');
        for (quint64 id = 2; id < 302; ++id) {
            logs.begin(id, QString());
            logs.append(id, full);
            logs.finish(id, id % 3 != 0, QString());
            QVERIFY(logs.totalBytes() <= TaskLogs::TotalLimit);
        }
        QCOMPARE(logs.count(), int(TaskLogs::TotalLimit / TaskLogs::TaskLimit));
        for (quint64 id = 3; id < 302; id += 3)
            QVERIFY2(logs.contains(id), QByteArray::number(id));
        QVERIFY(logs.contains(1)); // not finished: kept before any that succeeded
        QVERIFY(!logs.contains(2));
        QVERIFY(logs.contains(301));

        // Then the oldest; the log being written is never dropped, however
        // small the bound.
        TaskLogs small(10, 10);
        small.begin(7, QString());
        small.begin(8, QString());
        small.append(7, "0123456789");
        small.append(8, "abcdefghijklmnopq");
        QVERIFY(!small.contains(7));
        QCOMPARE(small.output(8), QByteArray()); // no whole line left
        small.append(8, "\nrest");
        QCOMPARE(small.output(8), QByteArray("rest")); // from the first whole line
    }

    void failureSummary_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("summary");
        const QByteArray banner = "ffmpeg version 5.1.6-0+deb12u1 Copyright (c) 2000-2024\n"
                                  "  built with gcc 12 (Debian 12.2.0-14)\n"
                                  "  configuration: --prefix=/usr --enable-error-resilience\n"
                                  "  libavutil      57. 28.100 / 57. 28.100\n"
                                  "  libavcodec     59. 37.100 / 59. 37.100\n";
        QTest::newRow("missing source") << banner + "/in/a.avi: No such file or directory\n"
                                        << "The encoder ended with exit status 1."
                                        << "/in/a.avi: No such file or directory";
        QTest::newRow("last three error lines, progress left out")
            << banner +
                   "Unrecognized option 'bogus'.\nError splitting the argument list: Option not "
                   "found\nframe=  10 fps=0.0 q=0.0 size=0kB time=00:00:01.00 bitrate=N/A\r"
                   "Invalid argument\nConversion failed!\n"
            << ""
            << "Error splitting the argument list: Option not found\nInvalid argument\n"
               "Conversion failed!";
        QTest::newRow("rewritten line shows its last version")
            << QByteArray("Error opening output\rfile /out/a.mp4: Permission denied\r\n") << ""
            << "file /out/a.mp4: Permission denied";
        QTest::newRow("no error lines: the reason")
            << banner + "frame=  10 fps=0.0 q=0.0 size=0kB time=00:00:01.00 bitrate=N/A\r"
            << "The encoder crashed."
            << "The encoder crashed.";
        QTest::newRow("nothing printed") << QByteArray() << "The encoder crashed."
                                         << "The encoder crashed.";
    }
    void failureSummary()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, reason);
        QFETCH(QString, summary);
        TaskLogs logs;
        logs.begin(5, QStringLiteral("wmaspi.dll -y -i a.avi a.mp4"));
        // In chunks, as it comes.
        for (qsizetype i = 0; i < output.size(); i += 7)
            logs.append(5, output.mid(i, 7));
        logs.finish(5, false, reason);
        QCOMPARE(logs.failureSummary(5), summary);
        QCOMPARE(logs.output(5), output);
        QVERIFY(logs.text(5).startsWith(QStringLiteral("wmaspi.dll -y -i a.avi a.mp4\n")));
        QVERIFY(logs.text(5).endsWith(reason.isEmpty() ? summary : reason));
    }
};

QTEST_GUILESS_MAIN(TestTaskLogs)
#include "tst_tasklogs.moc"
