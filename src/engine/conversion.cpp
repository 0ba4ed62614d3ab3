#include "conversion.h"

#include "encoderprocess.h"
#include "outputrecords.h"
#include "platform/filenames.h"
#include "tasktext.h"

#include <QFile>
#include <cmath>
#include <sys/stat.h>

namespace {

// What the encoder prints when it could not finish writing the output file
// (a full disk, say); it may still end with success, leaving a cut file.
const QByteArray WriteFailures[] = {QByteArrayLiteral("Error writing trailer of "),
                                    QByteArrayLiteral("Error closing file ")};
// Bytes of a chunk's end kept to find a text cut between two chunks.
constexpr qsizetype WriteFailureOverlap = 24;

} // namespace

void Conversion::begin(double taskSecs, const QString &output, const QString &source,
                       const OutputRecords &records)
{
    m_taskSecs = taskSecs;
    m_positionSecs = 0;
    m_chunkCount = 0;
    m_latestChunk.clear();
    m_evaluated = false;
    m_writeFailed = false;
    m_output = output;
    m_source = source;
    m_partialBefore =
        records.lookup(OutputRecords::keyOf(output)).state == OutputRecords::State::Unfinished;
    m_outputBefore = outputState(output);
}

void Conversion::take(const QByteArray &chunk)
{
    if (!m_writeFailed) {
        const QByteArray joint =
            m_latestChunk.right(WriteFailureOverlap) + chunk.left(WriteFailureOverlap);
        for (const QByteArray &failure : WriteFailures)
            m_writeFailed = m_writeFailed || chunk.contains(failure) || joint.contains(failure);
    }
    m_latestChunk = chunk;
    if (m_chunkCount >= 2) {
        double reported = 0;
        if (ReportedTime(QString::fromLocal8Bit(chunk), reported) && reported > m_positionSecs)
            m_positionSecs = reported;
        m_evaluated = true;
    }
    ++m_chunkCount;
}

bool Conversion::takeEvaluated()
{
    return std::exchange(m_evaluated, false);
}

int Conversion::percent() const
{
    return m_taskSecs != 0 ? barPosition(m_positionSecs * 100.0 / m_taskSecs) : -1;
}

QString Conversion::failure(const EncoderProcess &encoder) const
{
    if (encoder.crashed())
        return QStringLiteral("The encoder crashed.");
    if (encoder.exitCode() != 0)
        return QStringLiteral("The encoder ended with exit status %1.").arg(encoder.exitCode());
    if (m_writeFailed)
        return QStringLiteral("The encoder could not finish writing the output file.");
    return {};
}

int Conversion::barPosition(double percent)
{
    if (std::isnan(percent) || percent <= 0)
        return 0;
    if (percent >= 100)
        return 100;
    return int(std::nearbyint(percent));
}

bool Conversion::ReportedTime(const QString &chunk, double &seconds)
{
    static const QString key = QStringLiteral("time");
    for (int at = chunk.lastIndexOf(key); at >= 0;
         at = at > 0 ? chunk.lastIndexOf(key, at - 1) : -1) {
        const int begin = at + 5;
        const int blank = chunk.indexOf(u' ', begin);
        if (begin > chunk.size() || blank < 0)
            continue;
        const QString candidate = chunk.mid(begin, blank - begin);
        double value = 0;
        if (candidate.contains(u':')) {
            value = StrToSeconds(candidate);
            if (value < 0)
                continue;
        } else if (!ReadDecimal(candidate, value)) {
            continue;
        }
        seconds = value;
        return true;
    }
    return false;
}

Conversion::OutputState Conversion::outputState(const QString &path)
{
    struct stat st = {};
    if (::lstat(EncodeFileName(path).constData(), &st) != 0)
        return {};
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {true, S_ISREG(st.st_mode), qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
}

void Conversion::discardOutput(OutputRecords &records)
{
    if (m_output.isEmpty())
        return;
    // The encoder was told to write this file: whatever it holds now that
    // differs from before came from this conversion and is incomplete.
    const OutputState now = outputState(m_output);
    if (now.exists && !(now == m_outputBefore) && now.regular)
        QFile::remove(m_output);
    // A partial file that could not be removed stays recorded as
    // unfinished.
    forgetOutput(records, false);
}

void Conversion::forgetOutput(OutputRecords &records, bool finished)
{
    if (m_output.isEmpty())
        return;
    if (finished)
        records.markFinished(m_output, m_source);
    else if (const OutputState now = outputState(m_output);
             !now.exists || (now == m_outputBefore && !m_partialBefore))
        records.forget(m_output);
    m_output.clear();
}
