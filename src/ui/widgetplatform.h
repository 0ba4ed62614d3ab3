#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class DesktopNotifier;
class LauncherEntry;

// The program's Platform: real message boxes, file and folder dialogs, the
// desktop's "open", notifications and taskbar progress over the session bus,
// and the system's power-off.
class WidgetPlatform : public Platform
{
public:
    // Dialogs and message boxes are owned by this window (may be changed
    // later, e.g. once the main window exists).
    explicit WidgetPlatform(QWidget *owner = nullptr);
    ~WidgetPlatform() override;
    void setOwner(QWidget *owner) { m_owner = owner; }

    Answer messageBox(const QString &text, const QString &caption, Icon icon,
                      Buttons buttons = Buttons::Ok) override;
    QStringList openFileNames(const QString &filter, const QString &directory = QString()) override;
    QString saveFileName(const QString &filter, const QString &defaultExt,
                         const QString &directory = QString()) override;
    bool browseForDirectory(const QString &title, QString &path,
                            const QString &directory = QString()) override;
    void shellOpen(const QString &target) override;
    void powerOffNotice(int seconds, std::function<void(bool turnOff)> answered) override;
    void powerOff(std::function<void(const QString &refusal)> done) override;
    void notify(const QString &summary, const QString &body) override;
    void setTaskbarProgress(int percent, bool visible) override;

    // "Name|*.a;*.b;|Other|*.c" -> {"Name (*.a *.b)", "Other (*.c)"} for the
    // toolkit's file dialogs; a pattern list in brackets in a name is replaced
    // by the converted patterns.
    static QStringList ConvertFilter(const QString &filter);
    // The address the desktop opens for a target: mail and web addresses as
    // they are, everything else as a local path.
    static QUrl TargetUrl(const QString &target);

private:
    QWidget *owner() const;

    QPointer<QWidget> m_owner;
    // Reach the session bus at their first use.
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<LauncherEntry> m_launcherEntry;
};
