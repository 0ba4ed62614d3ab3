#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The INI store's loose rules written the plain way: every lookup joins the
// lines into one text and searches it from the start, as the rules are
// worded. Slow and plainly right; the tests and the fuzzers hold TNewInifile against it.
// Names and values are bytes, already single-line as the store makes them.
class IniReference
{
public:
    explicit IniReference(const QByteArray &data);

    std::optional<QByteArray> lookup(const QByteArray &section, const QByteArray &key) const;
    void write(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    // What the store's release writes.
    QByteArray fileBytes() const;
    const QList<QByteArray> &lines() const { return m_lines; }

private:
    QByteArray text() const;
    QList<QByteArray> sectionLines(const QByteArray &section) const;
    int findSection(const QByteArray &section) const;

    QList<QByteArray> m_lines;
    QByteArray m_tail;
};
