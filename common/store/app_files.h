#pragma once
// The files the two programs share in the application folder: KALMORA.ini, cprj/<name>.cpj and
// pict/<name>.bmp. Every function takes the application folder as its first argument.

#include <QString>

namespace kalmora::store
{

QString IniPath(const QString &appDir);
QString ProjectFolder(const QString &appDir);
QString PictureFolder(const QString &appDir);
QString ProjectFilePath(const QString &appDir, const QString &name);
QString PictureFilePath(const QString &appDir, const QString &name);

// One value of KALMORA.ini, trimmed; empty when absent or unreadable.
QString ReadIni(const QString &appDir, const QString &section, const QString &key);
// Returns false when the value could not be written (the programs carry on regardless).
bool WriteIni(const QString &appDir, const QString &section, const QString &key, const QString &value);

// The same on the project file of `name`.
QString ReadProjectValue(const QString &appDir, const QString &name, const QString &section, const QString &key);
bool WriteProjectValue(
    const QString &appDir, const QString &name, const QString &section, const QString &key, const QString &value);

} // namespace kalmora::store
