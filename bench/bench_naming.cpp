// Output naming and the log bound at list sizes from 250 to 20,000:
//   naming   - the run's naming of the whole list (BatchRun::planOutputs,
//              sources in the output folder, half of the names in use) and
//              each task's check at its turn; milliseconds per task (goal:
//              at most 1 ms per task at any size);
//   dry run  - quivercast-cli -n over a folder of count files with the fake
//              encoder, probes included (goal: 20,000 files under 3 s);
//   logs     - TaskLogs::append of a 4 KB chunk once the bound of all logs
//              is reached, microseconds per chunk, with count small logs
//              kept beside it.
//
// Usage: bench_naming [count...]   (default 250 1000 2000 20000)
#include "engine/batchrun.h"
#include "engine/encoderprocess.h"
#include "engine/itemdata.h"
#include "engine/runhost.h"
#include "engine/tasklogs.h"
#include "engine/taskstore.h"
#include "platform/recordingplatform.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class BenchHost : public RunHost
{
public:
    QString dir;
    QString outputDirectory() const override { return dir; }
    QString outputExtension() const override { return QStringLiteral(".mp4"); }
    bool overwrite() const override { return false; }
    bool autoOpenDir() const override { return false; }
    bool autoExit() const override { return false; }
    bool autoTurnOff() const override { return false; }
    void closeMainWindow() override {}
};

// Milliseconds per task of the naming of count sources in one folder.
void naming(int count)
{
    QTemporaryDir work;
    const QString dir = work.path();
    TaskStore tasks;
    for (int i = 0; i < count; ++i) {
        // Every other source is an mp4 of the name another one's output
        // would take.
        const QString name = QStringLiteral("clip %1").arg(i / 2, 5, 10, QChar(u'0'));
        const QString source = dir + u'/' + name + (i % 2 ? ".mp4" : ".avi");
        testsupport::writeFile(source, {});
        ltvItemData t;
        t.InputFile = source;
        t.Status = QStringLiteral("OK");
        t.NewFilename = name;
        t.NewFileExt = QStringLiteral(".mp4");
        tasks.appendRow(source);
        tasks.SetItemData(i, ItemField::All, t);
    }
    BenchHost host;
    host.dir = dir;
    RecordingPlatform platform;
    EncoderProcess encoder;
    BatchRun run(tasks, encoder, platform, host, testsupport::fakeEncoder());
    QElapsedTimer t;
    t.start();
    OutputPlan plan = run.planOutputs();
    const double planned = t.nsecsElapsed() / 1e6;
    t.restart();
    for (int i = 0; i < count; ++i)
        plan.turn(i);
    const double turns = t.nsecsElapsed() / 1e6;
    std::printf("naming   %6d tasks: whole list %8.1f ms (%.4f ms a task), turns %.4f ms a "
                "task\n",
                count, planned, planned / count, turns / count);
}

// Seconds of a dry run of count files.
void dryRun(int count)
{
    QTemporaryDir work;
    const QString src = work.filePath("src"), out = work.filePath("out");
    QDir().mkpath(src);
    QDir().mkpath(out);
    for (int i = 0; i < count; ++i)
        testsupport::writeFile(src + QStringLiteral("/clip %1.avi").arg(i, 5, 10, QChar(u'0')), {});
    testsupport::ProgramDir program(testsupport::fakeEncoder(), true, false);
    const QString cli = testsupport::copyCli(program);
    testsupport::setFakeScript(work.path(),
                               {"print Input #0, avi, from '$last':\\n  Duration: 00:00:02.00, "
                                "start: 0\\n  Stream #0:0: Video: mpeg4, yuv420p, 320x240\\n"});
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(cli, {"-n", "-p", "MP4 H.264 + AAC", "-o", out, src});
    p.waitForFinished(-1);
    std::printf("dry run  %6d files: %.2f s (exit %d)\n", count, t.elapsed() / 1000.0,
                p.exitCode());
}

// Microseconds per chunk appended once all logs together hold their bound.
void logs(int count)
{
    // A bound of count logs of 4 KB: the next log's chunks each go over it.
    TaskLogs logs(TaskLogs::TaskLimit, qsizetype(count) * 4096);
    const QByteArray chunk(4096, 'x');
    for (int id = 1; id <= count; ++id) {
        logs.begin(id, {});
        logs.append(id, chunk);
        logs.finish(id, true, {});
    }
    constexpr int Chunks = 2000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < Chunks; ++i) {
        const TaskLogs::TaskId id = count + 1 + i / 4;
        if (i % 4 == 0)
            logs.begin(id, {});
        logs.append(id, chunk);
    }
    std::printf("logs     %6d logs kept: %.2f us a chunk\n", count,
                t.nsecsElapsed() / 1e3 / Chunks);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts << std::atoi(argv[i]);
    if (counts.isEmpty())
        counts = {250, 1000, 2000, 20000};
    for (int count : counts)
        naming(count);
    for (int count : counts)
        logs(count);
    dryRun(counts.last());
    return 0;
}
