#include "consolereporter.h"

#include "clioptions.h"
#include "engine/itemdata.h"
#include "engine/tasktext.h"
#include "platform/pathtext.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// Clears the terminal's line from the cursor on.
constexpr char ClearLine[] = "\r\x1b[2K";
constexpr char LineUp[] = "\x1b[A";

// A text for one line of output: control characters (a file name may hold a
// line break) are written as escapes (\n, \r, \t, \xHH), and so are the
// bytes of a file name that are not valid UTF-8 (see DecodeFileName).
QByteArray oneLine(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        const bool lone = c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
        if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (lone && u >= 0xdc80 && u <= 0xdcff)
            out += QStringLiteral("\\x%1").arg(u - 0xdc00, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out.toUtf8();
}

QJsonArray jsonList(const QStringList &texts)
{
    QJsonArray array;
    for (const QString &text : texts)
        array.append(text);
    return array;
}

} // namespace

ConsoleReporter::ConsoleReporter(Mode mode, bool quiet, FILE *out, FILE *err)
    : m_mode(mode), m_quiet(quiet), m_out(out), m_err(err)
{}

ConsoleReporter::~ConsoleReporter()
{
    clearProgress();
}

void ConsoleReporter::writeOut(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
}

void ConsoleReporter::writeErr(const QByteArray &line)
{
    std::fflush(m_out);
    std::fwrite(line.constData(), 1, size_t(line.size()), m_err);
    std::fputc('\n', m_err);
    std::fflush(m_err);
}

void ConsoleReporter::json(const QJsonObject &object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    const QString event = object.value("event").toString();
    const int task = object.value("task").toInt(-1);
    if (event == QLatin1String("added")) {
        writeOut(line);
        m_added.insert(task);
        for (const QByteArray &held : m_held.take(task))
            writeOut(held);
        return;
    }
    if (!m_quiet && task >= 0 && event != QLatin1String("command") && !m_added.contains(task)) {
        m_held[task].append(line);
        return;
    }
    writeOut(line);
}

void ConsoleReporter::taskAdded(int task, const ltvItemData &record)
{
    if (m_mode != Mode::Json || m_quiet)
        return;
    json({{"event", "added"},
          {"task", task},
          {"input", record.InputFile},
          // An unknown length (the probe found none) is null.
          {"duration", record.LengthSecs < 0 ? QJsonValue() : QJsonValue(record.Length)},
          {"seconds", record.LengthSecs < 0 ? QJsonValue() : QJsonValue(record.LengthSecs)},
          {"size", record.Size.trimmed()},
          {"status", record.Status}});
}

void ConsoleReporter::commandLine(int task, const QString &input, const QString &text,
                                  const QStringList &arguments)
{
    if (m_mode == Mode::Json) {
        json({{"event", "command"},
              {"task", task},
              {"input", input},
              {"output", arguments.isEmpty() ? QString() : arguments.last()},
              {"command_line", text},
              {"arguments", jsonList(arguments)}});
        return;
    }
    writeOut(oneLine(text));
}

void ConsoleReporter::taskStarted(int task, const QString &input, const QString &program,
                                  const QStringList &arguments)
{
    m_task = task;
    m_name = FileNamePart(input);
    m_started.insert(task, m_name);
    m_speed.clear();
    m_current = 0;
    m_taskClock.start();
    if (m_quiet)
        return;
    if (m_mode == Mode::Json)
        json({{"event", "started"},
              {"task", task},
              {"input", input},
              {"output", arguments.isEmpty() ? QString() : arguments.last()},
              {"program", program},
              {"arguments", jsonList(arguments)}});
    else
        drawProgress();
}

void ConsoleReporter::progress(int task, int currentPercent, int totalPercent)
{
    if (task >= 0 && task != m_task && m_started.contains(task)) {
        // Another of the tasks side by side.
        m_task = task;
        m_name = m_started.value(task);
        m_taskClock.start();
    }
    if (currentPercent == m_current && totalPercent == m_total)
        return;
    m_current = currentPercent;
    m_total = totalPercent;
    if (m_quiet || m_task < 0)
        return;
    if (m_mode == Mode::Json)
        json({{"event", "progress"},
              {"task", m_task},
              {"percent", currentPercent},
              {"total_percent", totalPercent},
              {"speed", m_speed}});
    else
        drawProgress();
}

void ConsoleReporter::speed(const QString &speed)
{
    m_speed = speed;
}

void ConsoleReporter::elapsed(const QString &text)
{
    m_elapsed = text;
    drawProgress();
}

void ConsoleReporter::remaining(const QString &text)
{
    m_remaining = text;
}

