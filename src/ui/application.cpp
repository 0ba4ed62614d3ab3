#include "application.h"

#include "platform/platform.h"

#include <exception>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(tr("Unknown error."));
    }
    return false;
}

void TApplication::ShowException(const QString &text)
{
    // Every error also goes to the standard error output, which the desktop
    // session keeps in its log.
    qWarning("%s", qUtf8Printable(text));
    // An error raised while the box for an earlier one is open is only
    // logged; a chain of boxes would never end.
    if (!m_platform || m_showing)
        return;
    m_showing = true;
    try {
        m_platform->messageBox(text, applicationDisplayName(), Platform::Icon::Error);
    } catch (...) {
    }
    m_showing = false;
}
