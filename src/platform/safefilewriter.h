#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

// Replaces the whole content of a file so that a failure at any point leaves
// the previous content whole, and reports the system's reason when it fails.
// Every file the program writes goes through it.
//
// Where the directory allows it, the data go to a temporary file beside the
// target, every write is checked, the file is flushed to the disk and then
// renamed over the target; a symbolic link is followed and stays a link, the
// target's permissions and owner are kept. Where the directory does not allow
// a new file but the file itself may be written, the file is rewritten in
// place: the space is reserved first, and a failed write puts the previous
// content back. A file without any write permission is left untouched, for
// every user.
class SafeFileWriter
{
public:
    // The calls through which the data reach the file. Tests replace them to
    // make a write or the flush fail the way a full or broken disk does.
    struct Calls
    {
        std::function<ssize_t(int fd, const void *data, size_t size)> write;
        std::function<int(int fd)> sync;
    };
    static Calls systemCalls();

    SafeFileWriter();
    explicit SafeFileWriter(Calls calls);

    // True when the file now holds exactly data. Otherwise errorString() is
    // the system's reason ("No space left on device", "Read-only file
    // system", ...) and the file holds what it held before.
    bool write(const QString &fileName, const QByteArray &data);
    QString errorString() const { return m_error; }

private:
    bool writeReplacing(const QByteArray &path, const QByteArray &data, const struct stat *old,
                        bool &denied);
    bool writeInPlace(const QByteArray &path, const QByteArray &data);
    bool writeAll(int fd, const QByteArray &data);
    bool fail(int error);

    Calls m_calls;
    QString m_error;
};
