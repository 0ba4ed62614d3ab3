#pragma once

#include "probeprotocol.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>

// One media reader, quivercast-probe (see probeprotocol.h), kept running
// beside the program and asked about one file at a time: a file costs a
// read of its header instead of the start of an encoder. The reader is
// started with the first file, watched from the event loop and never waited
// for, and it ends with this program however that ends. Any file can be
// asked about, a task's source or not.
//
// A reader that crashes, gives no answer within the file's deadline (and a
// grace on top of it) or answers nonsense is ended; the file in hand then
// fails, and the next file starts a new reader.
class ProbeHelper : public QObject
{
    Q_OBJECT
public:
    // Beyond a file's deadline, the time a reader is given to say that it
    // gave up; and the time it is given to start.
    static constexpr int GraceMs = 2000;
    static constexpr int StartAllowanceMs = 10000;

    // deadlineMs: the time the library may spend on one file; negative for
    // none.
    ProbeHelper(const QString &program, int deadlineMs, QObject *parent = nullptr);
    // The reader ends with its client.
    ~ProbeHelper() override;

    // Asks about path: answered(), failed() or unavailable() follows, from
    // the event loop. One file at a time.
    void probe(const QString &path);
    bool isBusy() const { return m_busy; }
    // The reader's process id while it runs, else 0.
    qint64 processId() const;

signals:
    void answered(const MediaFacts &facts);
    // No answer for the file: the library cannot read it, or the reader
    // crashed, hung or answered nonsense.
    void failed(const QString &reason);
    // The reader cannot be started at all (missing, not executable, built
    // without the media libraries); the file in hand has no answer.
    void unavailable(const QString &reason);

private:
    void startReader();
    void armWatchdog();
    void takeLines();
    void answer(const QByteArray &line);
    void readerEnded();
    // Ends the reader (the next file starts a new one) and, when a file is
    // in hand, fails it with reason.
    void dropReader(const QString &reason);
    // The reader cannot be started: this and every later file have no
    // answer; later: said from the event loop.
    void giveUp(const QString &reason, bool later = false);
    void finish();

    QString m_program;
    int m_deadlineMs;
    std::unique_ptr<QProcess> m_process;
    QTimer m_watchdog;
    QByteArray m_pending; // output not yet a whole line
    bool m_greeted = false;
    bool m_busy = false;
    bool m_starting = false; // inside startReader()
    QString m_unavailable;   // why the reader cannot start, once known
};
