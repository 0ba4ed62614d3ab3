// Overhead of quivercast-cli over the encoder itself.
//
// 20 generated two-second clips are converted by quivercast-cli (the build
// tree's program, with a shipped profile) and, alternately, with the same
// argument lists (taken from its --dry-run --json) started directly one after
// another. Reported per round and in total: the ratio of the wall times
// (goal: 1.03 or less), and the ratio of the program's run alone (from its
// first encoder start to its end), without the intake (reading the folder
// and the first clip's probe).
//
// Usage: bench_cli [rounds]   (default 3 rounds of each kind)
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int ClipCount = 20;
const QString Profile = QStringLiteral("MP4 H.264 + AAC");

QString cliPath()
{
    return testsupport::binDir() + QStringLiteral("/quivercast-cli");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QTemporaryDir work;
    const QString src = work.filePath("src");
    const QString out = work.filePath("out");
    QDir().mkpath(out);
    if (!testsupport::makeClipFolder(src, ClipCount)) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    const QStringList cliArgs{"-p", Profile, "-o", out, "--existing", "overwrite", src};

    // The argument lists the program runs.
    QProcess plan;
    plan.start(cliPath(), QStringList{"--dry-run", "--json"} + cliArgs);
    plan.waitForFinished(-1);
    QList<QStringList> argLists;
    for (const QByteArray &line : plan.readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value("event") == QLatin1String("command"))
            argLists.append(event.value("arguments").toVariant().toStringList());
    }
    if (argLists.size() != ClipCount) {
        std::fprintf(stderr, "the dry run gave %d command lines\n", int(argLists.size()));
        return 1;
    }
    const QString encoder = testsupport::binDir() + QStringLiteral("/wmaspi.dll");

    qint64 throughCli = 0, cliRunOnly = 0, direct = 0;
    int failures = 0;
    for (int r = 0; r < rounds; ++r) {
        // Through the program; the first "started" event marks the end of
        // its intake.
        QElapsedTimer t;
        t.start();
        QProcess cli;
        cli.start(cliPath(), QStringList{"--json"} + cliArgs);
        qint64 firstStart = -1;
        QByteArray events;
        while (cli.state() != QProcess::NotRunning || cli.bytesAvailable() > 0) {
            cli.waitForReadyRead(100);
            events += cli.readAllStandardOutput();
            if (firstStart < 0 && events.contains("\"event\":\"started\""))
                firstStart = t.elapsed();
        }
        const qint64 a = t.elapsed();
        if (cli.exitCode() != 0)
            ++failures;
        throughCli += a;
        cliRunOnly += a - firstStart;

        // Directly, one after another.
        t.start();
        for (const QStringList &args : argLists) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.setStandardInputFile(QProcess::nullDevice());
            p.start(encoder, args, QIODevice::ReadOnly);
            p.waitForFinished(-1);
            p.readAll();
            if (p.exitCode() != 0)
                ++failures;
        }
        const qint64 b = t.elapsed();
        direct += b;
        std::printf("round %d: quivercast-cli %lld ms (intake %lld ms), direct %lld ms, ratio "
                    "%.3f, run alone %.3f\n",
                    r + 1, (long long)a, (long long)firstStart, (long long)b, double(a) / double(b),
                    double(a - firstStart) / double(b));
    }
    std::printf("total: quivercast-cli %lld ms, direct %lld ms, ratio %.3f (goal <= 1.03); run "
                "alone %.3f\n",
                (long long)throughCli, (long long)direct, double(throughCli) / double(direct),
                double(cliRunOnly) / double(direct));
    if (failures)
        std::printf("conversions that failed: %d\n", failures);
    return failures ? 1 : 0;
}
