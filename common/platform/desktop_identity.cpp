#include "platform/desktop_identity.h"

#include <QGuiApplication>

namespace kalmora::platform
{

QString DesktopId(Program program)
{
    return program == Program::Viewer ? QStringLiteral("io.github.kalmora.Viewer")
                                      : QStringLiteral("io.github.kalmora.Maker");
}

namespace
{
QIcon ReadBuiltInIcon(Program program)
{
    const QString id = DesktopId(program);
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(id), QSize(size, size));
    return icon;
}

// Adding a file to an icon decodes it there and then: six pictures, the largest 256 x 256. Every
// window asks for the icon while it is made, so the pictures are decoded once for the whole run
// (and kept until its end, like the application's window icon that holds them anyway).
const QIcon &BuiltInIcon(Program program)
{
    if (program == Program::Viewer) {
        static const QIcon *const viewer = new QIcon(ReadBuiltInIcon(Program::Viewer));
        return *viewer;
    }
    static const QIcon *const maker = new QIcon(ReadBuiltInIcon(Program::Maker));
    return *maker;
}
} // namespace

QIcon ProgramIcon(Program program)
{
    return QIcon::fromTheme(DesktopId(program), BuiltInIcon(program));
}

void SetUpDesktopIdentity(Program program)
{
    QGuiApplication::setDesktopFileName(DesktopId(program));
    QGuiApplication::setWindowIcon(ProgramIcon(program));
}

} // namespace kalmora::platform
