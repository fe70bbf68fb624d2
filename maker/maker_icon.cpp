#include "maker_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kalmora::maker
{

namespace
{
QPixmap Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // The sheet with its red binding band.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(3.5, 4.5, 25, 24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 48, 49));
    p.drawRoundedRect(QRectF(4, 5, 24, 7), 2, 2);
    // A photo cut to a heart: sky above, meadow below.
    QPainterPath heart;
    heart.moveTo(16, 27);
    heart.cubicTo(6, 20, 7, 13, 11.5, 13);
    heart.cubicTo(14, 13, 15.5, 15, 16, 16.5);
    heart.cubicTo(16.5, 15, 18, 13, 20.5, 13);
    heart.cubicTo(25, 13, 26, 20, 16, 27);
    p.setClipPath(heart);
    p.fillRect(QRectF(4, 12, 24, 8), QColor(116, 185, 255));
    p.fillRect(QRectF(4, 20, 24, 9), QColor(85, 170, 85));
    p.setClipping(false);
    // Two rings of the binding.
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(9, 3, 3, 4));
    p.drawEllipse(QRectF(20, 3, 3, 4));
    return pixmap;
}
} // namespace

QIcon MakerIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64 })
        icon.addPixmap(Draw(size));
    return icon;
}

} // namespace kalmora::maker
