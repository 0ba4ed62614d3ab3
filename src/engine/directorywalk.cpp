#include "directorywalk.h"

#include "platform/directoryreader.h"
#include "platform/filenames.h"
#include "platform/pathtext.h"
#include "sourceformats.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

// Entries read between two looks at the clock.
constexpr int ReadBatch = 256;

// Names in order, ignoring case; names that differ only in case keep a fixed
// order between them. The folded forms are made once, not at every
// comparison: a folder may hold tens of thousands of names.
void sortNames(QStringList &names)
{
    QList<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString &name : names)
        keyed.append({name.toCaseFolded(), std::move(name)});
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

} // namespace

DirectoryWalk::DirectoryWalk(const QString &root, bool subfolders) : m_subfolders(subfolders)
{
    if (!root.isEmpty())
        m_toRead.push_back({root, QString()});
}

DirectoryWalk::~DirectoryWalk() = default;

void DirectoryWalk::setSkippedFolder(const QString &folder)
{
    struct stat st = {};
    m_skipping = !folder.isEmpty() && ::stat(EncodeFileName(folder).constData(), &st) == 0;
    m_skippedDevice = st.st_dev;
    m_skippedInode = st.st_ino;
}

bool DirectoryWalk::done() const
{
    return m_nextReady >= m_ready.size() && !m_reader && m_toRead.empty();
}

bool DirectoryWalk::next(const QDeadlineTimer &deadline, Found &found)
{
    // Each call reads at least one batch, so that the walk always gets on.
    for (;;) {
        if (m_nextReady < m_ready.size()) {
            found = std::move(m_ready[m_nextReady++]);
            return true;
        }
        if (!m_reader) {
            if (m_toRead.empty())
                return false;
            m_current = std::move(m_toRead.back());
            m_toRead.pop_back();
            m_reader = std::make_unique<DirectoryReader>(m_current.path);
            m_fileNames.clear();
            m_folderNames.clear();
        }
        QList<DirectoryReader::Entry> entries;
        const bool more = m_reader->read(ReadBatch, entries);
        const QStringList extensions = SupportedExtensions();
        for (DirectoryReader::Entry &entry : entries) {
            if (entry.kind == DirectoryReader::Kind::Directory) {
                if (m_subfolders)
                    m_folderNames.append(std::move(entry.name));
            } else if (HasSupportedExt(entry.name, extensions)) {
                m_fileNames.append(std::move(entry.name));
            }
        }
        if (!more) {
            m_reader.reset();
            finishFolder();
        } else if (deadline.hasExpired()) {
            return false;
        }
    }
}

void DirectoryWalk::finishFolder()
{
    const QString base = AddBackslash(m_current.path);
    sortNames(m_fileNames);
    m_ready.clear();
    m_nextReady = 0;
    for (const QString &name : std::as_const(m_fileNames)) {
        const QString path = base + name;
        if (IsUndecodableName(path))
            m_undecodable.append(path);
        else
            m_ready.append({path, m_current.subfolder});
    }
    // The first subfolder is read next: pushed last.
    sortNames(m_folderNames);
    for (auto it = m_folderNames.crbegin(); it != m_folderNames.crend(); ++it) {
        const QString path = base + *it;
        struct stat st = {};
        if (m_skipping && ::stat(EncodeFileName(path).constData(), &st) == 0 &&
            st.st_dev == m_skippedDevice && st.st_ino == m_skippedInode)
            continue;
        m_toRead.push_back(
            {path, m_current.subfolder.isEmpty() ? *it : m_current.subfolder + u'/' + *it});
    }
    m_fileNames.clear();
    m_folderNames.clear();
}
