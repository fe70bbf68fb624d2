#include "preview_composition.h"

#include <QPainter>
#include <cmath>

namespace kalmora::maker
{

QImage ComposePreview(const QImage &canvas, const QRectF &source, QSize destination, const QColor &background)
{
    if (destination.isEmpty())
        return {};
    const int left = static_cast<int>(std::lround(source.left()));
    const int top = static_cast<int>(std::lround(source.top()));
    const int width = std::max(1, static_cast<int>(std::lround(source.right())) - left);
    const int height = std::max(1, static_cast<int>(std::lround(source.bottom())) - top);
    const QRect sourcePixels(left, top, width, height);

    QImage part;
    if (canvas.rect().contains(sourcePixels) && canvas.depth() == 32) {
        // The rectangle where it lies in the canvas: the scaling reads it there, no copy of a
        // selection of millions of pixels first. Only a one-to-one copy needs pixels of its own.
        const QImage inPlace(
            canvas.constScanLine(top) + qsizetype(left) * 4, width, height, canvas.bytesPerLine(), canvas.format());
        if (inPlace.size() == destination)
            return inPlace.convertToFormat(QImage::Format_RGB32).copy();
        return inPlace.scaled(destination, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }
    if (canvas.rect().contains(sourcePixels)) {
        part = canvas.copy(sourcePixels);
    } else {
        part = QImage(sourcePixels.size(), QImage::Format_RGB32);
        part.fill(background);
        const QRect inside = sourcePixels.intersected(canvas.rect());
        if (!inside.isEmpty()) {
            QPainter painter(&part);
            painter.drawImage(inside.topLeft() - sourcePixels.topLeft(), canvas, inside);
        }
    }
    if (part.size() != destination)
        part = part.scaled(destination, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (part.format() != QImage::Format_RGB32)
        part = part.convertToFormat(QImage::Format_RGB32);
    return part;
}

} // namespace kalmora::maker
