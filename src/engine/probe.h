#pragma once

#include <QByteArray>
#include <QString>

// What a probe learns about a source file from the encoder's report.
struct ProbeResult
{
    QString duration;  // time text as printed, e.g. "00:02:05.40"
    QString frameSize; // a blank followed by WxH, e.g. " 640x480"
};

// Takes the duration and the frame size from the encoder's whole report on
// the file path.
ProbeResult ParseProbeReport(const QString &report, const QString &path);

// The four texts a probe gives a new task.
struct ProbeResults
{
    QString duration;   // the encoder's duration text
    QString frameSize;  // a blank followed by WxH
    QString rangeStart; // "00:00:00.0" once the encoder ran; empty when it could not start
    QString rangeEnd;   // the duration text
};

// The range start of every probe that ran.
inline const QString ProbedRangeStart = QStringLiteral("00:00:00.0");

// The results of a probe whose report on path is report.
ProbeResults ProbeResultsFromReport(const QString &report, const QString &path);

// The part of an encoder's report on a file that a probe keeps: its first
// MaxBytes bytes. The lines a probe needs (the input, its duration and its
// streams) come at the top; an encoder that goes on printing is not worth
// reading further, and its flood is dropped as it is read.
class ProbeReport
{
public:
    static constexpr qsizetype MaxBytes = 1024 * 1024;

    // Keeps what still fits of chunk.
    void append(const QByteArray &chunk);
    // True once MaxBytes are kept: nothing more will be.
    bool full() const { return m_bytes.size() >= MaxBytes; }
    const QByteArray &bytes() const { return m_bytes; }
    void clear() { m_bytes.clear(); }

private:
    QByteArray m_bytes;
};
