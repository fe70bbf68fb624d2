#include "platform/app_folder.h"

#include <QCoreApplication>

namespace kalmora::platform
{

QString JoinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace kalmora::platform
