#include "fixeddialog.h"

#include <QAbstractButton>
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

void FitButtonRow(const QList<QAbstractButton *> &row, bool keepRight)
{
    if (row.isEmpty())
        return;
    QList<int> gaps;
    for (qsizetype i = 1; i < row.size(); ++i)
        gaps << row[i]->geometry().left() - row[i - 1]->geometry().right() - 1;
    auto widthOf = [](QAbstractButton *b) { return std::max(b->width(), b->sizeHint().width()); };
    if (keepRight) {
        int right = row.last()->geometry().right() + 1;
        for (qsizetype i = row.size() - 1; i >= 0; --i) {
            const int width = widthOf(row[i]);
            row[i]->setGeometry(right - width, row[i]->y(), width, row[i]->height());
            if (i > 0)
                right -= width + gaps[i - 1];
        }
        return;
    }
    int left = row.first()->x();
    for (qsizetype i = 0; i < row.size(); ++i) {
        const int width = widthOf(row[i]);
        row[i]->setGeometry(left, row[i]->y(), width, row[i]->height());
        if (i + 1 < row.size())
            left += width + gaps[i];
    }
}
