#include "batchrun.h"

#include "encoderprocess.h"
#include "intake.h"
#include "itemdata.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "runhost.h"
#include "settings/newinifiles.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
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

const QString StoppedReason = QStringLiteral("The conversion was stopped.");

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

} // namespace

BatchRun::BatchRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, RunHost &host,
                   const QString &encoderPath, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_encoder(encoder), m_platform(platform), m_host(host),
      m_encoderPath(encoderPath)
{
    m_timerTime.setInterval(1000);
    m_timerTime.setTimerType(Qt::PreciseTimer);
    connect(&m_timerTime, &QTimer::timeout, this, &BatchRun::timerTimeTimer);
    m_step.setSingleShot(true);
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &BatchRun::advance);
    // The list may change while the run goes on.
    connect(&m_tasks, &QAbstractItemModel::rowsInserted, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &QAbstractItemModel::rowsRemoved, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &QAbstractItemModel::modelReset, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &QAbstractItemModel::dataChanged, this, [this] { m_totalStale = true; });
    connect(&m_tasks, &TaskStore::recordChanged, this, [this] { m_totalStale = true; });
}

BatchRun::~BatchRun()
{
    // No encoder of a run outlives it.
    for (const auto &slot : m_slots)
        slot->encoder->end();
}

void BatchRun::setIntake(TaskIntake *intake)
{
    if (m_intake)
        m_intake->disconnect(this);
    m_intake = intake;
    if (!m_intake)
        return;
    connect(m_intake, &TaskIntake::taskProbed, this, &BatchRun::onTaskProbed);
    connect(m_intake, &TaskIntake::addingChanged, this, &BatchRun::scheduleAdvance);
}

void BatchRun::setProcessControl(ProcessControl *control)
{
    m_control = control;
    for (const auto &slot : m_slots)
        slot->encoder->setProcessControl(control);
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
    EncoderOptions options;
    QString notSaved;
    try {
        options =
            BuildProfileOptions(profilePath, grids, &notSaved, m_host.rewritesProfile(profilePath));
    } catch (const TIniFileError &e) {
        // The profile could not be read: nothing is converted.
        m_platform.messageBox(e.text(), QStringLiteral("Error"), Platform::Icon::Error);
        if (leaveRunMode)
            leaveRunMode();
        return StartResult::OptionsFailed;
    }
    if (!notSaved.isEmpty())
        emit profileNotSaved(profilePath, notSaved);
    RunBatch(options);
    m_leaveRunMode = leaveRunMode;
    return StartResult::Ran;
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
    m_options = options;
    m_leaveRunMode = nullptr;
    m_doneSecs = 0;
    m_elapsedSecs = 0;
    m_remainingSecs = 0;
    m_failedCount = 0;
    m_skippedCount = 0;
    m_convertedCount = 0;
    m_closing = false;
    m_shown = 0;
    m_starts = 0;
    m_taken.clear();
    m_named.clear();
    m_plan.reset();
    m_planTasks.clear();
    m_totalSecs = totalSecs();
    m_totalStale = false;
    if (m_slots.empty())
        addSlot(nullptr);
    setRunState(Running);
    m_timerTime.start();
    // The first task takes its encoder now; the encoder starts from the
    // event loop, so that a Stop given meanwhile still finds the task at
    // its turn.
    takeTasks();
    scheduleAdvance();
}

// ---------------------------------------------------------------- events

void BatchRun::onEncoderStarted(Slot &slot)
{
    if (slot.phase != Slot::Phase::Starting)
        return;
    slot.phase = Slot::Phase::Converting;
    if (m_runState == Paused)
        slot.encoder->pause();
    if (const int row = m_tasks.rowOf(slot.id); row >= 0)
        emit taskStarted(row, slot.arguments);
}

