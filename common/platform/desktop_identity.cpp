#include "platform/desktop_identity.h"

#include <QGuiApplication>

namespace kalmora::platform
{

QString DesktopId(Program program)
{
    return program == Program::Viewer ? QStringLiteral("io.github.kalmora.Viewer")
                                      : QStringLiteral("io.github.kalmora.Maker");
}

QIcon ProgramIcon(Program program)
{
    const QString id = DesktopId(program);
    QIcon builtIn;
    for (int size : { 16, 32, 48, 64, 128, 256 })
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(id), QSize(size, size));
    return QIcon::fromTheme(id, builtIn);
}

void SetUpDesktopIdentity(Program program)
{
    QGuiApplication::setDesktopFileName(DesktopId(program));
    QGuiApplication::setWindowIcon(ProgramIcon(program));
}

} // namespace kalmora::platform
