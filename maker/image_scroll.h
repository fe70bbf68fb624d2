#pragma once
// Range and steps of one of the main window's image scroll bars. The bar's value is how many twips
// of the image canvas are scrolled out of the viewport on the left (or top); the canvas stands at
// minus the value.

namespace kalmora::maker
{

struct ImageScrollSetup {
    // Hidden part of the canvas in twips (canvas minus viewport, halves to even); 0 or less when
    // the image fits. Clamped to the scroll bar's int range, so any image that fits in memory scrolls.
    int maximum = 0;
    // One arrow click scrolls one pixel.
    int smallStep = 0;
    // A tenth of the maximum, cut toward zero; only set while the bar is enabled.
    int largeStep = 0;
    bool enabled = false;
    bool operator==(const ImageScrollSetup &) const = default;
};

// `canvas` and `viewport` are the two sizes in one direction, twips; `twipsPerPixel` that
// direction's screen value.
ImageScrollSetup ComputeImageScroll(double canvas, double viewport, int twipsPerPixel);

} // namespace kalmora::maker
