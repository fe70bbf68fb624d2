#include "image_scroll.h"

#include "platform/numbers.h"

namespace kalmora::maker
{

ImageScrollSetup ComputeImageScroll(double canvas, double viewport, int twipsPerPixel)
{
    ImageScrollSetup setup;
    setup.maximum = platform::ToInt32(canvas - viewport);
    setup.smallStep = twipsPerPixel;
    setup.enabled = setup.maximum > 0;
    setup.largeStep = setup.enabled ? setup.maximum / 10 : 0;
    return setup;
}

} // namespace kalmora::maker
