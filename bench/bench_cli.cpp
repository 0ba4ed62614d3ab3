// Overhead of quivercast-cli over the encoder itself.
//
// 20 generated two-second clips are converted by quivercast-cli (the build
// tree's program, with a shipped profile) and, alternately, with the same
// argument lists (taken from its --dry-run --json) started directly one after
// another. Reported per round and in total: the ratio of the wall times
// (goal: 1.03 or less).
//
// Usage: bench_cli [rounds]   (default 6 rounds of each kind)
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
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 6;

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

    int failures = 0;
    const auto throughCli = [&] {
        QElapsedTimer t;
        t.start();
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.start(cliPath(), QStringList{"--json"} + cliArgs);
        cli.waitForFinished(-1);
        if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
            ++failures;
        return t.elapsed();
    };
    const auto directly = [&] {
        QElapsedTimer t;
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
        return t.elapsed();
    };

    qint64 cliTotal = 0, directTotal = 0;
    for (int r = 0; r < rounds; ++r) {
        // Each goes first in every other round, so that a drift of the
        // machine's speed weighs on both alike.
        qint64 a = 0, b = 0;
        if (r % 2 == 0) {
            a = throughCli();
            b = directly();
        } else {
            b = directly();
            a = throughCli();
        }
        cliTotal += a;
        directTotal += b;
        std::printf("round %d: quivercast-cli %lld ms, direct %lld ms, ratio %.3f\n", r + 1,
                    (long long)a, (long long)b, double(a) / double(b));
    }
    std::printf("total: quivercast-cli %lld ms, direct %lld ms, ratio %.3f (goal <= 1.03)\n",
                (long long)cliTotal, (long long)directTotal,
                double(cliTotal) / double(directTotal));
    if (failures)
        std::printf("conversions that failed: %d\n", failures);
    return failures ? 1 : 0;
}
