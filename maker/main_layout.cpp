#include "main_layout.h"

namespace kalmora::maker
{

namespace
{
std::optional<QRect> Place(int left, int top, int width, int height)
{
    if (width < 0 || height < 0)
        return std::nullopt;
    return QRect(left, top, width, height);
}
} // namespace

MainLayout ComputeMainLayout(int clientWidth, int clientHeight, int vScrollWidth, int hScrollHeight)
{
    const int innerWidth = clientWidth - vScrollWidth;
    const int innerHeight = clientHeight - hScrollHeight;
    MainLayout layout;
    // A bar placed at a negative position is still a valid move; only a negative size fails.
    layout.vScroll = Place(innerWidth, 0, vScrollWidth, innerHeight);
    layout.hScroll = Place(0, innerHeight, innerWidth, hScrollHeight);
    layout.base = Place(0, 0, innerWidth, innerHeight);
    return layout;
}

} // namespace kalmora::maker
