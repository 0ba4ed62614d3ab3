#pragma once

#include "clioptions.h"
#include "consoleplatform.h"
#include "consolereporter.h"
#include "engine/batchrun.h"
#include "engine/encoderprocess.h"
#include "engine/outputrecords.h"
#include "engine/taskstore.h"
#include "platform/systemprocesscontrol.h"
#include "settings/valuelistmodel.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class CliIntake;
class CliRun;
class CliWatch;

// One invocation of the command-line program, from its checked options to
// its exit status: the settings, the profile, the intake, then the command
// lines (--dry-run) or the run, and the summary. Driven by the event loop:
// each step begins when the one before has told its end.
class CliDriver : public QObject
{
    Q_OBJECT
public:
    explicit CliDriver(const CliOptions &options, QObject *parent = nullptr);
    ~CliDriver() override;

    // Begins the work; finished() tells its end.
    void start();
    // SIGINT or SIGTERM: a run is stopped and ends with the summary (once
    // more, with its encoders killed at once); before the run, the program
    // ends at once, with nothing converted.
    void interrupt();
    // SIGTSTP: the encoders are suspended and the program stops itself;
    // SIGCONT: they go on.
    void jobControl(int signalNumber);

    static constexpr int ExitOk = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUsage = 2;
    static constexpr int ExitInterrupted = 130;

signals:
    // The work is done; the exit status: 0 every task converted or skipped,
    // 1 a task failed or a path could not be taken in, 2 a usage or
    // settings error or nothing to convert, 130 interrupted.
    void finished(int exitStatus);

private:
    enum class Phase
    {
        Preparing,
        Collecting, // the sources are taken in
        Running,
        Watching,  // --watch: runs start as files arrive, until a signal
        Finishing, // the run has ended, probes may still go on
        Done
    };

    void prepare();
    // --watch: the watch and its runs, after the settings (prepare).
    void watch(const QString &outputDir);
    // The task list is complete: the command lines, or the run.
    void collected();
    void runEnded();
    // The end: the summary (unless told otherwise) and finished().
    void finish(int exitStatus, bool withSummary = true);
    // A usage or settings error: its line, and the end.
    void usageError(const QString &text);
    ConsoleReporter::Summary summary(int exitStatus) const;

    CliOptions m_options;
    ConsoleReporter m_reporter;
    ConsolePlatform m_platform;
    SystemProcessControl m_processControl;
    TaskStore m_tasks;
    EncoderProcess m_encoder;
    std::unique_ptr<OutputRecords> m_records;
    // The profile's stored values, standing in for the window's grids.
    ValueListModel m_video, m_audio, m_advanced;
    QString m_profilePath;
    std::unique_ptr<CliIntake> m_intake;
    std::unique_ptr<CliRun> m_run;
    std::unique_ptr<CliWatch> m_watch;
    BatchRun::StartResult m_started = BatchRun::StartResult::Ran;
    QElapsedTimer m_clock;
    Phase m_phase = Phase::Preparing;
    bool m_interrupted = false;
    int m_notTaken = 0; // paths and files found that could not be taken in
};
