#pragma once
// Sizing a window for a shape and cutting it to the shape's outline.

#include "platform/units.h"

#include <QRegion>
#include <QString>
#include <optional>

class QWidget;

namespace kalmora::platform {
class Dialogs;
}

namespace kalmora::shapes {

struct ShapeRegion;

// Sets the window's height, then its width, to the shape's size in twips; left and top stay. An
// index outside 0..9 does nothing.
void SetShapeWindowSize(int index, QWidget *window, const platform::TwipsPerPixel &tpp);

// The region of a record after checking it (header fields, count within capacity, banded order);
// nothing when the record is not valid region data.
std::optional<QRegion> RegionFromShape(const ShapeRegion &record);

// Cuts the window to the outline of shape `index`, replacing its previous mask. On failure shows
// "It failed in reading of region data." (bad record, index outside 0..9) or "It failed in plastic
// surgery of a window." with one OK button and ends the program at once.
void ApplyShapeRegion(int index, QWidget *window, platform::Dialogs &dialogs);

} // namespace kalmora::shapes
