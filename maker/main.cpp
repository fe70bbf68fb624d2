#include "frm_main.h"
#include "platform/data_folder.h"
#include "platform/desktop_identity.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/image_files.h"
#include "platform/session_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    kalmora::platform::PreferX11OnWayland();
    QApplication app(argc, argv);
    kalmora::platform::ConfigureImageReading();
    kalmora::platform::InstallFontSubstitutions();
    kalmora::platform::SetUpDesktopIdentity(kalmora::platform::Program::Maker);
    kalmora::platform::SystemClock clock;
    kalmora::platform::QtDialogs dialogs;
    kalmora::maker::frmMain window(
        { kalmora::platform::ApplicationFolder(), clock, dialogs, kalmora::platform::ScreenTwipsPerPixel() });
    window.show();
    return app.exec();
}