void BatchRun::onEncoderNotStarted(Slot &slot, const QString &reason)
{
    if (slot.phase != Slot::Phase::Starting)
        return;
    // The channels could not be set up (out of file descriptors), as
    // opposed to a program that cannot be started.
    const bool pipe = reason.contains(QStringLiteral("pipe"), Qt::CaseInsensitive) ||
                      reason.contains(QStringLiteral("Too many open files"));
    m_logs.finish(slot.id, false,
                  QStringLiteral("The encoder could not be started: %1").arg(reason));
    forgetOutput(slot, false);
    const TaskId id = slot.id;
    freeSlot(slot);
    // The run ends: the other encoders go with it.
    killAll();
    const int row = m_tasks.rowOf(id);
    emit encoderNotStarted(row, reason);
    endAfterStartFailure(row, pipe ? CreatePipeError : CreateProcessError);
}

void BatchRun::onEncoderOutput(Slot &slot)
{
    // Whatever an encoder that is being stopped still writes is taken but
    // no longer shown, so a flood of output cannot hold the stop up.
    if (encoding(slot) &&
        (m_runState == Running || m_runState == Finishing || m_runState == Paused))
        showOutput(slot);
}

void BatchRun::onEncoderFinished(Slot &slot)
{
    if (!encoding(slot))
        return;
    finishTask(slot);
    takeTasks();
    scheduleAdvance();
}

void BatchRun::onTaskProbed(int row)
{
    // A length found while the run goes on counts in its total, and in the
    // progress of a conversion that did not wait for its probe.
    m_totalStale = true;
    Slot *slot = slotOf(m_tasks.taskId(row));
    if (!slot)
        return;
    if (slot->phase == Slot::Phase::Waiting) {
        scheduleAdvance();
        return;
    }
    ltvItemData task;
    m_tasks.GetItemData(row, ItemField::ClipLength, task);
    slot->taskSecs = task.ClipLengthSecs;
}

void BatchRun::onTasksChanged()
{
    m_totalStale = true;
    if (m_runState == Idle || m_runState == Ending)
        return;
    // A waiting task removed from the list is never converted.
    for (const auto &slot : m_slots)
        if (slot->phase == Slot::Phase::Waiting && m_tasks.rowOf(slot->id) < 0)
            releaseWaiting(*slot, false);
    // Tasks added join the run.
    takeTasks();
    scheduleAdvance();
}

void BatchRun::scheduleAdvance()
{
    if (m_runState != Idle && m_runState != Ending)
        m_step.start();
}

void BatchRun::advance()
{
    if (m_runState != Running) {
        endIfDone();
        return;
    }
    // By index: what a task's end tells may add tasks, and with them slots.
    for (size_t i = 0; i < m_slots.size() && m_runState == Running; ++i)
        if (m_slots[i]->phase == Slot::Phase::Waiting)
            beginConversion(*m_slots[i]);
    if (m_runState != Running)
        return;
    // Slots freed without an encoder (skipped tasks) take the next tasks at
    // the next step, so that the window stays live through many of them.
    if (busyCount() < m_jobs && nextTask() >= 0) {
        takeTasks();
        scheduleAdvance();
        return;
    }
    endIfDone();
}

// ---------------------------------------------------------------- tasks

void BatchRun::takeTasks()
{
    if (m_runState != Running)
        return;
    while (busyCount() < m_jobs) {
        const int row = nextTask();
        if (row < 0)
            return;
        Slot *slot = freeSlot();
        slot->phase = Slot::Phase::Waiting;
        slot->id = m_tasks.taskId(row);
        slot->held = false;
        m_taken.insert(slot->id);
    }
}

int BatchRun::nextTask() const
{
    for (int row = 0; row < m_tasks.count(); ++row)
        if (!m_taken.contains(m_tasks.taskId(row)))
            return row;
    return -1;
}

bool BatchRun::hasTaken(TaskId id) const
{
    if (m_runState == Idle || !m_taken.contains(id))
        return false;
    // A task waiting for its encoder may still be given back.
    const auto slot =
        std::find_if(m_slots.begin(), m_slots.end(), [id](const auto &s) { return s->id == id; });
    return slot == m_slots.end() || (*slot)->phase != Slot::Phase::Waiting;
}

