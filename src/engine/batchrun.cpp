#include "batchrun.h"

#include "commandline.h"
#include "encoderprocess.h"
#include "itemdata.h"
#include "platform/platform.h"
#include "runhost.h"
#include "settings/newinifiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>

namespace {

// Bytes read from the encoder at a time.
constexpr qint64 ChunkBytes = 4095;

// What the encoder prints when it could not finish writing the output file
// (a full disk, say); it may still end with success, leaving a cut file.
const QByteArray WriteFailures[] = {QByteArrayLiteral("Error writing trailer of "),
                                    QByteArrayLiteral("Error closing file ")};
// Bytes of a chunk's end kept to find a text cut between two chunks.
constexpr qsizetype WriteFailureOverlap = 24;

// Round half to even, clamped into the bars' range. Anything that is not a
// number (a task of length 0 never gets here) shows 0.
int barPosition(double percent)
{
    if (std::isnan(percent) || percent <= 0)
        return 0;
    if (percent >= 100)
        return 100;
    return int(std::nearbyint(percent));
}

// Releases the window from its running state however Start is left.
struct LeaveGuard
{
    const std::function<void()> &leave;
    ~LeaveGuard()
    {
        if (leave)
            leave();
    }
};

} // namespace

BatchRun::BatchRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, RunHost &host,
                   const QString &encoderPath, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_encoder(encoder), m_platform(platform), m_host(host),
      m_encoderPath(encoderPath)
{
    m_timerTime.setInterval(1000);
    m_timerTime.setTimerType(Qt::PreciseTimer);
    connect(&m_timerTime, &QTimer::timeout, this, &BatchRun::timerTimeTimer);
}

BatchRun::~BatchRun()
{
    // No encoder of a run outlives it.
    if (m_runState != Idle)
        m_encoder.TerminateEncoder();
}

bool BatchRun::outputDirectoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

BatchRun::StartResult BatchRun::Start(const QString &profilePath, const ProfileGrids &grids,
                                      const std::function<void()> &enterRunMode,
                                      const std::function<void()> &leaveRunMode)
{
    if (m_runState != Idle)
        return StartResult::Ran;
    if (!outputDirectoryExists(m_host.outputDirectory())) {
        m_platform.messageBox(
            QStringLiteral("The output path does not exist. Please specify another one."),
            QStringLiteral("Output path does not exist"), Platform::Icon::Information);
        return StartResult::OutputPathMissing;
    }
    if (m_tasks.count() == 0)
        return StartResult::NoTasks;

    if (enterRunMode)
        enterRunMode();
    LeaveGuard guard{leaveRunMode};
    EncoderOptions options;
    QString notSaved;
    try {
        options =
            BuildProfileOptions(profilePath, grids, &notSaved, m_host.rewritesProfile(profilePath));
    } catch (const TIniFileError &e) {
        // The profile could not be read: nothing is converted.
        m_platform.messageBox(e.text(), QStringLiteral("Error"), Platform::Icon::Error);
        return StartResult::OptionsFailed;
    }
    if (!notSaved.isEmpty())
        emit profileNotSaved(profilePath, notSaved);
    RunBatch(options);
    return StartResult::Ran;
}

void BatchRun::setRunState(State state)
{
    if (m_runState == state)
        return;
    m_runState = state;
    emit runStateChanged(int(state));
}

void BatchRun::setStatus(int index, const QString &status)
{
    ltvItemData record;
    record.Status = status;
    m_tasks.SetItemData(index, ItemField::Status, record);
}

void BatchRun::setBars(int current, int total)
{
    m_currentBar = current;
    m_totalBar = total;
    emit currentProgressChanged(current);
    emit totalProgressChanged(total);
}

void BatchRun::RunBatch(const EncoderOptions &options)
{
    if (m_runState != Idle)
        return;

    // Preparing the run.
    emit convertingFileChanged(QString());
    emit elapsedChanged(QString());
    emit remainingChanged(QString());
    setBars(0, 0);
    emit progressPanelShown(true);
    setRunState(Running);
    m_doneSecs = 0;
    m_totalSecs = 0;
    m_elapsedSecs = 0;
    m_remainingSecs = 0;
    m_failedCount = 0;
    m_skippedCount = 0;
    m_convertedCount = 0;
    m_closing = false;
    m_currentTask = -1;
    m_timerTime.start();
    m_taskCount = m_tasks.count();
    for (int i = 0; i < m_taskCount; ++i) {
        ltvItemData record;
        m_tasks.GetItemData(i, ItemField::All, record);
        m_totalSecs += record.ClipLengthSecs;
    }

    for (int i = 0; i < m_taskCount; ++i) {
        switch (runTask(i, options)) {
        case TaskEnd::Stopped:
            endAfterStop(i);
            return;
        case TaskEnd::StartFailed:
            return;
        case TaskEnd::Complete:
        case TaskEnd::Failed:
        case TaskEnd::Skipped:
            break;
        }
    }
    if (m_runState == Running)
        complete();
    else if (m_runState == StopRequested)
        endAfterStop(-1); // the stop came after the last encoder had ended
}

