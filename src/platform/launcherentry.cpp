#include "launcherentry.h"

#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>

LauncherEntry::LauncherEntry(const QString &desktopFile, const QDBusConnection &bus)
    : m_appUri(QStringLiteral("application://") + desktopFile), m_bus(bus)
{}

bool LauncherEntry::setProgress(int percent, bool visible)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/com/canonical/unity/launcherentry/quivercast"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), std::clamp(percent, 0, 100) / 100.0},
                                 {QStringLiteral("progress-visible"), visible}};
    signal << m_appUri << properties;
    return m_bus.send(signal);
}
