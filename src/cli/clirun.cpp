#include "clirun.h"

#include "consolereporter.h"
#include "engine/commandline.h"
#include "engine/itemdata.h"
#include "engine/tasklogs.h"
#include "engine/taskstore.h"
#include "settings/newinifiles.h"

#include <QRegularExpression>

namespace {

// Lines shown on a failure.
constexpr int ErrorLineCount = 5;

// The encoder speed a text reports last ("2.5x"), or an empty text.
QString reportedSpeed(const QString &text)
{
    static const QRegularExpression speed(QStringLiteral("speed=\\s*([0-9.]+x)"));
    QString found;
    auto it = speed.globalMatch(text);
    while (it.hasNext())
        found = it.next().captured(1);
    return found;
}

} // namespace

CliRun::CliRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform,
               ConsoleReporter &reporter, const Settings &settings, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_reporter(reporter), m_settings(settings),
      m_batch(tasks, encoder, platform, *this, settings.encoderPath)
{
    m_batch.setJobs(settings.jobs);
    m_batch.setOutputReader(settings.reader);
    connect(&m_batch, &BatchRun::taskChecked, this,
            [this](int row, const OutputCheck::Verdict &v, bool trashed) {
                m_checks.insert(row, {true, v.passed, v.measured, v.expected, trashed});
                m_trashed += trashed ? 1 : 0;
            });
    // An encoder need not wait for its file's probe: starting one takes as
    // long as a probe, and the length only serves the progress.
    m_batch.setWaitForProbes(false);
    connect(&m_batch, &BatchRun::conversionStarting, this, [this](int row) {
        m_running.insert(row, {QDateTime::currentDateTimeUtc(), QString()});
        emit conversionStarting(row);
    });
    connect(&m_batch, &BatchRun::taskStarted, this, &CliRun::taskStarted);
    // The memo is the latest output of the encoder the bars tell of.
    connect(&m_batch, &BatchRun::memoChanged, this, &CliRun::takeMemo);
    connect(&m_batch, &BatchRun::taskEnded, this, &CliRun::taskEnded);
    connect(&m_batch, &BatchRun::encoderNotStarted, this, [this](int, const QString &reason) {
        m_reporter.error(QStringLiteral("the encoder could not be started: %1").arg(reason));
    });
    connect(&m_batch, &BatchRun::currentProgressChanged, this, [this](int percent) {
        m_reporter.progress(taskNumber(m_batch.currentTask()), percent, m_batch.totalPosition());
    });
    connect(&m_batch, &BatchRun::totalProgressChanged, this, [this](int percent) {
        m_reporter.progress(taskNumber(m_batch.currentTask()), m_batch.currentPosition(), percent);
    });
    connect(&m_batch, &BatchRun::elapsedChanged, this,
            [this](const QString &text) { m_reporter.elapsed(text); });
    connect(&m_batch, &BatchRun::remainingChanged, this,
            [this](const QString &text) { m_reporter.remaining(text); });
    connect(&m_batch, &BatchRun::runStateChanged, this, [this](int state) {
        if (state == BatchRun::Idle)
            emit ended();
    });
}

void CliRun::setShare(const QList<int> &listIndexes, const QMap<int, OutputPlan::Task> &otherTasks)
{
    m_listIndexes = listIndexes;
    m_otherTasks = otherTasks;
}

int CliRun::listIndex(int row) const
{
    return row >= 0 && row < m_listIndexes.size() ? m_listIndexes[row] : row;
}

void CliRun::printCommandLines(const QString &profilePath, const ProfileGrids &grids)
{
    const EncoderOptions options = BuildProfileOptions(profilePath, grids, nullptr, false);
    const OutputPlan plan = m_batch.planOutputs();
    for (int row = 0; row < m_tasks.count(); ++row) {
        ltvItemData task;
        m_tasks.GetItemData(row, ItemField::All, task);
        const QString output = plan.output(listIndex(row));
        m_reporter.commandLine(listIndex(row), task.InputFile,
                               CommandLineText(task, TaskOptions(options, task), output),
                               EncoderArguments(task, options, output));
    }
}

BatchRun::StartResult CliRun::convert(const QString &profilePath, const ProfileGrids &grids)
{
    m_reporter.setTaskCount(m_tasks.count());
    return m_batch.Start(profilePath, grids, nullptr, nullptr);
}

void CliRun::stop()
{
    m_batch.requestStop();
}

void CliRun::stopNow()
{
    m_batch.stopNow();
}

void CliRun::taskStarted(int row, const QStringList &arguments)
{
    m_running[row].output = arguments.isEmpty() ? QString() : arguments.last();
    m_reporter.taskStarted(taskNumber(row), m_tasks.caption(row), m_settings.encoderPath,
                           arguments);
}

void CliRun::takeMemo(const QString &text)
{
    if (const QString speed = reportedSpeed(text); !speed.isEmpty())
        m_reporter.speed(speed);
}

QStringList CliRun::errorLines(int row) const
{
    // What the window's tooltip tells: the encoder's last error lines, or
    // why it never ran.
    return m_batch.logs()
        .failureSummary(m_tasks.taskId(row), ErrorLineCount)
        .split(u'\n', Qt::SkipEmptyParts);
}

void CliRun::taskEnded(int row, const QString &status, int exitCode)
{
    // A task that ends without its encoder (skipped, stopped before its
    // turn) has no conversion time. The run has removed the partial output
    // of a task that failed or was stopped.
    const Running running = m_running.take(row);
    const double seconds = running.begin.isValid()
                               ? running.begin.msecsTo(QDateTime::currentDateTimeUtc()) / 1000.0
                               : 0.0;
    QString output = running.output;
    if (status == TaskStatus::Skipped)
        output = m_batch.outputOf(row); // the file kept
    m_reporter.taskEnded(taskNumber(row), m_tasks.caption(row), output, status, exitCode, seconds,
                         status == TaskStatus::Failed ? errorLines(row) : QStringList(),
                         m_checks.take(row));
    emit taskFinished(row, status);
}
