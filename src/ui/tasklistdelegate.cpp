#include "tasklistdelegate.h"

#include "engine/itemdata.h"
#include "skin.h"

#include <QStringList>

namespace {

struct StatusLook
{
    const QString &status;
    QStringList themeNames; // the first the theme has is taken
    const char *fallback;   // ours
};

} // namespace

TTaskListDelegate::TTaskListDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QIcon TTaskListDelegate::statusIcon(const QString &status) const
{
    const auto cached = m_icons.constFind(status);
    if (cached != m_icons.cend())
        return *cached;
    const StatusLook looks[] = {
        {TaskStatus::Complete,
         {"emblem-ok-symbolic", "emblem-success", "object-select"},
         ":/icons/status-complete.svg"},
        {TaskStatus::Failed, {"dialog-error"}, ":/icons/status-failed.svg"},
        {TaskStatus::Skipped, {"media-skip-forward"}, ":/icons/status-skipped.svg"},
        {TaskStatus::Stop, {"process-stop"}, ":/icons/status-stop.svg"},
        {TaskStatus::Probing, {"emblem-synchronizing", "view-refresh"}, ":/icons/status-busy.svg"},
        {TaskStatus::Converting,
         {"emblem-synchronizing", "view-refresh"},
         ":/icons/status-busy.svg"}};
    QIcon icon;
    for (const StatusLook &look : looks) {
        if (look.status != status)
            continue;
        icon = QIcon(QString::fromLatin1(look.fallback));
        for (const QString &name : look.themeNames) {
            if (QIcon::hasThemeIcon(name)) {
                icon = QIcon::fromTheme(name);
                break;
            }
        }
    }
    m_icons.insert(status, icon);
    return icon;
}

void TTaskListDelegate::initStyleOption(QStyleOptionViewItem *option,
                                        const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    QString status = index.siblingAtColumn(StatusColumn).data().toString();
    // A converting task's status carries its percentage.
    if (status.startsWith(TaskStatus::Converting + u' '))
        status = TaskStatus::Converting;
    if (status == TaskStatus::Failed)
        option->palette.setColor(QPalette::Text, ErrorColour(option->palette));
    if (index.column() != StatusColumn)
        return;
    const QIcon icon = statusIcon(status);
    if (icon.isNull())
        return;
    option->icon = icon;
    option->features |= QStyleOptionViewItem::HasDecoration;
    const int side = option->fontMetrics.height();
    option->decorationSize = QSize(side, side);
}
