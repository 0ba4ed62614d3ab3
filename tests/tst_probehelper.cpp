// The media reader (quivercast-probe) and the probe queue that uses it: the
// same texts as the encoder's probe for every file, and an answer for every
// file whatever the reader does.
#include "engine/probehelper.h"
#include "engine/probequeue.h"
#include "engine/tasktext.h"
#include "settings/apppaths.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

struct Probed
{
    QMap<QString, ProbeResults> results; // by path
    QStringList order;                   // the paths as their results came
};

// Every file through the queue, each task id its index + 1.
Probed probeAll(ProbeQueue &queue, const QStringList &files, int timeoutMs = 60000)
{
    Probed probed;
    const QMetaObject::Connection taking = QObject::connect(
        &queue, &ProbeQueue::probed, &queue, [&](ProbeQueue::TaskId id, const ProbeResults &r) {
            const QString path = files.value(int(id) - 1);
            probed.results.insert(path, r);
            probed.order.append(path);
        });
    for (int i = 0; i < files.size(); ++i)
        queue.enqueue(ProbeQueue::TaskId(i + 1), files[i]);
    if (!QTest::qWaitFor([&] { return queue.isIdle(); }, timeoutMs))
        qWarning("the probes did not end");
    QObject::disconnect(taking);
    return probed;
}

// The reader's own answer on path: its facts, or no facts and the reason.
bool askReader(ProbeHelper &reader, const QString &path, MediaFacts &facts, QString &reason)
{
    QSignalSpy answered(&reader, &ProbeHelper::answered);
    QSignalSpy failed(&reader, &ProbeHelper::failed);
    reader.probe(path);
    if (!QTest::qWaitFor([&] { return answered.size() + failed.size() > 0; }, 60000))
        reason = QStringLiteral("no answer");
    else if (!answered.isEmpty())
        facts = answered.first().first().value<MediaFacts>();
    else
        reason = failed.first().first().toString();
    return !answered.isEmpty();
}

