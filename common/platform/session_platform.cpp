#include "platform/session_platform.h"

#include <QtGlobal>

namespace kalmora::platform
{

SessionEnvironment SessionEnvironment::fromProcess()
{
    return { qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY") };
}

QByteArray PlatformForSession(const SessionEnvironment &env)
{
    if (!env.qtPlatform.isEmpty())
        return {};
    const bool wayland = !env.waylandDisplay.isEmpty() || env.sessionType.toLower() == "wayland";
    if (!wayland || env.display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

void PreferX11OnWayland()
{
    const QByteArray platform = PlatformForSession(SessionEnvironment::fromProcess());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace kalmora::platform
