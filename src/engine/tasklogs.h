#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <set>
#include <utility>

// What the encoder printed for each task's conversion, kept in memory and
// found by the task's identity (see TaskStore::TaskId). Memory is bounded
// twice:
// - per task, the last TaskLimit bytes of output (256 KB): a flood of output
//   keeps only its end, which is where an encoder says why it failed;
// - for all logs together, TotalLimit bytes (64 MB, room for 256 full logs):
//   beyond it whole logs are dropped, first those of conversions that
//   succeeded, oldest first, then the oldest others. The log being written
//   is never dropped.
// A log also keeps a heading (the command that was run) and, once the
// conversion has ended, why it failed or was stopped.
class TaskLogs
{
public:
    using TaskId = quint64;

    static constexpr qsizetype TaskLimit = 256 * 1024;
    static constexpr qsizetype TotalLimit = 64 * 1024 * 1024;

    // Other bounds, for tests; totalLimit is at least taskLimit.
    explicit TaskLogs(qsizetype taskLimit = TaskLimit, qsizetype totalLimit = TotalLimit);

    // A new conversion of the task: its earlier log is replaced.
    void begin(TaskId id, const QString &heading);
    // Output of the task's encoder, as it comes.
    void append(TaskId id, const QByteArray &bytes);
    // The conversion ended; reason says why it failed or was stopped (empty
    // when it succeeded), or what the program found of its output. summary,
    // when given, is what failureSummary() tells rather than the encoder's
    // lines (an encoder that ended well whose output is bad).
    void finish(TaskId id, bool succeeded, const QString &reason, const QString &summary = {});
    void remove(TaskId id);
    // A finished log read back (one kept from an earlier session): it counts
    // as a failed conversion's, within the bounds.
    void restore(TaskId id, const QString &heading, const QByteArray &output, bool truncated,
                 const QString &reason);

    bool contains(TaskId id) const { return m_entries.contains(id); }
    int count() const { return int(m_entries.size()); }
    // Bytes of output held by all logs.
    qsizetype totalBytes() const { return m_total; }

    // The kept output as it came; when its beginning was dropped, from the
    // first whole line on.
    QByteArray output(TaskId id) const;
    // True when output was dropped to keep within the bound.
    bool truncated(TaskId id) const;
    // Which conversion the log tells of: a number that grows with every
    // log begun or restored; 0 when the task has none.
    quint64 generation(TaskId id) const { return m_entries.value(id).order; }
    QString heading(TaskId id) const;
    QString reason(TaskId id) const;
    // The whole log as a user reads it: the heading, the output as a
    // terminal shows it (a line rewritten after a carriage return shows its
    // last version), and the reason.
    QString text(TaskId id) const;
    // Why the task failed, in a few lines: the last error lines the encoder
    // printed (at most maxLines), or the reason when it printed none.
    QString failureSummary(TaskId id, int maxLines = 3) const;

    // Output bytes as a terminal shows them, as lines.
    static QStringList TerminalLines(const QByteArray &bytes);

private:
    struct Entry
    {
        QString heading;
        QString reason;
        QString summary;
        // The last bytes; once it holds the task limit it is a ring whose
        // oldest byte is at head.
        QByteArray ring;
        qsizetype head = 0;
        bool truncated = false;
        bool finished = false;
        bool succeeded = false;
        quint64 order = 0; // when the conversion began
    };

    using Queue = std::set<std::pair<quint64, TaskId>>; // by order
    void store(Entry &e, const char *data, qsizetype size);
    // Drops whole logs, other than keep's, until the total is within bounds.
    void enforceTotal(TaskId keep);
    // The queue of logs that go first (succeeded), or of the others.
    Queue &queueOf(const Entry &e) { return e.finished && e.succeeded ? m_succeeded : m_others; }

    qsizetype m_taskLimit;
    qsizetype m_totalLimit;
    qsizetype m_total = 0;
    quint64 m_nextOrder = 0;
    QHash<TaskId, Entry> m_entries;
    // The order in which logs are dropped, so that a drop never searches
    // them all.
    Queue m_succeeded;
    Queue m_others;
};
