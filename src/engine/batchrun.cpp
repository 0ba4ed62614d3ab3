#include "batchrun.h"

#include "commandline.h"
#include "encoderprocess.h"
#include "intake.h"
#include "itemdata.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "runhost.h"
#include "settings/newinifiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPointer>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

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
        for (const auto &slot : m_slots)
            slot->encoder->TerminateEncoder();
}

void BatchRun::setIntake(TaskIntake *intake)
{
    if (m_intake)
        m_intake->disconnect(this);
    m_intake = intake;
    if (!m_intake)
        return;
    // Lengths found while a run goes on count in its total, and in the
    // progress of a conversion that did not wait for its probe.
    connect(m_intake, &TaskIntake::taskProbed, this, [this](int row) {
        m_totalStale = true;
        for (const auto &slot : m_slots) {
            if (slot->task != row)
                continue;
            ltvItemData task;
            m_tasks.GetItemData(row, ItemField::ClipLength, task);
            slot->taskSecs = task.ClipLengthSecs;
        }
    });
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
    m_totalSecs = totalSecs();
    m_totalStale = false;
    m_plan.reset();
    if (m_slots.empty()) {
        m_slots.push_back(std::make_unique<Slot>());
        m_slots.front()->encoder = &m_encoder;
    }
    if (int(m_slots.size()) > m_jobs)
        m_slots.resize(size_t(m_jobs));
    if (m_jobs > 1) {
        runSideBySide(options);
        return;
    }

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
        case TaskEnd::Skipped:
        case TaskEnd::Started: // runTask waits for the end
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
    Slot &slot = *m_slots.front();
    const TaskEnd begun = beginTask(slot, index, options);
    if (begun != TaskEnd::Started)
        return begun;

    // Output is taken as it comes (takeOutput); after each wait the window
    // shows the latest chunk and the progress once. After Stop, whatever the
    // ending encoder still writes is taken but no longer shown, so a flood of
    // output cannot hold the stop up.
    for (;;) {
        QCoreApplication::processEvents();
        if (!slot.encoder->waitForOutputProcessingEvents())
            break;
        if (m_runState == Running)
            showOutput(slot);
    }
    return finishTask(slot);
}

void BatchRun::runSideBySide(const EncoderOptions &options)
{
    const auto busy = [this] {
        return std::any_of(m_slots.begin(), m_slots.end(),
                           [](const std::unique_ptr<Slot> &s) { return s->task >= 0; });
    };
    int next = 0;
    for (;;) {
        // Free slots take the next tasks, in list order. Only with no
        // encoder running does the run wait for tasks intake still adds.
        while (m_runState == Running) {
            Slot *slot = freeSlot();
            if (!slot)
                break;
            if (next >= m_tasks.count() && (busy() || !waitForTask(next)))
                break;
            m_taskCount = m_tasks.count();
            const TaskEnd begun = beginTask(*slot, next, options);
            if (begun == TaskEnd::StartFailed)
                return; // the run has ended
            if (begun == TaskEnd::Stopped || begun == TaskEnd::StoppedWaiting)
                break;
            ++next;
        }
        if (!busy()) {
            // Slots freed at once (skipped tasks) take further ones.
            if (m_runState == Running && next < m_tasks.count())
                continue;
            if (m_runState == Running && waitForTask(next))
                continue;
            break;
        }
        waitForAnySlot();
        for (auto &slot : m_slots) {
            if (slot->task < 0)
                continue;
            bool fresh = false;
            while (slot->encoder->waitForOutput(0))
                fresh = true;
            if (fresh && m_runState == Running)
                showOutput(*slot);
            if (slot->encoder->timedOut())
                continue; // still running
            const int index = slot->task;
            if (finishTask(*slot) == TaskEnd::Stopped) {
                slot->task = -1;
                setStatus(index, TaskStatus::Stop);
                emit taskEnded(index, TaskStatus::Stop, -1);
            }
        }
    }
    if (m_runState == Running)
        complete();
    else
        endAfterStop(-1);
}

