#include "store/app_files.h"

#include "platform/app_folder.h"
#include "platform/profile_file.h"

#include <QDir>

namespace kalmora::store
{

using platform::JoinPath;

QString IniPath(const QString &appDir)
{
    return JoinPath(appDir, QStringLiteral("KALMORA.ini"));
}
QString ProjectFolder(const QString &appDir)
{
    return JoinPath(appDir, QStringLiteral("cprj"));
}
QString PictureFolder(const QString &appDir)
{
    return JoinPath(appDir, QStringLiteral("pict"));
}

QString ProjectFilePath(const QString &appDir, const QString &name)
{
    return JoinPath(ProjectFolder(appDir), name + QStringLiteral(".cpj"));
}

QString PictureFilePath(const QString &appDir, const QString &name)
{
    return JoinPath(PictureFolder(appDir), name + QStringLiteral(".bmp"));
}

QString ReadIni(const QString &appDir, const QString &section, const QString &key)
{
    return platform::ReadProfileString(IniPath(appDir), section, key);
}

bool WriteIni(const QString &appDir, const QString &section, const QString &key, const QString &value)
{
    return platform::WriteProfileString(IniPath(appDir), section, key, value);
}

QString ReadProjectValue(const QString &appDir, const QString &name, const QString &section, const QString &key)
{
    return platform::ReadProfileString(ProjectFilePath(appDir, name), section, key);
}

bool WriteProjectValue(
    const QString &appDir, const QString &name, const QString &section, const QString &key, const QString &value)
{
    // A project name is a file name stem: a "/" in it would reach into another folder.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    // The first project written creates the project folder.
    if (!QDir().mkpath(ProjectFolder(appDir)))
        return false;
    return platform::WriteProfileString(ProjectFilePath(appDir, name), section, key, value);
}

} // namespace kalmora::store
