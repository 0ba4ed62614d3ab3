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

class ProbeHelper;

// Probes waiting for their turn and those under way, each for one task. At
// most limit() probes run at a time, side by side, each an encoder process
// of its own watched from the event loop (see Prober); the others wait in
// the order they came. A probe ends with probed(); a cancelled one never
// reports. The queue counts the probes of one busy spell (from the first
// that came after it was idle to the last that ended) for the window's
// "n of m".
//
// With a media reader program set, files are read by readers (ProbeHelper),
// each kept running and reading one file after another, with a few more in
// flight (HelperDepth), at most limit() of them busy at once; the encoder is
// asked only about the files a reader gives no answer for (one the library
// cannot read, or one that crashed, hung or confused the reader), and about
// every file when the reader cannot be started at all or the encoder alone
// is to probe.
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
    // Time limit of each probe in milliseconds; negative for none. A
    // reader's deadline is the limit of the moment it starts.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // The media reader program (quivercast-probe); empty, the default: the
    // encoder alone.
    void setHelperProgram(const QString &program) { m_helperProgram = program; }
    // Asked whenever a probe could start: true while the encoder alone is to
    // probe, whatever the reader program.
    void setEncoderOnlySource(std::function<bool()> source);
    // Files in flight to one busy reader at most.
    static constexpr int HelperDepth = 8;
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
    // Encoders and media readers at work.
    int runningCount() const;
    // Probes of the present busy spell: ended, and all (ended, running,
    // waiting). Both 0 while idle.
    int doneCount() const { return m_done; }
    int totalCount() const { return m_total; }

signals:
    // The task's probe has ended with these results.
    void probed(ProbeQueue::TaskId id, const ProbeResults &results);
    // doneCount() or totalCount() changed; (0, 0) once idle again.
    void progressChanged(int done, int total);
    // The media reader cannot be started: a line for the log, said once.
    void helperUnavailable(const QString &message);

private:
    struct Waiting
    {
        TaskId id;
        QString path;
        bool alone = false;     // never in a batch
        bool byEncoder = false; // a reader gave no answer for it
    };

    bool helpersUsable();
    bool byHelper(const Waiting &file) { return !file.byEncoder && helpersUsable(); }
    void helperIsUnavailable(const QString &reason);
    // A reader for the next file: an idle one, a new one, or one that can
    // take another file in flight; none when the limit is reached.
    ProbeHelper *helperFor(int max);
    ProbeHelper *newHelper();
    Waiting takeHelperFile(ProbeHelper *helper);
    void helperAnswered(ProbeHelper *helper, const ProbeResults &results);
    // The helper's file goes to the encoder.
    void helperFailed(ProbeHelper *helper);
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
    QString m_helperProgram;
    std::function<bool()> m_encoderOnlySource;
    bool m_helperLookedFor = false;
    bool m_helperUnavailable = false;
    QList<ProbeHelper *> m_helpers;                          // idle or busy, kept running
    QHash<ProbeHelper *, std::deque<Waiting>> m_helperFiles; // the files in flight of each
    QSet<TaskId> m_pending;                                  // waiting or running
    int m_done = 0;
    int m_total = 0;
};
