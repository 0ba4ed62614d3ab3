#pragma once

#include <QSlider>
#include <QTimer>

class PreviewPlayer;

// The preview's position bar. While its timer runs it follows the playing
// file once a second in whole seconds (maximum = length, position = played
// time); releasing the left button after a press on it seeks the player to
// the bar's position. Keyboard moves change only the bar: the next tick puts
// it back at the playing position.
class TDSTrackBar : public QSlider
{
    Q_OBJECT
public:
    static constexpr int TimerInterval = 1000; // ms, one unit of the bar

    explicit TDSTrackBar(QWidget *parent = nullptr);

    // The player whose position the bar shows and seeks; nullptr releases it.
    void setPlayer(PreviewPlayer *player);
    PreviewPlayer *player() const { return m_player; }

    void startTimer();
    void stopTimer();
    bool timerRunning() const { return m_timer.isActive(); }
    // Whether the left button is held on the bar.
    bool dragging() const { return m_dragging; }

    // One timer step: reads length and position and moves the bar. Skipped
    // while dragging, without a player, or when a read fails.
    void tick();

signals:
    // After each tick that moved the bar: the played time and the length.
    void timerTicked(qint64 currentMs, qint64 totalMs);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void seekToBar();

    QTimer m_timer;
    PreviewPlayer *m_player = nullptr;
    bool m_dragging = false;
};
