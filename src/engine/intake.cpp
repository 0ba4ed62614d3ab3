#include "intake.h"

#include "directorywalk.h"
#include "itemdata.h"
#include "outputrecords.h"
#include "platform/filenames.h"
#include "platform/platform.h"
#include "probequeue.h"
#include "taskstore.h"
#include "tasktext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The longest stretch of intake work between two turns of the event loop.
constexpr int SliceMs = 10;

const QString UndecodableReason = QCoreApplication::translate(
    "TaskIntake", "its name is not valid UTF-8: rename it to take it in");

// Paths from the command line or a list file are made absolute against the
// current directory: a task always holds the full path of its source.
QString fullPath(const QString &path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QStringList ListDirectory(const QString &dir, int *undecodable)
{
    DirectoryWalk walk(dir, false);
    QStringList names;
    DirectoryWalk::Found found;
    while (walk.next(QDeadlineTimer(QDeadlineTimer::Forever), found))
        names.append(FileNamePart(found.path));
    if (undecodable)
        *undecodable = walk.undecodable();
    return names;
}

TaskIntake::TaskIntake(TaskStore &store, ProbeQueue &probes, Platform &platform, QObject *parent)
    : QObject(parent), m_store(store), m_probes(probes), m_platform(platform)
{
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &TaskIntake::runSteps);
    connect(&m_probes, &ProbeQueue::probed, this, &TaskIntake::landProbe);
    m_progressTimer.setSingleShot(true);
    m_progressTimer.setInterval(ProgressMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &TaskIntake::tellProgress);
    connect(&m_probes, &ProbeQueue::progressChanged, this, &TaskIntake::takeProgress);
    // A task that goes ends its probe; a cleared list ends all intake.
    connect(&m_store, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_probes.cancel(m_store.taskId(row));
                updateBusy();
            });
    connect(&m_store, &QAbstractItemModel::modelAboutToBeReset, this, &TaskIntake::cancel);
}

TaskIntake::~TaskIntake() = default;

void TaskIntake::setFolderOptionsSource(std::function<FolderOptions()> source)
{
    m_folderOptions = std::move(source);
}

bool TaskIntake::AddFile(const QString &path)
{
    const bool added = addTask(path, m_outputExt, QString());
    updateBusy();
    return added;
}

bool TaskIntake::addTask(const QString &path, const QString &ext, const QString &subfolder)
{
    emit welcomeHidden();
    if (m_store.hasCaption(path))
        return false;

    // The row shows at once; what the probe finds comes later (landProbe).
    const TaskId id = m_store.appendRow(path);
    const int row = m_store.count() - 1;
    ltvItemData d;
    d.InputFile = path;
    d.Status = TaskStatus::Probing;
    d.NewFilename = StripFileExt(FileNamePart(path));
    d.NewFileExt = ext;
    m_store.SetItemData(row, ItemField::All, d);
    m_store.setOutputSubfolder(row, subfolder);
    emit taskAdded(row);
    m_probes.enqueue(id, path);
    return true;
}

void TaskIntake::landProbe(TaskId id, const ProbeResults &results)
{
    const int row = m_store.rowOf(id);
    if (row >= 0) {
        ltvItemData d;
        d.Length = results.duration;
        d.Size = results.frameSize;
        d.Status = TaskStatus::OK;
        d.OrigStartTime = results.rangeStart;
        d.OrigEndTime = results.rangeEnd;
        d.ClipLength = results.duration;
        d.StartTime = results.rangeStart;
        d.EndTime = results.rangeEnd;
        // The name the task was given meanwhile stays, and so does the
        // status of a conversion that did not wait for its probe.
        for (int field :
             {ItemField::Length, ItemField::Size, ItemField::OrigStartTime, ItemField::OrigEndTime,
              ItemField::ClipLength, ItemField::StartTime, ItemField::EndTime})
            m_store.SetItemData(row, field, d);
        if (m_store.cell(row, ItemField::Status) == TaskStatus::Probing)
            m_store.SetItemData(row, ItemField::Status, d);
        emit taskProbed(row);
    }
    updateBusy();
}

void TaskIntake::takeProgress(int done, int total)
{
    // Thousands of files a second: the count is told as often as anyone
    // can read it.
    m_progress = {done, total};
    if (total == 0 || !m_progressTold) {
        m_progressTimer.stop();
        tellProgress();
    } else if (!m_progressTimer.isActive()) {
        m_progressTimer.start();
    }
}

void TaskIntake::tellProgress()
{
    m_progressTold = m_progress.second > 0;
    emit probeProgress(m_progress.first, m_progress.second);
}

bool TaskIntake::isBusy() const
{
    return !m_steps.empty() || !m_probes.isIdle();
}