int BatchRun::busyCount() const
{
    return int(std::count_if(m_slots.begin(), m_slots.end(),
                             [](const auto &s) { return s->phase != Slot::Phase::Free; }));
}

BatchRun::Slot *BatchRun::slotOf(TaskId id)
{
    for (const auto &slot : m_slots)
        if (slot->phase != Slot::Phase::Free && slot->id == id)
            return slot.get();
    return nullptr;
}

BatchRun::Slot *BatchRun::freeSlot()
{
    for (const auto &slot : m_slots)
        if (slot->phase == Slot::Phase::Free)
            return slot.get();
    return addSlot(std::make_unique<EncoderProcess>());
}

BatchRun::Slot *BatchRun::addSlot(std::unique_ptr<EncoderProcess> own)
{
    auto made = std::make_unique<Slot>();
    made->encoder = own ? own.get() : &m_encoder;
    made->own = std::move(own);
    Slot *slot = made.get();
    EncoderProcess *encoder = slot->encoder;
    encoder->setProcessControl(m_control);
    connect(encoder, &EncoderProcess::started, this, [this, slot] { onEncoderStarted(*slot); });
    connect(encoder, &EncoderProcess::failedToStart, this,
            [this, slot](const QString &reason) { onEncoderNotStarted(*slot, reason); });
    connect(encoder, &EncoderProcess::outputRead, this, [this, slot] { onEncoderOutput(*slot); });
    connect(encoder, &EncoderProcess::finished, this, [this, slot] { onEncoderFinished(*slot); });
    m_slots.push_back(std::move(made));
    return slot;
}

void BatchRun::freeSlot(Slot &slot)
{
    slot.phase = Slot::Phase::Free;
    slot.held = false;
    slot.arguments.clear();
    if (slot.id == m_shown)
        m_shown = 0;
}

bool BatchRun::namesReady()
{
    // A source that intake has yet to add may bear the name an output
    // would take: the names wait until every one is known.
    if (m_intake && m_intake->isAdding())
        return false;
    // Named again whenever the list has changed since (tasks added, removed,
    // moved or renamed); the tasks named already keep their outputs.
    const QList<OutputPlan::Task> tasks = planTasks();
    if (!m_plan || tasks != m_planTasks) {
        m_plan = planOutputs();
        m_planTasks = tasks;
    }
    return true;
}

QList<OutputPlan::Task> BatchRun::planTasks() const
{
    QMap<int, OutputPlan::Task> byIndex = m_host.otherTasks();
    for (int row = 0; row < m_tasks.count(); ++row)
        byIndex.insert(m_host.listIndex(row),
                       {m_tasks.caption(row), m_tasks.cell(row, ItemField::NewFilename),
                        m_tasks.cell(row, ItemField::NewFileExt), m_tasks.outputSubfolder(row),
                        m_runState != Idle ? m_named.value(m_tasks.taskId(row)) : QString()});
    return byIndex.values();
}

OutputPlan BatchRun::planOutputs() const
{
    const OutputPlan::Existing existing = m_host.skipExisting() ? OutputPlan::Existing::Skip
                                          : m_host.overwrite()  ? OutputPlan::Existing::Overwrite
                                                                : OutputPlan::Existing::Rename;
    m_records->beginLookups();
    OutputPlan plan({m_host.outputDirectory(), m_host.outputExtension(), existing}, planTasks(),
                    m_records);
    m_records->endLookups();
    return plan;
}

QString BatchRun::outputOf(int index) const
{
    const QString named = m_named.value(m_tasks.taskId(index));
    if (!named.isEmpty() || !m_plan)
        return named;
    return m_plan->output(m_host.listIndex(index));
}

