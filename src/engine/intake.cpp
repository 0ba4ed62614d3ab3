#include "intake.h"

#include "itemdata.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "prober.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace {

// The lower-cased extension of the path's file name, dot included; empty
// when the name has no ".".
QString lowerExt(const QString &path)
{
    const QString name = FileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// Paths from the command line or a list file are made absolute against the
// current directory: a task always holds the full path of its source.
QString fullPath(const QString &path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QFileInfo(path).absoluteFilePath();
}

// How many files a path that is not valid UTF-8 would have added: itself
// when it is a file with an accepted extension, the accepted files in it
// when it is a directory, none when it names nothing.
int undecodableFiles(const QString &path)
{
    const QStringList extensions = SupportedExtensions();
    switch (KindOfFile(path)) {
    case FileKind::File:
        return HasSupportedExt(path, extensions) ? 1 : 0;
    case FileKind::Directory: {
        int count = 0;
        for (const QString &name : FileNamesIn(path, false))
            if (HasSupportedExt(name, extensions))
                ++count;
        return count;
    }
    case FileKind::None:
        break;
    }
    return 0;
}

} // namespace

QStringList SupportedExtensions()
{
    return {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
            QStringLiteral(".mp4"), QStringLiteral(".wmv"), QStringLiteral(".mov"),
            QStringLiteral(".vob"), QStringLiteral(".asf")};
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
    QString filter = QStringLiteral("All Support Files(") + mask + QStringLiteral(")|") + mask;
    for (const QString &ext : SupportedExtensions())
        filter += u'|' + ext.mid(1).toUpper() + QStringLiteral(" Files (*") + ext +
                  QStringLiteral(")|*") + ext;
    filter += QStringLiteral("|All Files (*.*)|*.*");
    return filter;
}

bool HasSupportedExt(const QString &path, const QStringList &extensions)
{
    return extensions.contains(lowerExt(path));
}

