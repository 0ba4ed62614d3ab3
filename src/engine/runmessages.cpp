#include "runmessages.h"

#include "platform/platform.h"
#include "runhost.h"

#include <QFileInfo>

void RunMessages::outputPathMissing()
{
    m_platform.messageBox(
        QStringLiteral("The output path does not exist. Please specify another one."),
        QStringLiteral("Output path does not exist"), Platform::Icon::Information);
}

void RunMessages::profileUnreadable(const QString &error)
{
    m_platform.messageBox(error, QStringLiteral("Error"), Platform::Icon::Error);
}

void RunMessages::cancelled()
{
    m_platform.messageBox(QStringLiteral("The Coversion is canceled."), QStringLiteral("Cancel"),
                          Platform::Icon::Information);
}

void RunMessages::startFailed(const QString &message)
{
    m_platform.messageBox(message, QStringLiteral("Error"), Platform::Icon::None);
}

bool RunMessages::completed(const Tally &tally, int taskCount)
{
    if (m_host.autoTurnOff() || m_host.autoExit()) {
        if (m_host.autoTurnOff())
            m_platform.powerOff();
        return true;
    }
    m_platform.messageBox(completionText(tally, taskCount), QStringLiteral("Complete"),
                          Platform::Icon::Information);
    if (m_host.autoOpenDir()) {
        const QString dir = m_host.outputDirectory();
        if (!dir.isEmpty() && QFileInfo(dir).isDir())
            m_platform.shellOpen(dir);
    }
    return false;
}

QString RunMessages::completionText(const Tally &tally, int taskCount)
{
    QString text =
        tally.failed == 0
            ? QStringLiteral("The coversion is completed successfully.")
            : QStringLiteral("The conversion is completed, but %1 of %2 files could not be "
                             "converted.")
                  .arg(tally.failed)
                  .arg(taskCount);
    if (tally.skipped == 1)
        text += QStringLiteral(" 1 of %1 files was skipped because its output file already "
                               "exists.")
                    .arg(taskCount);
    else if (tally.skipped > 1)
        text += QStringLiteral(" %1 of %2 files were skipped because their output files already "
                               "exist.")
                    .arg(tally.skipped)
                    .arg(taskCount);
    if (tally.failed > 0)
        text += QStringLiteral(" Point at a \"Failed\" task to see why, or choose \"Show "
                               "Log...\" in its pop-up menu.");
    return text;
}
