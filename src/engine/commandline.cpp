#include "commandline.h"

#include "settings/newinifiles.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "tasktext.h"

#include <QFileInfo>
#include <cmath>

namespace {

// The command value of one parameter, or an empty text when it contributes
// nothing. typed tells whether the value is the user's (a free value from
// the row, or a shown value that is none of the pick list's items) rather
// than one of the profile file's own command values.
QString parameterValue(const ProfileParameter &p, const QString &shown, bool &typed)
{
    typed = false;
    if (p.list) {
        for (int j = 0; j < p.displayItems.size(); ++j) {
            if (p.displayItems[j].compare(shown, Qt::CaseInsensitive) == 0) {
                // A display item without a command value is a fault of the
                // profile file: the parameter is left out rather than passing
                // a display text to the encoder.
                return j < p.commandValues.size() ? p.commandValues[j] : QString();
            }
        }
        // Not one of the items (a custom size typed by the user, say): the
        // text goes to the encoder as it is.
        typed = true;
        return shown;
    }
    if (p.readOnly)
        return p.value;
    typed = true;
    return shown;
}

} // namespace

EncoderOptions::EncoderOptions(const QString &fragments)
{
    appendFragments(fragments);
}

void EncoderOptions::appendFragments(const QString &text)
{
    if (!text.isEmpty())
        m_pieces.append({text, false});
}

void EncoderOptions::appendValue(const QString &value)
{
    m_pieces.append({value, true});
}

QString EncoderOptions::text() const
{
    QString result;
    for (const Piece &piece : m_pieces)
        result += piece.text;
    return result;
}

QStringList EncoderOptions::arguments() const
{
    QStringList args;
    for (const Piece &piece : m_pieces) {
        if (piece.whole)
            args.append(piece.text);
        else
            args += piece.text.split(u' ', Qt::SkipEmptyParts);
    }
    return args;
}

EncoderOptions BuildProfileOptions(const QString &profilePath, const ProfileGrids &grids,
                                   QString *rewriteError, bool rewrite)
{
    EncoderOptions result;
    if (rewriteError)
        rewriteError->clear();
    if (!QFileInfo(profilePath).isFile())
        return result;
    TNewInifile ini(profilePath);
    ValueListModel *grid = nullptr;
    for (const ProfileParameter &p : ReadProfileParameters(ini)) {
        grid = ChooseProfileGrid(grids, p.sort, grid);
        // Before any parameter has named a grid, a parameter is shown
        // nowhere; what the user cannot see does not reach the encoder.
        if (!grid)
            continue;
        bool typed = false;
        const QString v = parameterValue(p, grid->valueOf(p.name), typed);
        if (p.cmd.isEmpty() || v.isEmpty())
            continue;
        result.appendFragments(u' ' + p.cmd + u' ');
        if (v == QStringLiteral("\\"))
            continue; // an option without an argument
        if (typed)
            result.appendValue(v);
        else
            result.appendFragments(v);
    }
    // The options stand as the user sees them whether or not the file can be
    // written back (a read-only profile, say).
    if (!rewrite)
        return result;
    try {
        ini.Release();
    } catch (const TIniFileError &e) {
        if (rewriteError)
            *rewriteError = e.text();
    }
    return result;
}

EncoderOptions TaskOptions(const EncoderOptions &options, const ltvItemData &task)
{
    EncoderOptions result = options;
    if (task.StartSecs != task.OrigStartSecs && task.StartSecs >= 0) {
        // The start as the user typed it (a time text, so one argument).
        result.appendFragments(QStringLiteral(" -ss "));
        result.appendValue(task.StartTime);
    }
    if (task.ClipLengthSecs != task.LengthSecs && task.ClipLengthSecs >= 0)
        // Written from the rounded double: a length typed with a huge hour
        // does not fit a 64-bit integer.
        result.appendFragments(QStringLiteral(" -t ") +
                               QString::number(std::nearbyint(task.ClipLengthSecs), 'f', 0));
    return result;
}

QString CommandLineText(const ltvItemData &task, const EncoderOptions &taskOptions,
                        const QString &outputPath)
{
    return QStringLiteral(" -y -i \"") + task.InputFile + u'"' + taskOptions.text() +
           QStringLiteral(" \"") + outputPath + u'"';
}

QStringList EncoderArguments(const ltvItemData &task, const EncoderOptions &options,
                             const QString &outputPath)
{
    QStringList args{QStringLiteral("-y"), QStringLiteral("-i"), task.InputFile};
    args += TaskOptions(options, task).arguments();
    args.append(outputPath);
    return args;
}