bool TaskIntake::probePending(TaskId id) const
{
    return m_probes.isPending(id);
}

void TaskIntake::probeNext(TaskId id)
{
    m_probes.moveToFront(id);
    m_probes.dispatch();
}

void TaskIntake::cancel()
{
    m_steps.clear();
    m_slice.stop();
    m_notAdded.clear();
    m_probes.cancelAll();
    updateBusy();
}

void TaskIntake::probeAgain(TaskId id)
{
    const int row = m_store.rowOf(id);
    if (row < 0)
        return;
    m_probes.enqueue(id, m_store.caption(row));
    updateBusy();
}

void TaskIntake::updateBusy()
{
    if (const bool adding = isAdding(); adding != m_adding) {
        m_adding = adding;
        emit addingChanged(adding);
    }
    const bool busy = isBusy();
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}

TaskIntake::Step TaskIntake::step(Step::Kind kind, const QString &path) const
{
    Step s{kind, path, m_outputExt, {}, nullptr};
    if (m_folderOptions)
        s.folders = m_folderOptions();
    return s;
}

void TaskIntake::queue(std::deque<Step> steps)
{
    steps.push_back(step(Step::Kind::End, QString()));
    for (Step &s : steps)
        m_steps.push_back(std::move(s));
    m_slice.start();
    updateBusy();
}

void TaskIntake::runSteps()
{
    const QDeadlineTimer deadline(SliceMs);
    while (!m_steps.empty()) {
        if (deadline.hasExpired()) {
            m_slice.start();
            return;
        }
        Step &current = m_steps.front();
        switch (current.kind) {
        case Step::Kind::File:
            addListed(current.path, current.ext, QString());
            break;
        case Step::Kind::Dropped:
        case Step::Kind::Listed:
            if (!takePath(current))
                continue; // now a folder to walk
            break;
        case Step::Kind::Folder:
            if (!walk(current, deadline)) {
                m_slice.start();
                return;
            }
            break;
        case Step::Kind::End:
            m_steps.pop_front();
            emit intakeEnded(std::exchange(m_notAdded, {}));
            continue;
        }
        m_steps.pop_front();
    }
    updateBusy();
}

bool TaskIntake::takePath(Step &current)
{
    const QString &path = current.path;
    const bool dropped = current.kind == Step::Kind::Dropped;
    if (path.isEmpty())
        return true;
    const FileKind kind = KindOfFile(path);
    if (kind == FileKind::Directory) {
        current.kind = Step::Kind::Folder;
        return false;
    }
    const bool accepted = HasSupportedExt(path, SupportedExtensions());
    // A dropped path is there: its extension is all that counts.
    struct stat st = {};
    if (kind == FileKind::None && !dropped)
        notAdded(path, ::lstat(EncodeFileName(path).constData(), &st) == 0
                           ? NotAdded::Reason::NotRegular
                           : NotAdded::Reason::NotFound);
    else if (!accepted)
        notAdded(path, NotAdded::Reason::NotVideo);
    else if (IsUndecodableName(path))
        notAdded(path, NotAdded::Reason::NotUtf8);
    else
        addListed(path, current.ext, QString());
    return true;
}

void TaskIntake::addListed(const QString &path, const QString &ext, const QString &subfolder)
{
    if (!addTask(path, ext, subfolder))
        notAdded(path, NotAdded::Reason::AlreadyListed);
}

bool TaskIntake::walk(Step &current, const QDeadlineTimer &deadline)
{
    if (!current.walk) {
        current.walk = std::make_unique<DirectoryWalk>(current.path, current.folders.subfolders);
        current.walk->setSkippedFolder(current.folders.outputFolder);
    }
    const bool keep = current.folders.subfolders && current.folders.keepStructure;
    DirectoryWalk::Found found;
    // A folder read at once may hold tens of thousands of files: their rows
    // too are added a slice at a time.
    while (current.walk->next(deadline, found)) {
        // An output of an earlier conversion is no source.
        if (!m_records || !m_records->isOutput(found.path))
            addListed(found.path, current.ext, keep ? found.subfolder : QString());
        if (deadline.hasExpired())
            break;
    }
    if (!current.walk->done())
        return false;
    for (const QString &path : current.walk->takeUndecodable())
        notAdded(path, NotAdded::Reason::NotUtf8);
    return true;
}

