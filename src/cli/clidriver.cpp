#include "clidriver.h"

#include "cliintake.h"
#include "clirun.h"
#include "clisettings.h"
#include "cliwatch.h"
#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/itemdata.h"
#include "platform/terminationsignals.h"
#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/preferences.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "settings/watchlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <csignal>
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

void CliDriver::usageError(const QString &text)
{
    m_reporter.error(text);
    finish(ExitUsage, false);
}

void CliDriver::start()
{
    m_clock.start();
    try {
        prepare();
    } catch (const TIniFileError &e) {
        // A settings file that cannot be read.
        usageError(e.text());
    }
}

void CliDriver::finish(int exitStatus, bool withSummary)
{
    if (m_phase == Phase::Done)
        return;
    m_phase = Phase::Done;
    if (withSummary)
        m_reporter.summary(summary(exitStatus));
    emit finished(exitStatus);
}

void CliDriver::prepare()
{
    // Settings as the window finds them; nothing is written.
    const AppPaths paths = AppPaths::forProgram(QCoreApplication::applicationDirPath());
    if (m_options.version) {
        std::printf("%s %s\n", qUtf8Printable(CliProgramName),
                    qUtf8Printable(ReadVersion(paths.shippedPreferencesFile(), false)));
        finish(ExitOk, false);
        return;
    }
    if (m_options.paths.isEmpty() && m_options.listFiles.isEmpty() && m_options.watch.isEmpty())
        return usageError(QStringLiteral("no source paths given (see --help)."));

    CliSettings settings;
    if (const QString error = ResolveCliSettings(m_options, paths, settings); !error.isEmpty())
        return usageError(error);

    const ProfileGrids grids{&m_video, &m_audio, &m_advanced};
    QString outputExt;
    m_profilePath = settings.profilePath;
    LoadProfile(settings.profilePath, grids, &outputExt, false);

    m_intake =
        std::make_unique<CliIntake>(m_tasks, paths.encoderPath(),
                                    settings.probeWithEncoder ? QString() : paths.probeHelperPath(),
                                    settings.probeLimit, m_platform);
    CliIntake &intake = *m_intake;
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
    connect(&intake, &CliIntake::collected, this, &CliDriver::collected);
    // The end of the probes that a run which ended early left going.
    connect(&intake.taskIntake(), &TaskIntake::busyChanged, this, [this](bool busy) {
        if (!busy && m_phase == Phase::Finishing)
            runEnded();
    });

    m_run = std::make_unique<CliRun>(
        m_tasks, m_encoder, m_platform, m_reporter,
        CliRun::Settings{paths.encoderPath(), settings.outputDir, outputExt, settings.overwrite,
                         settings.skip, m_options.jobs, settings.verify, settings.trashSource,
                         settings.probeWithEncoder ? QString() : paths.probeHelperPath()});
    m_run->setOutputRecords(m_records.get());
    m_run->setProcessControl(&m_processControl);
    connect(m_run.get(), &CliRun::ended, this, &CliDriver::runEnded);

    // A signal may have come while the program started.
    if (m_interrupted)
        return finish(ExitInterrupted);
    if (!m_options.watch.isEmpty())
        return watch(settings.outputDir);
    QString error;
    m_phase = Phase::Collecting;
    if (!intake.collect(m_options.paths, m_options.listFiles, error))
        return usageError(error);
}

