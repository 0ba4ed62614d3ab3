#pragma once

#include "watchrecords.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

class FolderEvents;
class OutputRecords;
class WriterCheck;

// Watches one folder for videos to convert. A file with an accepted
// extension is ready once its size and time have stood still for the settle
// time and no process has it open for writing; each ready file is told once
// (fileReady) unless it changes again, also across sessions: what became of
// it is kept in the watch's records (WatchRecords), written before its
// conversion starts (conversionStarting) and when it ends
// (conversionEnded). Found through the system's file-change events and a
// rescan of the whole folder every so often, which catches what the events
// missed; between them an idle watch costs nothing. The output folder is
// never entered, and no file recorded as an output of this program is
// taken. A folder that goes away keeps its records; the watch tells it is
// not available and goes on when the folder is back.
class FolderWatch : public QObject
{
    Q_OBJECT
public:
    using Stamp = WatchRecords::Stamp;

    struct Settings
    {
        QString folder;
        QString outputFolder;
        bool subfolders = false;
        int settleMs = 10000;
        int rescanMs = 60000;
        QString recordsFolder; // empty: records in memory

        bool operator==(const Settings &) const = default;
    };

    FolderWatch(const Settings &settings, FolderEvents &events, WriterCheck &writers,
                QObject *parent = nullptr);
    ~FolderWatch() override;

    // Files recorded there as outputs are never taken.
    void setOutputRecords(OutputRecords *records) { m_outputs = records; }

    // The first scan; then events and rescans.
    void start();
    const Settings &settings() const { return m_settings; }
    // This watch replaces an earlier one of the same folder (its settings
    // were changed): the files that one handed out are not handed out
    // again, and the ends of their conversions are recorded here. Before
    // start().
    void takeOver(const FolderWatch &earlier);
    // A paused watch takes nothing; it looks again when it goes on.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    bool isAvailable() const { return m_available; }
    QString folder() const { return m_root; }
    // Accepted files found by the last whole scan.
    int fileCount() const { return m_fileCount; }

    // A file told ready is being converted: its record says so first.
    // False, with the reason, when it cannot be written (the conversion
    // must not start then). True for a file that is not this watch's.
    bool conversionStarting(const QString &path, QString *error = nullptr);
    // Its conversion ended: Converted, Skipped or Failed; None when it was
    // stopped (taken again by a later session, not by this one). A file
    // that changed while it was converted is taken again.
    void conversionEnded(const QString &path, WatchRecords::Result result);
    // The file was told ready by this watch.
    bool handedOut(const QString &path) const { return m_handed.contains(path); }
    bool isConverting() const { return !m_converting.isEmpty(); }

    // Failed files are taken again; returns how many.
    int retryFailed();
    QStringList failedFiles() const { return m_records.failed(); }

    // Reads the whole folder now (also done every rescanMs).
    void rescan();

signals:
    void availableChanged(bool available);
    // A new or changed file begins to settle.
    void fileSeen(const QString &path);
    void fileReady(const QString &path);
    // A whole scan found files accepted files.
    void scanned(int files);

private:
    struct Pending
    {
        Stamp stamp;
        QElapsedTimer since; // standing still since
    };

    // Reads dir (the whole folder when it is the root), with its subfolders
    // when the watch has them.
    void scan(const QString &dir);
    void consider(const QString &path, const Stamp &stamp);
    void settleCheck();
    void onFolderChanged(const QString &folder);
    void setAvailable(bool available);
    QString relative(const QString &path) const;

    Settings m_settings;
    QString m_root;
    FolderEvents &m_events;
    WriterCheck &m_writers;
    OutputRecords *m_outputs = nullptr;
    WatchRecords m_records;

    bool m_started = false;
    bool m_paused = false;
    bool m_available = true;
    int m_fileCount = 0;
    QSet<QString> m_folders;            // told to the events
    QHash<QString, Pending> m_pending;  // settling
    QHash<QString, Stamp> m_handed;     // told ready, as they were then
    QHash<QString, Stamp> m_converting; // as they were when their conversions started
    QSet<QString> m_changed;            // folders the events told of
    QTimer m_rescan;
    QTimer m_settle;
    QTimer m_eventDelay;
};
