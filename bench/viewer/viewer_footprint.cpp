// Memory probe: how much the resident set grows from the moment the application object exists
// until the started window is exposed and has settled, for the viewer ("viewer") or for the bare
// window with the same picture and outline ("bare"), or the bare window with a hundred labels
// ("bare-labels"). Prints the growth in KiB. One start per process, so that neither start finds memory
// the other has freed; bench/run.sh repeats it.

#include "platform/desktop_identity.h"
#include "platform/fonts.h"
#include "viewer_startup.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

namespace
{

// VmRSS of this process in KiB, -1 when it cannot be read.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void Settle(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace kalmora;
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    platform::SetUpDesktopIdentity(platform::Program::Viewer);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode != QStringLiteral("viewer") && mode != QStringLiteral("bare") && mode != QStringLiteral("bare-labels")) {
        std::fprintf(stderr, "usage: viewer_footprint viewer|bare|bare-labels\n");
        return 2;
    }
    benchsupport::ViewerFolder folder;
    const QRegion outline = benchsupport::HeartOutline();
    Settle(100);
    const long before = ResidentKiB();

    benchsupport::Viewer viewer;
    std::unique_ptr<QWidget> bare;
    const bool started = mode == QStringLiteral("viewer") ? benchsupport::StartViewer(viewer, folder.path())
                                                          : benchsupport::StartBareWindow(bare, folder.picture(),
                                                              outline, mode == QStringLiteral("bare-labels") ? 100 : 0);
    if (!started) {
        std::fprintf(stderr, "the %s window was not exposed\n", qPrintable(mode));
        return 1;
    }
    Settle(300);
    const long after = ResidentKiB();
    if (before < 0 || after < 0)
        return 1;
    std::printf("%ld\n", after - before);
    return 0;
}