void CliDriver::watch(const QString &outputDir)
{
    if (!BatchRun::outputDirectoryExists(outputDir))
        return usageError(QStringLiteral("the output directory \"%1\" does not exist.")
                              .arg(QDir::toNativeSeparators(outputDir)));
    const AppPaths paths = AppPaths::forProgram(QCoreApplication::applicationDirPath());
    // The timing the window's watches use, unless given.
    WatchList timing;
    try {
        timing = WatchList::read(paths.watchListFile());
    } catch (const TIniFileError &e) {
        m_reporter.error(e.text());
    }
    CliWatch::Settings settings;
    settings.watch.folder = QDir(m_options.watch).absolutePath();
    settings.watch.outputDir = outputDir;
    settings.watch.subfolders = m_options.recursive;
    settings.settleMs =
        1000 * (m_options.settleSecs >= 0 ? m_options.settleSecs : timing.settleSecs);
    settings.rescanMs =
        1000 * (m_options.rescanSecs >= 0 ? m_options.rescanSecs : timing.rescanSecs);
    settings.profilePath = m_profilePath;
    settings.grids = {&m_video, &m_audio, &m_advanced};
    m_intake->setConverting();
    m_run->setIntake(&m_intake->taskIntake());
    m_watch = std::make_unique<CliWatch>(
        m_tasks, m_intake->taskIntake(), *m_run, m_reporter, m_records.get(),
        [paths](const QString &id) { return paths.watchRecordsDir(id); }, settings);
    m_phase = Phase::Watching;
    m_watch->start();
}

void CliDriver::collected()
{
    CliIntake &intake = *m_intake;
    if (intake.listIndexes().isEmpty() && intake.otherTasks().isEmpty()) {
        // Nothing to convert (a share with no task of a list that has some
        // is no error).
        if (m_notTaken == 0)
            m_reporter.error(QStringLiteral("no video file to convert was found."));
        return finish(ExitUsage, false);
    }
    m_run->setShare(intake.listIndexes(), intake.otherTasks());
    const ProfileGrids grids{&m_video, &m_audio, &m_advanced};
    if (m_options.dryRun) {
        // The command lines do not depend on what a probe finds.
        intake.skipProbes();
        m_run->printCommandLines(m_profilePath, grids);
        return finish(m_notTaken > 0 ? ExitFailed : ExitOk, false);
    }

    m_phase = Phase::Running;
    intake.setConverting();
    m_run->setIntake(&intake.taskIntake());
    m_started = m_run->convert(m_profilePath, grids);
    if (m_started != BatchRun::StartResult::Ran)
        runEnded();
}

void CliDriver::runEnded()
{
    if (m_phase == Phase::Watching && !m_interrupted) {
        // After the run's own handlers: its tasks leave the list.
        QTimer::singleShot(0, m_watch.get(), &CliWatch::runEnded);
        return;
    }
    // A run that ended early (the encoder cannot be started) still tells
    // of every task it had: the probes it left go on.
    m_phase = Phase::Finishing;
    if (!m_interrupted && m_intake->isBusy())
        return;
    int status = ExitOk;
    if (m_interrupted)
        status = ExitInterrupted;
    else if (m_started == BatchRun::StartResult::OutputPathMissing ||
             m_started == BatchRun::StartResult::OptionsFailed)
        status = ExitUsage;
    else if (summary(ExitOk).failed > 0 || m_notTaken > 0)
        status = ExitFailed;
    finish(status);
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
    if (m_watch)
        m_watch->addTo(s);
    s.trashed = m_run ? m_run->trashedCount() : 0;
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
        if (m_phase == Phase::Running || m_phase == Phase::Watching)
            m_run->stopNow();
        return;
    }
    m_interrupted = true;
    switch (m_phase) {
    case Phase::Preparing:
        break; // told once preparing is done
    case Phase::Running:
        m_run->stop();
        break;
    case Phase::Watching:
        // The run under way ends as Stop ends it; the summary follows.
        if (m_run->isRunning()) {
            m_phase = Phase::Running;
            m_run->stop();
            break;
        }
        m_intake->cancel();
        finish(ExitInterrupted);
        break;
    case Phase::Collecting:
    case Phase::Finishing:
        // Taking in the sources (nothing has been converted), or the run is
        // over: the intake ends with its probes, and the program with the
        // summary.
        m_intake->cancel();
        finish(ExitInterrupted);
        break;
    case Phase::Done:
        break;
    }
}

void CliDriver::jobControl(int signalNumber)
{
    if (signalNumber == SIGCONT) {
        if (m_phase == Phase::Running || m_phase == Phase::Watching)
            m_run->resume();
        return;
    }
    // The encoders first: a program that stops leaves none converting.
    if (m_phase == Phase::Running || m_phase == Phase::Watching)
        m_run->pause();
    TerminationSignals::stopThisProgram();
}
