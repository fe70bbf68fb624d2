#include "platform/screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace kalmora::platform
{

namespace
{

QRect ToTwips(const QRect &pixels, const TwipsPerPixel &tpp)
{
    return { TwipsX(pixels.x(), tpp), TwipsY(pixels.y(), tpp), TwipsX(pixels.width(), tpp),
        TwipsY(pixels.height(), tpp) };
}

} // namespace

std::vector<QRect> ScreenRectsTwips(const TwipsPerPixel &tpp)
{
    std::vector<QRect> rects;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr) {
        QScreen *primary = QGuiApplication::primaryScreen();
        if (primary != nullptr)
            rects.push_back(ToTwips(primary->geometry(), tpp));
        for (QScreen *screen : QGuiApplication::screens()) {
            if (screen != primary)
                rects.push_back(ToTwips(screen->geometry(), tpp));
        }
    }
    if (rects.empty())
        rects.push_back(ToTwips(QRect(0, 0, 1024, 768), tpp));
    return rects;
}

QRect PrimaryScreenTwips(const TwipsPerPixel &tpp)
{
    return ScreenRectsTwips(tpp).front();
}

} // namespace kalmora::platform
