#pragma once
// The window-system platform the programs run on.
//
// Both programs place their windows themselves, keep them above or below other windows and cut
// them to a shape. A Wayland client can do none of that (the compositor places and stacks windows,
// and Qt's Wayland platform does not cut the drawing to the mask), while the same programs on the
// X server of a Wayland session (XWayland) can. So in a Wayland session they start on X, unless
// the user has chosen a Qt platform.

#include <QByteArray>

namespace kalmora::platform
{

// What decides the platform: the values of QT_QPA_PLATFORM, WAYLAND_DISPLAY, XDG_SESSION_TYPE
// and DISPLAY (empty when unset).
struct SessionEnvironment {
    QByteArray qtPlatform;
    QByteArray waylandDisplay;
    QByteArray sessionType;
    QByteArray display;

    static SessionEnvironment fromProcess();
};

// "xcb" when the session is Wayland (WAYLAND_DISPLAY set or XDG_SESSION_TYPE "wayland"), the user
// has chosen no Qt platform and an X display is there to use (DISPLAY set); otherwise empty, which
// leaves the choice to Qt (a Wayland session without XWayland still gets a running program).
QByteArray PlatformForSession(const SessionEnvironment &env);

// Sets QT_QPA_PLATFORM for this process when PlatformForSession asks for a platform. Call first in
// main(), before the QApplication exists.
void PreferX11OnWayland();

} // namespace kalmora::platform
