// The desktop services over D-Bus, on a private bus of the test's own: the
// notification as a notification service receives it, and the taskbar
// progress as a task manager or dock reads it.
#include "platform/desktopnotifier.h"
#include "platform/launcherentry.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QVariantMap>

// Stands in for the desktop: a notification service, and a listener of the
// launcher-entry signal.
class Desktop : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList notified; // app, icon, summary, body, desktop-entry hint
    uint timeout = 0;
    QList<QVariantMap> updates;
    QStringList updatedUris;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int expire)
    {
        Q_UNUSED(replaces);
        Q_UNUSED(actions);
        notified = {app, icon, summary, body, hints.value("desktop-entry").toString()};
        timeout = uint(expire);
        return 1;
    }
    void Update(const QString &uri, const QVariantMap &properties)
    {
        updatedUris << uri;
        updates << properties;
    }
};

class TestDesktopBus : public QObject
{
    Q_OBJECT

    QProcess m_daemon;
    QString m_address;

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        QVERIFY2(!daemon.isEmpty(), "dbus-daemon is not installed (scripts/deps.sh)");
        m_daemon.start(daemon, {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_daemon.waitForStarted());
        QByteArray out;
        while (!out.contains('\n') && m_daemon.waitForReadyRead(10000))
            out += m_daemon.readAllStandardOutput();
        m_address = QString::fromUtf8(out.trimmed());
        QVERIFY2(!m_address.isEmpty(), m_daemon.readAllStandardError());
    }
    void cleanupTestCase()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void notificationAndProgress()
    {
        QDBusConnection desktopBus = QDBusConnection::connectToBus(m_address, "desktop");
        QDBusConnection programBus = QDBusConnection::connectToBus(m_address, "program");
        QVERIFY(desktopBus.isConnected() && programBus.isConnected());
        Desktop desktop;
        QVERIFY(desktopBus.registerObject("/org/freedesktop/Notifications", &desktop,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(desktopBus.registerService("org.freedesktop.Notifications"));
        QVERIFY(desktopBus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry",
                                   "Update", &desktop, SLOT(Update(QString, QVariantMap))));

        DesktopNotifier notifier("Quivercast", "quivercast", "quivercast", programBus);
        QVERIFY(notifier.notify("Conversion completed", "2 files converted, 0 skipped, 1 failed."));
        QTRY_COMPARE(desktop.notified,
                     (QStringList{"Quivercast", "quivercast", "Conversion completed",
                                  "2 files converted, 0 skipped, 1 failed.", "quivercast"}));
        QCOMPARE(int(desktop.timeout), -1);

        LauncherEntry entry("quivercast.desktop", programBus);
        QVERIFY(entry.setProgress(42, true));
        QVERIFY(entry.setProgress(150, false));
        QTRY_COMPARE(desktop.updates.size(), 2);
        QCOMPARE(desktop.updatedUris, (QStringList{"application://quivercast.desktop",
                                                   "application://quivercast.desktop"}));
        QCOMPARE(desktop.updates[0].value("progress").toDouble(), 0.42);
        QCOMPARE(desktop.updates[0].value("progress-visible").toBool(), true);
        QCOMPARE(desktop.updates[1].value("progress").toDouble(), 1.0);
        QCOMPARE(desktop.updates[1].value("progress-visible").toBool(), false);

        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::disconnectFromBus("program");
    }
};

QTEST_GUILESS_MAIN(TestDesktopBus)
#include "tst_desktopbus.moc"
