// The window started with many files on its command line (links to one
// generated clip), with the real encoder:
//   - the time from creating the windows until the main window is shown,
//     with the files and, for comparison, without any (goal: under 300 ms);
//   - the time until every probe has ended, divided by the time of the same
//     bare "-i" probes started one after another, divided again by
//     min(N, cores) (goal: 1.25 or less); for reference, the time of the
//     bare probes run min(N, cores) side by side, which tells the window's
//     own cost apart from what a busy machine allows;
//   - the longest gap between two turns of the event loop from the showing
//     to the last probe's end (goal: under 50 ms).
//
// Usage: bench_intake [count]   (default 1000)
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "settings/preferences.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

using namespace testsupport;

namespace {

struct Start
{
    double shownMs = 0;
    double probedMs = 0;
    double maxGapMs = 0;
    double maxCpuGapMs = 0; // this thread's own processor time between two turns
    double cpuMs = 0;       // ... and all of it during intake
    int gapRows = 0;        // rows, and probes ended, when the longest gap ended
    int gapProbed = 0;
    int limit = 0;
    int tasks = 0;
    int probed = 0; // tasks that ended with the status "OK"
};

// Processor time this thread has used, in milliseconds.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Creates the windows with args, shows the main window and waits for intake.
Start startWith(const QStringList &args)
{
    Start s;
    QElapsedTimer clock;
    MainFormFixture::Options options;
    MainFormFixture f(args, options, [&](MainFormFixture &) { clock.start(); });
    f.show();
    s.shownMs = clock.nsecsElapsed() / 1e6;
    s.limit = f.form->probes().limit();

    // A timer that fires at every turn of the event loop measures its gaps.
    QElapsedTimer turn;
    turn.start();
    double cpuTurn = threadCpuMs();
    const double cpuStart = cpuTurn;
    QTimer beat;
    beat.setInterval(0);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const double cpu = threadCpuMs();
        s.maxCpuGapMs = std::max(s.maxCpuGapMs, cpu - cpuTurn);
        cpuTurn = cpu;
        const double gap = turn.nsecsElapsed() / 1e6;
        if (gap > s.maxGapMs) {
            s.maxGapMs = gap;
            s.gapRows = f.form->tasks().count();
            s.gapProbed = f.form->probes().doneCount();
        }
        turn.start();
    });
    QElapsedTimer probing;
    probing.start();
    beat.start();
    if (!args.isEmpty()) {
        // The command line is taken in from the event loop after the showing.
        if (!QTest::qWaitFor([&] { return f.form->tasks().count() > 0; }, 60000) ||
            !waitForIntake(f.form->intake(), 3600000))
            std::fprintf(stderr, "intake did not end\n");
    }
    s.probedMs = probing.nsecsElapsed() / 1e6;
    s.cpuMs = threadCpuMs() - cpuStart;
    beat.stop();
    s.tasks = f.form->tasks().count();
    for (int i = 0; i < s.tasks; ++i)
        s.probed += f.form->tasks().cell(i, 2) == QLatin1String("OK") ? 1 : 0;
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir tmp;
    const QString clip = makeStandardClip(tmp.filePath(QStringLiteral("source.avi")), 2.0);
    if (clip.isEmpty()) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        files << tmp.filePath(QStringLiteral("clip %1.avi").arg(i, 4, 10, QLatin1Char('0')));
        if (::link(QFile::encodeName(clip).constData(),
                   QFile::encodeName(files.last()).constData()) != 0)
            return 1;
    }

    const Start empty = startWith({});
    const Start full = startWith(files);

    // The same probes, bare: one after another, and for reference min(N,
    // cores) side by side (what the machine allows at the moment, from the
    // event loop without a window).
    ProgramDir program(ffmpeg(), false);
    const QString encoder = program.file(QStringLiteral("wmaspi.dll"));
    auto bareProbe = [&](QProcess &p, const QString &file) {
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(encoder, {QStringLiteral("-i"), file}, QIODevice::ReadOnly);
    };
    QElapsedTimer bare;
    bare.start();
    for (const QString &file : files) {
        QProcess p;
        bareProbe(p, file);
        p.waitForFinished(-1);
        p.readAll();
    }
    const double bareMs = bare.nsecsElapsed() / 1e6;
    const int cores = QThread::idealThreadCount();
    const int side = std::min(full.limit, cores);

    QElapsedTimer sideBySide;
    sideBySide.start();
    {
        int next = 0;
        int running = 0;
        QEventLoop loop;
        std::function<void()> startOne = [&] {
            auto *p = new QProcess(&loop);
            ++running;
            QObject::connect(p, &QProcess::readyRead, p, [p] { p->readAll(); });
            QObject::connect(p, &QProcess::finished, p, [&, p] {
                p->deleteLater();
                --running;
                if (next < count)
                    startOne();
                else if (running == 0)
                    loop.quit();
            });
            bareProbe(*p, files[next++]);
        };
        for (int k = 0; k < side && next < count; ++k)
            startOne();
        loop.exec();
    }
    const double sideMs = sideBySide.nsecsElapsed() / 1e6;

    std::printf("files: %d, tasks: %d, probed OK: %d\n", count, full.tasks, full.probed);
    std::printf("window shown: %.1f ms with the files, %.1f ms without (goal < 300 ms)\n",
                full.shownMs, empty.shownMs);
    std::printf("all probes ended: %.3f s; bare probes one after another: %.3f s\n",
                full.probedMs / 1000, bareMs / 1000);
    std::printf("probes side by side: N %d, cores %d; ratio %.3f (goal <= 1.25)\n", full.limit,
                cores, full.probedMs / (bareMs / side));
    std::printf("bare probes %d side by side: %.3f s; the window's time / theirs: %.3f\n", side,
                sideMs / 1000, full.probedMs / sideMs);
    std::printf("longest event-loop gap during intake: %.1f ms (goal < 50 ms), at %d rows and %d "
                "probes ended\n",
                full.maxGapMs, full.gapRows, full.gapProbed);
    std::printf("processor time of the window's thread: %.1f ms in all during intake (%.2f ms a "
                "file), at most %.1f ms between two turns\n",
                full.cpuMs, full.cpuMs / count, full.maxCpuGapMs);
    return full.probed == count ? 0 : 1;
}
