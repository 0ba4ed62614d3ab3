#include "engine/tasktext.h"

#include <QLocale>
#include <QTest>

class TestTaskText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A locale whose decimal separator is a comma must not change time texts.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        qputenv("LC_ALL", "de_DE.UTF-8");
    }

    void strToSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds");
        QTest::newRow("hms") << "01:02:03" << 3723.0;
        QTest::newRow("short parts with fraction") << "1:2:3.5" << 3723.5;
        QTest::newRow("probe duration") << "00:02:05.40" << 125.4;
        QTest::newRow("zero with tenth") << "00:00:00.0" << 0.0;
        QTest::newRow("hundred hours") << "100:00:00" << 360000.0;
        QTest::newRow("minutes above 59") << "00:75:00" << 4500.0;
        QTest::newRow("two parts") << "12:34" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("letters") << "ab:00:00" << -1.0;
        QTest::newRow("leading point") << "00:00:.5" << -1.0;
        QTest::newRow("extra colon") << "00:00:1:2" << -1.0;
        QTest::newRow("N/A") << "N/A" << -1.0;
        QTest::newRow("comma fraction") << "00:00:01,5" << -1.0;
        QTest::newRow("negative parts") << "-1:00:00" << -3600.0;
        QTest::newRow("huge hours no overflow") << "1000000:00:00" << 3600000000.0;
        // Hours near the top of 64 bits: multiplying them by 3600 in an
        // integer would overflow.
        QTest::newRow("hours beyond 64-bit seconds")
            << "999999999999999999:00:00" << 999999999999999999.0 * 3600.0;
        QTest::newRow("minutes beyond 64-bit seconds")
            << "0:999999999999999999:00" << 999999999999999999.0 * 60.0;
        QTest::newRow("blank in seconds") << "00:00:01 " << -1.0;
        QTest::newRow("minus before zero hours") << "-00:00:01.5" << -1.5;
        QTest::newRow("minus applies to the whole") << "-1:30:00" << -5400.0;
        QTest::newRow("negative parts as written") << "-1:-30:00.5" << -5400.5;
        QTest::newRow("hours beyond 64-bit integers")
            << "99999999999999999999:00:00" << 1e20 * 3600.0;
        QTest::newRow("hours beyond any number") << QString(400, u'9') + ":00:00" << -1.0;
    }
    void strToSeconds()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        QCOMPARE(StrToSeconds(text), seconds);
    }

    void secondsToStr_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "00:00:00";
        QTest::newRow("hms") << 3723.0 << "01:02:03";
        QTest::newRow("half") << 3723.5 << "01:02:03.5";
        QTest::newRow("tie to even") << 90.25 << "00:01:30.2";
        QTest::newRow("hundred hours") << 360000.0 << "100:00:00";
        QTest::newRow("carry into minute") << 59.96 << "00:01:00";
        QTest::newRow("carry into hour") << 3599.97 << "01:00:00";
        QTest::newRow("probe length") << 125.4 << "00:02:05.4";
        // Beyond 64-bit whole seconds (an end time typed with a huge hour).
        QTest::newRow("hours beyond 64-bit seconds") << 3.6e21 << "1000000000000000000:00:00";
        QTest::newRow("negative beyond 64-bit seconds") << -3.6e21 << "-1000000000000000000:00:00";
        QTest::newRow("negative below a second") << -0.12 << "-00:00:00.1";
        QTest::newRow("negative") << -5400.5 << "-01:30:00.5";
    }
    void secondsToStr()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(SecondsToStr(seconds), text);
    }

    void roundTrip()
    {
        for (double s : {0.0, 0.1, 59.9, 61.5, 3600.0, 7322.3, 359999.9, -0.1, -1.5, -3599.5,
                         -5400.5, 9.223372036854775807e18 * 3600.0, 3.6e22})
            QCOMPARE(StrToSeconds(SecondsToStr(s)), s);
    }

    void stripAndBackslash()
    {
        QCOMPARE(StripFileExt("movie.avi"), QString("movie"));
        QCOMPARE(StripFileExt("movie"), QString("movie"));
        QCOMPARE(StripFileExt("a.b.mpg"), QString("a.b"));
        QCOMPARE(StripFileExt(".avi"), QString(""));
        QCOMPARE(AddBackslash("/out"), QString("/out/"));
        QCOMPARE(AddBackslash("/out/"), QString("/out/"));
        QCOMPARE(AddBackslash("/"), QString("/"));
        QCOMPARE(FileNamePart("/in/dir.v2/clip.avi"), QString("clip.avi"));
        QCOMPARE(FileNamePart("clip.avi"), QString("clip.avi"));
        QCOMPARE(FileNamePart("/in/"), QString(""));
    }

    void readDecimal()
    {
        double v = -7;
        QVERIFY(ReadDecimal("12.5", v));
        QCOMPARE(v, 12.5);
        QVERIFY(ReadDecimal("-3", v));
        QCOMPARE(v, -3.0);
        QVERIFY(ReadDecimal("4.", v));
        QCOMPARE(v, 4.0);
        // Refused texts leave the value as it was.
        v = -7;
        for (const char *bad : {"", ".", "-", "1,5", "1e3", " 1", "1 ", "1.2.3", "abc", "N/A"})
            QVERIFY2(!ReadDecimal(QString::fromLatin1(bad), v), bad);
        QVERIFY(!ReadDecimal(QString(400, u'9'), v));
        QCOMPARE(v, -7.0);
    }
};

QTEST_GUILESS_MAIN(TestTaskText)
#include "tst_tasktext.moc"
