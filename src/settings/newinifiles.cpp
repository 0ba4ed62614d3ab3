#include "newinifiles.h"

#include "platform/safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <optional>

namespace {

const QByteArray kLineBreak("\r\n");

// Splits text at every CR, LF and CR LF pair (one break); a NUL byte ends
// the text and a break at the very end adds no empty last line.
QList<QByteArray> splitLines(const char *p, const char *end)
{
    QList<QByteArray> lines;
    while (p < end && *p != '\0') {
        const char *start = p;
        while (p < end && *p != '\0' && *p != '\r' && *p != '\n')
            ++p;
        lines.append(QByteArray(start, p - start));
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    return lines;
}

QList<QByteArray> splitLines(const QByteArray &text)
{
    return splitLines(text.constData(), text.constData() + text.size());
}

bool isBlank(char c)
{
    return c == ' ';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Leading blanks, an optional sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x". Nothing may follow. Decimal values must fit a
// signed 32-bit integer; hexadecimal ones may use all 32 bits.
std::optional<int> parseInteger(const QByteArray &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i < n && (text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    qint64 value = 0;
    if (hex) {
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + d;
            if (value > 0xFFFFFFFFLL)
                return std::nullopt;
        }
        const quint32 bits = quint32(value);
        const qint32 signedValue = qint32(bits);
        return negative ? int(-qint64(signedValue)) : int(signedValue);
    }
    for (; i < n; ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return int(value);
}

// A floating-point number with "." as the decimal separator, whatever the
// locale: blanks around it, an optional sign, digits with an optional
// fraction and an optional exponent.
std::optional<double> parseFloat(const QByteArray &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && isBlank(text[i]))
        ++i;
    const int start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    int digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    const int numberEnd = i;
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double value = text.mid(start, numberEnd - start).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// Names and values are single-line text: a line break or NUL in them would
// split the line or end the text on the next read, turning part of a value
// into keys of its own. Each stands as a blank instead.
QByteArray singleLine(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    for (char &c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return bytes;
}

QByteArray headerOf(const QString &section)
{
    return '[' + singleLine(section) + ']';
}

QByteArray valueText(const QList<QByteArray> &lines, const IniIndex::Value &value)
{
    return lines[value.line].mid(value.begin, value.end - value.begin);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

TNewInifile::TNewInifile(const QString &fileName) : m_fileName(fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return;
    const auto fail = [&fileName](const QString &reason) {
        throw TIniFileError(
            QCoreApplication::translate("TNewInifile", "Cannot open file \"%1\". %2")
                .arg(QDir::toNativeSeparators(fileName), reason)
                .toStdString());
    };
    if (info.isDir())
        fail(systemReason(EISDIR));
    // Settings files are small: a file far beyond any of them (a device
    // without end, say) is not read.
    constexpr qint64 largest = 64 * 1024 * 1024;
    QFile file(fileName);
    QByteArray data;
    if (info.isFile()) {
        if (!file.open(QIODevice::ReadOnly))
            fail(file.errorString());
        if (file.size() > largest)
            fail(systemReason(EFBIG));
        data = file.readAll();
    } else {
        // A pipe or a device is read as it stands, without waiting for a
        // writer.
        const int fd =
            ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            fail(systemReason(errno));
        for (QByteArray chunk; data.size() <= largest && !(chunk = file.read(65536)).isEmpty();)
            data += chunk;
        if (data.size() > largest)
            fail(systemReason(EFBIG));
    }
    if (file.error() != QFileDevice::NoError)
        fail(file.errorString());
    // A NUL byte ends the text the store works on. What follows it is kept
    // as it is and written back after the lines, so that rewriting a damaged
    // file never cuts it short.
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0) {
        m_lines = splitLines(data.constData(), data.constData() + nul);
        m_tail = data.mid(nul);
    } else {
        m_lines = splitLines(data);
    }
}

QByteArray TNewInifile::text() const
{
    QByteArray t;
    qsizetype size = 0;
    for (const QByteArray &line : m_lines)
        size += line.size() + 2;
    t.reserve(size);
    for (const QByteArray &line : m_lines) {
        t += line;
        t += kLineBreak;
    }
    return t;
}

IniIndex &TNewInifile::index() const
{
    if (!m_index)
        m_index = std::make_unique<IniIndex>(m_lines);
    return *m_index;
}

std::optional<IniIndex::Value> TNewInifile::lookup(const QString &section, const QString &key) const
{
    return index().value(IniIndex::fold(headerOf(section)), IniIndex::fold(singleLine(key)));
}

void TNewInifile::replaceLine(int line, const QByteArray &text)
{
    m_lines[line] = text;
    index().replaced(line, text);
}

void TNewInifile::insertLine(int line, const QByteArray &text)
{
    m_lines.insert(line, text);
    index().inserted(line, text);
}

QString TNewInifile::ReadString(const QString &section, const QString &key,
                                const QString &def) const
{
    const std::optional<IniIndex::Value> value = lookup(section, key);
    return value ? QString::fromUtf8(valueText(m_lines, *value)) : def;
}

void TNewInifile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray line = singleLine(key) + '=' + singleLine(value);
    const QByteArray header = headerOf(section);
    const std::optional<IniIndex::Section> s = index().section(IniIndex::fold(header));
    if (!s) {
        insertLine(int(m_lines.size()), header);
        insertLine(int(m_lines.size()), line);
        return;
    }
    const std::optional<IniIndex::Value> found =
        index().value(IniIndex::fold(header), IniIndex::fold(singleLine(key)));
    if (!found)
        insertLine(s->header + 1, line);
    else if (found->line == s->header)
        // The key stands on the header line itself: keep everything up to
        // the end of the header, or the section would be lost.
        replaceLine(s->header, m_lines[s->header].left(s->from) + line);
    else
        replaceLine(found->line, line);
}

int TNewInifile::ReadInteger(const QString &section, const QString &key, int def) const
{
    const std::optional<IniIndex::Value> value = lookup(section, key);
    if (!value)
        return def;
    return parseInteger(valueText(m_lines, *value)).value_or(def);
}

void TNewInifile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

bool TNewInifile::ReadBool(const QString &section, const QString &key, bool def) const
{
    const std::optional<IniIndex::Value> value = lookup(section, key);
    if (!value)
        return def;
    const QByteArray text = valueText(m_lines, *value);
    if (const std::optional<double> number = parseFloat(text))
        return *number != 0.0;
    const QByteArray folded = IniIndex::fold(text);
    if (folded == "true")
        return true;
    if (folded == "false")
        return false;
    return def;
}

void TNewInifile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TNewInifile::ReadFloat(const QString &section, const QString &key, double def) const
{
    const std::optional<IniIndex::Value> value = lookup(section, key);
    if (!value)
        return def;
    return parseFloat(valueText(m_lines, *value)).value_or(def);
}

void TNewInifile::Release()
{
    WriteFileAtomically(m_fileName, text() + m_tail);
}

namespace {

// The characters the loose lookup would not read back, and how they are
// written.
const std::pair<QStringView, QChar> kEscapes[] = {
    {u"%25", u'%'}, {u"%5B", u'['}, {u"%3D", u'='}, {u"%0D", u'\r'}, {u"%0A", u'\n'}};

} // namespace

QString EscapeIniText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [c](const auto &e) { return e.second == c; });
        if (escape == std::end(kEscapes))
            out += c;
        else
            out += escape->first;
    }
    return out;
}

QString UnescapeIniText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView rest = QStringView(text).mid(i, 3);
        const auto escape =
            std::find_if(std::begin(kEscapes), std::end(kEscapes), [&rest](const auto &e) {
                return rest.compare(e.first, Qt::CaseInsensitive) == 0;
            });
        if (escape == std::end(kEscapes)) {
            out += text[i];
        } else {
            out += escape->second;
            i += 2;
        }
    }
    return out;
}

void WriteFileAtomically(const QString &fileName, const QByteArray &data)
{
    SafeFileWriter writer;
    if (!writer.write(fileName, data))
        throw TIniFileError(
            QCoreApplication::translate("TNewInifile", "Cannot create file \"%1\". %2")
                .arg(QDir::toNativeSeparators(fileName), writer.errorString())
                .toStdString());
}
