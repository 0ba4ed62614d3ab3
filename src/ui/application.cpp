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
        ShowException(QStringLiteral("Unknown error."));
    }
    return false;
}

void TApplication::ShowException(const QString &text)
{
    if (!m_platform) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    // An error raised while the box for an earlier one is open is only
    // logged; a chain of boxes would never end.
    if (m_showing) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    m_showing = true;
    try {
        m_platform->messageBox(text, applicationDisplayName(), Platform::Icon::Error);
    } catch (...) {
    }
    m_showing = false;
}
