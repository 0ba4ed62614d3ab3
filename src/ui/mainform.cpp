#include "mainform.h"

#include "platform/platform.h"

TMainForm::TMainForm(const QString &appDir, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_appDir(appDir), m_platform(platform)
{
    setWindowTitle(QStringLiteral("Quivercast"));
    resize(798, 539);
}
