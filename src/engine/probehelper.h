#pragma once

#include "probeprotocol.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <deque>
#include <memory>

// One media reader, quivercast-probe (see probeprotocol.h), kept running
// beside the program: a file costs a read of its header instead of the
// start of an encoder. The reader is started with the first file, watched
// from the event loop and never waited for, and it ends with this program
// however that ends. Any file can be asked about, a task's source or not.
//
// Files may be asked about while earlier ones are in flight: the reader
// reads them one after another and answers in order, each file with
// answered(), failed() or unavailable(). So that the reader never waits for
// the program, a few files are kept in flight.
//
// A reader that crashes, gives no answer within the file's deadline or
// answers nonsense is ended: the file it was reading fails, and a new
// reader is asked about the others in flight.
class ProbeHelper : public QObject
{
    Q_OBJECT
public:
    // How much earlier than the file's deadline the library gives up (at
    // most half the deadline), and the time a reader is given to start.
    static constexpr int GraceMs = 2000;
    static constexpr int StartAllowanceMs = 10000;

    // deadlineMs: the time a file may take; negative for none.
    ProbeHelper(const QString &program, int deadlineMs, QObject *parent = nullptr);
    // The reader ends with its client.
    ~ProbeHelper() override;

    // Asks about path, after the files in flight.
    void probe(const QString &path);
    bool isBusy() const { return !m_files.empty(); }
    // Files asked about and not answered yet.
    int inFlight() const { return int(m_files.size()); }

signals:
    // The oldest file in flight, read.
    void answered(const MediaFacts &facts);
    // No answer for the oldest file in flight: the library cannot read it,
    // or the reader crashed, hung or answered nonsense.
    void failed(const QString &reason);
    // The reader cannot be started at all (missing, not executable, built
    // without the media libraries): for the oldest file in flight, and then
    // for each of the others.
    void unavailable(const QString &reason);

private:
    void startReader();
    void send(const QString &path);
    void armWatchdog();
    void takeLines();
    void answer(const QByteArray &line);
    void readerEnded();
    // Ends the reader; the file it was reading fails with reason, and a new
    // reader is asked about the others in flight.
    void dropReader(const QString &reason);
    void letGo();
    // The reader cannot be started: every file in flight, and every later
    // one, gets unavailable(); later: from the event loop.
    void giveUp(const QString &reason, bool later = false);
    void sayUnavailable();

    QString m_program;
    int m_deadlineMs;
    std::unique_ptr<QProcess> m_process;
    QTimer m_watchdog;
    std::deque<QString> m_files; // in flight, oldest first
    QByteArray m_pending;        // output not yet a whole line
    bool m_greeted = false;
    bool m_starting = false; // inside startReader()
    QString m_unavailable;   // why the reader cannot start, once known
};
