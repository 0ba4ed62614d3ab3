#include "batchrun.h"

#include "encoderprocess.h"
#include "intake.h"
#include "itemdata.h"
#include "platform/filenames.h"
#include "runhost.h"
#include "sourcetrash.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>

namespace {

const QString StoppedReason = QStringLiteral("The conversion was stopped.");

} // namespace

BatchRun::BatchRun(TaskStore &tasks, EncoderProcess &encoder, Platform &platform, RunHost &host,
                   const QString &encoderPath, QObject *parent)
    : QObject(parent), m_tasks(tasks), m_host(host), m_encoderPath(encoderPath),
      m_slots(encoder, this,
              {[this](Slot &slot) { onEncoderStarted(slot); },
               [this](Slot &slot, const QString &reason) { onEncoderNotStarted(slot, reason); },
               [this](Slot &slot) { onEncoderOutput(slot); },
               [this](Slot &slot) { onEncoderFinished(slot); }}),
      m_messages(platform, host), m_outputs(tasks, host, m_profiles),
      m_queue(tasks, [this](TaskId id) { return m_intake && m_intake->probePending(id); }),
      m_progress(m_slots, [this] { return m_queue.totalSecs(); }), m_check(encoderPath)
{
    connect(&m_check, &OutputCheck::checked, this, &BatchRun::onOutputChecked);
    connect(&m_progress, &RunProgress::elapsedChanged, this, &BatchRun::elapsedChanged);
    connect(&m_progress, &RunProgress::remainingChanged, this, &BatchRun::remainingChanged);
    connect(&m_progress, &RunProgress::currentChanged, this, &BatchRun::currentProgressChanged);
    connect(&m_progress, &RunProgress::totalChanged, this, &BatchRun::totalProgressChanged);
    connect(&m_progress, &RunProgress::memoChanged, this, &BatchRun::memoChanged);
    connect(&m_progress, &RunProgress::taskPercentChanged, this, [this](TaskId id, int percent) {
        if (const int row = m_tasks.rowOf(id); row >= 0) {
            m_tasks.setShownPercent(row, percent);
            emit taskProgress(row, percent);
        }
    });
    m_step.setSingleShot(true);
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &BatchRun::advance);
    // The list may change while the run goes on.
    connect(&m_tasks, &QAbstractItemModel::rowsInserted, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &QAbstractItemModel::rowsRemoved, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &QAbstractItemModel::modelReset, this, &BatchRun::onTasksChanged);
    connect(&m_tasks, &TaskStore::recordChanged, &m_progress, &RunProgress::listChanged);
}

// No encoder of a run outlives it (see EncoderSlots).
BatchRun::~BatchRun() = default;

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
    m_canPause = control != nullptr;
    m_slots.setProcessControl(control);
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
    m_outputs.conversionEnded(slot.id, slot.conversion, false);
    const TaskId id = slot.id;
    freeSlot(slot);
    // The run ends: the other encoders go with it.
    killAll();
    const int row = m_tasks.rowOf(id);
    emit encoderNotStarted(row, reason);
    endAfterStartFailure(
        row, QCoreApplication::translate(
                 "BatchRun", (pipe ? CreatePipeError : CreateProcessError).toUtf8().constData()));
}

void BatchRun::onEncoderOutput(Slot &slot)
{
    // Whatever an encoder that is being stopped still writes is taken but
    // no longer shown, so a flood of output cannot hold the stop up.
    if (!slot.encoding() ||
        (m_runState != Running && m_runState != Finishing && m_runState != Paused))
        return;
    m_progress.showOutput(slot);
}

void BatchRun::onEncoderFinished(Slot &slot)
{
    if (!slot.encoding())
        return;
    finishTask(slot);
    takeTasks();
    scheduleAdvance();
}

void BatchRun::onTaskProbed(int row)
{
    // A length found while the run goes on counts in its total, and in the
    // progress of a conversion that did not wait for its probe.
    m_progress.listChanged();
    Slot *slot = m_slots.find(m_tasks.taskId(row));
    if (!slot)
        return;
    if (slot->phase == Slot::Phase::Waiting) {
        scheduleAdvance();
        return;
    }
    if (slot->phase == Slot::Phase::Checking) {
        if (slot->held)
            beginCheck(*slot); // it waited for the length
        return;
    }
    ltvItemData task;
    m_tasks.GetItemData(row, ItemField::ClipLength, task);
    slot->conversion.setTaskSecs(task.ClipLengthSecs);
}

