#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <memory>

// The external encoder: started with an argument list, standard output and
// standard error merged into one channel, standard input the null device.
// Its output is read as it comes: every time the pipe has something, all of
// it is read at once, in chunks of at most the size given at the start, and
// each chunk goes straight to the caller's sink. Nothing piles up in
// between, whichever event loop runs meanwhile, so an encoder that prints
// without pause costs no more memory than one read. The process of the
// encoder started last stays reachable for TerminateEncoder until the next
// start.
class EncoderProcess : public QObject
{
    Q_OBJECT
public:
    // Receives every chunk of the encoder's output, in order, as it is read.
    using OutputSink = std::function<void(const QByteArray &chunk)>;

    explicit EncoderProcess(QObject *parent = nullptr);
    ~EncoderProcess() override;

    // Starts program with args; its output goes to sink in chunks of at most
    // chunkBytes bytes. False when it could not be started (missing, not
    // executable); the reason is then in errorString().
    bool start(const QString &program, const QStringList &args, qint64 chunkBytes, OutputSink sink);

    // Waits, without processing the window's events, until output has gone
    // to the sink. True when some did since the last wait; false when the
    // output has ended or, with a timeout (ms, -1 none), when nothing came
    // before it (timedOut() tells).
    bool waitForOutput(int timeoutMs = -1);

    // The same wait in a local event loop, so that the window repaints,
    // timers fire and buttons work meanwhile. False when the output has ended.
    bool waitForOutputProcessingEvents();

    // Ends the encoder started last if it still runs: asks it to end, and
    // kills it when it has not ended within KillAfterMs. Waits for its end.
    void TerminateEncoder();
    // The same without waiting: the kill comes from a timer, so the caller
    // waits for the end of the output in its event loop.
    void requestEnd();
    // Kills the encoder at once, without waiting.
    void kill();

    static constexpr int KillAfterMs = 3000;

    bool isRunning() const;
    // Output has gone to the sink since the last wait, or the encoder has
    // ended: a wait would return at once.
    bool hasNews() const;
    bool timedOut() const { return m_timedOut; }
    // Exit status of the encoder started last, once it has ended.
    int exitCode() const;
    bool crashed() const;
    QString errorString() const;

signals:
    // Output went to the sink, or the encoder ended: a wait for several
    // encoders at once wakes on it.
    void activity();

private:
    // Hands everything the process has read on to the sink.
    void drain();
    // True, and the count of fresh chunks reset, when output went to the
    // sink since the last wait.
    bool takeFresh();

    std::unique_ptr<QProcess> m_process;
    OutputSink m_sink;
    qint64 m_chunkBytes = 4096;
    qint64 m_fresh = 0;
    bool m_timedOut = false;
    QString m_startError;
};
