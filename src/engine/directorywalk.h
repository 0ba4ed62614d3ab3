#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <sys/types.h>
#include <utility>
#include <vector>

class DirectoryReader;

// Walks a folder for the files intake accepts (an accepted extension, see
// HasSupportedExt), a little at a time: each call goes on until it has a
// file or its time is up, so that a folder of any size never holds up the
// window. The folder's own files come first, sorted by name ignoring case;
// with subfolders, then each subfolder's tree, the subfolders in the same
// name order. Hidden files and folders are left out, links to folders are
// not followed (so a walk always ends), and a folder that cannot be read is
// passed over. Files whose paths are not valid UTF-8 (see DecodeFileName)
// cannot be added: they are counted instead.
class DirectoryWalk
{
public:
    struct Found
    {
        QString path;
        // The file's folder relative to the walked one, "/"-separated;
        // empty for the walked folder's own files.
        QString subfolder;
    };

    DirectoryWalk(const QString &root, bool subfolders);
    ~DirectoryWalk();

    // A folder the walk never enters, under any spelling (the output
    // folder, whose files are the program's own outputs).
    void setSkippedFolder(const QString &folder);

    // The next accepted file, reading folders as needed (at least a few
    // entries a call, whatever the deadline). False when the walk is done or
    // the deadline has passed; done() tells which.
    bool next(const QDeadlineTimer &deadline, Found &found);
    bool done() const;
    // Accepted files found so far whose paths are not valid UTF-8.
    int undecodable() const { return int(m_undecodable.size()); }
    // Their paths (see DecodeFileName), handed over once.
    QStringList takeUndecodable() { return std::exchange(m_undecodable, {}); }

private:
    struct Folder
    {
        QString path;
        QString subfolder;
    };
    // Sorts what the folder being read holds: its files become the next
    // ones found, its subfolders the next ones read.
    void finishFolder();

    bool m_subfolders;
    bool m_skipping = false;
    dev_t m_skippedDevice = 0;
    ino_t m_skippedInode = 0;
    std::vector<Folder> m_toRead; // the next one at the back
    Folder m_current;
    std::unique_ptr<DirectoryReader> m_reader;
    QStringList m_fileNames;   // of the folder being read
    QStringList m_folderNames; // of the folder being read
    QList<Found> m_ready;      // files of the folder read last, in order
    qsizetype m_nextReady = 0;
    QStringList m_undecodable;
};