void BatchRun::onTasksChanged()
{
    m_progress.listChanged();
    if (m_runState == Idle || m_runState == Ending)
        return;
    // A waiting task removed from the list is never converted.
    m_slots.forEach([this](Slot &slot) {
        if (slot.phase == Slot::Phase::Waiting && m_tasks.rowOf(slot.id) < 0)
            releaseWaiting(slot, false);
    });
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
    for (int i = 0; i < m_slots.size() && m_runState == Running; ++i)
        if (m_slots[i].phase == Slot::Phase::Waiting)
            beginConversion(m_slots[i]);
    if (m_runState != Running)
        return;
    // Slots freed without an encoder (skipped tasks) take the next tasks at
    // the next step, so that the window stays live through many of them.
    if (m_slots.busyCount() < m_jobs && m_queue.next() >= 0) {
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
    while (m_slots.busyCount() < m_jobs) {
        const int row = m_queue.next();
        if (row < 0)
            return;
        m_queue.take(m_tasks.taskId(row));
        m_slots.take(m_tasks.taskId(row));
    }
}

bool BatchRun::hasTaken(TaskId id) const
{
    if (m_runState == Idle || !m_queue.taken(id))
        return false;
    // A task waiting for its encoder may still be given back.
    const Slot *slot = m_slots.find(id);
    return !slot || slot->phase != Slot::Phase::Waiting;
}

void BatchRun::freeSlot(Slot &slot, bool giveBack)
{
    m_check.cancel(slot.id);
    if (giveBack)
        m_queue.giveBack(slot.id);
    m_slots.release(slot);
    m_progress.forget(slot.id);
}

void BatchRun::finishTask(Slot &slot)
{
    if (m_runState == StopRequested) {
        stopTask(slot);
        return;
    }
    const EncoderProcess &encoder = *slot.encoder;
    const QString failure = slot.conversion.failure(encoder);
    if (failure.isEmpty() && m_host.verifyOutputs())
        beginCheck(slot);
    else
        endTask(slot, failure, encoder.crashed() ? -1 : encoder.exitCode());
}

void BatchRun::endTask(Slot &slot, const QString &reason, int exitCode, const QString &report)
{
    const bool failed = !reason.isEmpty();
    const bool checked = !report.isEmpty();
    QStringList logged = slot.notes;
    if (const QString &last = checked ? report : reason; !last.isEmpty())
        logged << last;
    m_logs.finish(slot.id, !failed, logged.join(u'\n'), checked ? reason : QString());
    // Its length counts as done; a partial output is never taken for a
    // finished one, and one that failed its check stays, never taken for
    // a finished one either.
    m_progress.addDone(slot.conversion.taskSecs());
    ++(failed ? m_tally.failed : m_tally.converted);
    if (checked && failed)
        m_outputs.outputRejected(slot.id, slot.conversion);
    else
        m_outputs.conversionEnded(slot.id, slot.conversion, !failed);
    const QString status = failed ? TaskStatus::Failed : TaskStatus::Complete;
    const int row = m_queue.setStatus(slot.id, status);
    showTaskEnd(slot, !failed);
    if (row >= 0)
        emit taskEnded(row, status, exitCode);
    freeSlot(slot);
}

void BatchRun::showTaskEnd(Slot &slot, bool converted)
{
    slot.phase = Slot::Phase::Free;
    if (const Slot *next = m_progress.showEnd(slot, converted, moreToCome()))
        emit convertingFileChanged(FileNamePart(m_tasks.caption(m_tasks.rowOf(next->id))));
}

bool BatchRun::moreToCome() const
{
    // The ending slot is free already.
    if (m_slots.busyCount() > 0)
        return true;
    return m_runState == Running && (m_queue.next() >= 0 || (m_intake && m_intake->isAdding()));
}

void BatchRun::releaseWaiting(Slot &slot, bool stopped)
{
    // Stopped at its turn; else given back, to be taken again.
    const bool giveBack = !stopped || slot.held;
    if (!giveBack)
        markStopped(slot);
    freeSlot(slot, giveBack);
}

void BatchRun::markStopped(const Slot &slot)
{
    if (const int row = m_queue.setStatus(slot.id, TaskStatus::Stop); row >= 0)
        emit taskEnded(row, TaskStatus::Stop, -1);
}

void BatchRun::stopTask(Slot &slot)
{
    m_logs.finish(slot.id, false, StoppedReason);
    m_outputs.conversionEnded(slot.id, slot.conversion, false);
    markStopped(slot);
    freeSlot(slot);
}

void BatchRun::killAll()
{
    for (int i = 0; i < m_slots.size(); ++i) {
        Slot *slot = &m_slots[i];
        switch (slot->phase) {
        case Slot::Phase::Free:
            break;
        case Slot::Phase::Waiting:
            releaseWaiting(*slot, true);
            break;
        case Slot::Phase::Starting:
        case Slot::Phase::Converting:
            slot->encoder->end();
            stopTask(*slot);
            break;
        case Slot::Phase::Checking:
            stopTask(*slot);
            break;
        }
    }
}

void BatchRun::endIfDone()
{
    switch (m_runState) {
    case Running:
        if (m_slots.busyCount() == 0 && !m_slots.anyChecking() && m_queue.next() < 0 &&
            !(m_intake && m_intake->isAdding()))
            complete();
        break;
    case StopRequested:
    case Finishing:
        if (!m_slots.anyEncoding() && !m_slots.anyChecking())
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
    m_slots.forEach([this](Slot &slot) {
        if (slot.phase == Slot::Phase::Waiting)
            releaseWaiting(slot, true);
        else if (slot.encoding())
            slot.encoder->requestEnd();
    });
    scheduleAdvance();
}

void BatchRun::stopNow()
{
    requestStop();
    if (m_runState == StopRequested)
        m_slots.forEach([](Slot &slot) {
            if (slot.encoding())
                slot.encoder->kill();
        });
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
    m_progress.setTicking(false);
    finishRun();
}

bool BatchRun::pause()
{
    if ((m_runState != Running && m_runState != Finishing) || !m_canPause)
        return false;
    m_resumeTo = m_runState;
    m_slots.forEach([](Slot &slot) {
        if (slot.encoding())
            slot.encoder->pause();
    });
    m_progress.setTicking(false);
    setRunState(Paused);
    return true;
}

bool BatchRun::resume()
{
    if (m_runState != Paused)
        return false;
    m_slots.forEach([](Slot &slot) { slot.encoder->resume(); });
    m_progress.setTicking(true);
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
        m_slots.forEach([this](Slot &slot) {
            if (slot.phase == Slot::Phase::Waiting)
                releaseWaiting(slot, false);
        });
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
    m_progress.setTicking(false);
    if (!m_closing)
        m_messages.cancelled();
    finishRun();
}

void BatchRun::endAfterStartFailure(int index, const QString &message)
{
    setRunState(Ending);
    m_progress.setTicking(false);
    if (index >= 0) {
        m_queue.setStatus(m_tasks.taskId(index), TaskStatus::Failed);
        emit taskEnded(index, TaskStatus::Failed, -1);
    }
    m_messages.startFailed(message);
    finishRun();
}

void BatchRun::complete()
{
    setRunState(Ending);
    m_progress.setTicking(false);
    emit runCompleted(m_tally.converted, m_tally.skipped, m_tally.failed);
    if (m_unattended) {
        finishRun();
        return;
    }
    // When the window closes, the run counts as over first, so closing does
    // not ask about a run in progress.
    const RunMessages::Completion then = m_messages.completed(m_tally, m_tasks.count());
    finishRun();
    if (then == RunMessages::Completion::Close)
        m_host.closeMainWindow();
    else if (then == RunMessages::Completion::TurnOff)
        m_messages.turnOffAfterNotice(this, [this] { return m_runState == Idle; });
}

void BatchRun::finishRun()
{
    m_step.stop();
    m_slots.forEach([this](Slot &slot) { freeSlot(slot); });
    m_resumeTo = Running;
    m_outputs.end();
    emit progressPanelShown(false);
    setRunState(Idle);
    if (const std::function<void()> leave = std::exchange(m_leaveRunMode, nullptr))
        leave();
}

// ---------------------------------------------------------------- progress

int BatchRun::currentTask() const
{
    return m_progress.shown() ? m_tasks.rowOf(m_progress.shown()) : -1;
}