bool BatchRun::beginConversion(Slot &slot)
{
    const int row = m_tasks.rowOf(slot.id);
    if (row < 0) {
        releaseWaiting(slot, false);
        return true;
    }
    // Its length is needed for the progress: its probe goes first.
    if (m_waitForProbes && m_intake && m_intake->probePending(slot.id)) {
        if (!slot.held) {
            slot.held = true;
            m_intake->probeNext(slot.id);
            emit convertingFileChanged(FileNamePart(m_tasks.caption(row)));
        }
        return false;
    }
    if (!namesReady()) {
        slot.held = true;
        return false;
    }
    if (!m_waitForProbes && m_intake)
        m_intake->probeNext(slot.id);

    ltvItemData task;
    m_tasks.GetItemData(row, ItemField::All, task);
    // The name as planned, checked against the disk as it is now.
    const OutputPlan::Turn turn = m_plan->turn(m_host.listIndex(row));
    const QString &output = turn.output;
    if (turn.keep) {
        // Kept as it is; the task counts as done, with its length.
        if (m_intake && m_intake->probePending(slot.id)) {
            slot.held = true;
            return false;
        }
        m_named.insert(slot.id, output);
        m_logs.remove(slot.id);
        setStatus(slot.id, TaskStatus::Skipped);
        ++m_skippedCount;
        m_doneSecs += task.ClipLengthSecs;
        setBars(m_currentBar, totalBarNow());
        emit taskEnded(row, TaskStatus::Skipped, -1);
        freeSlot(slot);
        return true;
    }
    m_named.insert(slot.id, output);
    slot.held = false;
    slot.taskSecs = task.ClipLengthSecs;
    slot.positionSecs = 0;
    slot.percent = -1;
    slot.startOrder = ++m_starts;
    m_shown = slot.id;
    setStatus(slot.id, TaskStatus::Converting);
    emit convertingFileChanged(FileNamePart(task.InputFile));
    // The bars now tell of this task (with one encoder they are at 0
    // already).
    if (m_currentBar != 0)
        setBars(0, m_totalBar);
    const auto failBeforeStart = [&](const QString &reason) {
        m_logs.begin(slot.id, QString());
        endTask(slot, reason, -1);
        return true;
    };
    if (!makeTaskOutputDirectory(row)) {
        // Its subfolder cannot be made (a file of that name, no right to):
        // the task fails, the run goes on.
        return failBeforeStart(QStringLiteral("The output folder \"%1\" cannot be created.")
                                   .arg(QDir::toNativeSeparators(taskOutputDirectory(row))));
    }
    const QStringList args = EncoderArguments(task, m_options, output);
    // The encoder never writes through a link or into a pipe in the
    // output's place, nor into a file that has other names too.
    if (turn.replace && ::unlink(EncodeFileName(output).constData()) != 0 && errno != ENOENT)
        return failBeforeStart(QStringLiteral("\"%1\" cannot be replaced: %2.")
                                   .arg(QDir::toNativeSeparators(output),
                                        QString::fromLocal8Bit(std::strerror(errno))));
    // Recorded before the encoder starts: should the program end during
    // the conversion, every later run knows the file for an unfinished one.
    slot.partialBefore =
        m_records->lookup(OutputRecords::keyOf(output)).state == OutputRecords::State::Unfinished;
    QString notRecorded;
    if (!m_records->markUnfinished(output, task.InputFile, &notRecorded))
        return failBeforeStart(
            QStringLiteral("The conversion was not started, as its output could not be "
                           "recorded as unfinished: %1")
                .arg(notRecorded));
    m_unfinishedOutputs.insert(slot.id, output);
    slot.source = task.InputFile;
    emit conversionStarting(row);
    m_logs.begin(slot.id, QStringLiteral("%1%2").arg(
                              QDir::toNativeSeparators(m_encoderPath),
                              CommandLineText(task, TaskOptions(m_options, task), output)));
    slot.output = output;
    slot.outputBefore = outputState(output);
    slot.chunkCount = 0;
    slot.latestChunk.clear();
    slot.evaluated = false;
    slot.writeFailed = false;
    slot.arguments = args;
    slot.phase = Slot::Phase::Starting;
    Slot *const sink = &slot;
    slot.encoder->start(m_encoderPath, args, ChunkBytes,
                        [this, sink](const QByteArray &chunk) { takeOutput(*sink, chunk); });
    return true;
}

