#include "platform/app_folder.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "viewer/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kalmora::platform::InstallFontSubstitutions();
    kalmora::platform::SystemClock clock;
    kalmora::platform::QtDialogs dialogs;
    kalmora::viewer::Form1 form(kalmora::platform::ProgramFolder(), clock, dialogs);
    form.Load();
    return app.exec();
}
