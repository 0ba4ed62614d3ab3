// Probing clips one at a time through a Prober against bare starts
// of the encoder with the same arguments, alternating in one process. Prints
// both wall times and their ratio (each probe costs one encoder start; the
// goal is a ratio of 1.1 or less).
//   bench_probe [count]   (default 200)
#include "engine/prober.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace testsupport;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir tmp;
    ProgramDir program(ffmpeg(), false);
    if (!tmp.isValid() || !program.isValid())
        return 1;

    // A few generated clips in different containers, copied under distinct
    // names so that every probe reads a file of its own.
    const QStringList kinds{"avi", "mp4", "wmv", "mpg"};
    QStringList sources;
    for (const QString &kind : kinds) {
        const QString clip = makeStandardClip(tmp.filePath("source." + kind), 2.0);
        if (clip.isEmpty()) {
            std::fprintf(stderr, "clip generation failed\n");
            return 1;
        }
        sources << clip;
    }
    QStringList clips;
    for (int i = 0; i < count; ++i) {
        const QString src = sources[i % sources.size()];
        const QString path = tmp.filePath(
            QStringLiteral("clip %1.").arg(i, 3, 10, QLatin1Char('0')) + kinds[i % kinds.size()]);
        if (!QFile::copy(src, path))
            return 1;
        clips << path;
    }

    const QString encoderPath = program.file("wmaspi.dll");
    Prober prober(encoderPath);

    auto bareStart = [&](const QString &path) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(encoderPath, {QStringLiteral("-i"), path}, QIODevice::ReadOnly);
        p.waitForFinished(-1);
        return p.readAll().size();
    };

    int probed = 0;
    qint64 probeNs = 0;
    qint64 bareNs = 0;
    qint64 bareBytes = 0;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        // Alternate which of the two goes first, so that neither profits
        // from the other's warm caches.
        for (int k = 0; k < 2; ++k) {
            const bool probe = (k == 0) == (i % 2 == 0);
            t.start();
            if (probe) {
                testsupport::probeFile(prober, clips[i]);
                probed += prober.frameSize() == QLatin1String(" 320x240") ? 1 : 0;
            } else {
                bareBytes += bareStart(clips[i]);
            }
            (probe ? probeNs : bareNs) += t.nsecsElapsed();
        }
    }

    std::printf("probes: %d (frame size read for %d)\n", count, probed);
    std::printf("Prober:      %d in %.3f s (%.1f ms each)\n", count, probeNs / 1e9,
                probeNs / 1e6 / count);
    std::printf("bare starts: %d in %.3f s (%.1f ms each, %lld bytes read)\n", count, bareNs / 1e9,
                bareNs / 1e6 / count, static_cast<long long>(bareBytes));
    std::printf("ratio Prober / bare start: %.3f\n", double(probeNs) / double(bareNs));
    return probed == count ? 0 : 1;
}
