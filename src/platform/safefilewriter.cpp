#include "safefilewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The path the data go to: a symbolic link is followed, so that it stays a
// link to the file it names.
QByteArray resolvedPath(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isSymLink())
        return QFile::encodeName(fileName);
    const QString canonical = info.canonicalFilePath();
    return QFile::encodeName(canonical.isEmpty() ? info.symLinkTarget() : canonical);
}

// Writes every byte through write, going on after short writes and
// interruptions. False with errno set when a write fails.
bool writeFully(int fd, const char *data, size_t size,
                const std::function<ssize_t(int, const void *, size_t)> &write)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO; // nothing taken and no reason given
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Makes a rename durable; a directory that cannot be flushed changes nothing.
void syncDirectoryOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray dir = slash < 0    ? QByteArray(".")
                           : slash == 0 ? QByteArray("/")
                                        : path.left(slash);
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool deniedByDirectory(int error)
{
    // EBUSY: the file is a mount point of its own, which cannot be replaced.
    return error == EACCES || error == EPERM || error == EBUSY;
}

} // namespace

SafeFileWriter::Calls SafeFileWriter::systemCalls()
{
    return {[](int fd, const void *data, size_t size) { return ::write(fd, data, size); },
            [](int fd) { return ::fsync(fd); }};
}

SafeFileWriter::SafeFileWriter() : m_calls(systemCalls()) {}

SafeFileWriter::SafeFileWriter(Calls calls) : m_calls(std::move(calls)) {}

bool SafeFileWriter::fail(int error)
{
    m_error = QString::fromLocal8Bit(std::strerror(error));
    return false;
}

bool SafeFileWriter::writeAll(int fd, const QByteArray &data)
{
    return writeFully(fd, data.constData(), size_t(data.size()), m_calls.write);
}

bool SafeFileWriter::write(const QString &fileName, const QByteArray &data)
{
    m_error.clear();
    const QByteArray path = resolvedPath(fileName);
    struct stat old;
    const bool exists = ::stat(path.constData(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fail(EISDIR);
        // A file marked read-only stays untouched, for every user: replacing
        // it through a rename would otherwise ignore its protection.
        if (!(old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
            return fail(EACCES);
        if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
            return fail(errno); // the real reason: a read-only file system, say
        if (!S_ISREG(old.st_mode)) {
            // A device or a pipe (a settings file linked to /dev/null) takes
            // the data as it is; it cannot be replaced.
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0)
                return fail(errno);
            const bool written = writeAll(fd, data);
            const int error = errno;
            ::close(fd);
            return written || fail(error);
        }
    }
    bool denied = false;
    if (writeReplacing(path, data, exists ? &old : nullptr, denied))
        return true;
    // The directory takes no new file, but the file itself may be written.
    return denied && exists ? writeInPlace(path, data) : false;
}

bool SafeFileWriter::writeReplacing(const QByteArray &path, const QByteArray &data,
                                    const struct stat *old, bool &denied)
{
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        denied = deniedByDirectory(errno);
        return fail(errno);
    }
    if (old) {
        // The new file takes the old one's place with its owner and
        // permissions. Only a privileged user can give a file away; for
        // anyone else the owner is already right.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
        }
        ::fchmod(fd, old->st_mode & 07777);
    }
    int error = 0;
    if (!writeAll(fd, data) || m_calls.sync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.constData(), path.constData()) != 0) {
        error = errno;
        denied = deniedByDirectory(error);
    }
    if (error != 0) {
        ::unlink(temp.constData());
        return fail(error);
    }
    syncDirectoryOf(path);
    return true;
}

bool SafeFileWriter::writeInPlace(const QByteArray &path, const QByteArray &data)
{
    m_error.clear();
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    const auto closeAndFail = [this, fd](int error) {
        ::close(fd);
        return fail(error);
    };
    // What the file holds now, to put back when the new content cannot be
    // written whole.
    QByteArray previous;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return closeAndFail(errno);
        if (n == 0)
            break;
        previous.append(buffer, n);
    }
    // The space is reserved first, so that a disk too full for the new
    // content fails here, before anything was changed.
    if (data.size() > previous.size() &&
        ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(data.size())) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS)
        return closeAndFail(errno);
    if (::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, data) &&
        ::ftruncate(fd, off_t(data.size())) == 0 && m_calls.sync(fd) == 0)
        return ::close(fd) == 0 || fail(errno);
    const int error = errno;
    // Put the previous content back: it fits where it stood before.
    const auto systemWrite = [](int f, const void *d, size_t n) { return ::write(f, d, n); };
    if (::lseek(fd, 0, SEEK_SET) == 0 &&
        writeFully(fd, previous.constData(), size_t(previous.size()), systemWrite) &&
        ::ftruncate(fd, off_t(previous.size())) == 0)
        ::fsync(fd);
    return closeAndFail(error);
}
