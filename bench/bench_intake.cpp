// The window started with many files on its command line (links to one
// generated clip), probing them with the media reader beside it:
//   - the time from creating the windows until the main window is shown,
//     with the files and, for comparison, without any (goal: under 300 ms);
//   - the time until every probe has ended (goals: 1,000 files in at most
//     5 s, 10,000 in at most 60 s), and its ratio to the time of the same
//     bare "-i" probes by the encoder one after another (goal: 0.03 or
//     less); with more than 1,000 files the encoder probes the first 1,000
//     and its time is scaled to all;
//   - the longest gap between two turns of the event loop from the showing
//     to the last probe's end, seen by a timer every 5 ms (goal: under
//     50 ms), and the processor time of the window's thread a file (goal:
//     0.3 ms or less), of which the part until every row was added;
//   - the program's resident memory once every file is probed (goal with
//     10,000 files: under 250 MB).
// "--encoder-only" probes with the encoder instead, as the setting "Probe
// with the encoder only" does. "--hang" makes the reader hang on the first
// file (a fault the reader acts out for tests): the other files go on, and
// the first is answered by the encoder once its deadline has passed.
//
// Usage: bench_intake [count] [--encoder-only | --hang]   (count default 1000)
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "settings/preferences.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/mainform.h"
#include "ui/settingform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <unistd.h>

using namespace testsupport;

