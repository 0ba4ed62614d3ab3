#pragma once

#include <QDBusConnection>
#include <QString>

// The progress shown on the program's taskbar or dock entry, through the
// launcher-entry signal (com.canonical.Unity.LauncherEntry, Update) that KDE
// Plasma's task manager and several docks read. The entry is named by the
// program's desktop file. A signal is only broadcast: with nobody listening
// nothing happens, and nothing is waited for.
class LauncherEntry
{
public:
    // desktopFile: the name of the program's .desktop file ("name.desktop").
    explicit LauncherEntry(const QString &desktopFile,
                           const QDBusConnection &bus = QDBusConnection::sessionBus());

    // percent 0 to 100; visible false takes the progress away. False when
    // the signal could not be handed to the bus.
    bool setProgress(int percent, bool visible);

    // "application://<desktop file>", how the entry names the program.
    QString appUri() const { return m_appUri; }

private:
    QString m_appUri;
    QDBusConnection m_bus;
};
