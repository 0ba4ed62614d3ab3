#include "probequeue.h"

#include "settings/preferences.h"

#include <algorithm>

ProbeQueue::ProbeQueue(const QString &encoderPath, QObject *parent)
    : QObject(parent), m_encoderPath(encoderPath)
{}

// The probers are children of the queue: each ends its encoder as it goes.
ProbeQueue::~ProbeQueue() = default;

void ProbeQueue::setLimitSource(std::function<int()> source)
{
    m_limitSource = std::move(source);
}

int ProbeQueue::limit() const
{
    const int n = m_limitSource ? m_limitSource() : DefaultSimultaneousProbes();
    return std::clamp(n, 1, MaxSimultaneousProbes);
}

void ProbeQueue::enqueue(TaskId id, const QString &path)
{
    if (m_pending.contains(id))
        return;
    m_pending.insert(id);
    m_waiting.emplace_back(id, path);
    ++m_total;
    emit progressChanged(m_done, m_total);
    dispatch();
}

void ProbeQueue::dispatch()
{
    const int max = limit();
    while (runningCount() < max && !m_waiting.empty()) {
        auto [id, path] = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (!m_pending.contains(id))
            continue; // cancelled while it waited
        auto *prober = new Prober(m_encoderPath, this);
        prober->setTimeoutMs(m_timeoutMs);
        m_running.insert(prober, id);
        connect(prober, &Prober::finished, this, [this, prober] { ended(prober); });
        prober->start(path);
    }
}

void ProbeQueue::ended(Prober *prober)
{
    const auto it = m_running.constFind(prober);
    if (it == m_running.cend())
        return;
    const TaskId id = it.value();
    m_running.erase(it);
    const ProbeResults results = prober->results();
    prober->deleteLater();
    m_pending.remove(id);
    // The next one starts before the results are handed on, so that the
    // encoders are kept busy whatever the receiver does.
    dispatch();
    emit probed(id, results);
    countEnd();
}

void ProbeQueue::countEnd()
{
    if (m_pending.isEmpty()) {
        m_done = 0;
        m_total = 0;
    } else {
        ++m_done;
    }
    emit progressChanged(m_done, m_total);
}

void ProbeQueue::cancel(TaskId id)
{
    if (!m_pending.remove(id))
        return;
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (it.value() == id) {
            Prober *prober = it.key();
            m_running.erase(it);
            prober->cancel();
            prober->deleteLater();
            break;
        }
    }
    // A cancelled probe leaves the count.
    --m_total;
    if (m_pending.isEmpty()) {
        m_waiting.clear();
        m_done = 0;
        m_total = 0;
    }
    emit progressChanged(m_done, m_total);
    dispatch();
}

void ProbeQueue::cancelAll()
{
    const bool wasIdle = m_pending.isEmpty();
    m_pending.clear();
    m_waiting.clear();
    for (auto it = m_running.keyBegin(); it != m_running.keyEnd(); ++it) {
        (*it)->cancel();
        (*it)->deleteLater();
    }
    m_running.clear();
    m_done = 0;
    m_total = 0;
    if (!wasIdle)
        emit progressChanged(0, 0);
}

void ProbeQueue::moveToFront(TaskId id)
{
    if (!m_pending.contains(id))
        return;
    const auto it = std::find_if(m_waiting.begin(), m_waiting.end(),
                                 [id](const auto &entry) { return entry.first == id; });
    if (it == m_waiting.end() || it == m_waiting.begin())
        return;
    auto entry = std::move(*it);
    m_waiting.erase(it);
    m_waiting.push_front(std::move(entry));
}