namespace {

struct Start
{
    double shownMs = 0;
    double probedMs = 0;
    double rowsMs = 0;         // every row added
    double rowsCpuMs = 0;      // ... and the window thread's processor time until then
    double firstProbedMs = 0;  // the first file's probe ended
    double othersProbedMs = 0; // ... and those of all others
    double maxGapMs = 0;
    double maxCpuGapMs = 0; // this thread's own processor time between two turns
    double cpuMs = 0;       // ... and all of it during intake
    int gapRows = 0;        // rows, and probes ended, when the longest gap ended
    int gapProbed = 0;
    int tasks = 0;
    int probed = 0; // tasks that ended with the status "OK" and a length
    double rssMb = 0;
    double peakRssMb = 0;
};

// Processor time this thread has used, in milliseconds.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A "VmRSS:"-style line of this process's status, in megabytes.
double statusMb(const char *key)
{
    for (const QByteArray &line : readFile(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ').first().toDouble() /
                   1024;
    return 0;
}

// Runs the event loop, as the program does, until done() holds; false when
// that takes longer than timeoutMs.
bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

// Creates the windows with args, shows the main window and waits for intake.
Start startWith(const QStringList &args, bool encoderOnly)
{
    Start s;
    QElapsedTimer clock;
    MainFormFixture::Options options;
    options.withProbeHelper = true;
    MainFormFixture f(args, options, [&](MainFormFixture &) { clock.start(); });
    f.settingForm->chkProbeEncoder->setChecked(encoderOnly);
    f.show();
    s.shownMs = clock.nsecsElapsed() / 1e6;
    // As the program does once the window is up: from now on the task list
    // is saved within a second of every change.
    f.form->RestoreSession();

    // A timer every 5 ms measures the gaps of the event loop; one that
    // fired at every turn would itself keep the window's thread busy.
    QElapsedTimer turn;
    turn.start();
    double cpuTurn = threadCpuMs();
    const double cpuStart = cpuTurn;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    beat.setInterval(5);
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
    int othersLeft = int(args.size()) - 1;
    QObject::connect(&f.form->intake(), &TaskIntake::taskProbed, [&](int row) {
        const double now = probing.nsecsElapsed() / 1e6;
        if (row == 0)
            s.firstProbedMs = now;
        else if (--othersLeft == 0)
            s.othersProbedMs = now;
    });
    beat.start();
    if (!args.isEmpty()) {
        // The command line is taken in from the event loop after the showing.
        if (!runUntil([&] { return f.form->tasks().count() > 0; }, 60000))
            std::fprintf(stderr, "no rows\n");
        if (!runUntil([&] { return !f.form->intake().isAdding(); }, 3600000))
            std::fprintf(stderr, "the rows did not come\n");
        s.rowsMs = probing.nsecsElapsed() / 1e6;
        s.rowsCpuMs = threadCpuMs() - cpuStart;
        if (!runUntil([&] { return !f.form->intake().isBusy(); }, 3600000))
            std::fprintf(stderr, "intake did not end\n");
    }
    s.probedMs = probing.nsecsElapsed() / 1e6;
    s.cpuMs = threadCpuMs() - cpuStart;
    beat.stop();
    s.rssMb = statusMb("VmRSS:");
    s.peakRssMb = statusMb("VmHWM:");
    s.tasks = f.form->tasks().count();
    for (int i = 0; i < s.tasks; ++i)
        s.probed += f.form->tasks().cell(i, 2) == QLatin1String("OK") &&
                            !f.form->tasks().cell(i, 0).isEmpty()
                        ? 1
                        : 0;
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int count = 1000;
    bool encoderOnly = false;
    bool hang = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--encoder-only") == 0)
            encoderOnly = true;
        else if (std::strcmp(argv[i], "--hang") == 0)
            hang = true;
        else
            count = std::max(1, std::atoi(argv[i]));
    }

    QTemporaryDir tmp;
    const QString clip = makeStandardClip(tmp.filePath(QStringLiteral("source.avi")), 2.0);
    if (clip.isEmpty()) {
        std::fprintf(stderr, "clip generation failed\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        files << tmp.filePath(QStringLiteral("clip %1.avi").arg(i, 5, 10, QLatin1Char('0')));
        if (::link(QFile::encodeName(clip).constData(),
                   QFile::encodeName(files.last()).constData()) != 0)
            return 1;
    }
    if (hang)
        qputenv("QUIVERCAST_PROBE_TEST_FAULTS", "hang:clip 00000");

    const Start empty = startWith({}, encoderOnly);
    const Start full = startWith(files, encoderOnly);

    // The same probes, bare, by the encoder one after another.
    ProgramDir program(ffmpeg(), false);
    const QString encoder = program.file(QStringLiteral("wmaspi.dll"));
    const int bareCount = std::min(count, 1000);
    QElapsedTimer bare;
    bare.start();
    for (int i = 0; i < bareCount; ++i) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(encoder, {QStringLiteral("-i"), files[i]}, QIODevice::ReadOnly);
        p.waitForFinished(-1);
        p.readAll();
    }
    const double bareMs = bare.nsecsElapsed() / 1e6 * count / bareCount;

    std::printf("files: %d, tasks: %d, probed OK with a length: %d; %s\n", count, full.tasks,
                full.probed,
                encoderOnly ? "probed with the encoder only" : "probed with the media reader");
    std::printf("window shown: %.1f ms with the files, %.1f ms without (goal < 300 ms)\n",
                full.shownMs, empty.shownMs);
    std::printf("all probes ended: %.3f s (goal <= 5 s for 1,000, <= 60 s for 10,000)\n",
                full.probedMs / 1000);
    std::printf("the same files probed by the encoder one after another: %.3f s%s; ratio %.4f "
                "(goal <= 0.03)\n",
                bareMs / 1000, bareCount < count ? " (the first 1,000, scaled)" : "",
                full.probedMs / bareMs);
    std::printf("longest event-loop gap during intake: %.1f ms (goal < 50 ms), at %d rows and %d "
                "probes ended\n",
                full.maxGapMs, full.gapRows, full.gapProbed);
    std::printf("processor time of the window's thread: %.1f ms in all during intake (%.3f ms a "
                "file, goal <= 0.3 ms), at most %.1f ms between two turns\n",
                full.cpuMs, full.cpuMs / count, full.maxCpuGapMs);
    std::printf("of which adding the rows: %.1f ms in all, %.1f ms of processor time (%.3f ms a "
                "file)\n",
                full.rowsMs, full.rowsCpuMs, full.rowsCpuMs / count);
    std::printf("resident memory once probed: %.1f MB, at most %.1f MB (goal < 250 MB)\n",
                full.rssMb, full.peakRssMb);
    if (hang)
        std::printf("the hung first file answered after %.3f s (its deadline %d s); all others "
                    "probed after %.3f s\n",
                    full.firstProbedMs / 1000, Prober::DefaultTimeoutMs / 1000,
                    full.othersProbedMs / 1000);
    return full.probed == count ? 0 : 1;
}
