#include "folderevents.h"

SystemFolderEvents::SystemFolderEvents(QObject *parent) : FolderEvents(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderEvents::folderChanged);
}

void SystemFolderEvents::addFolders(const QStringList &folders)
{
    if (!folders.isEmpty())
        m_watcher.addPaths(folders);
}

void SystemFolderEvents::removeFolders(const QStringList &folders)
{
    if (!folders.isEmpty())
        m_watcher.removePaths(folders);
}

void RecordingFolderEvents::addFolders(const QStringList &folders)
{
    for (const QString &folder : folders)
        watched.insert(folder);
}

void RecordingFolderEvents::removeFolders(const QStringList &folders)
{
    for (const QString &folder : folders)
        watched.remove(folder);
}
