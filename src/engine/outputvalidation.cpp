#include "outputvalidation.h"

#include "sourceformats.h"
#include "tasktext.h"

#include <QDir>

bool IsAcceptableOutputName(const QString &name, const QString &ext)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QString &part : {name, ext})
        if (part.contains(u'/') || part.contains(QDir::separator()) || part.contains(QChar(0)))
            return false;
    return true;
}

ltvItemData ValidateOutputEdit(const ltvItemData &record, const QString &newFilenameText,
                               const QString &startText, const QString &endText,
                               const QStringList &outputExtensions)
{
    ltvItemData result = record;

    const QString ext = LowerExtension(newFilenameText);
    const bool known = !ext.isEmpty() && (SupportedExtensions().contains(ext) ||
                                          outputExtensions.contains(ext, Qt::CaseInsensitive));
    const QString name = known ? newFilenameText.chopped(ext.size()) : newFilenameText;
    const QString typedExt = known ? newFilenameText.right(ext.size()) : QString();
    if (IsAcceptableOutputName(name, typedExt)) {
        result.NewFilename = name;
        result.NewFileExt = typedExt;
    }

    double start = StrToSeconds(startText);
    double end = StrToSeconds(endText);
    if (start == -1.0)
        start = record.StartSecs;
    if (end == -1.0)
        end = record.EndSecs;
    // The start is checked against the end as typed (or kept), the end
    // against the start as it stands after its own check.
    if (!(start >= 0) || start >= end || start >= record.OrigEndSecs)
        start = record.StartSecs;
    if (!(end > 0) || end <= start || end <= record.OrigStartSecs)
        end = record.EndSecs;

    result.StartTime = SecondsToStr(start);
    result.EndTime = SecondsToStr(end);
    result.ClipLength = SecondsToStr(end - start);
    result.StartSecs = start;
    result.EndSecs = end;
    result.ClipLengthSecs = end - start;
    return result;
}
