#include "tasklogs.h"

#include "displaytext.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A progress report ("frame=... time=... speed=..."), not a message.
bool isProgressLine(const QString &line)
{
    return (line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("size="))) &&
           line.contains(QLatin1String("time="));
}

// Words of the lines an encoder writes when something goes wrong.
bool isErrorLine(const QString &line)
{
    // The encoder's banner names its build options; they are no messages.
    if (line.startsWith(QLatin1String("configuration:")) ||
        line.startsWith(QLatin1String("built with")))
        return false;
    static const char *const words[] = {
        "error",     "invalid",       "no such file",  "denied",           "failed",
        "not found", "unknown",       "unrecognized",  "cannot",           "could not",
        "unable to", "no space left", "not supported", "does not contain", "too many"};
    for (const char *word : words)
        if (line.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

// How many of the last message lines are searched for the error lines.
constexpr int SearchedLines = 12;

} // namespace

TaskLogs::TaskLogs(qsizetype taskLimit, qsizetype totalLimit)
    : m_taskLimit(std::max<qsizetype>(1, taskLimit)),
      m_totalLimit(std::max(totalLimit, m_taskLimit))
{}

void TaskLogs::begin(TaskId id, const QString &heading)
{
    remove(id);
    Entry e;
    e.heading = heading;
    e.order = ++m_nextOrder;
    m_others.insert({e.order, id});
    m_entries.insert(id, e);
}

void TaskLogs::append(TaskId id, const QByteArray &bytes)
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end() || bytes.isEmpty())
        return;
    const qsizetype before = it->ring.size();
    store(*it, bytes.constData(), bytes.size());
    m_total += it->ring.size() - before;
    if (m_total > m_totalLimit)
        enforceTotal(id);
}

void TaskLogs::store(Entry &e, const char *data, qsizetype size)
{
    if (size >= m_taskLimit) {
        // Only the end of it is kept.
        e.truncated = e.truncated || size > m_taskLimit || !e.ring.isEmpty();
        e.ring = QByteArray(data + size - m_taskLimit, m_taskLimit);
        e.head = 0;
        return;
    }
    if (e.ring.size() < m_taskLimit) {
        const qsizetype first = std::min(size, m_taskLimit - e.ring.size());
        e.ring.append(data, first);
        data += first;
        size -= first;
        if (e.ring.size() == m_taskLimit)
            e.ring.squeeze(); // full: it never grows again
        if (size == 0)
            return;
    }
    // Full: the oldest bytes are overwritten.
    e.truncated = true;
    char *ring = e.ring.data();
    const qsizetype toEnd = std::min(size, m_taskLimit - e.head);
    std::memcpy(ring + e.head, data, size_t(toEnd));
    std::memcpy(ring, data + toEnd, size_t(size - toEnd));
    e.head = (e.head + size) % m_taskLimit;
}

void TaskLogs::enforceTotal(TaskId keep)
{
    while (m_total > m_totalLimit) {
        // Logs of conversions that succeeded go first, the oldest first.
        std::optional<TaskId> victim;
        for (const Queue *queue : {&m_succeeded, &m_others})
            for (auto it = queue->begin(); it != queue->end() && !victim; ++it)
                if (it->second != keep)
                    victim = it->second;
        if (!victim)
            return;
        remove(*victim);
    }
}

void TaskLogs::finish(TaskId id, bool succeeded, const QString &reason, const QString &summary)
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    queueOf(*it).erase({it->order, id});
    it->finished = true;
    it->succeeded = succeeded;
    it->reason = reason;
    it->summary = summary;
    queueOf(*it).insert({it->order, id});
}

void TaskLogs::remove(TaskId id)
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    m_total -= it->ring.size();
    queueOf(*it).erase({it->order, id});
    m_entries.erase(it);
}

void TaskLogs::restore(TaskId id, const QString &heading, const QByteArray &output, bool truncated,
                       const QString &reason)
{
    begin(id, heading);
    Entry &e = m_entries[id];
    store(e, output.constData(), output.size());
    e.truncated = e.truncated || truncated;
    m_total += e.ring.size();
    finish(id, false, reason);
    if (m_total > m_totalLimit)
        enforceTotal(id);
}

QByteArray TaskLogs::output(TaskId id) const
{
    const auto it = m_entries.constFind(id);
    if (it == m_entries.cend())
        return {};
    QByteArray bytes = it->head == 0 ? it->ring : it->ring.mid(it->head) + it->ring.left(it->head);
    if (it->truncated) {
        // The first line was cut by the bound (a line may also end with a
        // carriage return alone: a progress report).
        qsizetype cut = bytes.indexOf('\n');
        const qsizetype cr = bytes.indexOf('\r');
        if (cut < 0 || (cr >= 0 && cr < cut))
            cut = cr;
        bytes = cut < 0 ? QByteArray() : bytes.mid(cut + 1);
    }
    return bytes;
}

bool TaskLogs::truncated(TaskId id) const
{
    return m_entries.value(id).truncated;
}

QString TaskLogs::heading(TaskId id) const
{
    return m_entries.value(id).heading;
}

QString TaskLogs::reason(TaskId id) const
{
    return m_entries.value(id).reason;
}

QStringList TaskLogs::TerminalLines(const QByteArray &bytes)
{
    QStringList lines;
    const QString text = QString::fromLocal8Bit(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.append(line.mid(line.lastIndexOf(u'\r') + 1).toString());
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the output ended with a line break
    return lines;
}

QString TaskLogs::text(TaskId id) const
{
    if (!contains(id))
        return {};
    QStringList parts;
    if (!heading(id).isEmpty())
        parts << heading(id) << QString();
    if (truncated(id))
        parts << QCoreApplication::translate("TaskLogs",
                                             "(The beginning of the output was left out: only "
                                             "its last %1 KB are kept.)")
                     .arg(m_taskLimit / 1024);
    parts << TerminalLines(output(id));
    if (!reason(id).isEmpty())
        parts << QString() << DisplayReason(reason(id));
    return parts.join(u'\n');
}

QString TaskLogs::failureSummary(TaskId id, int maxLines) const
{
    if (!contains(id))
        return {};
    if (const QString summary = m_entries.value(id).summary; !summary.isEmpty())
        return summary;
    QStringList messages;
    for (const QString &line : TerminalLines(output(id))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !isProgressLine(trimmed))
            messages << trimmed;
    }
    QStringList errors;
    const qsizetype from = std::max<qsizetype>(0, messages.size() - SearchedLines);
    for (qsizetype i = messages.size() - 1; i >= from && errors.size() < maxLines; --i)
        if (isErrorLine(messages[i]))
            errors.prepend(messages[i]);
    if (errors.isEmpty())
        return DisplayReason(reason(id));
    return errors.join(u'\n');
}
