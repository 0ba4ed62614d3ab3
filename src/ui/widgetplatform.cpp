#include "widgetplatform.h"

#include "platform/branding.h"
#include "platform/desktopnotifier.h"
#include "platform/launcherentry.h"
#include "platform/poweroff.h"
#include "poweroffnotice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

WidgetPlatform::WidgetPlatform(QWidget *owner) : m_owner(owner) {}

WidgetPlatform::~WidgetPlatform() = default;

QWidget *WidgetPlatform::owner() const
{
    // A disabled owner (the main window while a dialog of ours is open)
    // still owns the box; the active window is preferred when there is one.
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_owner;
}

Platform::Answer WidgetPlatform::messageBox(const QString &text, const QString &caption, Icon icon,
                                            Buttons buttons)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        boxIcon = QMessageBox::NoIcon;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case Icon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    }
    const QMessageBox::StandardButtons standard =
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(boxIcon, caption, text, standard, owner());
    if (buttons == Buttons::YesNo)
        box.setDefaultButton(QMessageBox::Yes);
    const int result = box.exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QStringList WidgetPlatform::ConvertFilter(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        patterns.removeAll(QString());
        const int bracket = name.indexOf(u'(');
        if (bracket >= 0 && name.endsWith(u')'))
            name = name.left(bracket).trimmed();
        result << name + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return result;
}

QUrl WidgetPlatform::TargetUrl(const QString &target)
{
    const QUrl url(target);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto") || scheme == QLatin1String("http") ||
        scheme == QLatin1String("https"))
        return url;
    return QUrl::fromLocalFile(target);
}

QStringList WidgetPlatform::openFileNames(const QString &filter, const QString &directory)
{
    const QStringList filters = ConvertFilter(filter);
    QFileDialog dialog(owner(), QString(), directory);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString WidgetPlatform::saveFileName(const QString &filter, const QString &defaultExt,
                                     const QString &directory)
{
    const QStringList filters = ConvertFilter(filter);
    QFileDialog dialog(owner(), QString(), directory);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    QString suffix = defaultExt;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool WidgetPlatform::browseForDirectory(const QString &title, QString &path,
                                        const QString &directory)
{
    // The chooser starts at the folder given, else at the desktop folder, or
    // at the home folder where the user has none; nothing is preselected.
    QString start = directory;
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString chosen =
        QFileDialog::getExistingDirectory(owner(), title, start, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return false;
    path = chosen;
    return true;
}

void WidgetPlatform::shellOpen(const QString &target)
{
    // As on the platform this program came from, the result is not examined.
    QDesktopServices::openUrl(TargetUrl(target));
}

void WidgetPlatform::powerOffNotice(int seconds, std::function<void(bool turnOff)> answered)
{
    // Over the main window, which stays usable; it goes with the window.
    auto *notice = new TPowerOffNotice(seconds, m_owner);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(notice, &TPowerOffNotice::answered, notice, std::move(answered));
    notice->show();
    notice->raise();
}

void WidgetPlatform::powerOff(std::function<void(const QString &refusal)> done)
{
    PowerOffComputer(std::move(done));
}

void WidgetPlatform::notify(const QString &summary, const QString &body)
{
    if (!m_notifier)
        m_notifier = std::make_unique<DesktopNotifier>(Branding::ProductName, Branding::IconName,
                                                       Branding::DesktopEntry);
    m_notifier->notify(summary, body);
}

void WidgetPlatform::setTaskbarProgress(int percent, bool visible)
{
    if (!m_launcherEntry)
        m_launcherEntry =
            std::make_unique<LauncherEntry>(Branding::DesktopEntry + QStringLiteral(".desktop"));
    m_launcherEntry->setProgress(percent, visible);
}
