#include "consoleplatform.h"

#include <QRegularExpression>

ConsolePlatform::ConsolePlatform(LineSink sink) : m_sink(std::move(sink)) {}

Platform::Answer ConsolePlatform::messageBox(const QString &text, const QString &caption, Icon icon,
                                             Buttons buttons)
{
    Q_UNUSED(icon);
    if (!m_quietCaptions.contains(caption) && !m_quietTexts.contains(text)) {
        // One line, whatever the text holds.
        static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
        QString line = QString(text).replace(breaks, QStringLiteral(" ")).trimmed();
        if (!caption.isEmpty())
            line = caption + QStringLiteral(": ") + line;
        m_sink(line);
    }
    // Nobody is there to say yes.
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

QStringList ConsolePlatform::openFileNames(const QString &, const QString &)
{
    return {};
}

QString ConsolePlatform::saveFileName(const QString &, const QString &, const QString &)
{
    return {};
}

bool ConsolePlatform::browseForDirectory(const QString &, QString &, const QString &)
{
    return false;
}

void ConsolePlatform::shellOpen(const QString &) {}

void ConsolePlatform::powerOffNotice(int, std::function<void(bool)> answered)
{
    answered(false);
}

void ConsolePlatform::powerOff(std::function<void(const QString &)> done)
{
    done(QStringLiteral("The command-line program does not turn the computer off."));
}

void ConsolePlatform::notify(const QString &, const QString &) {}

void ConsolePlatform::setTaskbarProgress(int, bool) {}
