// Adding clips through TaskIntake::AddFile against bare starts of the encoder
// with the same arguments, alternating in one process. Prints both wall
// times and their ratio (each probe costs one encoder start; the goal is a
// ratio of 1.1 or less).
//   bench_probe [count]   (default 200)
#include "engine/encoderprocess.h"
#include "engine/intake.h"
#include "engine/prober.h"
#include "engine/taskstore.h"
#include "platform/recordingplatform.h"
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
    // names so that every add is a new task.
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
    TaskStore store;
    EncoderProcess encoder;
    Prober prober(encoder, encoderPath);
    RecordingPlatform platform;
    TaskIntake intake(store, prober, platform);

    auto bareStart = [&](const QString &path) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(encoderPath, {QStringLiteral("-i"), path}, QIODevice::ReadOnly);
        p.waitForFinished(-1);
        return p.readAll().size();
    };

    qint64 addNs = 0;
    qint64 bareNs = 0;
    qint64 bareBytes = 0;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        // Alternate which of the two goes first, so that neither profits
        // from the other's warm caches.
        for (int k = 0; k < 2; ++k) {
            const bool add = (k == 0) == (i % 2 == 0);
            t.start();
            if (add)
                intake.AddFile(clips[i]);
            else
                bareBytes += bareStart(clips[i]);
            (add ? addNs : bareNs) += t.nsecsElapsed();
        }
    }

    int probed = 0;
    for (int i = 0; i < store.count(); ++i)
        probed += store.cell(i, 1) == QLatin1String(" 320x240") ? 1 : 0;
    std::printf("tasks added: %d (frame size read for %d)\n", store.count(), probed);
    std::printf("AddFile:     %d in %.3f s (%.1f ms each)\n", count, addNs / 1e9,
                addNs / 1e6 / count);
    std::printf("bare starts: %d in %.3f s (%.1f ms each, %lld bytes read)\n", count, bareNs / 1e9,
                bareNs / 1e6 / count, static_cast<long long>(bareBytes));
    std::printf("ratio AddFile / bare start: %.3f\n", double(addNs) / double(bareNs));
    return store.count() == count && probed == count ? 0 : 1;
}
