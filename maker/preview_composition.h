#pragma once
// The preview's picture: the part of the input canvas under the selection box, stretched to the
// preview's size.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

namespace kalmora::maker
{

// Paints `source` (a rectangle of `canvas` in canvas pixels, possibly reaching beyond it) into a
// picture of `destination` pixels, stretched independently in both directions and smoothly
// scaled (area averaging when shrinking, bilinear when enlarging). Where the source lies outside
// the canvas the picture shows `background`. The source is at least one pixel wide and high.
// Returns a null image for an empty destination.
QImage ComposePreview(const QImage &canvas, const QRectF &source, QSize destination, const QColor &background);

} // namespace kalmora::maker
