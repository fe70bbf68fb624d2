#include "store/project_settings.h"

#include "platform/numbers.h"
#include "platform/profile_file.h"
#include "store/app_files.h"

#include <QDir>
#include <algorithm>

namespace kalmora::store
{

ProjectSettings ReadProjectSettings(const QString &appDir, const QString &name)
{
    const QString path = ProjectFilePath(appDir, name);
    const QString section = QStringLiteral("Settings");
    auto read = [&](const char *key) {
        return platform::ToInt32(
            platform::LeadingNumber(platform::ReadProfileString(path, section, QLatin1String(key))));
    };
    ProjectSettings s;
    s.PKA = read("PKA");
    s.PBG = read("PBG");
    s.CHE = read("CHE");
    s.CDO = read("CDO");
    s.CNI = read("CNI");
    s.CBG = read("CBG");
    s.CXX = read("CXX");
    s.CYY = read("CYY");
    s.VXX = read("VXX");
    s.VYY = read("VYY");
    return s;
}

QStringList ListProjectNames(const QString &appDir)
{
    // Ordinary files only (no folders, no hidden files such as a write in progress); a missing
    // folder lists as empty.
    const QDir folder(ProjectFolder(appDir));
    QStringList files = folder.entryList(QDir::Files, QDir::NoSort);
    // Plain code-point order, the same on every machine whatever the locale.
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    QStringList names;
    names.reserve(files.size());
    for (const QString &file : files)
        names << (file.size() < 4 ? file : file.left(file.size() - 4));
    return names;
}

} // namespace kalmora::store
