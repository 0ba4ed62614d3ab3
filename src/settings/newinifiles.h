#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

// The program's reader and writer of INI-style files (profiles and
// Preferences.ini). The whole file is held as a list of lines; reads search
// that text, writes change lines in memory, and Release() writes the file
// back. Lookup is deliberately loose: case-insensitive substring matching, no
// trimming, no comments, and a section ends at the next "[" wherever it
// stands. Lines are bytes (UTF-8 at the interface); a line the store does not
// change is written back byte for byte.
class TNewInifile
{
public:
    // Reads the file when it exists; a missing file gives an empty store.
    // Throws TIniFileError ("Cannot open file ...") when it exists but cannot
    // be read.
    explicit TNewInifile(const QString &fileName);

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    void WriteString(const QString &section, const QString &key, const QString &value);
    int ReadInteger(const QString &section, const QString &key, int def) const;
    void WriteInteger(const QString &section, const QString &key, int value);
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    void WriteBool(const QString &section, const QString &key, bool value);
    double ReadFloat(const QString &section, const QString &key, double def) const;
    // True when the section has a line for key (with any value).
    bool ValueExists(const QString &section, const QString &key) const
    {
        return lookup(section, key).has_value();
    }

    // Writes every line, each followed by CR LF, replacing the file
    // atomically. Throws TIniFileError ("Cannot create file ...") on failure,
    // leaving the previous file whole. A store destroyed without Release()
    // writes nothing.
    void Release();

    const QString &FileName() const { return m_fileName; }
    // Number of lines the store holds.
    int LineCount() const { return int(m_lines.size()); }

private:
    // All lines joined, each followed by CR LF.
    QByteArray text() const;
    // The lines of a section's text: from just after the first occurrence of
    // its header (line 0 is the rest of the header line) up to the next "[".
    QList<QByteArray> sectionLines(const QString &section) const;
    // Index of the first line holding the section's header, or -1.
    int findSection(const QString &section) const;
    // The raw value of the first line of the section holding key + "=".
    std::optional<QByteArray> lookup(const QString &section, const QString &key) const;

    QString m_fileName;
    QList<QByteArray> m_lines;
    // Bytes from a NUL on: not part of the text, written back unchanged.
    QByteArray m_tail;
};

// Replaces the file's content with data: written to a temporary file beside
// it and renamed over it, so a failure leaves the previous file whole. A
// read-only file is left untouched. Throws TIniFileError ("Cannot create
// file ...") on failure.
void WriteFileAtomically(const QString &fileName, const QByteArray &data);

class TIniFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    QString text() const { return QString::fromUtf8(what()); }
};
