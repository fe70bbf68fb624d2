#pragma once
// The screens of the desktop as the placement rules see them.

#include "platform/units.h"

#include <QRect>
#include <vector>

namespace kalmora::platform
{

// Every screen's geometry in twips (virtual-desktop coordinates in logical pixels times `tpp`, the
// same factor the programs use for window positions), the primary screen first. One screen of
// 1024 x 768 pixels at 0, 0 when there is no GUI application or no screen.
std::vector<QRect> ScreenRectsTwips(const TwipsPerPixel &tpp);

// The primary screen's geometry in twips (the first of ScreenRectsTwips).
QRect PrimaryScreenTwips(const TwipsPerPixel &tpp);

} // namespace kalmora::platform
