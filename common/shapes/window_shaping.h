#pragma once
// Sizing a window for a shape and cutting it to the shape's outline.

#include "platform/units.h"

#include <QRegion>
#include <QString>
#include <optional>

class QWidget;

namespace kalmora::platform
{
class Dialogs;
}

namespace kalmora::shapes
{

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

// The same for a record of one's own: cuts the window to it, or shows the matching failure
// message and ends the program. ApplyShapeRegion hands it the table's record of the index.
void ApplyShapeRecord(const ShapeRegion &record, QWidget *window, platform::Dialogs &dialogs);

// The two failure messages, exactly as shown.
inline constexpr char kRegionDataFailure[] = "It failed in reading of region data.";
inline constexpr char kWindowRegionFailure[] = "It failed in plastic surgery of a window.";

} // namespace kalmora::shapes
