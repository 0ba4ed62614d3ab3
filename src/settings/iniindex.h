#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

#include <optional>
#include <vector>

// What the INI store (TNewInifile) looks things up in: its lines folded to
// lower case, the "[...]" pieces of every line, and, for long sections, the
// texts that stand before each "=". Finding a section or a key then costs
// about the length of its name instead of a pass over the whole file. The
// answers are exactly those of the store's loose rules: a header found
// anywhere in a line (the first line holding it), the section's text ending
// at the next "[", a key found anywhere in a line followed by "=". The store
// tells the index of every change of its lines, and the index keeps up at
// the cost of the change.
class IniIndex
{
public:
    // A section's text: from byte `from` of line `header` up to the first "["
    // after it, which stands on line `last` (or the end of the lines).
    struct Section
    {
        int header = -1;
        qsizetype from = 0;
        int last = -1;
        bool toEnd = false; // no "[" follows: the section runs to the last line
    };
    // A value: the bytes [begin, end) of a line.
    struct Value
    {
        int line = -1;
        qsizetype begin = 0;
        qsizetype end = 0;
    };

    // A-Z folded to a-z; every other byte stays as it is.
    static QByteArray fold(QByteArray text);

    explicit IniIndex(const QList<QByteArray> &lines);

    // The section whose folded header (brackets included) first occurs in
    // the lines.
    std::optional<Section> section(const QByteArray &foldedHeader);
    // Where the value stands in the first line of that section's text that
    // holds foldedKey + "=": just after the first occurrence in that line, up
    // to the end of the section's text on that line.
    std::optional<Value> value(const QByteArray &foldedHeader, const QByteArray &foldedKey);

    // The store's changes, each told once it is made.
    void replaced(int line, const QByteArray &text);
    void inserted(int line, const QByteArray &text);

private:
    struct Bracket
    {
        quint32 hash; // of a "[...]" with no bracket inside
        int line;
    };
    struct KeyEnd
    {
        quint32 hash; // of a text standing just before an "=", read backwards
        int line;     // counted from the section's header line
        qsizetype at; // the "="
    };
    struct Cached
    {
        Section section;
        bool keysBuilt = false;
        std::vector<KeyEnd> keys;
    };

    Cached *cached(const QByteArray &foldedHeader);
    void buildKeys(Cached &c) const;
    qsizetype textEnd(int line, qsizetype begin) const;
    void collectBrackets(int line, std::vector<Bracket> &out) const;
    void addBrackets(int line);
    // Forgets sections that a changed line may have moved, ended or begun
    // (bracketsChanged), or only the key texts of the sections holding it.
    void forgetAround(int line, bool bracketsChanged, bool inserted);

    QList<QByteArray> m_folded;
    std::vector<Bracket> m_brackets; // by hash, then line
    QHash<QByteArray, Cached> m_sections;
    QList<QByteArray> m_keyed; // sections whose key texts are built
};
