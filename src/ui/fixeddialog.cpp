#include "fixeddialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QTabWidget>
#include <QWidget>

namespace {

QRect Scaled(const QRect &r, double scale)
{
    return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
                 qRound(r.height() * scale));
}

// The controls of a container placed by hand, and those of the containers
// among them; controls that place their own parts (spin boxes, scrolling
// areas, ...) do so again when they are resized.
void ScaleChildren(QWidget *container, double scale)
{
    for (QWidget *w : container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        if (!container->layout())
            w->setGeometry(Scaled(w->geometry(), scale));
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                ScaleChildren(tabs->widget(i), scale);
        } else if (qobject_cast<QGroupBox *>(w) || w->metaObject() == &QWidget::staticMetaObject ||
                   w->metaObject() == &QFrame::staticMetaObject) {
            ScaleChildren(w, scale);
        }
    }
}

} // namespace

void CentreOnWindow(QWidget *dialog, const QWidget *window)
{
    QRect area = dialog->geometry();
    area.moveCenter(window->geometry().center());
    dialog->setGeometry(area);
}

double FontScale(const QFont &font)
{
    return std::max(1.0, QFontMetrics(font).averageCharWidth() / 6.0);
}

void ScaleToFont(QWidget *dialog)
{
    const double scale = FontScale(dialog->font());
    if (scale <= 1.0)
        return;
    ScaleChildren(dialog, scale);
    dialog->setFixedSize(Scaled(dialog->rect(), scale).size());
}