QStringList ListDirectory(const QString &dir, int *undecodable)
{
    if (undecodable)
        *undecodable = 0;
    if (dir.isEmpty())
        return {};
    QStringList names;
    const QStringList extensions = SupportedExtensions();
    // QDir::Files without QDir::System leaves out FIFOs, sockets, devices and
    // broken links, but not links to FIFOs or devices, which isFile() tells;
    // without QDir::Hidden it leaves out names beginning with ".".
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo &fi : entries) {
        const QString name = fi.fileName();
        if (!fi.isFile() || name.startsWith(u'.') || !HasSupportedExt(name, extensions))
            continue;
        names.append(name);
    }
    // Names that are not valid UTF-8 are not in Qt's listing at all.
    if (undecodable) {
        for (const QString &name : FileNamesIn(dir, true))
            if (HasSupportedExt(name, extensions))
                ++*undecodable;
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

TaskIntake::TaskIntake(TaskStore &store, Prober &prober, Platform &platform, QObject *parent)
    : QObject(parent), m_store(store), m_prober(prober), m_platform(platform)
{}

bool TaskIntake::AddFile(const QString &path)
{
    emit welcomeHidden();
    if (m_store.findCaption(path) >= 0)
        return false;

    m_store.appendRow(path);
    const int row = m_store.count() - 1;
    m_prober.ProbeFile(path);

    ltvItemData d;
    d.InputFile = path;
    d.Length = m_prober.duration();
    d.Size = m_prober.frameSize();
    d.Status = TaskStatus::OK;
    d.NewFilename = StripFileExt(FileNamePart(path));
    d.NewFileExt = m_outputExt;
    d.OrigStartTime = m_prober.rangeStart();
    d.OrigEndTime = m_prober.rangeEnd();
    d.ClipLength = m_prober.duration();
    d.StartTime = m_prober.rangeStart();
    d.EndTime = m_prober.rangeEnd();
    m_store.SetItemData(row, ItemField::All, d);
    emit taskAdded(row);
    return true;
}

TaskIntake::Round::Round(TaskIntake &intake) : m_intake(intake)
{
    ++m_intake.m_rounds;
}

TaskIntake::Round::~Round()
{
    if (--m_intake.m_rounds > 0)
        return;
    const int count = std::exchange(m_intake.m_undecodable, 0);
    if (count == 0)
        return;
    const QString text =
        count == 1 ? QStringLiteral("1 file could not be added because its name is not valid "
                                    "UTF-8. Rename it to add it.")
                   : QStringLiteral("%1 files could not be added because their names are not "
                                    "valid UTF-8. Rename them to add them.")
                         .arg(count);
    try {
        m_intake.m_platform.messageBox(text, NotAddedCaption, Platform::Icon::Information);
    } catch (...) {
        // Nothing may leave a destructor; only this message is lost.
    }
}

void TaskIntake::AddDirectory(const QString &dir)
{
    const Round round(*this);
    int undecodable = 0;
    const QStringList names = ListDirectory(dir, &undecodable);
    m_undecodable += undecodable;
    const QString base = AddBackslash(dir);
    for (const QString &name : names) {
        // The list grows visibly while a directory is added.
        QCoreApplication::processEvents();
        AddFile(base + name);
    }
}

void TaskIntake::AddFromDialog(const QStringList &files)
{
    // The Platform hands the files over in the order the user chose them.
    for (const QString &file : files)
        AddFile(file);
}

bool TaskIntake::AddFilesByDialog()
{
    const QStringList files = m_platform.openFileNames(FileDialogFilter());
    if (files.isEmpty())
        return false;
    AddFromDialog(files);
    return true;
}

bool TaskIntake::AddDirectoryByBrowser()
{
    QString dir;
    if (!m_platform.browseForDirectory(AddDirectoryTitle, dir) || dir.isEmpty())
        return false;
    AddDirectory(dir);
    return true;
}

void TaskIntake::AddDropped(const QStringList &paths)
{
    const Round round(*this);
    const QStringList extensions = SupportedExtensions();
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        if (IsUndecodableName(path))
            m_undecodable += undecodableFiles(path);
        else if (QFileInfo(path).isDir())
            AddDirectory(path);
        else if (HasSupportedExt(path, extensions))
            AddFile(path);
    }
}

bool ReadPathList(const QString &listFile, QStringList &paths, QString &error)
{
    paths.clear();
    QFile list(listFile);
    QByteArray bytes;
    if (list.open(QIODevice::ReadOnly))
        bytes = list.readAll();
    if (list.error() != QFileDevice::NoError) {
        error = list.errorString();
        return false;
    }
    // Decoded line by line, so that a name that is not UTF-8 is told apart
    // from one that is.
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            paths.append(DecodeFileName(line));
    }
    return true;
}

void TaskIntake::CommandLineIntake(const QStringList &args)
{
    if (args.isEmpty())
        return;
    QStringList paths = args;
    const QString first = args.first();
    if (lowerExt(first) == QLatin1String(".tmp")) {
        // A list file: one path a line; further arguments are ignored.
        QString error;
        if (!ReadPathList(first, paths, error)) {
            m_platform.messageBox(QStringLiteral("The list file \"%1\" cannot be read: %2.")
                                      .arg(QDir::toNativeSeparators(first), error),
                                  QStringLiteral("List File Unreadable"),
                                  Platform::Icon::Information);
            return;
        }
    }
    AddPaths(paths);
}

void TaskIntake::AddPaths(const QStringList &paths)
{
    const Round round(*this);
    for (const QString &path : paths) {
        QCoreApplication::processEvents();
        addCommandLinePath(IsUndecodableName(path) ? path : fullPath(path));
    }
}

void TaskIntake::addCommandLinePath(const QString &path)
{
    if (IsUndecodableName(path)) {
        m_undecodable += undecodableFiles(path);
        return;
    }
    const QFileInfo fi(path);
    if (fi.isFile()) {
        if (HasSupportedExt(path, SupportedExtensions()))
            AddFile(path);
    } else if (fi.isDir()) {
        AddDirectory(path);
    }
}
