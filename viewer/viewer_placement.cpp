#include "viewer/viewer_placement.h"

namespace kalmora::viewer
{
namespace
{

// 64-bit sums: a stored edge near the top of the 32-bit range plus the window's size must not wrap.
std::int32_t KeepOnScreen(std::int32_t edge, int windowExtent, int screenExtent)
{
    if (edge < 0)
        return 0;
    if (std::int64_t(edge) + windowExtent > screenExtent)
        return 0;
    return edge;
}

} // namespace

QPoint ViewerWindowPlace(std::int32_t vxx, std::int32_t vyy, QSize windowTwips, QSize screenTwips)
{
    return QPoint(KeepOnScreen(vxx, windowTwips.width(), screenTwips.width()),
        KeepOnScreen(vyy, windowTwips.height(), screenTwips.height()));
}

} // namespace kalmora::viewer
