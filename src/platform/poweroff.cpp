#include "poweroff.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

void PowerOffComputer()
{
    // Give the process the shutdown privilege; failures are ignored, the
    // request below then simply fails.
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
    ExitWindowsEx(EWX_POWEROFF, 0);
}

#else
#include <QDBusConnection>
#include <QDBusMessage>

void PowerOffComputer()
{
    // systemd-logind decides whether this user may power the machine off;
    // "interactive" is false, so no authentication dialog is raised. The
    // answer is not examined.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;
    QDBusConnection::systemBus().call(call, QDBus::Block, 10000);
}
#endif
