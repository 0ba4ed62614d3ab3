#include "directoryreader.h"

#include "filenames.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// What a name of the directory open as fd is; false to leave it out.
bool kindOf(int fd, const dirent *entry, DirectoryReader::Kind &kind)
{
    unsigned char type = entry->d_type;
    struct stat st
    {
    };
    if (type == DT_UNKNOWN) {
        // Some file systems do not tell the type with the name.
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        type = S_ISREG(st.st_mode)   ? DT_REG
               : S_ISDIR(st.st_mode) ? DT_DIR
               : S_ISLNK(st.st_mode) ? DT_LNK
                                     : DT_UNKNOWN;
    }
    switch (type) {
    case DT_REG:
        kind = DirectoryReader::Kind::File;
        return true;
    case DT_DIR:
        kind = DirectoryReader::Kind::Directory;
        return true;
    case DT_LNK:
        // Only a link to a regular file is taken, as that file.
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            return false;
        kind = DirectoryReader::Kind::File;
        return true;
    default:
        return false;
    }
}

} // namespace

DirectoryReader::DirectoryReader(const QString &dir)
{
    if (!dir.isEmpty())
        m_dir = ::opendir(EncodeFileName(dir).constData());
}

DirectoryReader::~DirectoryReader()
{
    if (m_dir)
        ::closedir(m_dir);
}

bool DirectoryReader::read(int max, QList<Entry> &entries)
{
    if (!m_dir)
        return false;
    const int fd = ::dirfd(m_dir);
    for (int n = 0; n < max; ++n) {
        const dirent *entry = ::readdir(m_dir);
        if (!entry) {
            ::closedir(m_dir);
            m_dir = nullptr;
            return false;
        }
        if (entry->d_name[0] == '.')
            continue;
        Kind kind;
        if (kindOf(fd, entry, kind))
            entries.append({DecodeFileName(QByteArray(entry->d_name)), kind});
    }
    return true;
}
