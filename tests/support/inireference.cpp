#include "inireference.h"

namespace {

QByteArray fold(QByteArray text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

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

} // namespace

IniReference::IniReference(const QByteArray &data)
{
    const qsizetype nul = data.indexOf('\0');
    const qsizetype end = nul < 0 ? data.size() : nul;
    m_lines = splitLines(data.constData(), data.constData() + end);
    if (nul >= 0)
        m_tail = data.mid(nul);
}

QByteArray IniReference::text() const
{
    QByteArray t;
    for (const QByteArray &line : m_lines)
        t += line + "\r\n";
    return t;
}

QByteArray IniReference::fileBytes() const
{
    return text() + m_tail;
}

QList<QByteArray> IniReference::sectionLines(const QByteArray &section) const
{
    const QByteArray t = text();
    const QByteArray header = fold('[' + section + ']');
    const qsizetype at = fold(t).indexOf(header);
    if (at < 0)
        return {};
    const qsizetype from = at + header.size();
    qsizetype to = t.indexOf('[', from);
    if (to < 0)
        to = t.size();
    return splitLines(t.constData() + from, t.constData() + to);
}

int IniReference::findSection(const QByteArray &section) const
{
    const QByteArray header = fold('[' + section + ']');
    for (int i = 0; i < m_lines.size(); ++i)
        if (fold(m_lines[i]).contains(header))
            return i;
    return -1;
}

std::optional<QByteArray> IniReference::lookup(const QByteArray &section,
                                               const QByteArray &key) const
{
    const QByteArray pattern = fold(key + '=');
    for (const QByteArray &line : sectionLines(section)) {
        const qsizetype at = fold(line).indexOf(pattern);
        if (at >= 0)
            return line.mid(at + pattern.size());
    }
    return std::nullopt;
}

void IniReference::write(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray line = key + '=' + value;
    const int h = findSection(section);
    if (h < 0) {
        m_lines.append('[' + section + ']');
        m_lines.append(line);
        return;
    }
    const QByteArray pattern = fold(key + '=');
    const QList<QByteArray> lines = sectionLines(section);
    for (int k = 0; k < lines.size(); ++k) {
        if (!fold(lines[k]).contains(pattern))
            continue;
        if (k == 0) {
            const QByteArray header = fold('[' + section + ']');
            const qsizetype end = fold(m_lines[h]).indexOf(header) + header.size();
            m_lines[h] = m_lines[h].left(end) + line;
        } else {
            m_lines[h + k] = line;
        }
        return;
    }
    m_lines.insert(h + 1, line);
}
