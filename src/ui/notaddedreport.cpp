#include "notaddedreport.h"

#include <QStyle>

TNotAddedReport::TNotAddedReport(QWidget *parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("btnNotAdded"));
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    setFocusPolicy(Qt::TabFocus);
    hide();
    connect(this, &QToolButton::clicked, this, [this] { showItems({}); });
}

void TNotAddedReport::showItems(const QStringList &lines)
{
    m_items = lines;
    const bool shown = !lines.isEmpty();
    if (shown) {
        setText(lines.size() == 1 ? tr("1 item was not added")
                                  : tr("%1 items were not added").arg(lines.size()));
        QStringList listed = lines.mid(0, MaxListed);
        if (lines.size() > MaxListed)
            listed << tr("... and %1 more.").arg(lines.size() - MaxListed);
        setToolTip(listed.join(u'\n'));
        // A screen reader reads the list too.
        setAccessibleName(text());
        setAccessibleDescription(toolTip());
    }
    if (shown != isVisibleTo(parentWidget())) {
        setVisible(shown);
        emit visibilityChanged();
    }
}
