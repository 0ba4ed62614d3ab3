#include "sourceformats.h"

#include "platform/pathtext.h"

#include <QCoreApplication>

QStringList SupportedExtensions()
{
    static const QStringList extensions{
        QStringLiteral(".avi"),  QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
        QStringLiteral(".mp4"),  QStringLiteral(".wmv"), QStringLiteral(".mov"),
        QStringLiteral(".vob"),  QStringLiteral(".asf"), QStringLiteral(".mkv"),
        QStringLiteral(".webm"), QStringLiteral(".m4v"), QStringLiteral(".ts"),
        QStringLiteral(".m2ts"), QStringLiteral(".mts"), QStringLiteral(".flv"),
        QStringLiteral(".3gp"),  QStringLiteral(".ogv"), QStringLiteral(".mxf"),
        QStringLiteral(".dv")};
    return extensions;
}

QString DirectoryMask()
{
    QString mask;
    for (const QString &ext : SupportedExtensions())
        mask += u'*' + ext + u';';
    return mask;
}

QString FileDialogFilter()
{
    const QString mask = DirectoryMask();
    QString filter = QCoreApplication::translate("SourceFormats", "All Support Files") + u'(' +
                     mask + QStringLiteral(")|") + mask;
    for (const QString &ext : SupportedExtensions())
        filter +=
            u'|' +
            QCoreApplication::translate("SourceFormats", "%1 Files").arg(ext.mid(1).toUpper()) +
            QStringLiteral(" (*") + ext + QStringLiteral(")|*") + ext;
    filter += u'|' + QCoreApplication::translate("SourceFormats", "All Files") +
              QStringLiteral(" (*.*)|*.*");
    return filter;
}

QString LowerExtension(const QString &path)
{
    const QString name = FileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

bool HasSupportedExt(const QString &path, const QStringList &extensions)
{
    return extensions.contains(LowerExtension(path));
}
