#include "tasktext.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace {

// A whole number: optional sign, then decimal digits only. Read as a double:
// a typed hour may have more digits than a 64-bit integer holds, and the
// time texts of such hours must read back.
bool parseWhole(const QString &text, double &out)
{
    if (text.isEmpty())
        return false;
    int i = 0;
    if (text[0] == u'+' || text[0] == u'-')
        i = 1;
    if (i >= text.size())
        return false;
    for (int k = i; k < text.size(); ++k)
        if (!text[k].isDigit() || text[k].unicode() > 127)
            return false;
    bool ok = false;
    out = text.toDouble(&ok); // QString::toDouble always uses the C locale
    return ok && std::isfinite(out);
}

QString twoDigits(qint64 n)
{
    return n < 10 && n >= 0 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

} // namespace

double StrToSeconds(const QString &text)
{
    const int first = text.indexOf(u':');
    if (first < 0)
        return -1.0;
    const QString hoursPart = text.left(first);
    const QString rest = text.mid(first + 1);
    const int second = rest.indexOf(u':');
    if (second < 0)
        return -1.0;
    const QString minutesPart = rest.left(second);
    const QString secondsPart = rest.mid(second + 1);
    double hours = 0;
    double minutes = 0;
    double secs = 0;
    if (!parseWhole(hoursPart, hours) || !parseWhole(minutesPart, minutes))
        return -1.0;
    if (secondsPart.startsWith(u'.') || !ReadDecimal(secondsPart, secs))
        return -1.0;
    // A minus before the hours makes the whole time negative, the minutes
    // and seconds included: -00:00:01.5 is -1.5 seconds, and -1:-30:00 with
    // each part signed stays -5400. Otherwise the parts are added up as they
    // are.
    const double total =
        hoursPart.startsWith(u'-')
            ? -(std::fabs(hours) * 3600.0 + std::fabs(minutes) * 60.0 + std::fabs(secs))
            : hours * 3600.0 + minutes * 60.0 + secs;
    return std::isfinite(total) ? total : -1.0;
}

QString SecondsToStr(double seconds)
{
    if (!std::isfinite(seconds))
        seconds = 0;
    if (seconds < 0) {
        // A minus before the text makes the whole time negative (the parts
        // carrying signs of their own would lose the fraction's).
        const QString text = SecondsToStr(-seconds);
        return text == QLatin1String("00:00:00") ? text : u'-' + text;
    }
    if (std::fabs(seconds) >= 9.0e18) {
        // Too large for 64-bit whole seconds (and far beyond any fraction a
        // double still holds): the parts are taken in floating point.
        const double t = std::trunc(seconds);
        const double rest = std::fmod(t, 3600.0);
        const double minutes = std::trunc(rest / 60.0);
        return QString::number((t - rest) / 3600.0, 'f', 0) + u':' + twoDigits(qint64(minutes)) +
               u':' + twoDigits(qint64(rest - minutes * 60.0));
    }
    qint64 t = qint64(std::trunc(seconds));
    qint64 hours = t / 3600;
    qint64 minutes = (t - hours * 3600) / 60;
    qint64 secs = t - hours * 3600 - minutes * 60;
    qint64 tenths = qint64(std::nearbyint(
        (seconds - double(hours * 3600) - double(minutes * 60) - double(secs)) * 10.0));
    if (tenths >= 10 || tenths <= -10) {
        // The fraction rounded up to a whole second: carry it.
        t += tenths / 10;
        tenths %= 10;
        hours = t / 3600;
        minutes = (t - hours * 3600) / 60;
        secs = t - hours * 3600 - minutes * 60;
    }
    QString text = twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(secs);
    if (tenths != 0)
        text += u'.' + QString::number(tenths < 0 ? -tenths : tenths);
    return text;
}

bool ReadDecimal(const QString &text, double &value)
{
    int i = 0;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    if (digits == 0)
        return false;
    bool ok = false;
    const double number = text.toDouble(&ok); // QString::toDouble always uses the C locale
    if (!ok || !std::isfinite(number))
        return false;
    value = number;
    return true;
}
