#include "probe.h"

#include <QRegularExpression>

// The report is walked with a moving text s, as the encoder writes it: the
// input path, later "Duration: <time>, start: ...", later the stream line
// "Video: <codec>, <pixel format>, <WxH> [SAR ...], ...". Missing words do
// not stop the walk; it goes on with what it has, which can give empty texts.

namespace {

// s from the 0-based position i on; the whole s for i <= 0, empty past its end.
QString tailFrom(const QString &s, qsizetype i)
{
    if (i <= 0)
        return s;
    return i >= s.size() ? QString() : s.mid(i);
}

// 0-based position of the first comma of s that is not inside parentheses,
// or -1. The encoder writes "yuv420p(tv, bt709, progressive)" as one field.
// A line break closes any parenthesis left open on its line.
qsizetype fieldComma(const QString &s)
{
    int depth = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'(')
            ++depth;
        else if (c == u')')
            depth = depth > 0 ? depth - 1 : 0;
        else if (c == u'\n' || c == u'\r')
            depth = 0;
        else if (c == u',' && depth == 0)
            return i;
    }
    return -1;
}

// Text behind the next field comma of s (s itself when there is none).
QString skipField(const QString &s)
{
    return tailFrom(s, fieldComma(s) + 1);
}

} // namespace

ProbeResult ParseProbeReport(const QString &report, const QString &path)
{
    ProbeResult result;

    // The text behind the first mention of the file. Should the path not be
    // printed at all, the walk goes on from as many characters in.
    const qsizetype at = path.isEmpty() ? -1 : report.indexOf(path);
    QString s = tailFrom(report, at < 0 ? path.size() - 1 : at + path.size());

    // "Duration", its colon and the blank after it.
    s = tailFrom(s, s.indexOf(QLatin1String("Duration")) + 1);
    s = tailFrom(s, s.indexOf(u':') + 2);
    const qsizetype c = s.indexOf(u',');
    result.duration = c > 0 ? s.left(c) : QString();
    s = tailFrom(s, c + 1);

    // The video stream: skip its codec and pixel format; the next field is
    // the frame size.
    const qsizetype video = s.indexOf(QLatin1String("Video"));
    if (video < 0)
        return result; // no picture (an audio-only file): no frame size
    s = tailFrom(s, video);
    s = skipField(s);
    s = skipField(s);
    // The last field of a line has no comma behind it.
    const qsizetype end = fieldComma(s);
    QString field = end >= 0 ? s.left(end) : s;

    // The size is a blank followed by WxH; a trailing note such as
    // "[SAR 1:1 DAR 4:3]" is not part of it.
    static const QRegularExpression sizeRe(QStringLiteral("^\\s*(\\d+x\\d+)"));
    const QRegularExpressionMatch m = sizeRe.match(field);
    if (m.hasMatch()) {
        result.frameSize = u' ' + m.captured(1);
    } else {
        const qsizetype note = field.indexOf(u'[');
        if (note >= 0)
            field.truncate(note);
        const qsizetype lineEnd = field.indexOf(u'\n');
        if (lineEnd >= 0)
            field.truncate(lineEnd);
        result.frameSize = field.trimmed().isEmpty() ? QString() : u' ' + field.trimmed();
    }
    return result;
}

ProbeResults ProbeResultsFromReport(const QString &report, const QString &path)
{
    const ProbeResult found = ParseProbeReport(report, path);
    return {found.duration, found.frameSize, ProbedRangeStart, found.duration};
}

void ProbeReport::append(const QByteArray &chunk)
{
    const qsizetype room = MaxBytes - m_bytes.size();
    if (room > 0)
        m_bytes += chunk.size() <= room ? chunk : chunk.left(room);
}