void BatchRun::waitForAnySlot()
{
    QEventLoop loop;
    for (const auto &slot : m_slots) {
        if (slot->task < 0)
            continue;
        if (slot->encoder->hasNews())
            return;
        connect(slot->encoder, &EncoderProcess::activity, &loop, &QEventLoop::quit);
    }
    connect(this, &BatchRun::runStateChanged, &loop, &QEventLoop::quit);
    if (loop.exec() < 0) {
        // The application is quitting and runs no more loops: a short wait
        // keeps the run from spinning until its encoders have ended.
        for (const auto &slot : m_slots)
            if (slot->task >= 0) {
                slot->encoder->waitForOutput(100);
                return;
            }
    }
}

void BatchRun::freeSlots()
{
    for (const auto &slot : m_slots)
        slot->task = -1;
}

BatchRun::Slot *BatchRun::freeSlot()
{
    for (const auto &slot : m_slots)
        if (slot->task < 0)
            return slot.get();
    if (int(m_slots.size()) >= m_jobs)
        return nullptr;
    auto slot = std::make_unique<Slot>();
    slot->own = std::make_unique<EncoderProcess>();
    slot->encoder = slot->own.get();
    m_slots.push_back(std::move(slot));
    return m_slots.back().get();
}

bool BatchRun::planRun()
{
    // A source that intake has yet to add may bear the name an output
    // would take: the names wait until every one is known.
    const QPointer<TaskIntake> intake(m_intake);
    while (intake && intake->isAdding() && m_runState == Running)
        if (!waitForIntake())
            return false;
    if (m_runState != Running)
        return false;
    m_plan = planOutputs();
    return true;
}

OutputPlan BatchRun::planOutputs() const
{
    QMap<int, OutputPlan::Task> byIndex = m_host.otherTasks();
    for (int row = 0; row < m_tasks.count(); ++row)
        byIndex.insert(m_host.listIndex(row),
                       {m_tasks.caption(row), m_tasks.cell(row, ItemField::NewFilename),
                        m_tasks.cell(row, ItemField::NewFileExt), m_tasks.outputSubfolder(row)});
    QList<OutputPlan::Task> list;
    list.reserve(byIndex.size());
    for (const OutputPlan::Task &task : std::as_const(byIndex))
        list.append(task);
    const OutputPlan::Existing existing = m_host.skipExisting() ? OutputPlan::Existing::Skip
                                          : m_host.overwrite()  ? OutputPlan::Existing::Overwrite
                                                                : OutputPlan::Existing::Rename;
    m_records->beginLookups();
    OutputPlan plan({m_host.outputDirectory(), m_host.outputExtension(), existing}, list,
                    m_records);
    m_records->endLookups();
    return plan;
}

QString BatchRun::outputOf(int index) const
{
    return m_plan ? m_plan->output(m_host.listIndex(index)) : QString();
}

