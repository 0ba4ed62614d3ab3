#pragma once

#include "conversion.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class EncoderProcess;
class ProcessControl;
class TaskLogs;

// The encoders of a run, each in a slot with the task it has taken. The first slot drives the
// encoder handed in; more are made as tasks need them. What a slot's encoder does is told to the
// handlers, with the slot.
class EncoderSlots
{
public:
    using TaskId = quint64;

    struct Slot
    {
        enum class Phase
        {
            Free,       // no task
            Waiting,    // a task has taken it; its encoder starts at the run's next step
            Starting,   // its encoder is being started
            Converting, // its encoder runs
            Checking,   // its encoder ended well; its output is being checked
        };
        Phase phase = Phase::Free;
        EncoderProcess *encoder = nullptr;
        std::unique_ptr<EncoderProcess> own; // all but the first slot's
        TaskId id = 0;
        // Waiting for the task's probe or for intake: a stop then leaves
        // the task as it is.
        bool held = false;
        quint64 startOrder = 0; // when its encoder was started
        QStringList arguments;
        int percent = -1; // as last told
        Conversion conversion;
        // Waiting: the existing file Skip would keep, being checked.
        QString keptFile;
        // What the run noted of the task before its conversion (an existing
        // file not kept), for its log.
        QStringList notes;

        // Its encoder has been started and has not ended.
        bool encoding() const { return phase == Phase::Starting || phase == Phase::Converting; }
    };

    struct Handlers
    {
        std::function<void(Slot &)> started;
        std::function<void(Slot &, const QString &reason)> notStarted;
        std::function<void(Slot &)> outputRead;
        std::function<void(Slot &)> finished;
    };

    // Handlers are called with context as the receiver.
    EncoderSlots(EncoderProcess &first, QObject *context, Handlers handlers);
    // Every encoder still running ends at once.
    ~EncoderSlots();

    void setProcessControl(ProcessControl *control);

    // By index, so that a handler may make slots meanwhile.
    int size() const { return int(m_slots.size()); }
    Slot &operator[](int i) { return *m_slots[size_t(i)]; }
    template <typename F> void forEach(F f)
    {
        for (size_t i = 0; i < m_slots.size(); ++i)
            f(*m_slots[i]);
    }
    template <typename F> void forEach(F f) const
    {
        for (const auto &slot : m_slots)
            f(const_cast<const Slot &>(*slot));
    }

    // The task takes a free slot (one made before, or a new one), waiting.
    Slot &take(TaskId id);
    // The slot is free again.
    void release(Slot &slot);
    // The slot that has taken the task; null when none has.
    Slot *find(TaskId id) const;
    // Slots with a task that holds an encoder's turn (outputs being
    // checked do not).
    int busyCount() const;
    bool anyEncoding() const;
    bool anyChecking() const;
    // Of the slots whose encoders run, the one started last; null when none.
    Slot *latestEncoding() const;

    // Starts the encoder of slot's task: every read of it goes, in order,
    // to the task's log and to the slot's conversion.
    void start(Slot &slot, const QString &program, const QStringList &arguments, TaskLogs &logs);

private:
    void add(EncoderProcess &encoder, std::unique_ptr<EncoderProcess> own);

    QObject *m_context;
    Handlers m_handlers;
    ProcessControl *m_control = nullptr;
    quint64 m_starts = 0;
    std::vector<std::unique_ptr<Slot>> m_slots;
};
