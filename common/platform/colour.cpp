#include "platform/colour.h"

namespace kalmora::platform
{

QColor ToQColor(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

std::uint32_t ToBgr(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return Bgr(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace kalmora::platform