BatchRun::TaskEnd BatchRun::beginTask(Slot &slot, int index, const EncoderOptions &options)
{
    QCoreApplication::processEvents();
    // A stop given before this task's turn ends the run without starting it.
    if (m_runState != Running)
        return TaskEnd::Stopped;
    if (m_waitForProbes && !waitForProbe(index))
        return TaskEnd::StoppedWaiting;
    if (!m_plan && !planRun())
        return TaskEnd::StoppedWaiting;
    if (!m_waitForProbes && m_intake)
        m_intake->probeNext(m_tasks.taskId(index));
    m_currentTask = index;
    slot.task = index;
    slot.id = m_tasks.taskId(index);
    slot.positionSecs = 0;
    if (m_totalStale) {
        m_totalSecs = totalSecs();
        m_totalStale = false;
    }

    ltvItemData task;
    m_tasks.GetItemData(index, ItemField::All, task);

    // The name as planned, checked against the disk as it is now.
    const OutputPlan::Turn turn = m_plan->turn(m_host.listIndex(index));
    const QString &output = turn.output;
    if (turn.keep) {
        // Kept as it is; the task counts as done, with its length.
        if (!m_waitForProbes) {
            if (!waitForProbe(index)) {
                slot.task = -1;
                return TaskEnd::StoppedWaiting;
            }
            m_tasks.GetItemData(index, ItemField::All, task);
        }
        slot.taskSecs = task.ClipLengthSecs;
        m_logs.remove(slot.id);
        setStatus(index, TaskStatus::Skipped);
        ++m_skippedCount;
        m_doneSecs += slot.taskSecs;
        setBars(m_currentBar,
                m_totalSecs != 0 ? barPosition(m_doneSecs * 100.0 / m_totalSecs) : m_totalBar);
        emit taskEnded(index, TaskStatus::Skipped, -1);
        m_currentTask = -1;
        slot.task = -1;
        return TaskEnd::Skipped;
    }

    slot.taskSecs = task.ClipLengthSecs;
    setStatus(index, TaskStatus::Converting);
    emit convertingFileChanged(FileNamePart(task.InputFile));
    if (!makeTaskOutputDirectory(index)) {
        // Its subfolder cannot be made (a file of that name, no right to):
        // the task fails, the run goes on.
        m_logs.begin(slot.id, QString());
        return endTask(slot,
                       QStringLiteral("The output folder \"%1\" cannot be created.")
                           .arg(QDir::toNativeSeparators(taskOutputDirectory(index))),
                       -1);
    }
    const QStringList args = EncoderArguments(task, options, output);
    // The encoder never writes through a link or into a pipe in the
    // output's place, nor into a file that has other names too.
    if (turn.replace && ::unlink(EncodeFileName(output).constData()) != 0 && errno != ENOENT) {
        m_logs.begin(slot.id, QString());
        return endTask(slot,
                       QStringLiteral("\"%1\" cannot be replaced: %2.")
                           .arg(QDir::toNativeSeparators(output),
                                QString::fromLocal8Bit(std::strerror(errno))),
                       -1);
    }
    // Recorded before the encoder starts: should the program end during
    // the conversion, every later run knows the file for an unfinished one.
    slot.partialBefore =
        m_records->lookup(OutputRecords::keyOf(output)).state == OutputRecords::State::Unfinished;
    QString notRecorded;
    if (!m_records->markUnfinished(output, task.InputFile, &notRecorded)) {
        m_logs.begin(slot.id, QString());
        return endTask(slot,
                       QStringLiteral("The conversion was not started, as its output could not "
                                      "be recorded as unfinished: %1")
                           .arg(notRecorded),
                       -1);
    }
    m_unfinishedOutputs.insert(slot.id, output);
    slot.source = task.InputFile;
    emit conversionStarting(index);
    m_logs.begin(slot.id, QStringLiteral("%1%2").arg(
                              QDir::toNativeSeparators(m_encoderPath),
                              CommandLineText(task, TaskOptions(options, task), output)));
    slot.output = output;
    slot.outputBefore = outputState(output);

    slot.chunkCount = 0;
    slot.latestChunk.clear();
    slot.evaluated = false;
    slot.writeFailed = false;
    Slot *const sink = &slot;
    if (!slot.encoder->start(m_encoderPath, args, ChunkBytes,
                             [this, sink](const QByteArray &chunk) { takeOutput(*sink, chunk); })) {
        // The channels could not be set up (out of file descriptors), as
        // opposed to a program that cannot be started.
        const QString error = slot.encoder->errorString();
        const bool pipe = error.contains(QStringLiteral("pipe"), Qt::CaseInsensitive) ||
                          error.contains(QStringLiteral("Too many open files"));
        m_logs.finish(slot.id, false,
                      QStringLiteral("The encoder could not be started: %1").arg(error));
        forgetOutput(slot, false);
        slot.task = -1;
        abandonOtherSlots(slot);
        emit encoderNotStarted(index, error);
        endAfterStartFailure(index, pipe ? CreatePipeError : CreateProcessError);
        return TaskEnd::StartFailed;
    }
    emit taskStarted(index, args);
    return TaskEnd::Started;
}

