#include "runmessages.h"

#include "platform/platform.h"
#include "runhost.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

void RunMessages::outputPathMissing()
{
    m_platform.messageBox(
        QCoreApplication::translate("RunMessages",
                                    "The output path does not exist. Please specify another one."),
        QCoreApplication::translate("RunMessages", "Output path does not exist"),
        Platform::Icon::Information);
}

void RunMessages::profileUnreadable(const QString &error)
{
    m_platform.messageBox(error, QCoreApplication::translate("RunMessages", "Error"),
                          Platform::Icon::Error);
}

void RunMessages::cancelled()
{
    m_platform.messageBox(QCoreApplication::translate("RunMessages", "The Coversion is canceled."),
                          QCoreApplication::translate("RunMessages", "Cancel"),
                          Platform::Icon::Information);
}

void RunMessages::startFailed(const QString &message)
{
    m_platform.messageBox(message, QCoreApplication::translate("RunMessages", "Error"),
                          Platform::Icon::None);
}

RunMessages::Completion RunMessages::completed(const Tally &tally, int taskCount)
{
    if (m_host.autoTurnOff())
        return Completion::TurnOff;
    if (m_host.autoExit())
        return Completion::Close;
    // A run in which tasks failed does not close under "Complete".
    if (tally.failed > 0)
        m_platform.messageBox(completionText(tally, taskCount),
                              QCoreApplication::translate(
                                  "RunMessages", FinishedWithErrorsCaption.toUtf8().constData()),
                              Platform::Icon::Warning);
    else
        m_platform.messageBox(completionText(tally, taskCount),
                              QCoreApplication::translate("RunMessages", "Complete"),
                              Platform::Icon::Information);
    if (m_host.autoOpenDir()) {
        const QString dir = m_host.outputDirectory();
        if (!dir.isEmpty() && QFileInfo(dir).isDir())
            m_platform.shellOpen(dir);
    }
    return Completion::Stay;
}

void RunMessages::turnOffAfterNotice(QObject *guard, std::function<bool()> idle)
{
    const QPointer<QObject> alive(guard);
    m_platform.powerOffNotice(PowerOffNoticeSecs, [this, alive, idle](bool turnOff) {
        if (!alive || !turnOff || !idle())
            return;
        m_platform.powerOff([this, alive](const QString &refusal) {
            if (!alive)
                return;
            if (refusal.isEmpty())
                m_host.closeMainWindow();
            else
                m_platform.messageBox(QCoreApplication::translate(
                                          "RunMessages", "The computer was not turned off: %1")
                                          .arg(refusal),
                                      QCoreApplication::translate("RunMessages", "Not Turned Off"),
                                      Platform::Icon::Warning);
        });
    });
}

QString RunMessages::completionText(const Tally &tally, int taskCount)
{
    QString text =
        tally.failed == 0
            ? QCoreApplication::translate("RunMessages", "The coversion is completed successfully.")
            : QCoreApplication::translate(
                  "RunMessages", "The conversion is completed, but %1 of %2 files could not be "
                                 "converted.")
                  .arg(tally.failed)
                  .arg(taskCount);
    if (tally.skipped == 1)
        text += QCoreApplication::translate(
                    "RunMessages", " 1 of %1 files was skipped because its output file already "
                                   "exists.")
                    .arg(taskCount);
    else if (tally.skipped > 1)
        text +=
            QCoreApplication::translate(
                "RunMessages", " %1 of %2 files were skipped because their output files already "
                               "exist.")
                .arg(tally.skipped)
                .arg(taskCount);
    if (tally.trashed == 1)
        text +=
            QCoreApplication::translate("RunMessages", " 1 source file was moved to the Trash.");
    else if (tally.trashed > 1)
        text +=
            QCoreApplication::translate("RunMessages", " %1 source files were moved to the Trash.")
                .arg(tally.trashed);
    if (tally.failed > 0)
        text += QCoreApplication::translate(
            "RunMessages", " Point at a \"Failed\" task to see why, or choose \"Show "
                           "Log...\" in its pop-up menu.");
    return text;
}
