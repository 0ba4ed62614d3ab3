#pragma once

#include <QByteArray>
#include <QString>

class EncoderProcess;
class OutputRecords;

// What one task's conversion knows of itself: how far its encoder has come
// by what it prints, whether it told of an output it could not write, and
// the output file it writes, which goes again when the conversion does not
// finish it.
class Conversion
{
public:
    // A new conversion of a task of taskSecs seconds into output, from
    // source; what is in the output's place now is noted (and whether the
    // records know it for a cut-off output).
    void begin(double taskSecs, const QString &output, const QString &source,
               const OutputRecords &records);

    // Every chunk of the encoder's output, in order. The first two chunks
    // of a conversion are never evaluated.
    void take(const QByteArray &chunk);
    // A chunk was evaluated since the last call.
    bool takeEvaluated();
    QByteArray latestChunk() const { return m_latestChunk; }

    // The length of its part, once known (a probe may come later).
    void setTaskSecs(double secs) { m_taskSecs = secs; }
    double taskSecs() const { return m_taskSecs; }
    // The largest output position the encoder reported.
    double positionSecs() const { return m_positionSecs; }
    // Of its part, within 0..100, rounded half to even; -1 while its length
    // is unknown.
    int percent() const;

    // Why the conversion failed once its encoder has ended; empty when it
    // was converted.
    QString failure(const EncoderProcess &encoder) const;

    // The conversion ended without finishing its output: the output is
    // removed when this conversion made or changed it; a file the encoder
    // never touched stays.
    void discardOutput(OutputRecords &records);
    // The conversion has ended; finished: its output is whole. The records
    // are told; the output is forgotten here.
    void forgetOutput(OutputRecords &records, bool finished);
    // The conversion has ended with an output that is kept as it is, still
    // recorded as unfinished.
    void keepUnfinished() { m_output.clear(); }

    // The output position a chunk reports: the last "time" in it whose value
    // (after one character, up to the next blank) is a time text or a plain
    // decimal number. False when there is none.
    static bool ReportedTime(const QString &chunk, double &seconds);
    // Round half to even, clamped into 0..100; not a number gives 0.
    static int barPosition(double percent);

private:
    // The output file, as it was before the encoder started (a link is
    // not followed).
    struct OutputState
    {
        bool exists = false;
        bool regular = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const OutputState &) const = default;
    };
    static OutputState outputState(const QString &path);

    double m_taskSecs = 0;
    double m_positionSecs = 0;
    int m_chunkCount = 0;
    QByteArray m_latestChunk;
    bool m_evaluated = false;
    bool m_writeFailed = false;
    QString m_output;
    QString m_source;
    OutputState m_outputBefore;
    bool m_partialBefore = false; // what was there is a cut-off output
};
