#include "twips_geometry.h"

namespace kalmora::maker
{

QRect PixelRect(double left, double top, double width, double height, const platform::TwipsPerPixel &tpp)
{
    return QRect(platform::PixelsX(left, tpp), platform::PixelsY(top, tpp), platform::PixelsX(width, tpp),
        platform::PixelsY(height, tpp));
}

} // namespace kalmora::maker
