#pragma once

#include <QDBusConnection>
#include <QString>

// Desktop notifications over D-Bus: the Notify call of the freedesktop.org
// notification service (org.freedesktop.Notifications). The call is sent without waiting for an
// answer: a desktop without a notification service simply shows nothing, and the window never
// waits.
class DesktopNotifier
{
public:
    // appName and icon as the desktop shows them; desktopEntry is the name of
    // the program's .desktop file without its extension.
    DesktopNotifier(const QString &appName, const QString &icon, const QString &desktopEntry,
                    const QDBusConnection &bus = QDBusConnection::sessionBus());

    // False when the message could not be handed to the bus.
    bool notify(const QString &summary, const QString &body);

private:
    QString m_appName;
    QString m_icon;
    QString m_desktopEntry;
    QDBusConnection m_bus;
};
