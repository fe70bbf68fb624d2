#include "image_scale.h"

namespace kalmora::maker
{

QSize ScaledCanvasTwips(int scale, int loadedWidth, int loadedHeight)
{
    // 64 bits: a scale times a large photo's size in twips passes the 32-bit range.
    const auto scaled = [scale](int size) { return static_cast<int>(static_cast<long long>(scale) * size / 100); };
    return QSize(scaled(loadedWidth), scaled(loadedHeight));
}

} // namespace kalmora::maker
