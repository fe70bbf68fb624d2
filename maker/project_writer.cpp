#include "project_writer.h"

#include "platform/profile_file.h"
#include "store/app_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kalmora::maker
{

namespace
{
bool Fail(ProjectWriteFailure *failure, ProjectWriteFailure::What what, const QString &path, const QString &detail)
{
    if (failure)
        *failure = { what, QDir::toNativeSeparators(path), detail };
    return false;
}

QString ValueText(const store::ProjectSettings &v, int keyIndex)
{
    const std::int32_t values[] = { v.PKA, v.PBG, v.CHE, v.CDO, v.CNI, v.CBG, v.CXX, v.CYY, v.VXX, v.VYY };
    return QString::number(values[keyIndex]);
}
} // namespace

bool WriteCalendarProject(const QString &appDir, const QString &name, const store::ProjectSettings &values,
    const QImage &picture, ProjectWriteFailure *failure)
{
    using What = ProjectWriteFailure::What;
    QDir().mkpath(store::ProjectFolder(appDir));
    QDir().mkpath(store::PictureFolder(appDir));

    const QString picturePath = store::PictureFilePath(appDir, name);
    const QString projectPath = store::ProjectFilePath(appDir, name);

    // The picture is written to a temporary file beside its final place and only renamed in once the
    // project file is ready as well.
    QSaveFile pictureFile(picturePath);
    if (!pictureFile.open(QIODevice::WriteOnly))
        return Fail(failure, What::Picture, picturePath, pictureFile.errorString());
    QImageWriter writer(&pictureFile, "BMP");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
        pictureFile.cancelWriting();
        return Fail(failure, What::Picture, picturePath, writer.errorString());
    }

    // The project file is written under a hidden temporary name in the project folder (the viewer
    // lists only visible files there) and renamed over the old one afterwards.
    QString temporaryProject;
    {
        QTemporaryFile temporary(QDir(store::ProjectFolder(appDir)).filePath(QStringLiteral(".new-project-XXXXXX")));
        temporary.setAutoRemove(false);
        if (!temporary.open()) {
            pictureFile.cancelWriting();
            return Fail(failure, What::ProjectFile, projectPath, temporary.errorString());
        }
        // Temporary files are private; a project file is as readable as any other file the user makes.
        temporary.setPermissions(
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        temporaryProject = temporary.fileName();
    }
    for (int i = 0; i < int(store::kProjectKeys.size()); ++i) {
        const bool written = platform::WriteProfileString(temporaryProject, QStringLiteral("Settings"),
            QString::fromLatin1(store::kProjectKeys[i]), ValueText(values, i));
        if (!written) {
            QFile::remove(temporaryProject);
            pictureFile.cancelWriting();
            return Fail(failure, What::ProjectFile, projectPath, QString());
        }
    }

    if (!pictureFile.commit()) {
        QFile::remove(temporaryProject);
        return Fail(failure, What::Picture, picturePath, pictureFile.errorString());
    }
    // rename(2) replaces an existing project file in one step.
    if (std::rename(QFile::encodeName(temporaryProject).constData(), QFile::encodeName(projectPath).constData()) != 0) {
        const QString detail = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporaryProject);
        return Fail(failure, What::ProjectFile, projectPath, detail);
    }
    return true;
}

} // namespace kalmora::maker