void BatchRun::finishTask(Slot &slot)
{
    if (m_runState == StopRequested) {
        m_logs.finish(slot.id, false, StoppedReason);
        discardOutput(slot);
        markStopped(slot);
        freeSlot(slot);
        return;
    }
    QString reason;
    const EncoderProcess &encoder = *slot.encoder;
    if (encoder.crashed())
        reason = QStringLiteral("The encoder crashed.");
    else if (encoder.exitCode() != 0)
        reason = QStringLiteral("The encoder ended with exit status %1.").arg(encoder.exitCode());
    else if (slot.writeFailed)
        reason = QStringLiteral("The encoder could not finish writing the output file.");
    endTask(slot, reason, encoder.crashed() ? -1 : encoder.exitCode());
}

void BatchRun::endTask(Slot &slot, const QString &reason, int exitCode)
{
    const bool failed = !reason.isEmpty();
    m_logs.finish(slot.id, !failed, reason);
    // Its length counts as done, and no longer its position.
    m_doneSecs += slot.taskSecs;
    slot.positionSecs = 0;
    if (failed) {
        ++m_failedCount;
        // A partial output is never taken for a finished one.
        discardOutput(slot);
    } else {
        ++m_convertedCount;
        forgetOutput(slot, true);
    }
    const QString status = failed ? TaskStatus::Failed : TaskStatus::Complete;
    const int row = setStatus(slot.id, status);
    showTaskEnd(slot, !failed);
    if (row >= 0)
        emit taskEnded(row, status, exitCode);
    freeSlot(slot);
}

void BatchRun::showTaskEnd(Slot &slot, bool converted)
{
    const int done = totalBarNow();
    if (slot.id != m_shown) {
        // Another task is on show.
        setBars(m_currentBar, done);
        return;
    }
    // After the last task the current bar keeps its final value; between
    // tasks it returns to 0.
    const bool more = moreToCome(slot);
    if (converted)
        setBars(100, done);
    if (more)
        setBars(0, done);
    else if (!converted)
        setBars(m_currentBar, done);
    // With several encoders, the one started last of those still running
    // comes on show.
    slot.phase = Slot::Phase::Free;
    m_shown = 0;
    if (Slot *next = latestConverting()) {
        m_shown = next->id;
        emit convertingFileChanged(FileNamePart(m_tasks.caption(m_tasks.rowOf(next->id))));
        setBars(std::max(next->percent, 0), done);
    }
}

BatchRun::Slot *BatchRun::latestConverting()
{
    Slot *latest = nullptr;
    for (const auto &slot : m_slots)
        if (encoding(*slot) && (!latest || slot->startOrder > latest->startOrder))
            latest = slot.get();
    return latest;
}

bool BatchRun::moreToCome(const Slot &ending) const
{
    if (std::any_of(m_slots.begin(), m_slots.end(), [&ending](const auto &s) {
            return s.get() != &ending && s->phase != Slot::Phase::Free;
        }))
        return true;
    return m_runState == Running && (nextTask() >= 0 || (m_intake && m_intake->isAdding()));
}

void BatchRun::releaseWaiting(Slot &slot, bool stopped)
{
    if (stopped && !slot.held) {
        markStopped(slot);
    } else {
        // Given back: it may be taken again.
        m_taken.remove(slot.id);
    }
    freeSlot(slot);
}

void BatchRun::markStopped(const Slot &slot)
{
    if (const int row = setStatus(slot.id, TaskStatus::Stop); row >= 0)
        emit taskEnded(row, TaskStatus::Stop, -1);
}

void BatchRun::killAll()
{
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot *slot = m_slots[i].get();
        switch (slot->phase) {
        case Slot::Phase::Free:
            break;
        case Slot::Phase::Waiting:
            releaseWaiting(*slot, true);
            break;
        case Slot::Phase::Starting:
        case Slot::Phase::Converting:
            slot->encoder->end();
            m_logs.finish(slot->id, false, StoppedReason);
            discardOutput(*slot);
            markStopped(*slot);
            freeSlot(*slot);
            break;
        }
    }
}

