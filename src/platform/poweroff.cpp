#include "poweroff.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

void PowerOffComputer(std::function<void(const QString &refusal)> done)
{
    // Give the process the shutdown privilege; failures are ignored, the
    // request below then fails and says so.
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges{};
        if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
            privileges.PrivilegeCount = 1;
            privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        }
        CloseHandle(token);
    }
    if (ExitWindowsEx(EWX_POWEROFF, 0))
        done(QString());
    else
        done(QStringLiteral("Error %1 on ExitWindowsEx().").arg(GetLastError()));
}

#else
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

void PowerOffComputer(std::function<void(const QString &refusal)> done)
{
    // systemd-logind decides whether this user may power the machine off;
    // "interactive" is false, so no authentication dialog is raised. Its
    // answer comes through the event loop.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        done(bus.lastError().message());
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 10000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done = std::move(done)](QDBusPendingCallWatcher *answer) {
                         const QDBusPendingReply<> reply = *answer;
                         answer->deleteLater();
                         if (!reply.isError())
                             done(QString());
                         else if (!reply.error().message().isEmpty())
                             done(reply.error().message());
                         else
                             done(reply.error().name());
                     });
}
#endif
