#pragma once

#include <QList>
#include <QString>

// One watch folder: new videos in it are converted as they arrive.
struct WatchSettings
{
    QString folder;
    QString profile; // catalogue name
    QString outputDir;
    bool subfolders = false;
    QString existing = QStringLiteral("overwrite"); // "overwrite", "rename" or "skip"
    bool paused = false;
    QString id; // names the watch's records (WatchRecords::idOf of the folder)
};

// The watch folders and their timing, kept in Watches.ini beside
// Preferences.ini:
//   [Watch Folders]  Count, Settle Seconds, Rescan Seconds
//   [Watch N]        Folder, Profile, Output Directory, Include Subfolders,
//                    Existing, Paused, Id          (N from 1 to Count)
// Paths are stored escaped (EscapeIniText). Reads and writes throw
// TIniFileError when the file cannot be read or written.
struct WatchList
{
    static constexpr int DefaultSettleSecs = 10;
    static constexpr int DefaultRescanSecs = 60;

    int settleSecs = DefaultSettleSecs; // a file must stand still this long
    int rescanSecs = DefaultRescanSecs; // every folder is read whole this often
    QList<WatchSettings> watches;

    // A missing file gives no watches and the default timing.
    static WatchList read(const QString &fileName);
    // Replaces the file (safely); nothing else in it is lost.
    void write(const QString &fileName) const;
};
