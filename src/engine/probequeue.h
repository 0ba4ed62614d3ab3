#pragma once

#include "prober.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

// Probes waiting for their turn and those under way, each for one task. At
// most limit() probes run at a time, side by side, each an encoder process
// of its own watched from the event loop (see Prober); the others wait in
// the order they came. A probe ends with probed(); a cancelled one never
// reports. The queue counts the probes of one busy spell (from the first
// that came after it was idle to the last that ended) for the window's
// "n of m".
//
// With a batch limit above 1, one encoder is asked about up to that many
// waiting files at once (see Prober), the waiting ones shared out among the
// encoders that may start; a file it could not report on is then asked
// about alone. New probes wait for the event loop's next turn, so that the
// files added together share encoders.
class ProbeQueue : public QObject
{
    Q_OBJECT
public:
    using TaskId = quint64;

    explicit ProbeQueue(const QString &encoderPath, QObject *parent = nullptr);
    ~ProbeQueue() override;

    // How many probes may run at once, asked each time one could start;
    // kept within 1..MaxSimultaneousProbes. Without a source, the number of processor
    // cores.
    void setLimitSource(std::function<int()> source);
    int limit() const;
    // Time limit of each probe in milliseconds; negative for none.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // How many files one encoder may be asked about at once (at least 1,
    // the default).
    void setBatchLimit(int n) { m_batchLimit = std::max(1, n); }
    int batchLimit() const { return m_batchLimit; }

    // Queues a probe of path for the task id.
    void enqueue(TaskId id, const QString &path);
    // The task's probe, waiting or running, goes away without a report.
    void cancel(TaskId id);
    void cancelAll();
    // The task's probe, if it still waits, is the next to start.
    void moveToFront(TaskId id);
    // Starts waiting probes as far as the limit allows now (the queue does so
    // by itself whenever a probe ends or comes).
    void dispatch();

    bool isPending(TaskId id) const { return m_pending.contains(id); }
    bool isIdle() const { return m_pending.isEmpty(); }
    int runningCount() const { return int(m_running.size()); }
    // Probes of the present busy spell: ended, and all (ended, running,
    // waiting). Both 0 while idle.
    int doneCount() const { return m_done; }
    int totalCount() const { return m_total; }

signals:
    // The task's probe has ended with these results.
    void probed(ProbeQueue::TaskId id, const ProbeResults &results);
    // doneCount() or totalCount() changed; (0, 0) once idle again.
    void progressChanged(int done, int total);

private:
    struct Waiting
    {
        TaskId id;
        QString path;
        bool alone = false; // never in a batch
    };

    void startProber(const QList<Waiting> &files);
    void ended(Prober *prober);
    void inputProbed(Prober *prober, int index, const ProbeResults &results);
    void countEnd();

    QString m_encoderPath;
    std::function<int()> m_limitSource;
    int m_timeoutMs = Prober::DefaultTimeoutMs;
    int m_batchLimit = 1;
    bool m_dispatchQueued = false;
    std::deque<Waiting> m_waiting;             // may hold cancelled ones
    QHash<Prober *, QList<Waiting>> m_running; // the files of each, in order
    QSet<TaskId> m_pending;                    // waiting or running
    int m_done = 0;
    int m_total = 0;
};
