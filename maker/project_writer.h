#pragma once
// Writing a calendar project: pict/<name>.bmp and cprj/<name>.cpj in the application folder.

#include "store/project_settings.h"

#include <QImage>
#include <QString>

namespace kalmora::maker
{

struct ProjectWriteFailure {
    enum class What { Nothing, Picture, ProjectFile };
    What what = What::Nothing;
    QString path; // the file that could not be written
    QString detail; // the system's description, when it gave one
};

// Creates both folders when missing, then writes the picture as a 24-bit BMP and the project file
// with the ten keys in their order. Both go to temporary files first and are renamed into place
// picture first, so the viewer never finds a project without its picture, and on any failure an
// earlier project of the same name stays as it was. Returns false and fills `failure` when a file
// could not be written. `name` must already be a valid file name stem.
bool WriteCalendarProject(const QString &appDir, const QString &name, const store::ProjectSettings &values,
    const QImage &picture, ProjectWriteFailure *failure);

} // namespace kalmora::maker
