#pragma once

#include "settings/recordfolder.h"

#include <QHash>
#include <QString>
#include <QStringList>

// What a watch has done with each file of its folder, kept in the user's
// state folder (AppPaths::watchRecordsDir) so that the window, quivercast-cli
// and every later session know it: the file's path relative to the watched
// folder, its size and time when it was taken, and the result. The record
// is written before the file's conversion starts and updated when it ends.
// A file whose size and time match its record is not taken again unless the
// record says its conversion never ended (the program was cut off); a file
// that changed is taken again.
class WatchRecords
{
public:
    enum class Result
    {
        None,
        Pending, // taken; its conversion has not ended
        Converted,
        Skipped,
        Failed
    };
    struct Stamp
    {
        qint64 size = -1;
        qint64 modified = 0; // milliseconds since the epoch
        bool operator==(const Stamp &other) const = default;
    };
    struct Record
    {
        Stamp stamp;
        Result result = Result::None;
    };

    // folder: the records of one watch; empty: kept in memory.
    explicit WatchRecords(const QString &folder = {});

    // The name of a watch's records: the same for every program that
    // watches the folder, whatever spelling names it.
    static QString idOf(const QString &watchedFolder);

    // What is recorded of the file at relPath ("/"-separated, relative to
    // the watched folder). Records written by another program are seen once
    // refresh() has found the folder changed.
    Record lookup(const QString &relPath) const;
    // False, with the reason in error, when the record cannot be written.
    bool write(const QString &relPath, const Stamp &stamp, Result result, QString *error = nullptr);
    void remove(const QString &relPath);
    // Re-reads the records when the folder changed since they were read.
    void refresh();
    // The files whose conversion failed; retryFailed() forgets them, so that
    // they are taken again.
    QStringList failed() const;
    int retryFailed();

    static QString resultText(Result result);

private:
    QString m_folder;
    mutable RecordFolder m_records;
    QHash<QString, Record> m_cache;
    qint64 m_readAt = -2; // the folder's time when read (-1: missing)
};
