#pragma once

#include "encoderslots.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// What a run's progress panel shows: the current and the total bar, the
// memo, and the elapsed time (ticks of a one-second timer, which stands still
// while the run is paused) with the remaining time estimated from them. The
// bars and the memo tell of one task, the one on show: with several encoders
// the one started last. The total bar counts the seconds of the whole list:
// the tasks that have ended, and how far the running conversions have come.
class RunProgress : public QObject
{
    Q_OBJECT
public:
    using TaskId = EncoderSlots::TaskId;
    using Slot = EncoderSlots::Slot;

    // listSecs: the sum of the tasks' clip lengths, asked again whenever the
    // list has changed.
    RunProgress(const EncoderSlots &encoders, std::function<double()> listSecs,
                QObject *parent = nullptr);

    // A run begins: the times empty, both bars at 0, nothing done, the
    // timer ticking.
    void prepare();
    void setTicking(bool on);
    QTimer *timer() { return &m_timer; }
    // One tick of the timer.
    void tick();
    int elapsedSecs() const { return m_elapsedSecs; }
    int remainingSecs() const { return m_remainingSecs; }

    // The list has changed: its seconds are summed anew when next needed.
    void listChanged() { m_listStale = true; }
    // A task has ended (converted, failed or skipped): its seconds are done.
    void addDone(double secs) { m_doneSecs += secs; }
    // The total bar follows what has been done.
    void showTotal() { setBars(m_current, totalNow()); }

    // The task on show; 0 for none.
    TaskId shown() const { return m_shown; }
    void forget(TaskId id);
    // The conversion of the task has begun: it comes on show.
    void showStart(TaskId id);
    // The latest output of the slot's encoder.
    void showOutput(Slot &slot);
    // The slot's conversion has ended (its slot is free); more: another task
    // is being converted or still to come. The slot whose task comes on show
    // instead, null when none does.
    const Slot *showEnd(const Slot &slot, bool converted, bool more);
    QString memo() const { return m_memo; }

    void setBars(int current, int total);
    int current() const { return m_current; }
    int total() const { return m_total; }

    // Remaining seconds after elapsed ticks with the total bar at percent
    // (not 0): elapsed / (percent / 100) - elapsed, rounded half to even.
    static int EstimateRemaining(int elapsed, int percent);

signals:
    void elapsedChanged(const QString &text);
    void remainingChanged(const QString &text);
    // Bar positions, already within 0..100.
    void currentChanged(int percent);
    void totalChanged(int percent);
    void memoChanged(const QString &text);
    // How far the conversion of a task has come changed (any task being
    // converted, whichever is on show); told before the bars.
    void taskPercentChanged(TaskId id, int percent);

private:
    // The total bar as the tasks stand now.
    int totalNow();

    const EncoderSlots &m_slots;
    std::function<double()> m_listSecs;
    TaskId m_shown = 0;
    QString m_memo;
    QTimer m_timer;
    int m_elapsedSecs = 0;
    int m_remainingSecs = 0;
    int m_current = 0;
    int m_total = 0;
    double m_totalSecs = 0;
    double m_doneSecs = 0;
    bool m_listStale = true;
};
