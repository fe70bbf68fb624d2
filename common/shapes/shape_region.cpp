#include "shapes/shape_region.h"

#include "shapes/shape_tables.h"

#include <algorithm>

namespace kalmora::shapes
{

namespace
{

std::array<ShapeRegion, kShapeCount> &Table()
{
    static std::array<ShapeRegion, kShapeCount> table {};
    return table;
}

struct WindowSize {
    int width;
    int height;
};

// Twips; the small circle's window is one pixel higher than wide.
constexpr std::array<WindowSize, kShapeCount> kWindowSizes = { {
    { 3840, 3840 },
    { 3840, 3840 },
    { 3840, 3840 },
    { 3840, 3840 },
    { 3840, 3840 },
    { 2970, 2970 },
    { 2970, 2970 },
    { 2940, 2955 },
    { 2925, 2925 },
    { 3015, 3015 },
} };

} // namespace

const std::array<ShapeRegion, kShapeCount> &ShapeRegions()
{
    return Table();
}

void InitShapeRegions()
{
    auto &table = Table();
    for (int i = 0; i < kShapeCount; ++i) {
        const ShapeOutline &outline = kShapeOutlines[i];
        ShapeRegion &record = table[i];
        const auto count = static_cast<std::int32_t>(std::min<std::size_t>(outline.rects.size(), kShapeCapacity));
        record.rdh.dwSize = sizeof(RegionHeader);
        record.rdh.iType = 1;
        record.rdh.nCount = count;
        record.rdh.nRgnSize = 16 * count;
        record.rdh.rcBound = outline.bound;
        record.rects = {};
        std::copy_n(outline.rects.begin(), count, record.rects.begin());
    }
}

bool ShapeWindowSizeTwips(int index, int *width, int *height)
{
    if (index < 0 || index >= kShapeCount)
        return false;
    if (width != nullptr)
        *width = kWindowSizes[index].width;
    if (height != nullptr)
        *height = kWindowSizes[index].height;
    return true;
}

} // namespace kalmora::shapes
