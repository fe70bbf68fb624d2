#pragma once
// Control places are kept in twips, as designed; widgets take pixels. This is the one place where
// the maker turns the one into the other.

#include "platform/units.h"

#include <QRect>
#include <QRectF>

namespace kalmora::maker
{

// Left, top, width, height in twips to a pixel rectangle (each rounded to the nearest pixel).
QRect PixelRect(double left, double top, double width, double height, const platform::TwipsPerPixel &tpp);
inline QRect PixelRect(const QRect &twips, const platform::TwipsPerPixel &tpp)
{
    return PixelRect(twips.x(), twips.y(), twips.width(), twips.height(), tpp);
}

// A pixel rectangle in twips.
inline QRect TwipsRectOf(const QRect &pixels, const platform::TwipsPerPixel &tpp)
{
    return QRect(pixels.x() * tpp.x, pixels.y() * tpp.y, pixels.width() * tpp.x, pixels.height() * tpp.y);
}

} // namespace kalmora::maker
