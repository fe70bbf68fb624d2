#pragma once
// The status text under the selection box: its place and size in pixels.

#include "platform/units.h"
#include "selection_geometry.h"

#include <QString>

namespace kalmora::maker
{

// A pixel count as four characters: formatted with "0000", five spaces put in front and only the
// last four characters kept. -3 shows as "0003" (the sign falls off), 12345 as "2345".
QString StatusDigits(long long pixels);

// "　X:0020,Y:0030,W:0100,H:0080" (the first character is U+3000) for a box in twips. Each value is
// rounded to whole twips (halves to even) and divided by the twips per pixel as whole numbers,
// the quotient cut toward zero: horizontal for X and W, vertical for Y and H.
QString SelectionStatusText(const TwipsRect &box, const platform::TwipsPerPixel &tpp);

} // namespace kalmora::maker
