#pragma once
// Twips (1/1440 inch of logical size) and screen pixels. All conversions between the two go through
// here; everything else keeps its arithmetic in one unit.

#include <QRect>
#include <QSize>

namespace kalmora::platform
{

// Twips per pixel horizontally and vertically, whole numbers (15 at 96 logical DPI).
struct TwipsPerPixel {
    int x = 15;
    int y = 15;
};

// From the primary screen's logical DPI; 15 by 15 when there is no screen (no GUI application).
TwipsPerPixel ScreenTwipsPerPixel();

// Twips to pixels, rounded to the nearest pixel (halves to even); pixels to twips.
int PixelsX(double twips, const TwipsPerPixel &tpp);
int PixelsY(double twips, const TwipsPerPixel &tpp);
inline int TwipsX(int pixels, const TwipsPerPixel &tpp)
{
    return pixels * tpp.x;
}
inline int TwipsY(int pixels, const TwipsPerPixel &tpp)
{
    return pixels * tpp.y;
}

// The primary screen's size in twips (width, height); 1024 x 768 pixels' worth with no screen.
QSize ScreenSizeTwips(const TwipsPerPixel &tpp);

} // namespace kalmora::platform
