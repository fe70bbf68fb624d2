#pragma once
// How the desktop knows the two programs: the id of their menu entry (the .desktop file's name
// without ".desktop", also the name of their icon in the icon theme) and their window icon.

#include <QIcon>
#include <QString>

namespace kalmora::platform
{

enum class Program { Viewer, Maker };

// "io.github.kalmora.Viewer" or "io.github.kalmora.Maker".
QString DesktopId(Program program);

// The program's icon: from the installed icon theme when it is there, otherwise the copy built
// into the program (a build folder or a portable copy has no installed icon).
QIcon ProgramIcon(Program program);

// Tells the desktop which menu entry the running program belongs to (window grouping, the icon a
// Wayland or X11 task switcher shows) and sets the window icon. Call once the QGuiApplication exists.
void SetUpDesktopIdentity(Program program);

} // namespace kalmora::platform