BatchRun::TaskEnd BatchRun::runTask(int index, const EncoderOptions &options)
{
    QCoreApplication::processEvents();
    // A stop given before this task's turn ends the run without starting it.
    if (m_runState != Running)
        return TaskEnd::Stopped;
    m_currentTask = index;
    m_currentId = m_tasks.taskId(index);
    m_positionSecs = 0;

    ltvItemData task;
    m_tasks.GetItemData(index, ItemField::All, task);

    const bool skip = m_host.skipExisting();
    const QString unfinished = m_unfinishedOutputs.value(m_currentId);
    const QString output = OutputPathFor(index);
    m_taskSecs = task.ClipLengthSecs;
    if (skip && QFileInfo::exists(output) && output != unfinished) {
        // Kept as it is; the task counts as done.
        m_logs.remove(m_currentId);
        setStatus(index, TaskStatus::Skipped);
        ++m_skippedCount;
        m_doneSecs += m_taskSecs;
        setBars(m_currentBar,
                m_totalSecs != 0 ? barPosition(m_doneSecs * 100.0 / m_totalSecs) : m_totalBar);
        m_currentTask = -1;
        emit taskEnded(index, TaskStatus::Skipped, -1);
        return TaskEnd::Skipped;
    }

    setStatus(index, TaskStatus::Converting);
    emit convertingFileChanged(FileNamePart(task.InputFile));
    const QStringList args = EncoderArguments(task, options, output);
    // Recorded before the encoder starts: should the program end during
    // the conversion, the task's next conversion knows whose file it finds.
    m_unfinishedOutputs.insert(m_currentId, output);
    emit conversionStarting(index);
    m_logs.begin(m_currentId, QStringLiteral("%1%2").arg(
                                  QDir::toNativeSeparators(m_encoderPath),
                                  CommandLineText(task, TaskOptions(options, task), output)));
    m_currentOutput = output;
    m_outputBefore = outputState(output);

    m_chunkCount = 0;
    m_latestChunk.clear();
    m_evaluated = false;
    m_writeFailed = false;
    if (!m_encoder.start(m_encoderPath, args, ChunkBytes,
                         [this](const QByteArray &chunk) { takeOutput(chunk); })) {
        // The channels could not be set up (out of file descriptors), as
        // opposed to a program that cannot be started.
        const QString error = m_encoder.errorString();
        const bool pipe = error.contains(QStringLiteral("pipe"), Qt::CaseInsensitive) ||
                          error.contains(QStringLiteral("Too many open files"));
        m_logs.finish(m_currentId, false,
                      QStringLiteral("The encoder could not be started: %1").arg(error));
        forgetOutput();
        endAfterStartFailure(index, pipe ? QStringLiteral("Error On CreatePipe()")
                                         : QStringLiteral("Error on CreateProcess()"));
        return TaskEnd::StartFailed;
    }
    emit taskStarted(index, args);

    // Output is taken as it comes (takeOutput); after each wait the window
    // shows the latest chunk and the progress once. After Stop, whatever the
    // ending encoder still writes is taken but no longer shown, so a flood of
    // output cannot hold the stop up.
    for (;;) {
        QCoreApplication::processEvents();
        if (!m_encoder.waitForOutputProcessingEvents())
            break;
        if (m_runState == Running)
            showOutput();
    }

    if (m_runState == StopRequested) {
        m_logs.finish(m_currentId, false, QStringLiteral("The conversion was stopped."));
        discardOutput();
        return TaskEnd::Stopped;
    }

    QString reason;
    if (m_encoder.crashed())
        reason = QStringLiteral("The encoder crashed.");
    else if (m_encoder.exitCode() != 0)
        reason = QStringLiteral("The encoder ended with exit status %1.").arg(m_encoder.exitCode());
    else if (m_writeFailed)
        reason = QStringLiteral("The encoder could not finish writing the output file.");
    const bool failed = !reason.isEmpty();
    m_logs.finish(m_currentId, !failed, reason);
    m_doneSecs += m_taskSecs;
    const bool last = index == m_taskCount - 1;
    const int done = m_totalSecs != 0 ? barPosition(m_doneSecs * 100.0 / m_totalSecs) : m_totalBar;
    if (failed) {
        ++m_failedCount;
        // A partial output is never taken for a finished one.
        discardOutput();
        setStatus(index, TaskStatus::Failed);
        setBars(last ? m_currentBar : 0, done);
    } else {
        ++m_convertedCount;
        forgetOutput();
        setStatus(index, TaskStatus::Complete);
        setBars(100, done);
        if (!last)
            setBars(0, done);
    }
    emit taskEnded(index, failed ? TaskStatus::Failed : TaskStatus::Complete,
                   m_encoder.crashed() ? -1 : m_encoder.exitCode());
    m_encoder.TerminateEncoder();
    m_currentTask = -1;
    return failed ? TaskEnd::Failed : TaskEnd::Complete;
}

