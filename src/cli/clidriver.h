#pragma once

#include "clioptions.h"
#include "consoleplatform.h"
#include "consolereporter.h"
#include "engine/encoderprocess.h"
#include "engine/outputrecords.h"
#include "engine/taskstore.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class CliIntake;
class CliRun;

// One invocation of the command-line program, from its checked options to
// its exit status: the settings, the profile, the intake, then the command
// lines (--dry-run) or the run, and the summary. Runs inside the event loop,
// which the run needs while it waits for the encoder.
class CliDriver : public QObject
{
    Q_OBJECT
public:
    explicit CliDriver(const CliOptions &options, QObject *parent = nullptr);
    ~CliDriver() override;

    // Does the work; the exit status: 0 every task converted or skipped, 1 a
    // task failed or a path could not be taken in, 2 a usage or settings
    // error or nothing to convert, 130 interrupted.
    int run();
    // SIGINT or SIGTERM: a run is stopped and ends with the summary (once
    // more, with its encoders killed at once); before the run, the program
    // ends at once, with nothing converted.
    void interrupt();

    static constexpr int ExitOk = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUsage = 2;
    static constexpr int ExitInterrupted = 130;

private:
    enum class Phase
    {
        Preparing,
        Running,
        Finishing, // the run has ended, probes may still go on
        Done
    };

    int prepareAndRun();
    // A usage or settings error: its line, and the status.
    int usageError(const QString &text);
    ConsoleReporter::Summary summary(int exitStatus) const;

    CliOptions m_options;
    ConsoleReporter m_reporter;
    ConsolePlatform m_platform;
    TaskStore m_tasks;
    EncoderProcess m_encoder;
    std::unique_ptr<OutputRecords> m_records;
    CliIntake *m_intake = nullptr; // while taking in
    std::unique_ptr<CliRun> m_run;
    QElapsedTimer m_clock;
    Phase m_phase = Phase::Preparing;
    bool m_interrupted = false;
    int m_notTaken = 0; // paths and files found that could not be taken in
};
