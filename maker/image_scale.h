#pragma once
// The input image drawn at the scale chosen in the settings dialog.

#include <QSize>

namespace kalmora::maker
{

// 100, 90, ... 10 percent for the scale list's index 0 to 9.
inline int ScaleOfIndex(int index)
{
    return 100 - 10 * index;
}

// The canvas size in twips at `scale` percent: scale × loaded size integer-divided by 100 (cut
// toward zero), for width and height alike.
QSize ScaledCanvasTwips(int scale, int loadedWidth, int loadedHeight);

} // namespace kalmora::maker
