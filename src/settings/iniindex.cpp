#include "iniindex.h"

#include <algorithm>
#include <cstring>

namespace {

// Sections of more lines than this get an index of their key texts; shorter
// ones are searched line by line, which is as fast.
constexpr int kSearchedSectionLines = 32;
// Key texts are indexed up to this length; a longer key is searched for.
constexpr qsizetype kLongestIndexedKey = 64;

// FNV-1a, 32 bits. Hashes only pick candidates: every hit is compared.
constexpr quint32 kHashBasis = 2166136261u;
inline quint32 hashStep(quint32 hash, char c)
{
    return (hash ^ uchar(c)) * 16777619u;
}
quint32 hashOf(const char *text, qsizetype size)
{
    quint32 hash = kHashBasis;
    for (qsizetype i = 0; i < size; ++i)
        hash = hashStep(hash, text[i]);
    return hash;
}
// The hash of a text read from its end, the way key texts are taken.
quint32 backwardHashOf(const char *text, qsizetype size)
{
    quint32 hash = kHashBasis;
    for (qsizetype i = size - 1; i >= 0; --i)
        hash = hashStep(hash, text[i]);
    return hash;
}

// Entries in the order lookups want them: by hash, then by place.
constexpr auto byHashAndPlace = [](const auto &a, const auto &b) {
    if (a.hash != b.hash)
        return a.hash < b.hash;
    if (a.line != b.line)
        return a.line < b.line;
    if constexpr (requires { a.at; })
        return a.at < b.at;
    return false;
};

template <typename Entry> auto entriesOf(const std::vector<Entry> &entries, quint32 hash)
{
    return std::equal_range(entries.begin(), entries.end(), hash, [](const auto &a, const auto &b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, quint32>)
            return a < b.hash;
        else
            return a.hash < b;
    });
}

} // namespace

QByteArray IniIndex::fold(QByteArray text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

IniIndex::IniIndex(const QList<QByteArray> &lines)
{
    m_folded.reserve(lines.size());
    for (const QByteArray &line : lines)
        m_folded.append(fold(line));
    for (int i = 0; i < m_folded.size(); ++i)
        collectBrackets(i, m_brackets);
    std::sort(m_brackets.begin(), m_brackets.end(), byHashAndPlace);
}

void IniIndex::collectBrackets(int line, std::vector<Bracket> &out) const
{
    const QByteArray &text = m_folded[line];
    if (!text.contains('['))
        return;
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '[') {
            open = i;
        } else if (text[i] == ']') {
            if (open >= 0)
                out.push_back({hashOf(text.constData() + open, i - open + 1), line});
            open = -1;
        }
    }
}

void IniIndex::addBrackets(int line)
{
    std::vector<Bracket> added;
    collectBrackets(line, added);
    if (added.empty())
        return;
    std::sort(added.begin(), added.end(), byHashAndPlace);
    const auto middle = m_brackets.insert(m_brackets.end(), added.begin(), added.end());
    std::inplace_merge(m_brackets.begin(), middle, m_brackets.end(), byHashAndPlace);
}

qsizetype IniIndex::textEnd(int line, qsizetype begin) const
{
    const qsizetype bracket = m_folded[line].indexOf('[', begin);
    return bracket < 0 ? m_folded[line].size() : bracket;
}

IniIndex::Cached *IniIndex::cached(const QByteArray &foldedHeader)
{
    const auto found = m_sections.find(foldedHeader);
    if (found != m_sections.end())
        return &found.value();
    // Every occurrence of the header holds the "[...]" that ends at the
    // header's first "]" and begins at the last "[" before it: the lines
    // holding that piece are the candidates, in order.
    const qsizetype close = foldedHeader.indexOf(']');
    if (close < 0 || !foldedHeader.startsWith('['))
        return nullptr;
    const qsizetype open = foldedHeader.lastIndexOf('[', close);
    const auto [first, last] =
        entriesOf(m_brackets, hashOf(foldedHeader.constData() + open, close - open + 1));
    for (auto e = first; e != last; ++e) {
        if (e != first && e[-1].line == e->line)
            continue;
        const qsizetype at = m_folded[e->line].indexOf(foldedHeader);
        if (at < 0)
            continue;
        Section s{e->line, at + foldedHeader.size(), e->line, false};
        if (textEnd(s.header, s.from) == m_folded[s.header].size()) {
            while (s.last + 1 < m_folded.size() && !m_folded[s.last + 1].contains('['))
                ++s.last;
            if (s.last + 1 < m_folded.size())
                ++s.last; // the line holding the "[", up to it
            else
                s.toEnd = true;
        }
        return &m_sections.insert(foldedHeader, Cached{s, false, {}}).value();
    }
    return nullptr;
}

std::optional<IniIndex::Section> IniIndex::section(const QByteArray &foldedHeader)
{
    if (const Cached *c = cached(foldedHeader))
        return c->section;
    return std::nullopt;
}

