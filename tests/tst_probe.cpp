#include "engine/probe.h"
#include "engine/prober.h"
#include "engine/tasktext.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// A report as this encoder prints it for one file, with the given stream lines.
QString report(const QString &path, const QString &streams)
{
    return QStringLiteral("ffmpeg version 5.1 Copyright (c) 2000-2022 the FFmpeg developers\n"
                          "  configuration: --enable-gpl --enable-libx264\n"
                          "Input #0, avi, from '") +
           path +
           QStringLiteral("':\n"
                          "  Metadata:\n"
                          "    software        : Lavf59.27.100\n"
                          "  Duration: 00:01:05.40, start: 0.000000, bitrate: 1234 kb/s\n") +
           streams + QStringLiteral("At least one output file must be specified\n");
}

// Script lines for the fake encoder that print bytes in pieces of the given
// size with a pause between them. Bytes are written as \xHH escapes so that
// a piece may end inside a multi-byte letter.
QStringList pieces(const QByteArray &bytes, int size, int pauseMs)
{
    QStringList lines;
    for (qsizetype i = 0; i < bytes.size(); i += size) {
        QString line = QStringLiteral("print ");
        for (const char c : bytes.mid(i, size))
            line += QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
        lines << line << QStringLiteral("sleep %1").arg(pauseMs);
    }
    return lines;
}

