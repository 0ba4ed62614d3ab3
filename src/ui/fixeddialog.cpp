#include "fixeddialog.h"

#include <QWidget>

void CentreOnWindow(QWidget *dialog, const QWidget *window)
{
    QRect area = dialog->geometry();
    area.moveCenter(window->geometry().center());
    dialog->setGeometry(area);
}