BatchRun::TaskEnd BatchRun::finishTask(Slot &slot)
{
    if (m_runState == StopRequested) {
        m_logs.finish(slot.id, false, QStringLiteral("The conversion was stopped."));
        discardOutput(slot);
        return TaskEnd::Stopped;
    }

    QString reason;
    if (slot.encoder->crashed())
        reason = QStringLiteral("The encoder crashed.");
    else if (slot.encoder->exitCode() != 0)
        reason =
            QStringLiteral("The encoder ended with exit status %1.").arg(slot.encoder->exitCode());
    else if (slot.writeFailed)
        reason = QStringLiteral("The encoder could not finish writing the output file.");
    EncoderProcess &encoder = *slot.encoder;
    const TaskEnd end = endTask(slot, reason, encoder.crashed() ? -1 : encoder.exitCode());
    encoder.TerminateEncoder();
    return end;
}

void BatchRun::abandonOtherSlots(const Slot &failed)
{
    for (auto &slot : m_slots) {
        if (slot.get() == &failed || slot->task < 0)
            continue;
        slot->encoder->TerminateEncoder();
        m_logs.finish(slot->id, false, QStringLiteral("The conversion was stopped."));
        discardOutput(*slot);
        setStatus(slot->task, TaskStatus::Stop);
        emit taskEnded(slot->task, TaskStatus::Stop, -1);
        slot->task = -1;
    }
}

