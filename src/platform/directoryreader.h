#pragma once

#include <QList>
#include <QString>

#include <dirent.h>

// Reads the entries of one directory at the system level, as many at a time
// as the caller asks for, so that a folder of tens of thousands of entries
// can be read in short slices. Names are decoded by DecodeFileName: names
// that are not valid UTF-8 stay recognisable (and can be opened again).
// Hidden entries (names beginning with ".") are left out, and so is
// everything that is neither a regular file nor a directory: FIFOs, devices,
// sockets, broken links. A link to a regular file counts as a file; a link to
// a directory is left out, so that a walk never follows one.
class DirectoryReader
{
public:
    enum class Kind
    {
        File,
        Directory
    };
    struct Entry
    {
        QString name;
        Kind kind;
    };

    // Opens dir (which may itself be a name that is not valid UTF-8).
    explicit DirectoryReader(const QString &dir);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    // False when the directory could not be opened: missing, unreadable, or
    // not a directory.
    bool isOpen() const { return m_dir != nullptr; }
    // Reads up to max more entries (of any kind, left-out ones included)
    // and appends those it keeps to entries. False once the end is reached.
    bool read(int max, QList<Entry> &entries);

private:
    DIR *m_dir = nullptr;
};