void BatchRun::endIfDone()
{
    const bool encoders =
        std::any_of(m_slots.begin(), m_slots.end(), [](const auto &s) { return encoding(*s); });
    switch (m_runState) {
    case Running:
        if (busyCount() == 0 && nextTask() < 0 && !(m_intake && m_intake->isAdding()))
            complete();
        break;
    case StopRequested:
    case Finishing:
        if (!encoders)
            endAfterStop();
        break;
    case Idle:
    case Paused:
    case Ending:
        break;
    }
}

// ---------------------------------------------------------------- commands

void BatchRun::requestStop()
{
    if (m_runState != Running && m_runState != Paused && m_runState != Finishing)
        return;
    setRunState(StopRequested);
    // The run notices the ends of the encoders in its events; an encoder
    // that ignores the request is killed a little later, without holding up
    // anything meanwhile. A task at its turn whose encoder has not started
    // is stopped as it is.
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot &slot = *m_slots[i];
        if (slot.phase == Slot::Phase::Waiting)
            releaseWaiting(slot, true);
        else if (encoding(slot))
            slot.encoder->requestEnd();
    }
    scheduleAdvance();
}

void BatchRun::stopNow()
{
    requestStop();
    if (m_runState == StopRequested)
        for (const auto &slot : m_slots)
            if (encoding(*slot))
                slot->encoder->kill();
}

void BatchRun::stopForClose()
{
    if (m_runState == Idle || m_runState == Ending)
        return;
    // The program is ending and may never see another event: the tasks in
    // progress are marked now, and their unfinished outputs go.
    m_closing = true;
    setRunState(StopRequested);
    killAll();
    m_timerTime.stop();
    finishRun();
}

bool BatchRun::pause()
{
    if ((m_runState != Running && m_runState != Finishing) || !m_control)
        return false;
    m_resumeTo = m_runState;
    for (const auto &slot : m_slots)
        if (encoding(*slot))
            slot->encoder->pause();
    m_timerTime.stop();
    setRunState(Paused);
    return true;
}

bool BatchRun::resume()
{
    if (m_runState != Paused)
        return false;
    for (const auto &slot : m_slots)
        slot->encoder->resume();
    m_timerTime.start();
    setRunState(m_resumeTo);
    takeTasks();
    scheduleAdvance();
    return true;
}

void BatchRun::setStopAfterCurrent(bool on)
{
    if (m_runState == Paused) {
        m_resumeTo = on ? Finishing : Running;
    } else if (on && m_runState == Running) {
        setRunState(Finishing);
    } else if (!on && m_runState == Finishing) {
        setRunState(Running);
        takeTasks();
    } else {
        return;
    }
    // Tasks whose encoders have not started go back to the list.
    if (on)
        for (const auto &slot : m_slots)
            if (slot->phase == Slot::Phase::Waiting)
                releaseWaiting(*slot, false);
    scheduleAdvance();
}

bool BatchRun::stopsAfterCurrent() const
{
    return m_runState == Finishing || (m_runState == Paused && m_resumeTo == Finishing);
}

// ---------------------------------------------------------------- the end

void BatchRun::setRunState(State state)
{
    if (m_runState == state)
        return;
    m_runState = state;
    emit runStateChanged(int(state));
}

void BatchRun::endAfterStop()
{
    setRunState(Ending);
    m_timerTime.stop();
    if (!m_closing)
        m_platform.messageBox(QStringLiteral("The Coversion is canceled."),
                              QStringLiteral("Cancel"), Platform::Icon::Information);
    finishRun();
}

