#pragma once

#include "probe.h"

#include <QObject>
#include <QString>

class EncoderProcess;

// Asks the encoder about one source file: starts it with only the input
// file, reads its report (up to ProbeReport::MaxBytes) and takes the
// duration and the frame size from it. The four probe results stay readable until the next probe.
// Blocks the calling thread (no events are processed) until the encoder has
// ended, at most timeoutMs() plus the time the encoder takes to be ended.
class Prober : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 ChunkBytes = 4096;
    static constexpr int DefaultTimeoutMs = 30000;
    static inline const QString RangeStartText = QStringLiteral("00:00:00.0");

    Prober(EncoderProcess &encoder, const QString &encoderPath, QObject *parent = nullptr);

    // Runs the encoder on path and replaces the probe results. When the
    // encoder cannot be started all four results are empty.
    void ProbeFile(const QString &path);

    QString duration() const { return m_duration; }
    QString frameSize() const { return m_frameSize; }
    QString rangeStart() const { return m_rangeStart; }
    QString rangeEnd() const { return m_rangeEnd; }

    // Text of the last chunk read (what the hidden output box shows).
    QString lastChunk() const { return m_lastChunk; }
    // The report of the last probe, as read (at most ProbeReport::MaxBytes).
    QString lastReport() const { return m_lastReport; }
    // True when the last probe was ended because its encoder ran too long.
    bool lastTimedOut() const { return m_timedOut; }

    QString encoderPath() const { return m_encoderPath; }
    int timeoutMs() const { return m_timeoutMs; }
    // Time limit of one probe in milliseconds; negative for none.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

signals:
    // Every chunk of the report, as it is read.
    void chunkRead(const QString &text);

private:
    EncoderProcess &m_encoder;
    QString m_encoderPath;
    int m_timeoutMs = DefaultTimeoutMs;
    QString m_duration;
    QString m_frameSize;
    QString m_rangeStart;
    QString m_rangeEnd;
    QString m_lastChunk;
    QString m_lastReport;
    bool m_timedOut = false;
    ProbeReport m_report; // of the probe in progress
};