// The same bytes at every run.
QByteArray randomBytes(int size)
{
    QRandomGenerator random(21);
    QByteArray bytes(size, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// What the fake encoder reports about every file: told apart from what the
// reader finds in the real clips.
const QStringList EncoderReport{
    "print Input #0, avi, from '$last':\\n  Duration: 00:00:09.00, start: 0.000000\\n"
    "  Stream #0:0: Video: mpeg4, yuv420p, 99x99, 25 fps\\n"};

} // namespace

Q_DECLARE_METATYPE(MediaFacts)

class TestProbeHelper : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // The reader and the encoder as the program finds them beside itself.
    const AppPaths m_program = AppPaths::forProgram(binDir());
    QStringList m_corpus;
    QString m_clip; // one readable clip of the corpus

    QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<MediaFacts>();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(m_program.probeHelperPath()).isExecutable());
        const QStringList picture{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1"};
        const QStringList sound{"-f", "lavfi", "-i", "sine=duration=1"};
        const QStringList both = picture + sound;
        QVERIFY(writeFile(file("chapters.txt"), ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\n"
                                                "START=0\nEND=500\ntitle=Video, part one\n"));
        const QList<std::pair<QString, QStringList>> clips{
            {"h264 aac.mp4",
             both + QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"}},
            {"h265.mkv", picture + QStringList{"-c:v", "libx265", "-preset", "ultrafast",
                                               "-x265-params", "log-level=error"}},
            {"vp9 opus.webm", both + QStringList{"-c:v", "libvpx-vp9", "-deadline", "realtime",
                                                 "-cpu-used", "8", "-c:a", "libopus"}},
            {"mpeg4 mp3.avi", both + QStringList{"-c:v", "mpeg4", "-c:a", "libmp3lame"}},
            {"mjpeg pcm.mov", both + QStringList{"-c:v", "mjpeg", "-c:a", "pcm_s16le"}},
            {"mpeg-2 program stream.mpg",
             both + QStringList{"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"}},
            {"transport stream.ts", both + QStringList{"-c:v", "mpeg2video", "-c:a", "mp2"}},
            {"wmv2 wma.wmv", both + QStringList{"-c:v", "wmv2", "-c:a", "wmav2"}},
            {"flash.flv", both + QStringList{"-c:v", "flv", "-c:a", "libmp3lame", "-ar", "44100"}},
            {"theora vorbis.ogv", both + QStringList{"-c:v", "libtheora", "-c:a", "libvorbis"}},
            {"audio only.mp3", sound + QStringList{"-c:a", "libmp3lame"}},
            {"start offset.ts",
             both + QStringList{"-c:v", "mpeg2video", "-c:a", "mp2", "-output_ts_offset", "7.5"}},
            {"anamorphic.avi",
             QStringList{"-f", "lavfi", "-i", "testsrc=size=720x576:rate=25:duration=1", "-vf",
                         "setsar=16/15", "-c:v", "mpeg4"}},
            // A chapter title in the walk from the duration to the video
            // stream: the size is what the walk finds, right or not.
            {"chapter named video.mkv",
             picture + QStringList{"-f", "ffmetadata", "-i", file("chapters.txt"), "-map", "0",
                                   "-map_chapters", "1", "-c:v", "mpeg4"}},
        };
        for (const auto &[name, args] : clips) {
            QVERIFY2(!makeClip(file(name), args).isEmpty(), qPrintable(name));
            m_corpus << file(name);
        }
        m_clip = file("mpeg4 mp3.avi");
        const QByteArray mp4 = readFile(file("h264 aac.mp4"));
        const QByteArray ts = readFile(file("transport stream.ts"));
        const QList<std::pair<QString, QByteArray>> damaged{
            {"truncated.mp4", mp4.left(mp4.size() / 2)},
            {"truncated.ts", ts.left(ts.size() / 3)},
            {"random bytes.avi", randomBytes(64 * 1024)},
            {"empty.avi", QByteArray()},
            {"zeros.avi", QByteArray(64 * 1024, '\0')}};
        for (const auto &[name, bytes] : damaged) {
            QVERIFY(writeFile(file(name), bytes));
            m_corpus << file(name);
        }
        // A name with what a line of the reader's protocol must escape, and
        // what a command line must not take for an option.
        const QString odd = file("-odd 'name' \"ünï\"\nline\tbreak\\.avi");
        QVERIFY(QFile::link(m_clip, odd));
        m_corpus << odd;
    }

    // Every file of the corpus probed both ways: the texts of the rows are
    // the same, byte for byte. The reader reads every file but those the
    // library cannot open; for those the queue's answer is the encoder's.
    void sameAnswersAsTheEncoder()
    {
        ProbeQueue byEncoder(m_program.encoderPath());
        byEncoder.setLimitSource([] { return 2; });
        const Probed expected = probeAll(byEncoder, m_corpus);
        ProbeQueue byReader(m_program.encoderPath());
        byReader.setLimitSource([] { return 2; });
        byReader.setHelperProgram(m_program.probeHelperPath());
        QSignalSpy unavailable(&byReader, &ProbeQueue::helperUnavailable);
        const Probed probed = probeAll(byReader, m_corpus);
        QCOMPARE(unavailable.size(), 0);
        QCOMPARE(probed.results.size(), m_corpus.size());
        QCOMPARE(expected.results.size(), m_corpus.size());

        const QStringList unreadable{"truncated.mp4", "random bytes.avi", "empty.avi", "zeros.avi"};
        ProbeHelper reader(m_program.probeHelperPath(), Prober::DefaultTimeoutMs);
        for (const QString &path : m_corpus) {
            const ProbeResults e = expected.results.value(path);
            const ProbeResults r = probed.results.value(path);
            const QByteArray name = QFileInfo(path).fileName().toUtf8();
            QVERIFY2(r.duration == e.duration && r.frameSize == e.frameSize &&
                         r.rangeStart == e.rangeStart && r.rangeEnd == e.rangeEnd,
                     name + ": reader \"" + r.duration.toUtf8() + "\" \"" + r.frameSize.toUtf8() +
                         "\", encoder \"" + e.duration.toUtf8() + "\" \"" + e.frameSize.toUtf8() +
                         '"');
            MediaFacts facts;
            QString reason;
            const bool read = askReader(reader, path, facts, reason);
            QVERIFY2(read != unreadable.contains(QString::fromUtf8(name)),
                     name + ": " + reason.toUtf8());
            if (!read)
                continue;
            // Beyond the texts: the length in seconds and the kinds of
            // streams, for any file asked about.
            QCOMPARE(facts.texts.duration, e.duration);
            QVERIFY(qAbs(facts.seconds - StrToSeconds(e.duration)) < 0.01);
            QCOMPARE(facts.video, !name.startsWith("audio"));
            QCOMPARE(facts.audio, !name.startsWith("h265") && !name.startsWith("anamorphic") &&
                                      !name.startsWith("chapter"));
        }
        QCOMPARE(probed.results.value(file("anamorphic.avi")).frameSize, " 720x576");
        QVERIFY(
            probed.results.value(file("chapter named video.mkv")).frameSize.startsWith(" yuv420p"));
        QCOMPARE(probed.results.value(file("audio only.mp3")).frameSize, "");
    }

    // The reader's lines as they go through its pipes; it ends when its
    // input does.
    void readerProtocol_data()
    {
        QTest::addColumn<QString>("deadline");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer"); // its start
        QTest::newRow("folder") << "30000" << QByteArray("/tmp")
                                << QByteArray("fail\tnot a regular file\n");
        QTest::newRow("not a path")
            << "30000" << QByteArray("a\\qb") << QByteArray("fail\tnot a path\n");
        QTest::newRow("past the deadline")
            << "0" << QByteArray("$clip") << QByteArray("fail\tno answer within 0 ms\n");
    }
    void readerProtocol()
    {
        QFETCH(QString, deadline);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        request.replace("$clip", QFile::encodeName(m_clip));
        QProcess reader;
        reader.start(probeHelper(), {"--deadline-ms", deadline});
        reader.write(request + '\n');
        reader.closeWriteChannel();
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.exitCode(), 0);
        const QByteArray out = reader.readAllStandardOutput();
        QVERIFY2(out.startsWith(ProbeGreeting + '\n' + answer), out.constData());
        QCOMPARE(out.count('\n'), 2);
    }

    // Whatever the reader does, every file gets an answer: the reader's, or
    // the encoder's for the file it failed on, and from then on for all
    // files when it cannot be started. A reader that crashed, hung or
    // answered nonsense is started again for the next file; a hung one
    // keeps only its own file waiting.
    void faultsFallBackToTheEncoder_data()
    {
        QTest::addColumn<QString>("program"); // empty: the real one; "$text": a text file
        QTest::addColumn<QByteArray>("faults");
        QTest::addColumn<bool>("encoderOnly");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("answers"); // by reader or encoder, in the order they came
        QTest::addColumn<bool>("unavailable");
        // The reader goes on with the next file while the encoder is
        // waited for.
        const QStringList readerFirst{"one.avi reader", "three.avi reader", "fault.avi encoder"};
        const QStringList allByEncoder{"one.avi encoder", "fault.avi encoder", "three.avi encoder"};
        QTest::newRow("crash") << "" << QByteArray("crash:fault") << false << 1 << readerFirst
                               << false;
        QTest::newRow("nonsense") << "" << QByteArray("garbage:fault") << false << 1 << readerFirst
                                  << false;
        QTest::newRow("hang, two readers")
            << "" << QByteArray("hang:fault") << false << 2 << readerFirst << false;
        QTest::newRow("missing") << "/nonexistent/quivercast-probe" << QByteArray() << false << 1
                                 << allByEncoder << true;
        QTest::newRow("built without the libraries")
            << "" << QByteArray("unavailable") << false << 1 << allByEncoder << true;
        QTest::newRow("not a program")
            << "$text" << QByteArray() << false << 1 << allByEncoder << true;
        QTest::newRow("not a media reader")
            << fakeEncoder() << QByteArray() << false << 1 << allByEncoder << true;
        QTest::newRow("encoder only") << "" << QByteArray() << true << 1 << allByEncoder << false;
    }
    void faultsFallBackToTheEncoder()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, faults);
        QFETCH(bool, encoderOnly);
        QFETCH(int, limit);
        QFETCH(QStringList, answers);
        QFETCH(bool, unavailable);
        qputenv("QUIVERCAST_PROBE_TEST_FAULTS", faults);
        const auto unset = qScopeGuard([] { qunsetenv("QUIVERCAST_PROBE_TEST_FAULTS"); });
        setFakeScript(m_dir.path(), EncoderReport);
        QStringList files;
        for (const char *name : {"one.avi", "fault.avi", "three.avi"}) {
            files << file(name);
            QVERIFY(QFile::exists(files.last()) || QFile::link(m_clip, files.last()));
        }
        if (program == "$text") {
            // Executable, but no program the system can start.
            program = file("not a program");
            QVERIFY(writeFile(program, "quivercast-probe\t1\n"));
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        }
        ProbeQueue queue(fakeEncoder());
        queue.setLimitSource([limit] { return limit; });
        queue.setTimeoutMs(1000);
        queue.setHelperProgram(program.isEmpty() ? probeHelper() : program);
        queue.setEncoderOnlySource([encoderOnly] { return encoderOnly; });
        QSignalSpy told(&queue, &ProbeQueue::helperUnavailable);

        QElapsedTimer clock;
        clock.start();
        const Probed probed = probeAll(queue, files);
        QStringList got;
        for (const QString &path : probed.order) {
            const ProbeResults r = probed.results.value(path);
            QVERIFY(!r.duration.isEmpty() && r.rangeStart == ProbedRangeStart);
            got << QFileInfo(path).fileName() +
                       (r.duration == "00:00:09.00" ? " encoder" : " reader");
        }
        QCOMPARE(got, answers);
        QCOMPARE(told.size(), unavailable ? 1 : 0);
        // The hung file: its deadline, then the encoder.
        if (faults.startsWith("hang"))
            QVERIFY(clock.elapsed() >= 1000);
    }
};

QTEST_MAIN(TestProbeHelper)
#include "tst_probehelper.moc"
