#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Tells when the entries of a folder have changed: a file created, removed
// or renamed there. Writing into a file is not told; the watches notice it
// by its size and time. Events may be lost (network shares, a full queue):
// the watches rescan their folders now and then all the same.
class FolderEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Folders to be told about, and folders no longer.
    virtual void addFolders(const QStringList &folders) = 0;
    virtual void removeFolders(const QStringList &folders) = 0;

signals:
    // Something changed in folder, or the folder itself went away.
    void folderChanged(const QString &folder);
};

// The system's file-change events.
class SystemFolderEvents : public FolderEvents
{
    Q_OBJECT
public:
    explicit SystemFolderEvents(QObject *parent = nullptr);
    void addFolders(const QStringList &folders) override;
    void removeFolders(const QStringList &folders) override;

private:
    QFileSystemWatcher m_watcher;
};

// Records what is watched; the test tells of changes (tell()).
class RecordingFolderEvents : public FolderEvents
{
    Q_OBJECT
public:
    using FolderEvents::FolderEvents;
    void addFolders(const QStringList &folders) override;
    void removeFolders(const QStringList &folders) override;
    void tell(const QString &folder) { emit folderChanged(folder); }
    QSet<QString> watched;
};
