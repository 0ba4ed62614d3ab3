#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <memory>

// The external encoder: started with an argument list, standard output and
// standard error merged into one channel, standard input the null device.
// Its output is read chunk by chunk; a chunk is exactly the bytes of one
// read. The process of the encoder started last stays reachable for
// TerminateEncoder until the next start.
class EncoderProcess : public QObject
{
    Q_OBJECT
public:
    explicit EncoderProcess(QObject *parent = nullptr);
    ~EncoderProcess() override;

    // Starts program with args. False when it could not be started (missing,
    // not executable); the reason is then in errorString().
    bool start(const QString &program, const QStringList &args);

    // Waits, without processing the window's events, for the next chunk of at
    // most maxBytes bytes. False when the output has ended or, with a
    // timeout (ms, -1 none), when nothing came before it (timedOut() tells).
    bool readChunk(QByteArray &chunk, qint64 maxBytes, int timeoutMs = -1);

    // Waits for the next chunk in a local event loop, so that the window
    // repaints, timers fire and buttons work meanwhile. False when the output
    // has ended.
    bool readChunkProcessingEvents(QByteArray &chunk, qint64 maxBytes);

    // Ends the encoder started last if it still runs: asks it to end, and
    // kills it when it has not ended within 3 seconds.
    void TerminateEncoder();

    bool isRunning() const;
    bool timedOut() const { return m_timedOut; }
    // Exit status of the encoder started last, once it has ended.
    int exitCode() const;
    bool crashed() const;
    QString errorString() const;

private:
    bool takeAvailable(QByteArray &chunk, qint64 maxBytes);

    std::unique_ptr<QProcess> m_process;
    bool m_timedOut = false;
    bool m_terminated = false;
    QString m_startError;
};
