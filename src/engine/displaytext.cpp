#include "displaytext.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The statuses of itemdata.h.
[[maybe_unused]] const char *const Statuses[] = {
    QT_TRANSLATE_NOOP("TaskStatus", "Probing"),    QT_TRANSLATE_NOOP("TaskStatus", "OK"),
    QT_TRANSLATE_NOOP("TaskStatus", "Converting"), QT_TRANSLATE_NOOP("TaskStatus", "Complete"),
    QT_TRANSLATE_NOOP("TaskStatus", "Stop"),       QT_TRANSLATE_NOOP("TaskStatus", "Failed"),
    QT_TRANSLATE_NOOP("TaskStatus", "Skipped"),
};

// Every reason the run records, "%1" and "%2" standing for the parts it
// fills in.
const char *const Reasons[] = {
    QT_TRANSLATE_NOOP("Reason", "The conversion was stopped."),
    QT_TRANSLATE_NOOP("Reason", "The encoder could not be started: %1"),
    QT_TRANSLATE_NOOP("Reason", "The encoder crashed."),
    QT_TRANSLATE_NOOP("Reason", "The encoder ended with exit status %1."),
    QT_TRANSLATE_NOOP("Reason", "The encoder could not finish writing the output file."),
    QT_TRANSLATE_NOOP("Reason", "The output folder \"%1\" cannot be created."),
    QT_TRANSLATE_NOOP("Reason", "\"%1\" cannot be replaced: %2."),
    QT_TRANSLATE_NOOP("Reason", "The conversion was not started, as its output could not be "
                                "recorded as unfinished: %1"),
    QT_TRANSLATE_NOOP("Reason", "The output file was not written."),
    QT_TRANSLATE_NOOP("Reason", "The output file is empty."),
    QT_TRANSLATE_NOOP("Reason", "The output cannot be opened."),
    QT_TRANSLATE_NOOP("Reason", "The output cannot be opened: %1."),
    QT_TRANSLATE_NOOP("Reason", "The output has no video stream."),
    QT_TRANSLATE_NOOP("Reason", "The output has no audio stream."),
    QT_TRANSLATE_NOOP("Reason", "The output does not tell its length; %1 s were expected."),
    QT_TRANSLATE_NOOP("Reason", "The output is %1 s long; %2 s were expected."),
};

// The pattern of a reason: its fixed parts literally, each "%n" a capture.
QRegularExpression ReasonPattern(const QString &reason)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString pattern;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(reason); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += QRegularExpression::escape(reason.mid(from, m.capturedStart() - from)) +
                   QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(reason.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

QString DisplayStatus(const QString &status)
{
    return QCoreApplication::translate("TaskStatus", status.toUtf8().constData());
}

QString DisplayReason(const QString &reason)
{
    for (const char *known : Reasons) {
        const QRegularExpressionMatch m = ReasonPattern(QString::fromUtf8(known)).match(reason);
        if (!m.hasMatch())
            continue;
        const QString shown = QCoreApplication::translate("Reason", known);
        // The parts are filled in at once, so that a "%" in a file name
        // stays as it is.
        switch (m.lastCapturedIndex()) {
        case 0:
            return shown;
        case 1:
            return shown.arg(m.captured(1));
        default:
            return shown.arg(m.captured(1), m.captured(2));
        }
    }
    return reason;
}
