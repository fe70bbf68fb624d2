#include "platform/profile_file.h"

#include "profile_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalmora::platform
{

namespace
{

bool HasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

// An exclusive advisory lock on the folder that holds the file, held while this object lives.
// Locking the folder rather than the file survives the file being replaced by rename, needs no
// extra file beside it, and is released by the kernel when a holder dies.
class FolderLock
{
public:
    explicit FolderLock(const QByteArray &folder)
    {
        m_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd < 0)
            return;
        int rc;
        do {
            rc = ::flock(m_fd, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool locked() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

bool WriteAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Reads the whole file; nothing (and `exists` false) when it does not exist.
std::optional<QByteArray> ReadAll(const QString &path, bool &exists)
{
    // Opened before anything is asked about it: while another process replaces the file, a
    // status query can meet the old file with no name left and report it missing, and the read
    // would then see every value empty.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        exists = QFileInfo::exists(path);
        if (!exists)
            return QByteArray();
        return std::nullopt;
    }
    exists = true;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString TemporaryPrefix(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QLatin1Char('.');
}

// A writer killed between creating its temporary file and renaming it leaves the temporary
// behind. Under the folder lock no other writer is between those two steps, so every temporary
// of this file is such a leftover.
void RemoveStaleTemporaries(const QFileInfo &info)
{
    QDir folder = info.absoluteDir();
    const QString prefix = TemporaryPrefix(info.fileName());
    // Compared by hand rather than as a wildcard pattern: a file name may hold "[" or "*".
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(prefix) && name.endsWith(QLatin1String(".tmp")))
            folder.remove(name);
    }
}

// Writes `bytes` to a new file in `folder` and renames it over `target`: readers see either
// the old or the new file, never a part of one.
bool ReplaceFile(const QByteArray &folder, const QByteArray &target, const QByteArray &fileName,
    const QByteArray &bytes, int folderFd)
{
    struct stat old = {};
    const bool hadFile = ::stat(target.constData(), &old) == 0;

    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Hidden, so that folder listings never show a half-written file.
        temp = folder + "/." + fileName + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && hadFile)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok)
        ok = ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    ::fsync(folderFd);
    return true;
}

} // namespace

QString ReadProfileString(const QString &path, const QString &section, const QString &key)
{
    bool exists = false;
    const std::optional<QByteArray> bytes = ReadAll(path, exists);
    if (!bytes)
        return {};
    return FindProfileValue(*bytes, section, key);
}

bool WriteProfileString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    if (path.isEmpty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    // A key with "=" in it, or one that would read as a header or a comment, could never be
    // found again.
    const QString trimmedKey = key.trimmed();
    if (trimmedKey.contains(u'=') || trimmedKey.startsWith(u'[') || trimmedKey.startsWith(u';'))
        return false;

    QFileInfo info(path);
    // A link is followed, so that the file it names is replaced rather than the link itself.
    if (info.isSymLink() && info.exists())
        info = QFileInfo(info.canonicalFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray fileName = QFile::encodeName(info.fileName());

    FolderLock lock(folder);
    if (!lock.locked())
        return false;

    RemoveStaleTemporaries(info);

    bool exists = false;
    std::optional<QByteArray> content = ReadAll(info.absoluteFilePath(), exists);
    if (!content)
        return false;
    switch (SetProfileValue(*content, section, key, value)) {
    case ProfileEdit::Unchanged:
        return true;
    case ProfileEdit::Unencodable:
        return false;
    case ProfileEdit::Changed:
        break;
    }
    return ReplaceFile(folder, target, fileName, *content, lock.fd());
}

} // namespace kalmora::platform
