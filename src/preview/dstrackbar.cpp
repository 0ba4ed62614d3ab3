#include "dstrackbar.h"

#include "previewplayer.h"

#include <QMouseEvent>

TDSTrackBar::TDSTrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("TrackBar"));
    setRange(0, 10);
    setValue(0);
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(1);
    m_timer.setInterval(TimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &TDSTrackBar::tick);
}

void TDSTrackBar::setPlayer(PreviewPlayer *player)
{
    m_player = player;
    if (!player)
        m_timer.stop();
}

void TDSTrackBar::startTimer()
{
    m_timer.start();
}

void TDSTrackBar::stopTimer()
{
    m_timer.stop();
}

void TDSTrackBar::tick()
{
    if (m_dragging || !m_player)
        return;
    const qint64 total = m_player->duration();
    const qint64 current = m_player->position();
    if (total < 0 || current < 0)
        return;
    setMinimum(0);
    setMaximum(int(total / TimerInterval));
    setValue(int(current / TimerInterval));
    emit timerTicked(current, total);
}

void TDSTrackBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
    QSlider::mousePressEvent(event);
}

void TDSTrackBar::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    seekToBar();
    m_dragging = false;
}

void TDSTrackBar::seekToBar()
{
    if (!m_player)
        return;
    // The end of the file stands for the bar's maximum. A bar whose maximum
    // is 0 (a file shorter than one unit) has nowhere to go but the start.
    const qint64 stop = m_player->duration();
    if (stop < 0)
        return;
    const qint64 target = maximum() > 0 ? stop * qint64(value()) / qint64(maximum()) : 0;
    m_player->seek(target);
}
