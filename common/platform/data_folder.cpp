#include "platform/data_folder.h"

#include "platform/app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace kalmora::platform
{

namespace
{

const QString kFolderName = QStringLiteral("kalmora");
const QString kSeededFolders[] = { QStringLiteral("cprj"), QStringLiteral("pict") };

void SetError(QString *error, const QString &text)
{
    if (error != nullptr)
        *error = text;
}

// Like `mkdir -p`, but folders made here are private to the user (0700), as the XDG rules ask for
// folders a program creates under the user's data home.
bool MakeFolderPath(const QString &path, QString *error)
{
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !MakeFolderPath(parent, error))
        return false;
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) != 0 && errno != EEXIST) {
        SetError(error, QStringLiteral("cannot create the folder %1: %2").arg(clean, qt_error_string(errno)));
        return false;
    }
    if (!QFileInfo(clean).isDir()) {
        SetError(error, QStringLiteral("%1 exists but is not a folder").arg(clean));
        return false;
    }
    return true;
}

// Copies through a temporary name and renames, so an interrupted first start never leaves a
// half-copied picture that later starts would take for the user's own file.
bool CopyMissingFile(const QString &source, const QString &target, QString *error)
{
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(source, part)) {
        SetError(error, QStringLiteral("cannot copy %1 to %2").arg(source, target));
        return false;
    }
    QFile::setPermissions(
        part, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() never replaces an existing target here: a file the user (or the other program,
    // starting at the same moment) made in between is kept.
    if (QFileInfo::exists(target) || !QFile::rename(part, target)) {
        QFile::remove(part);
        if (QFileInfo::exists(target))
            return true;
        SetError(error, QStringLiteral("cannot create %1").arg(target));
        return false;
    }
    return true;
}

} // namespace

DataFolderEnvironment DataFolderEnvironment::fromProcess()
{
    return { qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME") };
}

QString PerUserFolder(const DataFolderEnvironment &env)
{
    if (!env.xdgDataHome.isEmpty() && QDir::isAbsolutePath(env.xdgDataHome))
        return JoinPath(QDir::cleanPath(env.xdgDataHome), kFolderName);
    if (!env.home.isEmpty() && QDir::isAbsolutePath(env.home))
        return JoinPath(QDir::cleanPath(env.home), QStringLiteral(".local/share/") + kFolderName);
    return {};
}

bool IsWritableFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool UsesProgramFolder(const QString &programFolder)
{
    return IsWritableFolder(programFolder)
        && !QFileInfo::exists(JoinPath(programFolder, QString::fromLatin1(kInstalledMarker)));
}

bool SeedUserFolder(const QString &programFolder, const QString &userFolder, QString *error)
{
    for (const QString &sub : kSeededFolders) {
        const QString target = JoinPath(userFolder, sub);
        if (!MakeFolderPath(target, error))
            return false;
        const QDir source(JoinPath(programFolder, sub));
        if (!source.exists())
            continue;
        const QStringList names = source.entryList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : names) {
            const QString targetFile = JoinPath(target, name);
            if (QFileInfo::exists(targetFile) || QFileInfo(targetFile).isSymLink())
                continue;
            if (!CopyMissingFile(source.filePath(name), targetFile, error))
                return false;
        }
    }
    return true;
}

QString ChooseApplicationFolder(
    const QString &programFolder, bool useProgramFolder, const DataFolderEnvironment &env, QString *error)
{
    if (useProgramFolder)
        return programFolder;
    const QString userFolder = PerUserFolder(env);
    if (userFolder.isEmpty()) {
        SetError(error, QStringLiteral("neither XDG_DATA_HOME nor HOME names a folder"));
        return programFolder;
    }
    if (!SeedUserFolder(programFolder, userFolder, error))
        return programFolder;
    return userFolder;
}

QString ApplicationFolder()
{
    const QString programFolder = ProgramFolder();
    QString error;
    const QString folder = ChooseApplicationFolder(
        programFolder, UsesProgramFolder(programFolder), DataFolderEnvironment::fromProcess(), &error);
    if (!error.isEmpty())
        std::fprintf(stderr, "kalmora: %s; using %s\n", qPrintable(error), qPrintable(folder));
    return folder;
}

} // namespace kalmora::platform
