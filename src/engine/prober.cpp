#include "prober.h"

#include "encoderprocess.h"
#include "probe.h"

#include <QDeadlineTimer>

Prober::Prober(EncoderProcess &encoder, const QString &encoderPath, QObject *parent)
    : QObject(parent), m_encoder(encoder), m_encoderPath(encoderPath)
{}

void Prober::ProbeFile(const QString &path)
{
    // Results of an earlier file never leak into this one.
    m_duration.clear();
    m_frameSize.clear();
    m_rangeStart.clear();
    m_rangeEnd.clear();
    m_lastReport.clear();
    m_timedOut = false;

    // The report arrives in any number of reads, with lines cut anywhere, so
    // its bytes are joined (up to the report's cap) and parsed once the
    // encoder has ended or the cap is reached. A source that never answers (a
    // stalled mount, a FIFO) is given up after the time limit; what was read
    // until then still counts.
    m_report.clear();
    const auto takeChunk = [this](const QByteArray &chunk) {
        if (m_report.full())
            return;
        m_report.append(chunk);
        m_lastChunk = QString::fromUtf8(chunk);
        emit chunkRead(m_lastChunk);
    };
    if (!m_encoder.start(m_encoderPath, {QStringLiteral("-i"), path}, ChunkBytes, takeChunk))
        return;

    // A negative limit means none.
    const QDeadlineTimer deadline =
        m_timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(m_timeoutMs);
    while (!m_report.full()) {
        const qint64 left = deadline.isForever() ? -1 : deadline.remainingTime();
        if (!deadline.isForever() && left <= 0) {
            m_timedOut = true;
            break;
        }
        if (!m_encoder.waitForOutput(int(left))) {
            m_timedOut = m_encoder.timedOut();
            break;
        }
    }
    m_encoder.TerminateEncoder();

    m_lastReport = QString::fromUtf8(m_report.bytes());
    m_report.clear();
    const ProbeResult found = ParseProbeReport(m_lastReport, path);
    m_duration = found.duration;
    m_frameSize = found.frameSize;
    m_rangeStart = RangeStartText;
    m_rangeEnd = m_duration;
}