void ConsoleReporter::taskEnded(int task, const QString &input, const QString &output,
                                const QString &status, int exitCode, double seconds,
                                const QStringList &errorLines, const Check &check)
{
    ++m_ended;
    m_started.remove(task);
    if (task == m_task)
        m_task = -1;
    const bool failed = status == TaskStatus::Failed;
    if (m_quiet && !failed)
        return;
    if (m_mode == Mode::Json) {
        QJsonObject event{{"event", "ended"},
                          {"task", task},
                          {"input", input},
                          {"output", output},
                          {"status", status},
                          {"exit_code", exitCode},
                          {"seconds", std::round(seconds * 1000) / 1000}};
        if (failed)
            event.insert("error_lines", jsonList(errorLines));
        if (check.checked) {
            const auto secs = [](double s) {
                return s < 0 ? QJsonValue() : QJsonValue(std::round(s * 1000) / 1000);
            };
            event.insert("verified", check.verified);
            event.insert("output_seconds", secs(check.measured));
            event.insert("expected_seconds", secs(check.expected));
            event.insert("source_trashed", check.trashed);
        }
        json(event);
        return;
    }
    clearProgress();
    QString line = status + QStringLiteral("  ") + input;
    if (!output.isEmpty())
        line += QStringLiteral(" -> ") + output;
    line += QStringLiteral("  (%1 s").arg(seconds, 0, 'f', 1);
    if (failed)
        line += exitCode >= 0 ? QStringLiteral(", exit code %1").arg(exitCode)
                              : QStringLiteral(", the encoder did not end by itself");
    line += u')';
    if (failed) {
        writeErr(oneLine(line));
        for (const QString &error : errorLines)
            writeErr("    " + oneLine(error));
    } else {
        writeOut(oneLine(line));
    }
}

void ConsoleReporter::summary(const Summary &s)
{
    clearProgress();
    if (m_mode == Mode::Json) {
        // Whatever still waits for a probe that never ended.
        for (const QList<QByteArray> &lines : std::as_const(m_held))
            for (const QByteArray &held : lines)
                writeOut(held);
        m_held.clear();
        json({{"event", "summary"},
              {"tasks", s.tasks},
              {"complete", s.complete},
              {"failed", s.failed},
              {"skipped", s.skipped},
              {"stop", s.stopped},
              {"not_converted", s.notConverted},
              {"trashed", s.trashed},
              {"seconds", std::round(s.seconds * 1000) / 1000},
              {"interrupted", s.interrupted},
              {"exit_status", s.exitStatus}});
        return;
    }
    QString line = s.interrupted ? QStringLiteral("Interrupted. ") : QString();
    line += QStringLiteral("%1 %2: %3 Complete, %4 Failed, %5 Skipped, %6 Stop")
                .arg(s.tasks)
                .arg(s.tasks == 1 ? QStringLiteral("task") : QStringLiteral("tasks"))
                .arg(s.complete)
                .arg(s.failed)
                .arg(s.skipped)
                .arg(s.stopped);
    if (s.notConverted > 0)
        line += QStringLiteral(", %1 not converted").arg(s.notConverted);
    if (s.trashed > 0)
        line += QStringLiteral(", %1 %2 moved to the Trash")
                    .arg(s.trashed)
                    .arg(s.trashed == 1 ? QStringLiteral("source") : QStringLiteral("sources"));
    line += QStringLiteral(" in %1.").arg(SecondsToStr(std::round(s.seconds)));
    writeOut(line.toUtf8());
}

void ConsoleReporter::error(const QString &text)
{
    clearProgress();
    writeErr(oneLine(CliProgramName + QStringLiteral(": ") + text));
    drawProgress();
}

void ConsoleReporter::notice(const QString &text)
{
    if (!m_quiet)
        error(text);
}

void ConsoleReporter::drawProgress()
{
    if (m_mode != Mode::Terminal || m_quiet || m_task < 0)
        return;
    // The time left of the file, from its pace so far.
    QString left = QStringLiteral("--:--:--");
    if (m_current > 0) {
        const double secs = m_taskClock.elapsed() / 1000.0;
        left = SecondsToStr(std::round(secs * (100 - m_current) / m_current));
    }
    const QString file = QStringLiteral("%1  %2%  %3  %4 left")
                             .arg(m_name)
                             .arg(m_current, 3)
                             .arg(m_speed.isEmpty() ? QStringLiteral("-") : m_speed, left);
    const QString total =
        QStringLiteral("Total  %1 of %2 done  %3%  elapsed %4  left %5")
            .arg(m_ended)
            .arg(m_taskCount)
            .arg(m_total, 3)
            .arg(m_elapsed.isEmpty() ? QStringLiteral("00:00:00") : m_elapsed,
                 m_remaining.isEmpty() ? QStringLiteral("--:--:--") : m_remaining);
    QByteArray text;
    if (m_drawn)
        text += LineUp;
    text += ClearLine + oneLine(file) + '\n' + ClearLine + oneLine(total);
    std::fwrite(text.constData(), 1, size_t(text.size()), m_out);
    std::fflush(m_out);
    m_drawn = true;
}

void ConsoleReporter::clearProgress()
{
    if (!m_drawn)
        return;
    QByteArray text = ClearLine;
    text += LineUp;
    text += ClearLine;
    std::fwrite(text.constData(), 1, size_t(text.size()), m_out);
    std::fflush(m_out);
    m_drawn = false;
}

void ConsoleReporter::watchEvent(const QString &event, const QString &path)
{
    if (m_mode == Mode::Json) {
        if (!m_quiet)
            json({{"event", event}, {"path", path}});
        return;
    }
    const QString shown = QDir::toNativeSeparators(path);
    if (event == QLatin1String("watching"))
        notice(QStringLiteral("watching \"%1\".").arg(shown));
    else if (event == QLatin1String("unavailable"))
        notice(QStringLiteral("\"%1\": Folder not available.").arg(shown));
    else if (event == QLatin1String("available"))
        notice(QStringLiteral("\"%1\": the folder is back.").arg(shown));
}