BatchRun::OutputState BatchRun::outputState(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified(),
            info.fileTime(QFileDevice::FileMetadataChangeTime)};
}

void BatchRun::discardOutput()
{
    if (m_currentOutput.isEmpty())
        return;
    // The encoder was told to write this file: whatever it holds now that
    // differs from before came from this conversion and is incomplete. A
    // file the encoder never touched (it failed before) stays.
    const OutputState now = outputState(m_currentOutput);
    if (now.exists && !(now == m_outputBefore) && QFileInfo(m_currentOutput).isFile())
        QFile::remove(m_currentOutput);
    forgetOutput();
}

void BatchRun::forgetOutput()
{
    m_currentOutput.clear();
    m_unfinishedOutputs.remove(m_currentId);
}

void BatchRun::setUnfinishedOutput(quint64 taskId, const QString &path)
{
    if (path.isEmpty())
        m_unfinishedOutputs.remove(taskId);
    else
        m_unfinishedOutputs.insert(taskId, path);
}

QString BatchRun::OutputPathFor(int index, const QStringList &alsoAvoid) const
{
    // No task's output may replace the source of another task of the list,
    // converted already or still waiting, nor one that another run converts.
    QStringList avoid = m_host.otherSources() + alsoAvoid;
    for (int i = 0; i < m_tasks.count(); ++i)
        if (i != index)
            avoid.append(m_tasks.caption(i));
    ltvItemData task;
    m_tasks.GetItemData(index, ItemField::All, task);
    // With Skip an existing file is kept, not renamed around: its name is
    // the one looked for. What a cut-off conversion of the task left counts
    // as free.
    return OutputPath(m_host.outputDirectory(), task, m_host.listIndex(index),
                      m_host.outputExtension(), m_host.skipExisting() || m_host.overwrite(), avoid,
                      m_unfinishedOutputs.value(m_tasks.taskId(index)));
}

bool BatchRun::ReportedTime(const QString &chunk, double &seconds)
{
    static const QString key = QStringLiteral("time");
    for (int at = chunk.lastIndexOf(key); at >= 0;
         at = at > 0 ? chunk.lastIndexOf(key, at - 1) : -1) {
        const int begin = at + 5;
        const int blank = chunk.indexOf(u' ', begin);
        if (begin > chunk.size() || blank < 0)
            continue;
        const QString candidate = chunk.mid(begin, blank - begin);
        double value = 0;
        if (candidate.contains(u':')) {
            value = StrToSeconds(candidate);
            if (value < 0)
                continue;
        } else if (!ReadDecimal(candidate, value)) {
            continue;
        }
        seconds = value;
        return true;
    }
    return false;
}

void BatchRun::takeOutput(const QByteArray &chunk)
{
    // Every read of the task's encoder comes here, in order. The task's log
    // keeps the end of it; only the latest chunk is kept besides, and the
    // first two chunks of a task are never evaluated.
    m_logs.append(m_currentId, chunk);
    if (!m_writeFailed) {
        const QByteArray joint =
            m_latestChunk.right(WriteFailureOverlap) + chunk.left(WriteFailureOverlap);
        for (const QByteArray &failure : WriteFailures)
            m_writeFailed = m_writeFailed || chunk.contains(failure) || joint.contains(failure);
    }
    m_latestChunk = chunk;
    emit encoderOutput(chunk);
    if (m_chunkCount >= 2) {
        double reported = 0;
        if (ReportedTime(QString::fromLocal8Bit(chunk), reported) && reported > m_positionSecs)
            m_positionSecs = reported;
        m_evaluated = true;
    }
    ++m_chunkCount;
}

