#include "shapes/window_shaping.h"

#include "platform/dialogs.h"
#include "platform/process.h"
#include "shapes/region_check.h"
#include "shapes/shape_region.h"

#include <QCoreApplication>
#include <QRect>
#include <QVarLengthArray>
#include <QWidget>

namespace kalmora::shapes
{

namespace
{

// Shows the failure with one OK button, then ends the program without running any closing
// handler: a window that cannot take its shape must not go on half-made, and nothing it would
// save on closing (its placement) may be written on this path.
[[noreturn]] void FailAndEnd(QWidget *window, platform::Dialogs &dialogs, const char *text)
{
    dialogs.message(window, QString::fromLatin1(text), QCoreApplication::applicationName());
    platform::EndProgramNow(1);
}

} // namespace

void SetShapeWindowSize(int index, QWidget *window, const platform::TwipsPerPixel &tpp)
{
    int widthTwips = 0;
    int heightTwips = 0;
    if (window == nullptr || !ShapeWindowSizeTwips(index, &widthTwips, &heightTwips))
        return;
    // Height first, then width; resize keeps the left and top edges where they are.
    window->resize(window->width(), platform::PixelsY(heightTwips, tpp));
    window->resize(platform::PixelsX(widthTwips, tpp), window->height());
}

std::optional<QRegion> RegionFromShape(const ShapeRegion &record)
{
    if (!CheckRegionData(record))
        return std::nullopt;
    QVarLengthArray<QRect, kShapeCapacity> rects;
    for (int i = 0; i < record.rdh.nCount; ++i) {
        const RegionRect &r = record.rects[i];
        // Region rectangles end just outside (exclusive right and bottom); QRect's right() and
        // bottom() are inclusive, so build from the size.
        rects.append(QRect(QPoint(r.left, r.top), QSize(r.right - r.left, r.bottom - r.top)));
    }
    // The check above guarantees the y-x banded, non-touching order that setRects expects.
    QRegion region;
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

void ApplyShapeRecord(const ShapeRegion &record, QWidget *window, platform::Dialogs &dialogs)
{
    const std::optional<QRegion> region = RegionFromShape(record);
    if (!region)
        FailAndEnd(window, dialogs, kRegionDataFailure);
    if (window == nullptr)
        FailAndEnd(window, dialogs, kWindowRegionFailure);
    window->setMask(*region); // replaces the previous mask
    if (window->mask() != *region)
        FailAndEnd(window, dialogs, kWindowRegionFailure);
}

void ApplyShapeRegion(int index, QWidget *window, platform::Dialogs &dialogs)
{
    // No record exists for an index outside the table: that is a failure to read region data.
    if (index < 0 || index >= kShapeCount)
        FailAndEnd(window, dialogs, kRegionDataFailure);
    ApplyShapeRecord(ShapeRegions()[index], window, dialogs);
}

} // namespace kalmora::shapes
