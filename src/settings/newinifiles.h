#pragma once

#include "settings/iniindex.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>

// The program's reader and writer of INI-style files (profiles and
// Preferences.ini). The whole file is held as a list of lines; reads search
// that text, writes change lines in memory, and Release() writes the file
// back. Lookup is deliberately loose: case-insensitive substring matching, no
// trimming, no comments, and a section ends at the next "[" wherever it
// stands. Lines are bytes (UTF-8 at the interface); a line the store does not
// change is written back byte for byte; a CR, LF or NUL in a section name, a
// key or a value stands as a blank. Lookups go through an index of the
// lines (IniIndex), so a file of thousands of sections and keys is read in
// time proportional to its size.
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

    // Writes every line, each followed by CR LF, through WriteFileAtomically.
    // Throws TIniFileError ("Cannot create file ...") on failure, leaving the
    // previous file whole. A store destroyed without Release() writes
    // nothing.
    void Release();

    const QString &FileName() const { return m_fileName; }
    // Number of lines the store holds.
    int LineCount() const { return int(m_lines.size()); }

private:
    // All lines joined, each followed by CR LF.
    QByteArray text() const;
    IniIndex &index() const;
    // Where the raw value of the first line of the section holding key + "="
    // stands.
    std::optional<IniIndex::Value> lookup(const QString &section, const QString &key) const;
    void replaceLine(int line, const QByteArray &text);
    void insertLine(int line, const QByteArray &text);

    QString m_fileName;
    QList<QByteArray> m_lines;
    // Bytes from a NUL on: not part of the text, written back unchanged.
    QByteArray m_tail;
    // Built at the first lookup, kept up to date by every write.
    mutable std::unique_ptr<IniIndex> m_index;
};

// Replaces the file's content with data (SafeFileWriter): a failure leaves
// the previous file whole. A read-only file is left untouched. Throws
// TIniFileError ("Cannot create file ...", with the system's reason) on
// failure.
void WriteFileAtomically(const QString &fileName, const QByteArray &data);

// Text kept in a value so that the store's loose lookup reads it back
// exactly: "%", "[", "=", CR and LF are written as %25, %5B, %3D, %0D and
// %0A; everything else stands as it is.
QString EscapeIniText(const QString &text);
// The reverse: those five escapes (hexadecimal digits in either case) become
// their characters again; any other "%" stays as it is.
QString UnescapeIniText(const QString &text);

class TIniFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    QString text() const { return QString::fromUtf8(what()); }
};
