#include "runprogress.h"

#include "conversion.h"
#include "tasktext.h"

#include <cmath>
#include <limits>

RunProgress::RunProgress(const EncoderSlots &encoders, std::function<double()> listSecs,
                         QObject *parent)
    : QObject(parent), m_slots(encoders), m_listSecs(std::move(listSecs))
{
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RunProgress::tick);
}

void RunProgress::prepare()
{
    emit elapsedChanged(QString());
    emit remainingChanged(QString());
    setBars(0, 0);
    m_shown = 0;
    m_doneSecs = 0;
    m_elapsedSecs = 0;
    m_remainingSecs = 0;
    m_totalSecs = m_listSecs();
    m_listStale = false;
    m_timer.start();
}

void RunProgress::setTicking(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void RunProgress::tick()
{
    ++m_elapsedSecs;
    emit elapsedChanged(SecondsToStr(m_elapsedSecs));
    if (m_total != 0)
        m_remainingSecs = EstimateRemaining(m_elapsedSecs, m_total);
    emit remainingChanged(SecondsToStr(m_remainingSecs));
}

int RunProgress::totalNow()
{
    if (m_listStale) {
        m_totalSecs = m_listSecs();
        m_listStale = false;
    }
    // What the running encoders have converted so far counts in the total.
    double running = 0;
    m_slots.forEach([&running](const Slot &slot) {
        if (slot.encoding())
            running += slot.conversion.positionSecs();
    });
    return m_totalSecs != 0 ? Conversion::barPosition((m_doneSecs + running) * 100.0 / m_totalSecs)
                            : m_total;
}

void RunProgress::forget(TaskId id)
{
    if (id == m_shown)
        m_shown = 0;
}

void RunProgress::showStart(TaskId id)
{
    m_shown = id;
    // The bars now tell of this task (with one encoder they are at 0
    // already).
    if (m_current != 0)
        setBars(0, m_total);
}

void RunProgress::showOutput(Slot &slot)
{
    const bool shown = slot.id == m_shown;
    if (shown) {
        m_memo = QString::fromLocal8Bit(slot.conversion.latestChunk());
        emit memoChanged(m_memo);
    }
    if (!slot.conversion.takeEvaluated())
        return;
    const int percent = slot.conversion.percent();
    if (percent != slot.percent) {
        slot.percent = percent;
        if (percent >= 0)
            emit taskPercentChanged(slot.id, percent);
    }
    setBars(shown && percent >= 0 ? percent : m_current, totalNow());
}

const RunProgress::Slot *RunProgress::showEnd(const Slot &slot, bool converted, bool more)
{
    // Its length counts as done now, its position no longer.
    const int done = totalNow();
    if (slot.id != m_shown) {
        // Another task is on show.
        setBars(m_current, done);
        return nullptr;
    }
    // After the last task the current bar keeps its final value; between
    // tasks it returns to 0.
    if (converted)
        setBars(100, done);
    if (more)
        setBars(0, done);
    else if (!converted)
        setBars(m_current, done);
    // With several encoders, the one started last of those still running
    // comes on show.
    const Slot *next = m_slots.latestEncoding();
    m_shown = next ? next->id : 0;
    if (next)
        setBars(std::max(next->conversion.percent(), 0), done);
    return next;
}

void RunProgress::setBars(int current, int total)
{
    m_current = current;
    m_total = total;
    emit currentChanged(current);
    emit totalChanged(total);
}

int RunProgress::EstimateRemaining(int elapsed, int percent)
{
    if (percent == 0)
        return 0;
    const double remaining = double(elapsed) * 100.0 / double(percent) - double(elapsed);
    if (!std::isfinite(remaining) || std::fabs(remaining) > std::numeric_limits<int>::max())
        return 0;
    return int(std::nearbyint(remaining));
}
