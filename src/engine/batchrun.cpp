#include "batchrun.h"

#include "commandline.h"
#include "encoderprocess.h"
#include "intake.h"
#include "itemdata.h"
#include "platform/platform.h"
#include "runhost.h"
#include "settings/newinifiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
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

void BatchRun::setIntake(TaskIntake *intake)
{
    if (m_intake)
        m_intake->disconnect(this);
    m_intake = intake;
    if (!m_intake)
        return;
    // Lengths found while a run goes on count in its total.
    connect(m_intake, &TaskIntake::taskProbed, this, [this] { m_totalStale = true; });
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
    m_closing = false;
    m_currentTask = -1;
    m_timerTime.start();
    m_totalSecs = totalSecs();
    m_totalStale = false;

    // Tasks that intake still adds are converted too: the count is taken
    // anew before each task.
    for (int i = 0; waitForTask(i); ++i) {
        m_taskCount = m_tasks.count();
        switch (runTask(i, options)) {
        case TaskEnd::Stopped:
            endAfterStop(i);
            return;
        case TaskEnd::StoppedWaiting:
            // Nothing of the task was converted: it keeps its status.
            endAfterStop(-1);
            return;
        case TaskEnd::StartFailed:
            return;
        case TaskEnd::Complete:
        case TaskEnd::Failed:
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
    if (!waitForProbe(index))
        return TaskEnd::StoppedWaiting;
    m_currentTask = index;
    m_positionSecs = 0;
    if (m_totalStale) {
        m_totalSecs = totalSecs();
        m_totalStale = false;
    }

    ltvItemData task;
    m_tasks.GetItemData(index, ItemField::All, task);
    setStatus(index, TaskStatus::Converting);
    emit convertingFileChanged(FileNamePart(task.InputFile));

    if (!makeTaskOutputDirectory(index)) {
        // Its subfolder cannot be made (a file of that name, no right to):
        // the task fails, the run goes on.
        m_taskSecs = task.ClipLengthSecs;
        return endTask(index, true, -1);
    }
    const QString output = OutputPathFor(index);
    const QStringList args = EncoderArguments(task, options, output);

    m_taskSecs = task.ClipLengthSecs;
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

    if (m_runState == StopRequested)
        return TaskEnd::Stopped;

    const bool failed = m_encoder.crashed() || m_encoder.exitCode() != 0 || m_writeFailed;
    const TaskEnd end = endTask(index, failed, m_encoder.crashed() ? -1 : m_encoder.exitCode());
    m_encoder.TerminateEncoder();
    return end;
}

BatchRun::TaskEnd BatchRun::endTask(int index, bool failed, int exitCode)
{
    m_doneSecs += m_taskSecs;
    const bool last = isLastTask(index);
    const int total = m_totalSecs != 0 ? barPosition(m_doneSecs * 100.0 / m_totalSecs) : m_totalBar;
    if (failed) {
        ++m_failedCount;
        setStatus(index, TaskStatus::Failed);
        setBars(last ? m_currentBar : 0, total);
    } else {
        setStatus(index, TaskStatus::Complete);
        setBars(100, total);
        if (!last)
            setBars(0, total);
    }
    emit taskEnded(index, failed ? TaskStatus::Failed : TaskStatus::Complete, exitCode);
    m_currentTask = -1;
    return failed ? TaskEnd::Failed : TaskEnd::Complete;
}

bool BatchRun::waitForIntake()
{
    QEventLoop loop;
    connect(m_intake, &TaskIntake::taskAdded, &loop, &QEventLoop::quit);
    connect(m_intake, &TaskIntake::taskProbed, &loop, &QEventLoop::quit);
    connect(m_intake, &TaskIntake::busyChanged, &loop, &QEventLoop::quit);
    connect(m_intake, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &BatchRun::runStateChanged, &loop, &QEventLoop::quit);
    // Negative: the application is quitting and runs no more loops.
    return loop.exec() >= 0;
}

bool BatchRun::waitForProbe(int index)
{
    const TaskStore::TaskId id = m_tasks.taskId(index);
    if (!m_intake || !m_intake->probePending(id))
        return true;
    // Its length is needed for the progress: its probe goes first.
    m_intake->probeNext(id);
    emit convertingFileChanged(FileNamePart(m_tasks.caption(index)));
    const QPointer<TaskIntake> intake(m_intake);
    while (m_runState == Running && intake && intake->probePending(id))
        if (!waitForIntake())
            return false;
    return m_runState == Running;
}

bool BatchRun::waitForTask(int index)
{
    const QPointer<TaskIntake> intake(m_intake);
    while (index >= m_tasks.count() && intake && intake->isAdding() && m_runState == Running)
        if (!waitForIntake())
            break;
    return index < m_tasks.count();
}

bool BatchRun::isLastTask(int index) const
{
    return index >= m_tasks.count() - 1 && !(m_intake && m_intake->isAdding());
}

double BatchRun::totalSecs() const
{
    double total = 0;
    for (int i = 0; i < m_tasks.count(); ++i) {
        if (m_intake && m_intake->probePending(m_tasks.taskId(i)))
            continue;
        ltvItemData record;
        m_tasks.GetItemData(i, ItemField::ClipLength, record);
        total += record.ClipLengthSecs;
    }
    return total;
}

QString BatchRun::taskOutputDirectory(int index) const
{
    const QString dir = m_host.outputDirectory();
    const QString subfolder = m_tasks.outputSubfolder(index);
    return subfolder.isEmpty() ? dir : AddBackslash(dir) + subfolder;
}

bool BatchRun::makeTaskOutputDirectory(int index) const
{
    return m_tasks.outputSubfolder(index).isEmpty() || QDir().mkpath(taskOutputDirectory(index));
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
    return OutputPath(taskOutputDirectory(index), task, m_host.listIndex(index),
                      m_host.outputExtension(), m_host.overwrite(), avoid);
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
    // Every read of the task's encoder comes here, in order. Only the latest
    // chunk is kept; the first two chunks of a task are never evaluated.
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
    const QString text =
        m_failedCount == 0
            ? QStringLiteral("The coversion is completed successfully.")
            : QStringLiteral("The conversion is completed, but %1 of %2 files could not be "
                             "converted.")
                  .arg(m_failedCount)
                  .arg(m_taskCount);
    m_platform.messageBox(text, QStringLiteral("Complete"), Platform::Icon::Information);
    if (m_host.autoOpenDir()) {
        const QString dir = m_host.outputDirectory();
        if (outputDirectoryExists(dir))
            m_platform.shellOpen(dir);
    }
    setRunState(Idle);
    emit progressPanelShown(false);
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
    // progress is marked now.
    if (m_currentTask >= 0) {
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
