#include "probequeue.h"

#include "probehelper.h"
#include "settings/preferences.h"

#include <QDir>
#include <QFileInfo>

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

void ProbeQueue::setEncoderOnlySource(std::function<bool()> source)
{
    m_encoderOnlySource = std::move(source);
}

bool ProbeQueue::helpersUsable()
{
    if (m_helperProgram.isEmpty() || m_helperUnavailable ||
        (m_encoderOnlySource && m_encoderOnlySource()))
        return false;
    if (!m_helperLookedFor) {
        // A reader that is not there is not started again and again.
        m_helperLookedFor = true;
        if (!QFileInfo(m_helperProgram).isExecutable()) {
            helperIsUnavailable(QStringLiteral("it is missing or not executable"));
            return false;
        }
    }
    return true;
}

void ProbeQueue::helperIsUnavailable(const QString &reason)
{
    if (m_helperUnavailable)
        return;
    // Said once; the encoder probes every file from now on.
    m_helperUnavailable = true;
    emit helperUnavailable(
        QStringLiteral("The media reader %1 cannot be started (%2); the encoder probes the files.")
            .arg(QDir::toNativeSeparators(m_helperProgram), reason));
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
    m_waiting.push_back({id, path});
    ++m_total;
    emit progressChanged(m_done, m_total);
    if (m_batchLimit == 1) {
        dispatch();
    } else if (!m_dispatchQueued) {
        m_dispatchQueued = true;
        QMetaObject::invokeMethod(this, &ProbeQueue::dispatch, Qt::QueuedConnection);
    }
}

void ProbeQueue::dispatch()
{
    m_dispatchQueued = false;
    const int max = limit();
    while (!m_waiting.empty()) {
        if (!m_pending.contains(m_waiting.front().id)) {
            m_waiting.pop_front(); // cancelled while it waited
            continue;
        }
        if (byHelper(m_waiting.front())) {
            ProbeHelper *helper = helperFor(max);
            if (!helper)
                break;
            const QString path = m_waiting.front().path;
            m_helperFiles[helper].push_back(std::move(m_waiting.front()));
            m_waiting.pop_front();
            helper->probe(path);
            continue;
        }
        if (runningCount() >= max)
            break;
        QList<Waiting> files{std::move(m_waiting.front())};
        m_waiting.pop_front();
        if (m_batchLimit > 1 && !files.first().alone && Prober::batchable(files.first().path)) {
            // The waiting files shared out among the encoders that may start.
            const qsizetype free = max - runningCount();
            const qsizetype size =
                std::min<qsizetype>(m_batchLimit, (qsizetype(m_waiting.size()) + free) / free);
            while (files.size() < size && !m_waiting.empty()) {
                Waiting &next = m_waiting.front();
                if (m_pending.contains(next.id)) {
                    if (next.alone || !Prober::batchable(next.path) || byHelper(next))
                        break;
                    files.append(std::move(next));
                }
                m_waiting.pop_front();
            }
        }
        startProber(files);
    }
}

int ProbeQueue::runningCount() const
{
    return int(m_running.size() +
               std::count_if(m_helpers.cbegin(), m_helpers.cend(),
                             [](const ProbeHelper *helper) { return helper->isBusy(); }));
}

ProbeHelper *ProbeQueue::helperFor(int max)
{
    // Another reader while the limit allows; else a few more files for the
    // least busy one, so that none waits for the program between files.
    if (runningCount() < max) {
        const auto idle = std::find_if(m_helpers.cbegin(), m_helpers.cend(),
                                       [](const ProbeHelper *h) { return !h->isBusy(); });
        return idle != m_helpers.cend() ? *idle : newHelper();
    }
    ProbeHelper *least = nullptr;
    for (ProbeHelper *h : std::as_const(m_helpers))
        if (h->isBusy() && h->inFlight() < HelperDepth &&
            (!least || h->inFlight() < least->inFlight()))
            least = h;
    return least;
}