BatchRun::TaskEnd BatchRun::endTask(Slot &slot, const QString &reason, int exitCode)
{
    const int index = slot.task;
    // The bars now tell of this task, whichever encoder wrote last.
    m_currentTask = index;
    const bool failed = !reason.isEmpty();
    m_logs.finish(slot.id, !failed, reason);
    m_doneSecs += slot.taskSecs;
    const bool last = isLastTask(index);
    const int done = m_totalSecs != 0 ? barPosition(m_doneSecs * 100.0 / m_totalSecs) : m_totalBar;
    if (failed) {
        ++m_failedCount;
        // A partial output is never taken for a finished one.
        discardOutput(slot);
        setStatus(index, TaskStatus::Failed);
        setBars(last ? m_currentBar : 0, done);
    } else {
        ++m_convertedCount;
        forgetOutput(slot, true);
        setStatus(index, TaskStatus::Complete);
        setBars(100, done);
        if (!last)
            setBars(0, done);
    }
    emit taskEnded(index, failed ? TaskStatus::Failed : TaskStatus::Complete, exitCode);
    m_currentTask = -1;
    slot.task = -1;
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

BatchRun::OutputState BatchRun::outputState(const QString &path)
{
    struct stat st = {};
    if (::lstat(EncodeFileName(path).constData(), &st) != 0)
        return {};
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {true, S_ISREG(st.st_mode), qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
}

void BatchRun::discardOutput(Slot &slot)
{
    if (slot.output.isEmpty())
        return;
    // The encoder was told to write this file: whatever it holds now that
    // differs from before came from this conversion and is incomplete. A
    // file the encoder never touched (it failed before) stays.
    const OutputState now = outputState(slot.output);
    if (now.exists && !(now == slot.outputBefore) && now.regular)
        QFile::remove(slot.output);
    // A partial file that could not be removed stays recorded as
    // unfinished.
    forgetOutput(slot, false);
}

void BatchRun::forgetOutput(Slot &slot, bool finished)
{
    if (finished)
        m_records->markFinished(slot.output, slot.source);
    else if (const OutputState now = outputState(slot.output);
             !slot.output.isEmpty() &&
             (!now.exists || (now == slot.outputBefore && !slot.partialBefore)))
        m_records->forget(slot.output);
    slot.output.clear();
    m_unfinishedOutputs.remove(slot.id);
}

void BatchRun::setUnfinishedOutput(quint64 taskId, const QString &path)
{
    if (path.isEmpty()) {
        m_unfinishedOutputs.remove(taskId);
        return;
    }
    m_unfinishedOutputs.insert(taskId, path);
    // Known to every later run: a file of this name is not a finished one.
    const int row = m_tasks.rowOf(taskId);
    if (row >= 0)
        m_records->markUnfinished(path, m_tasks.caption(row));
}

bool BatchRun::makeTaskOutputDirectory(int index) const
{
    return m_tasks.outputSubfolder(index).isEmpty() || QDir().mkpath(taskOutputDirectory(index));
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

void BatchRun::takeOutput(Slot &slot, const QByteArray &chunk)
{
    // Every read of the task's encoder comes here, in order. The task's log
    // keeps the end of it; only the latest chunk is kept besides, and the
    // first two chunks of a task are never evaluated.
    m_logs.append(slot.id, chunk);
    if (!slot.writeFailed) {
        const QByteArray joint =
            slot.latestChunk.right(WriteFailureOverlap) + chunk.left(WriteFailureOverlap);
        for (const QByteArray &failure : WriteFailures)
            slot.writeFailed =
                slot.writeFailed || chunk.contains(failure) || joint.contains(failure);
    }
    slot.latestChunk = chunk;
    if (slot.chunkCount >= 2) {
        double reported = 0;
        if (ReportedTime(QString::fromLocal8Bit(chunk), reported) && reported > slot.positionSecs)
            slot.positionSecs = reported;
        slot.evaluated = true;
    }
    ++slot.chunkCount;
}

void BatchRun::showOutput(Slot &slot)
{
    m_currentTask = slot.task;
    m_memo = QString::fromLocal8Bit(slot.latestChunk);
    emit memoChanged(m_memo);
    if (!slot.evaluated)
        return;
    slot.evaluated = false;
    // What the running encoders have converted so far counts in the total.
    double running = 0;
    for (const auto &other : m_slots)
        if (other->task >= 0)
            running += other->positionSecs;
    const int current =
        slot.taskSecs != 0 ? barPosition(slot.positionSecs * 100.0 / slot.taskSecs) : m_currentBar;
    const int total =
        m_totalSecs != 0 ? barPosition((m_doneSecs + running) * 100.0 / m_totalSecs) : m_totalBar;
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
    freeSlots();
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
    freeSlots();
    setRunState(Idle);
}

void BatchRun::complete()
{
    m_timerTime.stop();
    m_currentTask = -1;
    freeSlots();
    emit runCompleted(m_convertedCount, m_skippedCount, m_failedCount);
    if (m_host.autoTurnOff() || m_host.autoExit()) {
        // The window closes; the run counts as over, so closing does not ask
        // about a run in progress.
        setRunState(Idle);
        emit progressPanelShown(false);
        if (m_host.autoTurnOff())
            turnOffAfterNotice();
        else
            m_host.closeMainWindow();
        return;
    }
    // A run in which tasks failed does not close under "Complete".
    if (m_failedCount > 0)
        m_platform.messageBox(completionText(), FinishedWithErrorsCaption, Platform::Icon::Warning);
    else
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

void BatchRun::turnOffAfterNotice()
{
    // A minute's notice first; cancelled, or with a new run begun
    // meanwhile, the program goes on with the results on screen. The
    // window closes once the system has agreed to power off.
    const QPointer<BatchRun> self(this);
    m_platform.powerOffNotice(PowerOffNoticeSecs, [this, self](bool turnOff) {
        if (!self || !turnOff || m_runState != Idle)
            return;
        m_platform.powerOff([this, self](const QString &refusal) {
            if (!self)
                return;
            if (refusal.isEmpty())
                m_host.closeMainWindow();
            else
                m_platform.messageBox(
                    QStringLiteral("The computer was not turned off: %1").arg(refusal),
                    QStringLiteral("Not Turned Off"), Platform::Icon::Warning);
        });
    });
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
    for (const auto &slot : m_slots)
        slot->encoder->requestEnd();
}

void BatchRun::stopNow()
{
    requestStop();
    if (m_runState == StopRequested)
        for (const auto &slot : m_slots)
            slot->encoder->kill();
}

void BatchRun::stopForClose()
{
    if (m_runState == Idle)
        return;
    m_closing = true;
    setRunState(StopRequested);
    for (const auto &slot : m_slots)
        slot->encoder->TerminateEncoder();
    m_timerTime.stop();
    // The run's own frame may never resume once the program ends: the tasks
    // in progress are marked now, and their unfinished outputs go.
    for (const auto &slot : m_slots) {
        if (slot->task < 0)
            continue;
        m_logs.finish(slot->id, false, QStringLiteral("The conversion was stopped."));
        discardOutput(*slot);
        setStatus(slot->task, TaskStatus::Stop);
        emit taskEnded(slot->task, TaskStatus::Stop, -1);
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
