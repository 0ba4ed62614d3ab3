#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal delivered by the event loop, so
// that the program can end as if its window had been closed (a desktop
// session ends its programs this way at logout). The system's handler only
// writes the signal's number into a pipe; received() is emitted from the
// event loop. Signals that arrive before the loop runs, or before the object
// exists, wait in the pipe. One object at a time; its destruction restores
// the default actions.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Sets up the handlers and their pipe without an object, for the very
    // start of a program, before its application object: a signal that
    // comes meanwhile waits for the object, which takes the pipe over. False
    // when that could not be done; the signals then keep their default
    // action.
    static bool installHandlers();

    // False when the pipe or the handlers could not be set up; the signals
    // then keep their default action.
    bool isActive() const { return m_notifier != nullptr; }

    // From the count-th signal on, the program ends at once with
    // exitStatus, in the system's handler itself, whatever it is doing: a
    // program that cannot end after the signals before can still be ended by
    // hand. Negative: every signal only reaches received() (the default).
    static void setExitFromSignal(int count, int exitStatus);

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
