#pragma once
// The rules a region data block must keep before a region is built from it: the header
// (dwSize 32, iType 1, nCount 1..247, nRgnSize 16 * nCount, rcBound holding every rectangle) and
// the banded order of the rectangles (sorted by top, then left; one bottom per band; each band
// starting at the previous band's bottom; runs in a band not touching; neighbouring bands not
// holding the same runs).

#include <QString>

namespace kalmora::shapes
{

struct ShapeRegion;

// True when the record is valid region data; otherwise false, and *error (if given) says which
// rule the first offending rectangle breaks.
bool CheckRegionData(const ShapeRegion &record, QString *error = nullptr);

} // namespace kalmora::shapes