void BatchRun::endAfterStartFailure(int index, const QString &message)
{
    setRunState(Ending);
    m_timerTime.stop();
    if (index >= 0) {
        setStatus(m_tasks.taskId(index), TaskStatus::Failed);
        emit taskEnded(index, TaskStatus::Failed, -1);
    }
    m_platform.messageBox(message, QStringLiteral("Error"), Platform::Icon::None);
    finishRun();
}

void BatchRun::complete()
{
    setRunState(Ending);
    m_timerTime.stop();
    emit runCompleted(m_convertedCount, m_skippedCount, m_failedCount);
    if (m_host.autoTurnOff() || m_host.autoExit()) {
        // The window closes; the run counts as over, so closing does not ask
        // about a run in progress.
        if (m_host.autoTurnOff())
            m_platform.powerOff();
        finishRun();
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
    finishRun();
}

void BatchRun::finishRun()
{
    m_step.stop();
    for (const auto &slot : m_slots)
        freeSlot(*slot);
    m_shown = 0;
    m_resumeTo = Running;
    emit progressPanelShown(false);
    setRunState(Idle);
    if (const std::function<void()> leave = std::exchange(m_leaveRunMode, nullptr))
        leave();
}

QString BatchRun::completionText() const
{
    const int taskCount = m_tasks.count();
    QString text =
        m_failedCount == 0
            ? QStringLiteral("The coversion is completed successfully.")
            : QStringLiteral("The conversion is completed, but %1 of %2 files could not be "
                             "converted.")
                  .arg(m_failedCount)
                  .arg(taskCount);
    if (m_skippedCount == 1)
        text += QStringLiteral(" 1 of %1 files was skipped because its output file already "
                               "exists.")
                    .arg(taskCount);
    else if (m_skippedCount > 1)
        text += QStringLiteral(" %1 of %2 files were skipped because their output files already "
                               "exist.")
                    .arg(m_skippedCount)
                    .arg(taskCount);
    if (m_failedCount > 0)
        text += QStringLiteral(" Point at a \"Failed\" task to see why, or choose \"Show "
                               "Log...\" in its pop-up menu.");
    return text;
}

// ---------------------------------------------------------------- progress

int BatchRun::currentTask() const
{
    return m_shown ? m_tasks.rowOf(m_shown) : -1;
}

int BatchRun::setStatus(TaskId id, const QString &status)
{
    const int row = m_tasks.rowOf(id);
    if (row >= 0) {
        ltvItemData record;
        record.Status = status;
        m_tasks.SetItemData(row, ItemField::Status, record);
    }
    return row;
}

void BatchRun::setBars(int current, int total)
{
    m_currentBar = current;
    m_totalBar = total;
    emit currentProgressChanged(current);
    emit totalProgressChanged(total);
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

double BatchRun::currentTotalSecs()
{
    if (m_totalStale) {
        m_totalSecs = totalSecs();
        m_totalStale = false;
    }
    return m_totalSecs;
}

int BatchRun::totalBarNow()
{
    // What the running encoders have converted so far counts in the total.
    double running = 0;
    for (const auto &slot : m_slots)
        if (encoding(*slot))
            running += slot->positionSecs;
    const double total = currentTotalSecs();
    return total != 0 ? barPosition((m_doneSecs + running) * 100.0 / total) : m_totalBar;
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
    const bool shown = slot.id == m_shown;
    if (shown) {
        m_memo = QString::fromLocal8Bit(slot.latestChunk);
        emit memoChanged(m_memo);
    }
    if (!slot.evaluated)
        return;
    slot.evaluated = false;
    const int percent =
        slot.taskSecs != 0 ? barPosition(slot.positionSecs * 100.0 / slot.taskSecs) : -1;
    if (percent != slot.percent) {
        slot.percent = percent;
        if (const int row = m_tasks.rowOf(slot.id); row >= 0 && percent >= 0)
            emit taskProgress(row, percent);
    }
    const int current = shown && percent >= 0 ? percent : m_currentBar;
    setBars(current, totalBarNow());
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

// ---------------------------------------------------------------- outputs

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

void BatchRun::setUnfinishedOutput(TaskId taskId, const QString &path)
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
