// Overhead of a batch run over the encoder itself, and the window's
// responsiveness during the run.
//
// 20 generated two-second clips are converted through a BatchRun and,
// alternately, with the same argument lists started directly one after
// another (QProcess, output read and dropped). The ratio of the wall times is
// reported (goal: 1.03 or less; 1.05 with each output checked by the media
// reader), and the longest gap between two turns of the event loop during
// the runs, measured with a 5 ms timer (goal: under 50 ms).
//
// Usage: bench_run [rounds] [--no-verify]   (default 3 rounds of each kind,
// each output checked)
#include "engine/batchrun.h"
#include "engine/commandline.h"
#include "engine/encoderprocess.h"
#include "engine/itemdata.h"
#include "engine/runhost.h"
#include "engine/taskstore.h"
#include "engine/tasktext.h"
#include "platform/recordingplatform.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int ClipCount = 20;
const QString Options = QStringLiteral(" -c:v mpeg4 -q:v 5 -c:a aac");

// CPU time of this process itself (not of the encoders), in milliseconds.
double ownCpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

class BenchHost : public RunHost
{
public:
    QString dir;
    bool verify = true;
    QString outputDirectory() const override { return dir; }
    bool verifyOutputs() const override { return verify; }
    QString outputExtension() const override { return QStringLiteral(".mp4"); }
    bool overwrite() const override { return true; }
    bool autoOpenDir() const override { return false; }
    bool autoExit() const override { return false; }
    bool autoTurnOff() const override { return false; }
    void closeMainWindow() override {}
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const bool verify = !(argc > 2 && QByteArray(argv[2]) == "--no-verify");

    QTemporaryDir work;
    const QString out = work.filePath("out");
    QDir().mkpath(out);
    TaskStore tasks;
    for (int i = 0; i < ClipCount; ++i) {
        const QString clip = testsupport::makeStandardClip(
            work.filePath(QStringLiteral("clip%1.avi").arg(i, 2, 10, QLatin1Char('0'))), 2.0);
        if (clip.isEmpty()) {
            std::fprintf(stderr, "clip generation failed\n");
            return 1;
        }
        ltvItemData t;
        t.InputFile = clip;
        t.Length = t.OrigEndTime = t.ClipLength = t.EndTime = QStringLiteral("00:00:02");
        t.Status = TaskStatus::OK;
        t.NewFilename = StripFileExt(QFileInfo(clip).fileName());
        t.NewFileExt = QStringLiteral(".mp4");
        t.OrigStartTime = t.StartTime = QStringLiteral("00:00:00.0");
        tasks.appendRow(clip);
        tasks.SetItemData(i, ItemField::All, t);
    }

    BenchHost host;
    host.dir = out;
    host.verify = verify;
    RecordingPlatform platform;
    EncoderProcess encoder;
    const QString encoderPath = testsupport::ffmpeg();
    BatchRun run(tasks, encoder, platform, host, encoderPath);
    run.setOutputReader(testsupport::probeHelper());

    // The same argument lists, for the direct runs.
    QList<QStringList> argLists;
    const OutputPlan plan = run.planOutputs();
    for (int i = 0; i < ClipCount; ++i) {
        ltvItemData t;
        tasks.GetItemData(i, ItemField::All, t);
        argLists.append(EncoderArguments(t, Options, plan.output(i)));
    }

    // Event-loop turns during the runs.
    QElapsedTimer beatClock;
    qint64 lastBeat = -1;
    qint64 longestGap = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = beatClock.elapsed();
        if (lastBeat >= 0)
            longestGap = std::max(longestGap, now - lastBeat);
        lastBeat = now;
    });

    qint64 throughRun = 0;
    qint64 direct = 0;
    double runCpu = 0;
    double directCpu = 0;
    int failures = 0;
    for (int r = 0; r < rounds; ++r) {
        // Through the batch run.
        platform.messages.clear();
        QElapsedTimer t;
        beatClock.start();
        lastBeat = -1;
        beat.start();
        double cpu = ownCpuMs();
        t.start();
        if (!testsupport::runToEnd(run, Options))
            ++failures;
        const qint64 a = t.elapsed();
        runCpu += ownCpuMs() - cpu;
        beat.stop();
        throughRun += a;
        for (int i = 0; i < ClipCount; ++i)
            if (tasks.cell(i, ItemField::Status) != TaskStatus::Complete)
                ++failures;

        // Directly, one after another.
        cpu = ownCpuMs();
        t.start();
        for (const QStringList &args : argLists) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.setStandardInputFile(QProcess::nullDevice());
            p.start(encoderPath, args, QIODevice::ReadOnly);
            p.waitForFinished(-1);
            p.readAll();
            if (p.exitCode() != 0)
                ++failures;
        }
        const qint64 b = t.elapsed();
        directCpu += ownCpuMs() - cpu;
        direct += b;
        std::printf("round %d: batch run %lld ms, direct %lld ms, ratio %.3f\n", r + 1,
                    (long long)a, (long long)b, double(a) / double(b));
    }
    std::printf("total: batch run %lld ms, direct %lld ms, ratio %.3f (goal <= %s)\n",
                (long long)throughRun, (long long)direct, double(throughRun) / double(direct),
                verify ? "1.05, outputs checked" : "1.03");
    std::printf("CPU time of this process: batch run %.0f ms, direct %.0f ms\n", runCpu, directCpu);
    std::printf("longest gap between event-loop turns during the runs: %lld ms (goal < 50 ms)\n",
                (long long)longestGap);
    if (failures)
        std::printf("conversions that failed: %d\n", failures);
    return failures ? 1 : 0;
}
