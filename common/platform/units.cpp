#include "platform/units.h"

#include "platform/numbers.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace kalmora::platform
{

namespace
{

QScreen *PrimaryScreen()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    return QGuiApplication::primaryScreen();
}

int TwipsPerPixelAt(double dpi)
{
    if (!(dpi > 0.0))
        return 15;
    const int tpp = int(std::lround(1440.0 / dpi));
    return tpp < 1 ? 1 : tpp;
}

} // namespace

TwipsPerPixel ScreenTwipsPerPixel()
{
    QScreen *screen = PrimaryScreen();
    if (screen == nullptr)
        return {};
    return { TwipsPerPixelAt(screen->logicalDotsPerInchX()), TwipsPerPixelAt(screen->logicalDotsPerInchY()) };
}

int PixelsX(double twips, const TwipsPerPixel &tpp)
{
    return ToInt32(twips / (tpp.x > 0 ? tpp.x : 15));
}
int PixelsY(double twips, const TwipsPerPixel &tpp)
{
    return ToInt32(twips / (tpp.y > 0 ? tpp.y : 15));
}

QSize ScreenSizeTwips(const TwipsPerPixel &tpp)
{
    QScreen *screen = PrimaryScreen();
    const QSize pixels = screen != nullptr ? screen->size() : QSize(1024, 768);
    return { TwipsX(pixels.width(), tpp), TwipsY(pixels.height(), tpp) };
}

} // namespace kalmora::platform
