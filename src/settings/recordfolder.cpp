#include "recordfolder.h"

#include "newinifiles.h"
#include "platform/filenames.h"
#include "platform/pathtext.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

const QByteArray kHeader("[Record]");
const QByteArray kKey("Key");
constexpr qint64 MaxRecordBytes = 1024 * 1024;
constexpr int HashLength = 40; // hex digits of a SHA-1

QByteArray escape(const QString &value)
{
    QByteArray out = EncodeFileName(value);
    out.replace('%', "%25");
    out.replace('\r', "%0D");
    out.replace('\n', "%0A");
    return out;
}

QString unescape(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QByteArray code = value.mid(i, 3).toUpper();
        if (code == "%25" || code == "%0D" || code == "%0A") {
            out += code == "%25" ? '%' : code == "%0D" ? '\r' : '\n';
            i += 2;
        } else {
            out += value[i];
        }
    }
    return DecodeFileName(out);
}

// Makes folder and its missing parents, new ones for the user alone, as the
// XDG base directory rules ask of the state folder. The error number
// of a failure, 0 on success.
int makeFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    struct stat st = {};
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? path : path.left(slash);
        if (::stat(part.constData(), &st) != 0 && ::mkdir(part.constData(), 0700) != 0 &&
            errno != EEXIST)
            return errno;
        if (slash < 0)
            break;
    }
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

} // namespace

RecordFolder::RecordFolder(const QString &folder)
    : m_folder(folder.isEmpty() ? QString() : AddBackslash(folder))
{}

QByteArray RecordFolder::hashOf(const QString &key)
{
    // The key's exact characters: a name that is not valid UTF-8 has its
    // own hash.
    const QByteArray units(reinterpret_cast<const char *>(key.utf16()), key.size() * 2);
    return QCryptographicHash::hash(units, QCryptographicHash::Sha1).toHex();
}

QString RecordFolder::fileName(const QString &key) const
{
    return m_folder + QString::fromLatin1(hashOf(key));
}

bool RecordFolder::write(const QString &key, const Fields &fields, QString *error)
{
    if (m_folder.isEmpty()) {
        m_memory.insert(key, fields);
        return true;
    }
    QByteArray text = kHeader + '\n' + kKey + '=' + escape(key) + '\n';
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        text += it.key() + '=' + escape(it.value()) + '\n';
    if (const int reason = makeFolder(m_folder); reason != 0) {
        if (error)
            *error = QStringLiteral("Cannot create folder \"%1\". %2")
                         .arg(QDir::toNativeSeparators(QDir::cleanPath(m_folder)),
                              QString::fromLocal8Bit(std::strerror(reason)));
        return false;
    }
    try {
        WriteFileAtomically(fileName(key), text);
    } catch (const TIniFileError &e) {
        if (error)
            *error = e.text();
        return false;
    }
    if (m_listed)
        m_listing.insert(hashOf(key));
    return true;
}

std::optional<std::pair<QString, RecordFolder::Fields>>
RecordFolder::readFile(const QString &fileName)
{
    QFile file(fileName);
    // A record is a small regular file; anything else in its place is not
    // one of ours.
    struct stat st = {};
    if (::stat(QFile::encodeName(file.fileName()).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > MaxRecordBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first() != kHeader)
        return std::nullopt;
    std::pair<QString, Fields> record;
    bool hasKey = false;
    for (const QByteArray &line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray name = line.left(eq);
        const QString value = unescape(line.mid(eq + 1));
        if (name == kKey) {
            record.first = value;
            hasKey = true;
        } else {
            record.second.insert(name, value);
        }
    }
    return hasKey ? std::optional(record) : std::nullopt;
}

std::optional<RecordFolder::Fields> RecordFolder::read(const QString &key) const
{
    if (m_folder.isEmpty()) {
        const auto it = m_memory.constFind(key);
        return it == m_memory.cend() ? std::nullopt : std::optional<Fields>(*it);
    }
    if (m_listed && !m_listing.contains(hashOf(key)))
        return std::nullopt;
    const auto record = readFile(fileName(key));
    return record && record->first == key ? std::optional(record->second) : std::nullopt;
}

QHash<QString, RecordFolder::Fields> RecordFolder::readAll() const
{
    if (m_folder.isEmpty())
        return m_memory;
    QHash<QString, Fields> records;
    DIR *dir = ::opendir(QFile::encodeName(m_folder).constData());
    if (!dir)
        return records;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() != HashLength)
            continue;
        const auto record = readFile(m_folder + QString::fromLatin1(name));
        // A file under another key's name is not that key's record.
        if (record && hashOf(record->first) == name)
            records.insert(record->first, record->second);
    }
    ::closedir(dir);
    return records;
}

void RecordFolder::remove(const QString &key)
{
    if (m_folder.isEmpty()) {
        m_memory.remove(key);
        return;
    }
    QFile::remove(fileName(key));
    if (m_listed)
        m_listing.remove(hashOf(key));
}

void RecordFolder::takeListing()
{
    m_listing.clear();
    m_listed = !m_folder.isEmpty();
    if (!m_listed)
        return;
    DIR *dir = ::opendir(QFile::encodeName(m_folder).constData());
    if (!dir)
        return; // no records yet
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() == HashLength)
            m_listing.insert(name);
    }
    ::closedir(dir);
}

void RecordFolder::forgetListing()
{
    m_listed = false;
    m_listing.clear();
}