void TaskIntake::notAdded(const QString &path, NotAdded::Reason reason)
{
    m_notAdded.append({path, reason});
    // Told at once for the command-line program, a task of the same path
    // aside.
    switch (reason) {
    case NotAdded::Reason::NotFound:
        emit notTaken(path, QCoreApplication::translate("TaskIntake", "no such file or folder"));
        break;
    case NotAdded::Reason::NotRegular:
        emit notTaken(
            path, QCoreApplication::translate("TaskIntake", "neither a regular file nor a folder"));
        break;
    case NotAdded::Reason::NotVideo:
        emit notTaken(path, QCoreApplication::translate("TaskIntake",
                                                        "not a video file of an accepted type (%1)")
                                .arg(SupportedExtensions().join(u' ')));
        break;
    case NotAdded::Reason::NotUtf8:
        emit notTaken(path, UndecodableReason);
        break;
    case NotAdded::Reason::AlreadyListed:
        break;
    }
}

QString TaskIntake::Describe(const NotAdded &item)
{
    // A name that is not UTF-8 is shown with replacement characters.
    const QString path = QDir::toNativeSeparators(QString::fromUtf8(EncodeFileName(item.path)));
    switch (item.reason) {
    case NotAdded::Reason::NotFound:
        return QCoreApplication::translate("TaskIntake", "%1: not found").arg(path);
    case NotAdded::Reason::NotRegular:
    case NotAdded::Reason::NotVideo:
        return QCoreApplication::translate("TaskIntake", "%1: not a video file").arg(path);
    case NotAdded::Reason::AlreadyListed:
        return QCoreApplication::translate("TaskIntake", "%1: already in the list").arg(path);
    case NotAdded::Reason::NotUtf8:
        return QCoreApplication::translate("TaskIntake", "%1: name not valid UTF-8").arg(path);
    }
    return path;
}

void TaskIntake::AddDirectory(const QString &dir)
{
    std::deque<Step> steps;
    steps.push_back(step(Step::Kind::Folder, dir));
    queue(std::move(steps));
}

void TaskIntake::AddFromDialog(const QStringList &files)
{
    // The Platform hands the files over in the order the user chose them.
    if (m_steps.empty()) {
        for (const QString &file : files)
            addListed(file, m_outputExt, QString());
        updateBusy();
        emit intakeEnded(std::exchange(m_notAdded, {}));
        return;
    }
    std::deque<Step> steps;
    for (const QString &file : files)
        steps.push_back(step(Step::Kind::File, file));
    queue(std::move(steps));
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
    if (!m_platform.browseForDirectory(
            QCoreApplication::translate("TaskIntake", AddDirectoryTitle.toUtf8().constData()),
            dir) ||
        dir.isEmpty())
        return false;
    AddDirectory(dir);
    return true;
}

void TaskIntake::AddDropped(const QStringList &paths)
{
    std::deque<Step> steps;
    for (const QString &path : paths)
        steps.push_back(step(Step::Kind::Dropped, path));
    queue(std::move(steps));
}

bool ReadPathList(const QString &listFile, QStringList &paths, QString &error)
{
    paths.clear();
    // Opened without waiting (a pipe would hold the program up until
    // someone writes into it), then taken only when it is a regular file of
    // a size a list can have: never a pipe or a device such as /dev/zero.
    const int fd = ::open(EncodeFileName(listFile).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QString tooLarge = QCoreApplication::translate("TaskIntake", "it is larger than %1 MB")
                                 .arg(MaxPathListBytes / (1024 * 1024));
    QFile list;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        error = QCoreApplication::translate("TaskIntake", "it is not a regular file");
    else if (st.st_size > MaxPathListBytes)
        error = tooLarge;
    else if (!list.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        error = list.errorString();
    if (!list.isOpen())
        ::close(fd);
    // It may have grown since: no more than the bound is read.
    const QByteArray bytes = error.isEmpty() ? list.read(MaxPathListBytes + 1) : QByteArray();
    if (error.isEmpty() && list.error() != QFileDevice::NoError)
        error = list.errorString();
    else if (bytes.size() > MaxPathListBytes)
        error = tooLarge;
    if (!error.isEmpty())
        return false;
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
    if (LowerExtension(first) == QLatin1String(".tmp")) {
        // A list file: one path a line; further arguments are ignored.
        QString error;
        if (!ReadPathList(first, paths, error)) {
            m_platform.messageBox(QCoreApplication::translate(
                                      "TaskIntake", "The list file \"%1\" cannot be read: %2.")
                                      .arg(QDir::toNativeSeparators(first), error),
                                  QCoreApplication::translate("TaskIntake", "List File Unreadable"),
                                  Platform::Icon::Information);
            return;
        }
    }
    AddPaths(paths);
}

void TaskIntake::AddPaths(const QStringList &paths)
{
    std::deque<Step> steps;
    for (const QString &path : paths)
        steps.push_back(step(Step::Kind::Listed, IsUndecodableName(path) ? path : fullPath(path)));
    queue(std::move(steps));
}
