// A watch folder over a tree of many files (default 10,000 in 100
// subfolders):
//   - the time of the first scan, which finds every file new, and of a
//     rescan once every file has been taken (goal: under 1 s), each also as
//     a ratio to a bare walk of the tree that reads every file's size and
//     time (QDirIterator);
//   - the time until every file is told ready, the check for writers
//     (/proc) included;
//   - the processor time the idle watch uses in 5 s between two rescans
//     (goal: none).
//
// Usage: bench_watch [count]
#include "engine/folderwatch.h"
#include "platform/folderevents.h"
#include "platform/writercheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuMs()
{
    rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir work;
    const QString tree = work.filePath("tree");
    for (int i = 0; i < count; ++i) {
        const QString dir = QStringLiteral("%1/d%2").arg(tree).arg(i % 100);
        if (i < 100)
            QDir().mkpath(dir);
        QFile f(QStringLiteral("%1/clip%2.mp4").arg(dir).arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
    }

    QElapsedTimer t;
    t.start();
    int walked = 0;
    for (QDirIterator it(tree, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        it.next();
        walked += it.fileInfo().size() >= 0 && it.fileInfo().lastModified().isValid();
    }
    const double walkMs = t.nsecsElapsed() / 1e6;

    SystemFolderEvents events;
    ProcWriterCheck writers;
    FolderWatch watch({tree, work.filePath("out"), true, 0, 60000, work.filePath("records")},
                      events, writers);
    int ready = 0;
    QObject::connect(&watch, &FolderWatch::fileReady, [&ready] { ++ready; });
    t.restart();
    watch.start();
    const double firstMs = t.nsecsElapsed() / 1e6;
    t.restart();
    if (!QTest::qWaitFor([&] { return ready == count; }, 120000))
        std::printf("not every file was told ready\n");
    const double readyMs = t.nsecsElapsed() / 1e6;
    t.restart();
    watch.rescan();
    const double rescanMs = t.nsecsElapsed() / 1e6;

    // The event loop alone, which sleeps until something happens (QTest's
    // waits poll).
    const double cpuBefore = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(5000, &idle, &QEventLoop::quit);
    idle.exec();
    const double idleCpuMs = cpuMs() - cpuBefore;

    std::printf("files: %d (walked %d)\n", count, walked);
    std::printf("bare walk with size and time: %.1f ms\n", walkMs);
    std::printf("first scan: %.1f ms (%.2f x the bare walk)\n", firstMs, firstMs / walkMs);
    std::printf("all told ready after: %.1f ms (%d of %d)\n", readyMs, ready, count);
    std::printf("rescan of the taken tree: %.1f ms (%.2f x the bare walk; goal < 1000 ms)\n",
                rescanMs, rescanMs / walkMs);
    std::printf("processor time of the idle watch in 5 s: %.1f ms\n", idleCpuMs);
    return 0;
}
