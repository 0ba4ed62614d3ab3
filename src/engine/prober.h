#pragma once

#include "probe.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

// Asks the encoder about one source file: starts it with only the input
// file, reads its report as it comes (up to ProbeReport::MaxBytes) and takes
// the duration and the frame size from it. The probe runs beside the window:
// its process is watched from the event loop and never waited for, and
// several probes can run at the same time. An encoder that goes on longer
// than the time limit is ended; what it printed until then still counts.
// The results stay readable until the next probe.
//
// One encoder can also be asked about several files at once (a batch),
// which spares starting it for each: it reports on its inputs one after
// another, and each input's results are handed on (inputProbed()) as soon as
// its report is complete. An input it could not report on, and those after
// it, are left unanswered (unansweredFrom()); a probe of that input alone
// tells what a single probe would.
class Prober : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 ChunkBytes = 4096;
    static constexpr int DefaultTimeoutMs = 30000;

    explicit Prober(const QString &encoderPath, QObject *parent = nullptr);
    // An encoder still running is ended: none outlives its probe.
    ~Prober() override;

    // Starts the encoder on path; finished() follows when the probe has
    // ended, also when the encoder could not be started (all four results
    // are then empty). A probe still in progress is cancelled first.
    void start(const QString &path);
    // A batch of paths (none holding a line break): inputProbed() for each
    // input reported on, then finished(). One path is a single probe.
    void start(const QStringList &paths);
    // Whether path can go into a batch: the reports are told apart by their
    // lines.
    static bool batchable(const QString &path);
    // Ends the probe in progress; it gives no results and no finished().
    void cancel();

    // In a batch, the first input without results once it has ended (-1
    // when all have them), and whether the encoder could not be started.
    int unansweredFrom() const { return m_unansweredFrom; }
    bool startFailed() const { return m_startFailed; }

    // A probe has been started and has not ended.
    bool isRunning() const { return m_running; }
    QString path() const { return m_path; }

    ProbeResults results() const { return m_results; }
    QString duration() const { return m_results.duration; }
    QString frameSize() const { return m_results.frameSize; }
    QString rangeStart() const { return m_results.rangeStart; }
    QString rangeEnd() const { return m_results.rangeEnd; }

    // Text of the last chunk read.
    QString lastChunk() const { return m_lastChunk; }
    // The report of the last probe, as read (at most ProbeReport::MaxBytes).
    QString lastReport() const { return m_lastReport; }
    // True when the last probe was ended because its encoder ran too long.
    bool lastTimedOut() const { return m_timedOut; }
    // True when the last probe's encoder ended by a crash (not by our ending
    // it).
    bool crashed() const { return m_crashed; }

    QString encoderPath() const { return m_encoderPath; }
    int timeoutMs() const { return m_timeoutMs; }
    // Time limit of one probe in milliseconds; negative for none.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

signals:
    // Every chunk of the report, as it is read.
    void chunkRead(const QString &text);
    // The probe has ended; the results are in.
    void finished();
    // In a batch, the results of the input at index.
    void inputProbed(int index, const ProbeResults &results);

private:
    void takeOutput();
    void ended(bool started);
    // Hands on each input whose report has become complete; at the end, the
    // last one too.
    void takeBatchReports(bool atEnd);
    // Lets the process go (see LetGo): ended at once, never waited for.
    void release();

    QString m_encoderPath;
    int m_timeoutMs = DefaultTimeoutMs;
    std::unique_ptr<QProcess> m_process;
    QTimer m_limit;
    QString m_path;
    QStringList m_paths;          // of a batch; empty for a single probe
    int m_answered = 0;           // inputs of the batch handed on
    qsizetype m_segmentStart = 0; // where the report on the next input begins
    qsizetype m_prefixEnd = 0;    // the encoder's opening lines end here
    int m_unansweredFrom = -1;
    bool m_startFailed = false;
    bool m_running = false;
    bool m_starting = false;
    bool m_endedByUs = false;
    ProbeResults m_results;
    QString m_lastChunk;
    QString m_lastReport;
    bool m_timedOut = false;
    bool m_crashed = false;
    ProbeReport m_report; // of the probe in progress
};
