#pragma once
// What the maker's windows get from outside: the application folder, the clock, the dialogs and
// the screen's twips per pixel. main() passes the real ones, tests their own.

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/units.h"

#include <QString>

namespace kalmora::maker
{

struct MakerContext {
    QString appDir;
    const platform::Clock &clock;
    platform::Dialogs &dialogs;
    platform::TwipsPerPixel tpp;
};

} // namespace kalmora::maker