void IniIndex::buildKeys(Cached &c) const
{
    const Section &s = c.section;
    for (int line = s.header; line <= s.last; ++line) {
        const char *text = m_folded[line].constData();
        const qsizetype begin = line == s.header ? s.from : 0;
        const qsizetype end = textEnd(line, begin);
        qsizetype start = begin;
        for (const char *eq =
                 static_cast<const char *>(std::memchr(text + start, '=', end - start));
             eq; eq = static_cast<const char *>(std::memchr(text + start, '=', end - start))) {
            const qsizetype at = eq - text;
            quint32 hash = kHashBasis;
            for (qsizetype i = at - 1; i >= start && at - i <= kLongestIndexedKey; --i) {
                hash = hashStep(hash, text[i]);
                c.keys.push_back({hash, line - s.header, at});
            }
            start = at + 1;
        }
    }
    std::sort(c.keys.begin(), c.keys.end(), byHashAndPlace);
}

std::optional<IniIndex::Value> IniIndex::value(const QByteArray &foldedHeader,
                                               const QByteArray &foldedKey)
{
    Cached *c = cached(foldedHeader);
    if (!c)
        return std::nullopt;
    const Section &s = c->section;
    const qsizetype size = foldedKey.size();
    const bool indexed = s.last - s.header >= kSearchedSectionLines && size > 0 &&
                         size <= kLongestIndexedKey && !foldedKey.contains('=');
    if (!indexed) {
        const QByteArray pattern = foldedKey + '=';
        for (int line = s.header; line <= s.last; ++line) {
            const qsizetype begin = line == s.header ? s.from : 0;
            const qsizetype end = textEnd(line, begin);
            const qsizetype at =
                QByteArrayView(m_folded[line]).sliced(begin, end - begin).indexOf(pattern);
            if (at >= 0)
                return Value{line, begin + at + pattern.size(), end};
        }
        return std::nullopt;
    }
    if (!c->keysBuilt) {
        buildKeys(*c);
        c->keysBuilt = true;
        m_keyed.append(foldedHeader);
    }
    // Candidates come by line, then by place in the line: the first one
    // that matches is the first occurrence.
    const auto [first, last] = entriesOf(c->keys, backwardHashOf(foldedKey.constData(), size));
    for (auto e = first; e != last; ++e) {
        const int line = s.header + e->line;
        const qsizetype begin = line == s.header ? s.from : 0;
        if (e->at - size >= begin && std::memcmp(m_folded[line].constData() + e->at - size,
                                                 foldedKey.constData(), size_t(size)) == 0)
            return Value{line, e->at + 1, textEnd(line, begin)};
    }
    return std::nullopt;
}

void IniIndex::replaced(int line, const QByteArray &text)
{
    const bool bracketsBefore = m_folded[line].contains('[');
    m_folded[line] = fold(text);
    const bool bracketsChanged = bracketsBefore || m_folded[line].contains('[');
    if (bracketsChanged) {
        m_brackets.erase(std::remove_if(m_brackets.begin(), m_brackets.end(),
                                        [line](const Bracket &b) { return b.line == line; }),
                         m_brackets.end());
        addBrackets(line);
    }
    forgetAround(line, bracketsChanged, false);
}

void IniIndex::inserted(int line, const QByteArray &text)
{
    m_folded.insert(line, fold(text));
    for (Bracket &b : m_brackets)
        if (b.line >= line)
            ++b.line;
    addBrackets(line);
    forgetAround(line, m_folded[line].contains('['), true);
}

void IniIndex::forgetAround(int line, bool bracketsChanged, bool inserted)
{
    if (!inserted && !bracketsChanged) {
        // A line replaced by one without "[": every section begins and ends
        // where it did, only key texts of the sections holding it changed.
        for (const QByteArray &header : std::as_const(m_keyed)) {
            Cached &c = m_sections[header];
            if (c.section.header <= line && line <= c.section.last) {
                c.keysBuilt = false;
                c.keys = {};
            }
        }
        m_keyed.removeIf([this](const QByteArray &h) { return !m_sections[h].keysBuilt; });
        return;
    }
    // Sections without key texts are cheap to find again and are forgotten;
    // the others are moved with their lines where they stay whole. The
    // survivors go to a new table, so that the next change looks at them
    // only.
    const QByteArray &changed = m_folded[line];
    QHash<QByteArray, Cached> kept;
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
        if (!it->keysBuilt)
            continue;
        Section &s = it->section;
        if (s.header >= line + (inserted ? 0 : 1)) {
            // Below the change: the changed line may now hold the header first.
            if (bracketsChanged && changed.contains(it.key()))
                continue;
            if (inserted) {
                ++s.header;
                ++s.last;
            }
        } else if (line <= s.last || (inserted && s.toEnd && line == s.last + 1)) {
            // The change is in the section's text: a line without "[" added
            // to it makes it grow; anything else may move its end.
            if (bracketsChanged)
                continue;
            ++s.last;
            it->keysBuilt = false;
            it->keys = {};
        }
        kept.insert(it.key(), std::move(it.value()));
    }
    m_sections = std::move(kept);
    m_keyed.removeIf([this](const QByteArray &h) {
        const auto it = m_sections.constFind(h);
        return it == m_sections.cend() || !it->keysBuilt;
    });
}
