#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// The notice before the computer is turned off after a run: "The computer
// will turn off in 60 seconds.", a countdown, "Turn Off Now" and "Cancel".
// It holds nothing up: the program goes on while it is shown. It answers
// once: true when the time is up or "Turn Off Now" is pressed, false on
// "Cancel" or when it is closed.
class TPowerOffNotice : public QDialog
{
    Q_OBJECT
public:
    TPowerOffNotice(int seconds, QWidget *parent = nullptr);

    QLabel *labText = nullptr;
    QProgressBar *pgbCountdown = nullptr;
    QPushButton *btnTurnOffNow = nullptr;
    QPushButton *btnCancel = nullptr;

signals:
    void answered(bool turnOff);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void answer(bool turnOff);

    QTimer m_tick;
    bool m_answered = false;
};
