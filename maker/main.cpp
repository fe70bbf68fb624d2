#include "frm_main.h"
#include "platform/app_folder.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kalmora::platform::InstallFontSubstitutions();
    kalmora::platform::SystemClock clock;
    kalmora::platform::QtDialogs dialogs;
    kalmora::maker::frmMain window(
        { kalmora::platform::ProgramFolder(), clock, dialogs, kalmora::platform::ScreenTwipsPerPixel() });
    window.show();
    return app.exec();
}
