#pragma once
// The ten die-cut shapes as region data blocks: a 32-byte header and a banded list of rectangles in
// pixels (left and top inside, right and bottom just outside). The lists are generated constants
// (tools/shapegen); InitShapeRegions copies them into the table once at start-up.

#include <array>
#include <cstdint>

namespace kalmora::shapes
{

struct RegionRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0; // exclusive
    std::int32_t bottom = 0; // exclusive
};

struct RegionHeader {
    std::int32_t dwSize = 0; // 32
    std::int32_t iType = 0; // 1, rectangles
    std::int32_t nCount = 0; // rectangles in use
    std::int32_t nRgnSize = 0; // 16 * nCount
    RegionRect rcBound;
};

inline constexpr int kShapeCapacity = 247;
inline constexpr int kShapeCount = 10;

struct ShapeRegion {
    RegionHeader rdh;
    std::array<RegionRect, kShapeCapacity> rects {};
};
static_assert(sizeof(RegionHeader) == 32);
static_assert(sizeof(ShapeRegion) == 32 + 16 * kShapeCapacity);

// The table, all zero until InitShapeRegions has run.
const std::array<ShapeRegion, kShapeCount> &ShapeRegions();
void InitShapeRegions();

// Window size of a shape index in twips (width, height); false for an index outside 0..9.
bool ShapeWindowSizeTwips(int index, int *width, int *height);

} // namespace kalmora::shapes