// Starts a batch and waits for its end; the results handed on, by index.
QMap<int, ProbeResults> probeBatch(Prober &prober, const QStringList &paths)
{
    QMap<int, ProbeResults> results;
    const QMetaObject::Connection taking = QObject::connect(
        &prober, &Prober::inputProbed, &prober, [&results](int index, const ProbeResults &r) {
            QVERIFY(!results.contains(index));
            results.insert(index, r);
        });
    QSignalSpy finished(&prober, &Prober::finished);
    prober.start(paths);
    if (!finished.wait(20000))
        qWarning("the batch did not end");
    QObject::disconnect(taking);
    return results;
}

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_clips;
    std::unique_ptr<ProgramDir> m_realDir;
    std::unique_ptr<ProgramDir> m_fakeDir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_clips.isValid());
        m_realDir = std::make_unique<ProgramDir>(ffmpeg(), false);
        m_fakeDir = std::make_unique<ProgramDir>(fakeEncoder(), false);
        QVERIFY(m_realDir->isValid());
        QVERIFY(m_fakeDir->isValid());
    }

    // The parsing steps on hand-written reports of the encoder's form.
    void parseReport_data()
    {
        const QString p = QStringLiteral("/v/a.avi");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("frameSize");
        QTest::newRow("plain stream line")
            << report(p, "    Stream #0.0: Video: mpeg4, yuv420p, 640x480, 25.00 fps\n")
            << "00:01:05.40"
            << " 640x480";
        QTest::newRow("commas in the pixel format")
            << report(p, "  Stream #0:0: Video: mpeg2video (Main), yuv420p(tv, progressive), "
                         "720x576 [SAR 16:15 DAR 4:3], 25 fps\n")
            << "00:01:05.40"
            << " 720x576";
        QTest::newRow("colour in the pixel format")
            << report(p, "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), "
                         "yuv420p(tv, bt709, progressive), 1920x1080 [SAR 1:1 DAR 16:9], "
                         "25 fps (default)\n")
            << "00:01:05.40"
            << " 1920x1080";
        QTest::newRow("size ends the line")
            << report(p, "  Stream #0:0: Video: rawvideo, rgb24, 32x16\n") << "00:01:05.40"
            << " 32x16";
        QTest::newRow("no video stream")
            << report(p, "  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n")
            << "00:01:05.40"
            << "";
        QTest::newRow("duration unknown")
            << QString("Input #0, mpeg, from '/v/a.avi':\n  Duration: N/A, start: 0.5, "
                       "bitrate: N/A\n  Stream #0:0: Video: mpeg1video, yuv420p, 352x240, 30 "
                       "fps\n")
            << "N/A"
            << " 352x240";
        QTest::newRow("not a media file")
            << QString("/v/a.avi: Invalid data found when processing input\n") << ""
            << "";
        QTest::newRow("nothing printed") << QString() << ""
                                         << "";
        // The mention of the file comes first: a "Duration" before it (here in
        // the path of another input) is not read.
        QTest::newRow("text before the file is skipped")
            << QString("Duration: 11:11:11.00, x\n") + report(p, "  Stream: Video: a, b, 2x2\n")
            << "00:01:05.40"
            << " 2x2";
    }
    void parseReport()
    {
        QFETCH(QString, text);
        QFETCH(QString, duration);
        QFETCH(QString, frameSize);
        const ProbeResult r = ParseProbeReport(text, QStringLiteral("/v/a.avi"));
        QCOMPARE(r.duration, duration);
        QCOMPARE(r.frameSize, frameSize);
    }

    // Real reports of the encoder for clips made now.
    void realClips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("frameSize");
        const auto video = [](const char *size, int secs) {
            return QStringList{"-f", "lavfi", "-i",
                               QString("testsrc=size=%1:rate=25:duration=%2").arg(size).arg(secs)};
        };
        const QStringList sine{"-f", "lavfi", "-i", "sine=frequency=440:duration=3"};
        QTest::newRow("avi mpeg4")
            << "a.avi"
            << video("320x240", 2) + sine + QStringList{"-c:v", "mpeg4", "-c:a", "mp3", "-shortest"}
            << 2.0 << " 320x240";
        QTest::newRow("mp4 h264 bt709")
            << "b.mp4"
            << video("352x288", 3) + QStringList{"-c:v",        "libx264",    "-preset",
                                                 "ultrafast",   "-pix_fmt",   "yuv420p",
                                                 "-colorspace", "bt709",      "-color_primaries",
                                                 "bt709",       "-color_trc", "bt709"}
            << 3.0 << " 352x288";
        QTest::newRow("wmv") << "c.wmv"
                             << video("176x144", 2) + sine +
                                    QStringList{"-c:v", "wmv2", "-c:a", "wmav2", "-shortest"}
                             << 2.0 << " 176x144";
        QTest::newRow("mov mjpeg")
            << "d.mov" << video("400x300", 2) + QStringList{"-c:v", "mjpeg"} << 2.0 << " 400x300";
        QTest::newRow("mpg mpeg2")
            << "e.mpg"
            << video("720x576", 2) + sine +
                   QStringList{"-c:v", "mpeg2video", "-c:a", "mp2", "-shortest"}
            << 2.0 << " 720x576";
        QTest::newRow("audio only") << "f.mp4" << sine + QStringList{"-c:a", "aac"} << 3.0 << "";
        QTest::newRow("blanks quotes letters")
            << "it's a \"clip\" – Größe 1.avi" << video("160x120", 2) + QStringList{"-c:v", "mpeg4"}
            << 2.0 << " 160x120";
    }
    void realClips()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, args);
        QFETCH(double, seconds);
        QFETCH(QString, frameSize);
        const QString path = makeClip(m_clips.filePath(name), args);
        QVERIFY2(!path.isEmpty(), "clip generation failed");

        Prober prober(m_realDir->file("wmaspi.dll"));
        QSignalSpy chunks(&prober, &Prober::chunkRead);
        testsupport::probeFile(prober, path);

        // The duration is the encoder's own text, hours to hundredths.
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d$")
                     .match(prober.duration())
                     .hasMatch(),
                 qPrintable(prober.duration()));
        QVERIFY2(qAbs(StrToSeconds(prober.duration()) - seconds) < 0.2,
                 qPrintable(prober.duration()));
        QCOMPARE(prober.frameSize(), frameSize);
        QCOMPARE(prober.rangeStart(), QStringLiteral("00:00:00.0"));
        QCOMPARE(prober.rangeEnd(), prober.duration());
        QVERIFY(!prober.lastTimedOut());

        // The parser gives the same on the report in one piece, and the
        // chunks joined are that report.
        const ProbeResult whole = ParseProbeReport(prober.lastReport(), path);
        QCOMPARE(whole.duration, prober.duration());
        QVERIFY(chunks.count() >= 1);
        QString joined;
        for (const QList<QVariant> &c : chunks)
            joined += c.at(0).toString();
        QCOMPARE(joined, prober.lastReport());
        QCOMPARE(prober.lastChunk(), chunks.last().at(0).toString());
    }

    // The same report in many small reads, lines and letters cut anywhere.
    void splitReport_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("3 bytes") << 3;
        QTest::newRow("17 bytes") << 17;
        QTest::newRow("64 bytes") << 64;
    }
    void splitReport()
    {
        QFETCH(int, pieceSize);
        const QString path = QStringLiteral("/media/Größe – ü/clip one.avi");
        const QString text =
            report(path, "  Stream #0:0: Video: mpeg2video (Main), yuv420p(tv, progressive), "
                         "720x576 [SAR 16:15 DAR 4:3], 25 fps\n");
        const QByteArray bytes = text.toUtf8();
        QStringList script = pieces(bytes.left(bytes.size() - 5), pieceSize, 2);
        // A short last read after longer ones, on its own.
        script << "sleep 100" << pieces(bytes.right(5), 5, 0);
        setFakeScript(m_clips.path(), script);

        Prober prober(m_fakeDir->file("wmaspi.dll"));
        QSignalSpy chunks(&prober, &Prober::chunkRead);
        testsupport::probeFile(prober, path);

        QCOMPARE(prober.duration(), QStringLiteral("00:01:05.40"));
        QCOMPARE(prober.frameSize(), QStringLiteral(" 720x576"));
        QCOMPARE(prober.rangeEnd(), QStringLiteral("00:01:05.40"));
        QCOMPARE(prober.lastReport(), text);
        QVERIFY2(chunks.count() > 3, qPrintable(QString::number(chunks.count())));
        // The last chunk is exactly the last read, nothing of the longer
        // reads before it.
        QCOMPARE(prober.lastChunk(), QString::fromUtf8(bytes.right(5)));
    }

    // Without a time limit the probe waits for the whole report.
    void noTimeLimit()
    {
        setFakeScript(m_clips.path(),
                      {"sleep 200", "print Input #0, avi, from '$last':\\n", "sleep 200",
                       "print   Duration: 00:00:04.20, start: 0, bitrate: 1 kb/s\\n  Stream "
                       "#0:0: Video: mpeg4, yuv420p, 48x32, 25 fps\\n"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        prober.setTimeoutMs(-1);
        testsupport::probeFile(prober, "/v/slow.avi");
        QVERIFY(!prober.lastTimedOut());
        QCOMPARE(prober.duration(), QStringLiteral("00:00:04.20"));
        QCOMPARE(prober.frameSize(), QStringLiteral(" 48x32"));
    }

    void encoderArguments()
    {
        setFakeScript(m_clips.path(), {"args"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        const QString path = QStringLiteral("/tmp/a \"b\" 'c' ü.avi");
        testsupport::probeFile(prober, path);
        QCOMPARE(prober.lastReport(), QStringLiteral("arg:-i\narg:") + path + u'\n');
    }

    // Decided: a probe that cannot start the encoder leaves no texts of an
    // earlier file behind.
    void missingEncoder()
    {
        ProgramDir dir(fakeEncoder(), false);
        setFakeScript(
            m_clips.path(),
            {"print " +
             report("$last", "  Stream: Video: mpeg4, yuv420p, 64x48, 1\\n").replace("\n", "\\n")});
        Prober prober(dir.file("wmaspi.dll"));
        testsupport::probeFile(prober, "/v/first.avi");
        QCOMPARE(prober.duration(), QStringLiteral("00:01:05.40"));
        QCOMPARE(prober.frameSize(), QStringLiteral(" 64x48"));

        QVERIFY(QFile::remove(dir.file("wmaspi.dll")));
        testsupport::probeFile(prober, "/v/second.avi");
        QCOMPARE(prober.duration(), QString());
        QCOMPARE(prober.frameSize(), QString());
        QCOMPARE(prober.rangeStart(), QString());
        QCOMPARE(prober.rangeEnd(), QString());
    }

    // One encoder asked about several files tells of each what a probe of
    // that file alone tells. A file it cannot open ends its report there:
    // that file and those after it are left to probes of their own.
    void batchOfRealClips()
    {
        const QStringList video{"-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=2"};
        const QStringList sine{"-f", "lavfi", "-i", "sine=frequency=440:duration=3"};
        const QStringList paths{
            makeClip(m_clips.filePath("batch one.avi"), video + QStringList{"-c:v", "mpeg4"}),
            makeClip(m_clips.filePath("-batch 'two' Größe.mp4"), sine + QStringList{"-c:a", "aac"}),
            makeClip(m_clips.filePath("batch three.mov"), video + QStringList{"-c:v", "mjpeg"}),
            m_clips.filePath("batch missing.avi"),
            makeClip(m_clips.filePath("batch five.avi"), video + QStringList{"-c:v", "mpeg4"})};
        QVERIFY(!paths.contains(QString()));
        Prober batch(m_realDir->file("wmaspi.dll"));
        const QMap<int, ProbeResults> results = probeBatch(batch, paths);
        QCOMPARE(results.keys(), (QList<int>{0, 1, 2}));
        QCOMPARE(batch.unansweredFrom(), 3);
        QVERIFY(!batch.startFailed());
        for (int k = 0; k < 3; ++k) {
            Prober alone(m_realDir->file("wmaspi.dll"));
            testsupport::probeFile(alone, paths[k]);
            QVERIFY(!alone.duration().isEmpty());
            QCOMPARE(results[k].duration, alone.duration());
            QCOMPARE(results[k].frameSize, alone.frameSize());
            QCOMPARE(results[k].rangeStart, alone.rangeStart());
            QCOMPARE(results[k].rangeEnd, alone.rangeEnd());
        }
        QCOMPARE(results[1].frameSize, QString()); // no video
        QCOMPARE(results[2].frameSize, QStringLiteral(" 176x144"));
    }

    // Each file's results are handed on as soon as its report is complete;
    // one the encoder stalls on, and those after it, get none.
    void batchStalls()
    {
        setFakeScript(m_clips.path(),
                      {"print Input #0, avi, from '$last':\\n  Duration: 00:00:07.50, start: 0\\n"
                       "  Stream #0:0: Video: mpeg4, yuv420p, 48x32, 25 fps\\n",
                       "sleepif stall 60000"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        prober.setTimeoutMs(1500);
        // Whether each result came before the encoder was ended.
        QMap<int, bool> early;
        connect(&prober, &Prober::inputProbed, this, [&](int index, const ProbeResults &) {
            early.insert(index, !prober.lastTimedOut());
        });
        const QMap<int, ProbeResults> results =
            probeBatch(prober, {"/v/a.avi", "/v/b.avi", "/v/stall.avi", "/v/c.avi"});
        QCOMPARE(results.keys(), (QList<int>{0, 1}));
        QCOMPARE(early.value(1), true);
        QCOMPARE(results[1].duration, QStringLiteral("00:00:07.50"));
        QCOMPARE(results[1].frameSize, QStringLiteral(" 48x32"));
        QVERIFY(prober.lastTimedOut());
        QCOMPARE(prober.unansweredFrom(), 2);

        // An encoder that cannot be started answers nothing.
        Prober missing(m_clips.filePath("no-encoder"));
        QVERIFY(probeBatch(missing, {"/v/a.avi", "/v/b.avi"}).isEmpty());
        QVERIFY(missing.startFailed());
        QCOMPARE(missing.unansweredFrom(), 0);
    }

    void crashingEncoder()
    {
        setFakeScript(m_clips.path(),
                      {"print Input #0, avi, from '$last':\\n  Duration: 00:00:07.50, start: 0, "
                       "bitrate: 1 kb/s\\n  Stream #0:0: Vid",
                       "crash"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        QElapsedTimer t;
        t.start();
        testsupport::probeFile(prober, "/v/crash.avi");
        QVERIFY(t.elapsed() < 5000);
        QVERIFY(prober.crashed());
        QCOMPARE(prober.duration(), QStringLiteral("00:00:07.50"));
        QCOMPARE(prober.frameSize(), QString());
        QVERIFY(!prober.lastTimedOut());
    }

    // An encoder that floods after its report: the probe keeps the first
    // megabyte, where everything it needs stands, and ends there.
    void floodingEncoder()
    {
        setFakeScript(m_clips.path(),
                      {"print Input #0, avi, from '$last':\\n  Duration: 00:00:07.50, start: 0, "
                       "bitrate: 1 kb/s\\n  Stream #0:0: Video: mpeg4, yuv420p, 48x32, 25 fps\\n",
                       "flood 0"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        prober.setTimeoutMs(2000);
        QElapsedTimer t;
        t.start();
        testsupport::probeFile(prober, "/v/flood.avi");
        QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!prober.lastTimedOut());
        QCOMPARE(prober.duration(), QStringLiteral("00:00:07.50"));
        QCOMPARE(prober.frameSize(), QStringLiteral(" 48x32"));
        QCOMPARE(prober.lastReport().toUtf8().size(), ProbeReport::MaxBytes);
    }

    // Decided: a probe that does not end is ended after the time limit and
    // keeps what was read until then.
    void silentEncoderTimesOut()
    {
        setFakeScript(m_clips.path(),
                      {"print Input #0, avi, from '$last':\\n  Duration: 00:00:09.00, start: 0, "
                       "bitrate: 1 kb/s\\n",
                       "sleep 60000"});
        Prober prober(m_fakeDir->file("wmaspi.dll"));
        QCOMPARE(prober.timeoutMs(), 30000);
        prober.setTimeoutMs(600);
        QElapsedTimer t;
        t.start();
        testsupport::probeFile(prober, "/v/stalled.avi");
        const qint64 took = t.elapsed();
        QVERIFY2(took >= 500 && took < 5000, qPrintable(QString::number(took)));
        QVERIFY(prober.lastTimedOut());
        QCOMPARE(prober.duration(), QStringLiteral("00:00:09.00"));
        QCOMPARE(prober.rangeStart(), QStringLiteral("00:00:00.0"));

        // Nothing printed at all.
        setFakeScript(m_clips.path(), {"sleep 60000"});
        testsupport::probeFile(prober, "/v/silent.avi");
        QVERIFY(prober.lastTimedOut());
        QCOMPARE(prober.duration(), QString());
        QCOMPARE(prober.lastChunk(), QStringLiteral("Input #0, avi, from '/v/stalled.avi':\n"
                                                    "  Duration: 00:00:09.00, start: 0, "
                                                    "bitrate: 1 kb/s\n"));
    }

    // A FIFO named like a video: the real encoder waits for a writer forever.
    void fifoSourceTimesOut()
    {
        const QString fifo = m_clips.filePath("pipe.avi");
        QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0);
        Prober prober(m_realDir->file("wmaspi.dll"));
        prober.setTimeoutMs(800);
        QElapsedTimer t;
        t.start();
        testsupport::probeFile(prober, fifo);
        QVERIFY(t.elapsed() < 8000);
        QVERIFY(prober.lastTimedOut());
    }
};

QTEST_GUILESS_MAIN(TestProbe)
#include "tst_probe.moc"
