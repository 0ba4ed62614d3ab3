#include "clidriver.h"

#include "cliintake.h"
#include "clirun.h"
#include "clisettings.h"
#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>

#include <cstdio>
#include <unistd.h>

namespace {

ConsoleReporter::Mode outputMode(const CliOptions &options)
{
    if (options.json)
        return ConsoleReporter::Mode::Json;
    return ::isatty(STDOUT_FILENO) ? ConsoleReporter::Mode::Terminal : ConsoleReporter::Mode::Lines;
}

} // namespace

CliDriver::CliDriver(const CliOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_reporter(outputMode(options), options.quiet),
      m_platform([this](const QString &line) { m_reporter.error(line); })
{
    // The run's own ending messages: the summary tells the same; and the
    // paths not taken in are each told (notTaken).
    m_platform.setQuietCaptions({QStringLiteral("Complete"), BatchRun::FinishedWithErrorsCaption,
                                 QStringLiteral("Cancel")});
    // A failed start is told with its reason (CliRun).
    m_platform.setQuietTexts({BatchRun::CreateProcessError, BatchRun::CreatePipeError});
}

CliDriver::~CliDriver() = default;

int CliDriver::usageError(const QString &text)
{
    m_reporter.error(text);
    return ExitUsage;
}

int CliDriver::run()
{
    m_clock.start();
    int status = ExitOk;
    try {
        status = prepareAndRun();
    } catch (const TIniFileError &e) {
        // A settings file that cannot be read.
        status = usageError(e.text());
    }
    m_phase = Phase::Done;
    return status;
}

int CliDriver::prepareAndRun()
{
    // Settings as the window finds them; nothing is written.
    const AppPaths paths = AppPaths::forProgram(QCoreApplication::applicationDirPath());
    if (m_options.version) {
        std::printf("%s %s\n", qUtf8Printable(CliProgramName),
                    qUtf8Printable(ReadVersion(paths.shippedPreferencesFile(), false)));
        return ExitOk;
    }
    if (m_options.paths.isEmpty() && m_options.listFiles.isEmpty())
        return usageError(QStringLiteral("no source paths given (see --help)."));

    CliSettings settings;
    if (const QString error = ResolveCliSettings(m_options, paths, settings); !error.isEmpty())
        return usageError(error);

    // The profile's stored values stand in for the window's grids.
    ValueListModel video, audio, advanced;
    const ProfileGrids grids{&video, &audio, &advanced};
    QString outputExt;
    LoadProfile(settings.profilePath, grids, &outputExt, false);

    CliIntake intake(m_tasks, paths.encoderPath(),
                     settings.probeWithEncoder ? QString() : paths.probeHelperPath(),
                     settings.probeLimit, m_platform);
    m_intake = &intake;
    const auto forget = qScopeGuard([this] { m_intake = nullptr; });
    intake.setOutputExtension(outputExt);
    intake.setShare(m_options.shareIndex, m_options.shareCount);
    intake.setFolders(m_options.recursive, settings.outputDir);
    // What the window and earlier runs wrote is known here too.
    m_records = std::make_unique<OutputRecords>(paths.outputRecordsDir());
    intake.taskIntake().setOutputRecords(m_records.get());
    connect(&intake, &CliIntake::notice, this,
            [this](const QString &text) { m_reporter.notice(text); });
    connect(&intake, &CliIntake::taskAdded, this,
            [this](int task, const ltvItemData &record) { m_reporter.taskAdded(task, record); });
    connect(&intake.taskIntake(), &TaskIntake::notTaken, this,
            [this](const QString &path, const QString &reason) {
                ++m_notTaken;
                m_reporter.error(
                    QStringLiteral("\"%1\": %2.").arg(QDir::toNativeSeparators(path), reason));
            });
    QString error;
    // A signal may have come while the program started.
    const bool collected =
        !m_interrupted && intake.collect(m_options.paths, m_options.listFiles, error);
    if (m_interrupted) {
        m_reporter.summary(summary(ExitInterrupted));
        return ExitInterrupted;
    }
    if (!collected)
        return usageError(error);
    if (intake.listIndexes().isEmpty() && intake.otherTasks().isEmpty()) {
        // Nothing to convert (a share with no task of a list that has some
        // is no error).
        if (m_notTaken == 0)
            m_reporter.error(QStringLiteral("no video file to convert was found."));
        return ExitUsage;
    }

    m_run = std::make_unique<CliRun>(m_tasks, m_encoder, m_platform, m_reporter,
                                     CliRun::Settings{paths.encoderPath(), settings.outputDir,
                                                      outputExt, settings.overwrite, settings.skip,
                                                      m_options.jobs});
    m_run->setShare(intake.listIndexes(), intake.otherTasks());
    m_run->setOutputRecords(m_records.get());
    if (m_options.dryRun) {
        // The command lines do not depend on what a probe finds.
        intake.skipProbes();
        m_run->printCommandLines(settings.profilePath, grids);
        return m_notTaken > 0 ? ExitFailed : ExitOk;
    }

    m_phase = Phase::Running;
    intake.setConverting();
    m_run->setIntake(&intake.taskIntake());
    const BatchRun::StartResult started = m_run->convert(settings.profilePath, grids);
    // A run that ended early (the encoder cannot be started) still tells
    // of every task it had.
    m_phase = Phase::Finishing;
    if (!m_interrupted)
        intake.waitForProbes();
    int status = ExitOk;
    if (m_interrupted)
        status = ExitInterrupted;
    else if (started == BatchRun::StartResult::OutputPathMissing ||
             started == BatchRun::StartResult::OptionsFailed)
        status = ExitUsage;
    else if (summary(ExitOk).failed > 0 || m_notTaken > 0)
        status = ExitFailed;
    m_reporter.summary(summary(status));
    return status;
}

ConsoleReporter::Summary CliDriver::summary(int exitStatus) const
{
    ConsoleReporter::Summary s;
    s.tasks = m_tasks.count();
    for (int i = 0; i < m_tasks.count(); ++i) {
        const QString status = m_tasks.cell(i, ItemField::Status);
        if (status == TaskStatus::Complete)
            ++s.complete;
        else if (status == TaskStatus::Failed)
            ++s.failed;
        else if (status == TaskStatus::Skipped)
            ++s.skipped;
        else if (status == TaskStatus::Stop)
            ++s.stopped;
        else
            ++s.notConverted;
    }
    s.seconds = m_clock.elapsed() / 1000.0;
    s.interrupted = m_interrupted;
    s.exitStatus = exitStatus;
    return s;
}

void CliDriver::interrupt()
{
    if (m_phase == Phase::Done)
        return;
    if (m_interrupted) {
        // Once more: the encoders are killed rather than waited for.
        if (m_phase == Phase::Running)
            m_run->stopNow();
        return;
    }
    m_interrupted = true;
    if (m_phase == Phase::Running) {
        m_run->stop();
        return;
    }
    // Taking in the sources (nothing has been converted), or the run is
    // over: the intake ends with its probes, and the program with the
    // summary.
    if (m_intake)
        m_intake->cancel();
}
