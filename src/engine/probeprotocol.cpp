#include "probeprotocol.h"

#include <QList>
#include <cmath>

namespace {

constexpr char Separator = '\t';

QString text(const QByteArray &field)
{
    QByteArray bytes;
    UnescapeProbeText(field, bytes);
    return QString::fromUtf8(bytes);
}

} // namespace

QByteArray EscapeProbeText(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool UnescapeProbeText(const QByteArray &text, QByteArray &out)
{
    out.clear();
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            return false;
        }
    }
    return true;
}

QByteArray FormatProbeAnswer(const MediaFacts &facts)
{
    const ProbeResults &t = facts.texts;
    QByteArray line = "ok";
    for (const QString &field : {t.duration, t.frameSize, t.rangeStart, t.rangeEnd})
        line += Separator + EscapeProbeText(field.toUtf8());
    line += Separator;
    line += facts.seconds < 0 ? QByteArray("-1") : QByteArray::number(facts.seconds, 'f', 6);
    line += Separator;
    if (facts.video)
        line += 'v';
    if (facts.audio)
        line += 'a';
    return line;
}

QByteArray FormatProbeFailure(const QByteArray &reason)
{
    return "fail" + QByteArray(1, Separator) + EscapeProbeText(reason);
}

ProbeAnswer ParseProbeAnswer(const QByteArray &line)
{
    ProbeAnswer answer;
    const QList<QByteArray> fields = line.split(Separator);
    QByteArray scratch;
    for (const QByteArray &field : fields)
        if (!UnescapeProbeText(field, scratch))
            return answer;
    if (fields.size() == 2 && fields[0] == "fail") {
        answer.kind = ProbeAnswer::Kind::Failure;
        answer.reason = text(fields[1]);
        return answer;
    }
    if (fields.size() != 7 || fields[0] != "ok")
        return answer;
    bool number = false;
    const double seconds = fields[5].toDouble(&number);
    const QByteArray &streams = fields[6];
    if (!number || !std::isfinite(seconds) || (seconds < 0 && seconds != -1) ||
        (streams != "" && streams != "v" && streams != "a" && streams != "va"))
        return answer;
    MediaFacts &f = answer.facts;
    f.texts = {text(fields[1]), text(fields[2]), text(fields[3]), text(fields[4])};
    f.seconds = seconds;
    f.video = streams.startsWith('v');
    f.audio = streams.endsWith('a');
    answer.kind = ProbeAnswer::Kind::Facts;
    return answer;
}
