#pragma once
// The generated outlines (shape_tables.cpp, written by tools/shapegen/shapegen.py): for each shape
// index the bounding rectangle of its region data and its banded list of rectangles in pixels.

#include "shapes/shape_region.h"

#include <array>
#include <span>

namespace kalmora::shapes
{

struct ShapeOutline {
    RegionRect bound; // left and top 0, right and bottom the outline's exclusive right and bottom
    std::span<const RegionRect> rects;
};

extern const std::array<ShapeOutline, kShapeCount> kShapeOutlines;

} // namespace kalmora::shapes
