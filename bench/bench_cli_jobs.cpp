// Conversions side by side: 40 generated two-second clips converted by
// quivercast-cli (the build tree's program, with a shipped profile) with
// --jobs 2 and, alternately, with --jobs 1. Reported per round and in total:
// the ratio of the wall times (goal on two cores: 0.65 or less).
//
// Usage: bench_cli_jobs [rounds] [jobs]   (default 4 rounds, --jobs 2)
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int ClipCount = 40;
const QString Profile = QStringLiteral("MP4 H.264 + AAC");

// Wall time of one run of the program in ms; -1 when it failed.
qint64 convert(const QStringList &args)
{
    QElapsedTimer t;
    t.start();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.start(testsupport::binDir() + QStringLiteral("/quivercast-cli"), args);
    cli.waitForFinished(-1);
    const qint64 ms = t.elapsed();
    if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        std::fprintf(stderr, "quivercast-cli failed: %s\n", cli.readAllStandardError().constData());
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 4;
    const int jobs = argc > 2 ? std::max(2, atoi(argv[2])) : 2;

    QTemporaryDir work;
    const QString src = work.filePath("src");
    const QString out = work.filePath("out");
    QDir().mkpath(out);
    if (!testsupport::makeClipFolder(src, ClipCount)) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    const QStringList common{"-p", Profile, "-o", out, "--existing", "overwrite", src};

    qint64 sideBySide = 0, oneAtATime = 0;
    for (int r = 0; r < rounds; ++r) {
        // Each goes first in every other round, so that a drift of the
        // machine's speed weighs on both alike.
        const QStringList sideArgs = QStringList{"--jobs", QString::number(jobs)} + common;
        const QStringList oneArgs = QStringList{"--jobs", "1"} + common;
        qint64 a = 0, b = 0;
        if (r % 2 == 0) {
            a = convert(sideArgs);
            b = convert(oneArgs);
        } else {
            b = convert(oneArgs);
            a = convert(sideArgs);
        }
        if (a < 0 || b < 0)
            return 1;
        sideBySide += a;
        oneAtATime += b;
        std::printf("round %d: --jobs %d %lld ms, --jobs 1 %lld ms, ratio %.3f\n", r + 1, jobs,
                    (long long)a, (long long)b, double(a) / double(b));
    }
    std::printf("total: --jobs %d %lld ms, --jobs 1 %lld ms, ratio %.3f (goal <= 0.65)\n", jobs,
                (long long)sideBySide, (long long)oneAtATime,
                double(sideBySide) / double(oneAtATime));
    return 0;
}
