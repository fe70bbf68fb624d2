#pragma once
// A tmpfs mounted by a test on a folder of its own, unmounted when the object goes. Mounting
// needs root (or the capability); where it is refused, mounted() is false and error() says why,
// and the test skips.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace kalmora::testsupport
{

class TmpfsMount
{
public:
    // `options` as for mount(8), e.g. "size=64k,mode=0755".
    TmpfsMount(const QString &folder, const QByteArray &options)
        : m_folder(QFile::encodeName(folder))
        , m_options(options)
    {
        QDir().mkpath(folder);
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, m_options.constData()) != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
        else
            m_mounted = true;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }

    // Makes the file system read-only, or writable again.
    bool setReadOnly(bool readOnly)
    {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | (readOnly ? MS_RDONLY : 0),
                   m_options.constData())
            == 0;
    }

private:
    QByteArray m_folder;
    QByteArray m_options;
    QString m_error;
    bool m_mounted = false;
};

} // namespace kalmora::testsupport
