#include "clirun.h"

#include "consolereporter.h"
#include "engine/commandline.h"
#include "engine/itemdata.h"
#include "engine/taskstore.h"
#include "settings/newinifiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Bytes of the encoder's output kept for the lines shown on a failure.
constexpr qsizetype TailBytes = 16384;
// Lines shown on a failure.
constexpr int ErrorLineCount = 5;
// A file system's clock may lag the system's by a tick.
constexpr qint64 ClockSlackMs = 100;

// The encoder speed a chunk reports last ("2.5x"), or an empty text.
QString reportedSpeed(const QByteArray &chunk)
{
    static const QRegularExpression speed(QStringLiteral("speed=\\s*([0-9.]+x)"));
    QString found;
    auto it = speed.globalMatch(QString::fromLatin1(chunk));
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
    connect(&m_batch, &BatchRun::convertingFileChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            m_taskBegin = QDateTime::currentDateTimeUtc();
    });
    connect(&m_batch, &BatchRun::taskStarted, this, &CliRun::taskStarted);
    connect(&m_batch, &BatchRun::encoderOutput, this, &CliRun::takeOutput);
    connect(&m_batch, &BatchRun::taskEnded, this, &CliRun::taskEnded);
    connect(&m_batch, &BatchRun::currentProgressChanged, this,
            [this](int percent) { m_reporter.progress(percent, m_batch.totalPosition()); });
    connect(&m_batch, &BatchRun::totalProgressChanged, this,
            [this](int percent) { m_reporter.progress(m_batch.currentPosition(), percent); });
    connect(&m_batch, &BatchRun::elapsedChanged, this,
            [this](const QString &text) { m_reporter.elapsed(text); });
    connect(&m_batch, &BatchRun::remainingChanged, this,
            [this](const QString &text) { m_reporter.remaining(text); });
}

void CliRun::setShare(const QList<int> &listIndexes, const QStringList &otherSources)
{
    m_listIndexes = listIndexes;
    m_otherSources = otherSources;
}

int CliRun::listIndex(int row) const
{
    return row >= 0 && row < m_listIndexes.size() ? m_listIndexes[row] : row;
}

void CliRun::printCommandLines(const QString &profilePath, const ProfileGrids &grids)
{
    const EncoderOptions options = BuildProfileOptions(profilePath, grids, nullptr, false);
    // The outputs of the tasks before count as existing, as they will when
    // the run comes to this task: without overwriting, none is chosen again.
    QStringList earlierOutputs;
    for (int row = 0; row < m_tasks.count(); ++row) {
        ltvItemData task;
        m_tasks.GetItemData(row, ItemField::All, task);
        const QString output =
            m_batch.OutputPathFor(row, m_settings.overwrite ? QStringList() : earlierOutputs);
        earlierOutputs.append(output);
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

void CliRun::taskStarted(int row, const QStringList &arguments)
{
    m_output = arguments.isEmpty() ? QString() : arguments.last();
    m_tail.clear();
    m_reporter.taskStarted(listIndex(row), m_tasks.caption(row), m_settings.encoderPath, arguments);
}

void CliRun::takeOutput(const QByteArray &chunk)
{
    m_tail += chunk;
    if (m_tail.size() > TailBytes)
        m_tail.remove(0, m_tail.size() - TailBytes);
    if (const QString speed = reportedSpeed(chunk); !speed.isEmpty())
        m_reporter.speed(speed);
}

QStringList CliRun::errorLines() const
{
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    QStringList lines;
    for (const QString &line : QString::fromUtf8(m_tail).split(breaks, Qt::SkipEmptyParts)) {
        const QString text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(QLatin1String("frame=")) &&
            !text.startsWith(QLatin1String("size=")))
            lines.append(text);
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - ErrorLineCount));
}

void CliRun::taskEnded(int row, const QString &status, int exitCode)
{
    // A stopped task has not started when the stop came before its turn.
    const bool started = !m_output.isEmpty();
    if (status == TaskStatus::Stop && started)
        removePartialOutput();
    const double seconds =
        started ? m_taskBegin.msecsTo(QDateTime::currentDateTimeUtc()) / 1000.0 : 0.0;
    m_reporter.taskEnded(listIndex(row), m_tasks.caption(row), m_output, status, exitCode, seconds,
                         status == TaskStatus::Failed ? errorLines() : QStringList());
    m_output.clear();
}

void CliRun::removePartialOutput()
{
    // Only what the stopped encoder wrote: a file of that name that it had
    // not touched yet (an earlier conversion) stays.
    const QFileInfo info(m_output);
    if (!info.isFile())
        return;
    if (info.lastModified().toUTC() < m_taskBegin.addMSecs(-ClockSlackMs))
        return;
    QFile::remove(m_output);
}
