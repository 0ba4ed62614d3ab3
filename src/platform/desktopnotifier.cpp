#include "desktopnotifier.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

DesktopNotifier::DesktopNotifier(const QString &appName, const QString &icon,
                                 const QString &desktopEntry, const QDBusConnection &bus)
    : m_appName(appName), m_icon(icon), m_desktopEntry(desktopEntry), m_bus(bus)
{}

bool DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints,
    // expire_timeout (-1: as the desktop decides).
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_desktopEntry},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    call << m_appName << uint(0) << m_icon << summary << body << QStringList() << hints
         << qint32(-1);
    return m_bus.send(call);
}
