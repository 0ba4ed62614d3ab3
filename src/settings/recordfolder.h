#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <optional>
#include <utility>

// A folder of small records that several programs may read and write at the
// same time: each record is a set of named texts, found by a key (any text,
// a path say), and kept in a file of its own whose name is made from the
// key. A record is replaced whole through the safe writer, so a reader never
// sees half of one and a crash or power cut leaves each record as it was
// before or after its last write; records of different keys never touch each
// other, so no lock is needed. Texts keep every character, also line breaks
// and file names that are not valid UTF-8.
//
// A record file is plain text:
//   [Record]
//   Key=/out/clip.mp4
//   Name=Value               (one line for every text; "%", CR, LF escaped)
//
// With an empty folder path the records are kept in memory only.
class RecordFolder
{
public:
    using Fields = QMap<QByteArray, QString>;

    explicit RecordFolder(const QString &folder = {});

    // With its separator; empty when held in memory.
    QString folder() const { return m_folder; }

    // Writes the record of key, making the folder when it is missing. False
    // with the system's reason in error when that cannot be done.
    bool write(const QString &key, const Fields &fields, QString *error = nullptr);
    // The record of key; none when there is none or it cannot be read.
    std::optional<Fields> read(const QString &key) const;
    void remove(const QString &key);
    // Every record, by its key.
    QHash<QString, Fields> readAll() const;

    // Remembers which records exist now, so that looking for many keys that
    // have none (walking a folder, naming many files) costs no file access;
    // records written by this object meanwhile are known as well. Until
    // forgetListing() every read of a key not listed finds nothing.
    void takeListing();
    void forgetListing();

private:
    QString fileName(const QString &key) const;
    // The key and texts of a record file; none when it is not one.
    static std::optional<std::pair<QString, Fields>> readFile(const QString &fileName);
    static QByteArray hashOf(const QString &key);

    QString m_folder;
    QHash<QString, Fields> m_memory; // when there is no folder
    bool m_listed = false;
    QSet<QByteArray> m_listing; // hashes of the records found by takeListing()
};