ProbeHelper *ProbeQueue::newHelper()
{
    auto *helper = new ProbeHelper(m_helperProgram, m_timeoutMs, this);
    m_helpers.append(helper);
    connect(helper, &ProbeHelper::answered, this,
            [this, helper](const MediaFacts &facts) { helperAnswered(helper, facts.texts); });
    connect(helper, &ProbeHelper::failed, this, [this, helper] { helperFailed(helper); });
    connect(helper, &ProbeHelper::unavailable, this, [this, helper](const QString &reason) {
        helperIsUnavailable(reason);
        helperFailed(helper);
    });
    return helper;
}

ProbeQueue::Waiting ProbeQueue::takeHelperFile(ProbeHelper *helper)
{
    std::deque<Waiting> &files = m_helperFiles[helper];
    Waiting file = std::move(files.front());
    files.pop_front();
    return file;
}

void ProbeQueue::helperAnswered(ProbeHelper *helper, const ProbeResults &results)
{
    const TaskId id = takeHelperFile(helper).id;
    const bool wanted = m_pending.remove(id);
    // The reader gets the next file before the results are handed on.
    dispatch();
    if (!wanted)
        return; // cancelled while it was read
    emit probed(id, results);
    countEnd();
}

void ProbeQueue::helperFailed(ProbeHelper *helper)
{
    Waiting file = takeHelperFile(helper);
    if (m_pending.contains(file.id)) {
        // First in line, behind those that came back before it.
        file.byEncoder = true;
        const auto behind = std::find_if(m_waiting.begin(), m_waiting.end(),
                                         [](const Waiting &w) { return !w.byEncoder; });
        m_waiting.insert(behind, std::move(file));
    }
    dispatch();
}

void ProbeQueue::startProber(const QList<Waiting> &files)
{
    auto *prober = new Prober(m_encoderPath, this);
    prober->setTimeoutMs(m_timeoutMs);
    m_running.insert(prober, files);
    connect(prober, &Prober::finished, this, [this, prober] { ended(prober); });
    connect(prober, &Prober::inputProbed, this,
            [this, prober](int index, const ProbeResults &results) {
                inputProbed(prober, index, results);
            });
    QStringList paths;
    for (const Waiting &file : files)
        paths.append(file.path);
    prober->start(paths);
}

void ProbeQueue::inputProbed(Prober *prober, int index, const ProbeResults &results)
{
    const QList<Waiting> files = m_running.value(prober);
    if (index >= files.size() || !m_pending.remove(files.at(index).id))
        return; // cancelled while its encoder went on with the others
    emit probed(files.at(index).id, results);
    countEnd();
}

void ProbeQueue::ended(Prober *prober)
{
    const auto it = m_running.constFind(prober);
    if (it == m_running.cend())
        return;
    const QList<Waiting> files = it.value();
    m_running.erase(it);
    prober->deleteLater();
    if (files.size() > 1) {
        // The files it gave no results for wait again, first in line; the
        // first of them (all, when the encoder did not start) is asked about
        // alone.
        const int from = prober->unansweredFrom();
        for (int k = int(files.size()) - 1; from >= 0 && k >= from; --k) {
            if (!m_pending.contains(files.at(k).id))
                continue;
            Waiting file = files.at(k);
            file.alone = file.alone || k == from || prober->startFailed();
            m_waiting.push_front(std::move(file));
        }
        dispatch();
        return;
    }
    const TaskId id = files.first().id;
    const ProbeResults results = prober->results();
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
        const QList<Waiting> &files = it.value();
        if (std::none_of(files.cbegin(), files.cend(),
                         [id](const Waiting &file) { return file.id == id; }))
            continue;
        // An encoder asked about other files still pending goes on.
        if (std::none_of(files.cbegin(), files.cend(),
                         [this](const Waiting &file) { return m_pending.contains(file.id); })) {
            Prober *prober = it.key();
            m_running.erase(it);
            prober->cancel();
            prober->deleteLater();
        }
        break;
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
                                 [id](const Waiting &entry) { return entry.id == id; });
    if (it == m_waiting.end() || it == m_waiting.begin())
        return;
    auto entry = std::move(*it);
    m_waiting.erase(it);
    m_waiting.push_front(std::move(entry));
}