void BatchRun::showOutput()
{
    m_memo = QString::fromLocal8Bit(m_latestChunk);
    emit memoChanged(m_memo);
    if (!m_evaluated)
        return;
    m_evaluated = false;
    const int current =
        m_taskSecs != 0 ? barPosition(m_positionSecs * 100.0 / m_taskSecs) : m_currentBar;
    const int total = m_totalSecs != 0
                          ? barPosition((m_doneSecs + m_positionSecs) * 100.0 / m_totalSecs)
                          : m_totalBar;
    setBars(current, total);
}

void BatchRun::endAfterStop(int index)
{
    m_timerTime.stop();
    if (index >= 0) {
        setStatus(index, TaskStatus::Stop);
        emit taskEnded(index, TaskStatus::Stop, -1);
    }
    if (!m_closing)
        m_platform.messageBox(QStringLiteral("The Coversion is canceled."),
                              QStringLiteral("Cancel"), Platform::Icon::Information);
    emit progressPanelShown(false);
    m_currentTask = -1;
    setRunState(Idle);
}

void BatchRun::endAfterStartFailure(int index, const QString &message)
{
    m_timerTime.stop();
    setStatus(index, TaskStatus::Failed);
    emit taskEnded(index, TaskStatus::Failed, -1);
    m_platform.messageBox(message, QStringLiteral("Error"), Platform::Icon::None);
    emit progressPanelShown(false);
    m_currentTask = -1;
    setRunState(Idle);
}

void BatchRun::complete()
{
    m_timerTime.stop();
    m_currentTask = -1;
    emit runCompleted(m_convertedCount, m_skippedCount, m_failedCount);
    if (m_host.autoTurnOff() || m_host.autoExit()) {
        // The window closes; the run counts as over, so closing does not ask
        // about a run in progress.
        if (m_host.autoTurnOff())
            m_platform.powerOff();
        setRunState(Idle);
        emit progressPanelShown(false);
        m_host.closeMainWindow();
        return;
    }
    m_platform.messageBox(completionText(), QStringLiteral("Complete"),
                          Platform::Icon::Information);
    if (m_host.autoOpenDir()) {
        const QString dir = m_host.outputDirectory();
        if (outputDirectoryExists(dir))
            m_platform.shellOpen(dir);
    }
    setRunState(Idle);
    emit progressPanelShown(false);
}

QString BatchRun::completionText() const
{
    QString text =
        m_failedCount == 0
            ? QStringLiteral("The coversion is completed successfully.")
            : QStringLiteral("The conversion is completed, but %1 of %2 files could not be "
                             "converted.")
                  .arg(m_failedCount)
                  .arg(m_taskCount);
    if (m_skippedCount == 1)
        text += QStringLiteral(" 1 of %1 files was skipped because its output file already "
                               "exists.")
                    .arg(m_taskCount);
    else if (m_skippedCount > 1)
        text += QStringLiteral(" %1 of %2 files were skipped because their output files already "
                               "exist.")
                    .arg(m_skippedCount)
                    .arg(m_taskCount);
    if (m_failedCount > 0)
        text += QStringLiteral(" Point at a \"Failed\" task to see why, or choose \"Show "
                               "Log...\" in its pop-up menu.");
    return text;
}

void BatchRun::requestStop()
{
    if (m_runState != Running)
        return;
    setRunState(StopRequested);
    // The run notices the end of the encoder's output in its event loop; an
    // encoder that ignores the request is killed a little later, without
    // holding up the window meanwhile.
    m_encoder.requestEnd();
}

void BatchRun::stopForClose()
{
    if (m_runState == Idle)
        return;
    m_closing = true;
    setRunState(StopRequested);
    m_encoder.TerminateEncoder();
    m_timerTime.stop();
    // The run's own frame may never resume once the program ends: the task in
    // progress is marked now, and its unfinished output goes.
    if (m_currentTask >= 0) {
        m_logs.finish(m_currentId, false, QStringLiteral("The conversion was stopped."));
        discardOutput();
        setStatus(m_currentTask, TaskStatus::Stop);
        emit taskEnded(m_currentTask, TaskStatus::Stop, -1);
    }
}

int BatchRun::EstimateRemaining(int elapsed, int percent)
{
    if (percent == 0)
        return 0;
    const double remaining = double(elapsed) * 100.0 / double(percent) - double(elapsed);
    if (!std::isfinite(remaining) || std::fabs(remaining) > std::numeric_limits<int>::max())
        return 0;
    return int(std::nearbyint(remaining));
}

void BatchRun::timerTimeTimer()
{
    ++m_elapsedSecs;
    emit elapsedChanged(SecondsToStr(m_elapsedSecs));
    if (m_totalBar != 0)
        m_remainingSecs = EstimateRemaining(m_elapsedSecs, m_totalBar);
    emit remainingChanged(SecondsToStr(m_remainingSecs));
}
