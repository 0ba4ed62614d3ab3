#include "processform.h"

#include "fixeddialog.h"

#include <QCloseEvent>
#include <QPushButton>

TProcessForm::TProcessForm(QWidget *mainWindow, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), m_mainWindow(mainWindow)
{
    setWindowTitle(tr("Process"));
    setFixedSize(240, 80);
    btnStop = new QPushButton(tr("Stop"), this);
    btnStop->setGeometry(82, 28, 75, 25);
    ScaleToFont(this);
}

void TProcessForm::showEvent(QShowEvent *event)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    QDialog::showEvent(event);
}

void TProcessForm::closeEvent(QCloseEvent *event)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QDialog::closeEvent(event);
}

void TProcessForm::hideEvent(QHideEvent *event)
{
    // Hidden by any means (also QDialog::reject): the main window takes
    // input again.
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QDialog::hideEvent(event);
}
