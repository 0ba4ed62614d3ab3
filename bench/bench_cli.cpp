// quivercast-cli on generated two-second clips (the build tree's program, with
// a shipped profile), in two comparisons; in each, the two kinds alternate
// and each goes first in every other round, so that a drift of the machine's
// speed weighs on both alike. Reported per round and in total: the ratio of
// the wall times.
//
//   overhead: 20 clips through the program against the same argument lists
//             (taken from its --dry-run --json) started directly one after
//             another (goal: 1.03 or less);
//   jobs:     40 clips with --jobs N against --jobs 1 (goal on two cores with
//             N = 2: 0.65 or less).
//
// Usage: bench_cli overhead [rounds]       (default 6 rounds)
//        bench_cli jobs [rounds] [N]       (default 4 rounds, N = 2)
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

const QString Profile = QStringLiteral("MP4 H.264 + AAC");

// A folder of clips and the program's arguments to convert them.
struct ClipSet
{
    QTemporaryDir work;
    QStringList args;

    bool make(int count)
    {
        const QString src = work.filePath("src");
        const QString out = work.filePath("out");
        QDir().mkpath(out);
        args = {"-p", Profile, "-o", out, "--existing", "overwrite", src};
        return testsupport::makeClipFolder(src, count);
    }
};

QString cliPath()
{
    return testsupport::binDir() + QStringLiteral("/quivercast-cli");
}

// Wall time of one run of the program in ms; -1 when it failed.
qint64 timeCli(const QStringList &args)
{
    QElapsedTimer t;
    t.start();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.start(cliPath(), args);
    cli.waitForFinished(-1);
    const qint64 ms = t.elapsed();
    if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        std::fprintf(stderr, "quivercast-cli failed: %s\n", cli.readAllStandardError().constData());
        return -1;
    }
    return ms;
}

// Rounds of a against b; returns the exit status.
int compare(int rounds, const char *nameA, const std::function<qint64()> &a, const char *nameB,
            const std::function<qint64()> &b, const char *goal)
{
    qint64 totalA = 0, totalB = 0;
    for (int r = 0; r < rounds; ++r) {
        qint64 ta = 0, tb = 0;
        if (r % 2 == 0) {
            ta = a();
            tb = b();
        } else {
            tb = b();
            ta = a();
        }
        if (ta < 0 || tb < 0)
            return 1;
        totalA += ta;
        totalB += tb;
        std::printf("round %d: %s %lld ms, %s %lld ms, ratio %.3f\n", r + 1, nameA, (long long)ta,
                    nameB, (long long)tb, double(ta) / double(tb));
    }
    std::printf("total: %s %lld ms, %s %lld ms, ratio %.3f (goal %s)\n", nameA, (long long)totalA,
                nameB, (long long)totalB, double(totalA) / double(totalB), goal);
    return 0;
}

int overhead(int rounds)
{
    ClipSet clips;
    if (!clips.make(20)) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    // The argument lists the program runs.
    QProcess plan;
    plan.start(cliPath(), QStringList{"--dry-run", "--json"} + clips.args);
    plan.waitForFinished(-1);
    QList<QStringList> argLists;
    for (const QByteArray &line : plan.readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value("event") == QLatin1String("command"))
            argLists.append(event.value("arguments").toVariant().toStringList());
    }
    if (argLists.size() != 20) {
        std::fprintf(stderr, "the dry run gave %d command lines\n", int(argLists.size()));
        return 1;
    }
    const QString encoder = testsupport::binDir() + QStringLiteral("/wmaspi.dll");
    const auto directly = [&]() -> qint64 {
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
                return -1;
        }
        return t.elapsed();
    };
    return compare(
        rounds, "quivercast-cli", [&] { return timeCli(QStringList{"--json"} + clips.args); },
        "direct", directly, "<= 1.03");
}

int jobs(int rounds, int n)
{
    ClipSet clips;
    if (!clips.make(40)) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    const QString side = QStringLiteral("--jobs %1").arg(n);
    return compare(
        rounds, qPrintable(side),
        [&] {
            return timeCli(QStringList{"--jobs", QString::number(n)} + clips.args);
        },
        "--jobs 1",
        [&] {
            return timeCli(QStringList{"--jobs", "1"} + clips.args);
        },
        "<= 0.65");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 0;
    if (kind == QLatin1String("overhead"))
        return overhead(rounds > 0 ? rounds : 6);
    if (kind == QLatin1String("jobs"))
        return jobs(rounds > 0 ? rounds : 4, argc > 3 ? std::max(2, atoi(argv[3])) : 2);
    std::fprintf(stderr, "usage: bench_cli overhead [rounds] | jobs [rounds] [N]\n");
    return 2;
}
