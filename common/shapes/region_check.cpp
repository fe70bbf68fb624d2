#include "shapes/region_check.h"

#include "shapes/shape_region.h"

namespace kalmora::shapes
{

namespace
{

bool Fail(QString *error, const QString &text)
{
    if (error != nullptr)
        *error = text;
    return false;
}

QString Describe(int index, const RegionRect &r)
{
    return QStringLiteral("rectangle %1 (%2, %3, %4, %5)").arg(index).arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

bool CheckRegionData(const ShapeRegion &record, QString *error)
{
    const RegionHeader &h = record.rdh;
    if (h.dwSize != static_cast<std::int32_t>(sizeof(RegionHeader)))
        return Fail(error, QStringLiteral("header size %1, not 32").arg(h.dwSize));
    if (h.iType != 1)
        return Fail(error, QStringLiteral("type %1, not rectangles").arg(h.iType));
    if (h.nCount < 1 || h.nCount > kShapeCapacity)
        return Fail(error, QStringLiteral("%1 rectangles, not 1 to %2").arg(h.nCount).arg(kShapeCapacity));
    if (h.nRgnSize != 16 * h.nCount)
        return Fail(error, QStringLiteral("%1 bytes of rectangles for %2 rectangles").arg(h.nRgnSize).arg(h.nCount));

    int bandStart = 0; // index of the first rectangle of the current band
    for (int i = 0; i < h.nCount; ++i) {
        const RegionRect &r = record.rects[i];
        if (r.right <= r.left || r.bottom <= r.top)
            return Fail(error, Describe(i, r) + QStringLiteral(" is empty"));
        if (r.left < h.rcBound.left || r.top < h.rcBound.top || r.right > h.rcBound.right
            || r.bottom > h.rcBound.bottom)
            return Fail(error, Describe(i, r) + QStringLiteral(" lies outside the bounding rectangle"));
        if (i == 0)
            continue;
        const RegionRect &prev = record.rects[i - 1];
        if (r.top == prev.top) {
            if (r.bottom != prev.bottom)
                return Fail(error, Describe(i, r) + QStringLiteral(" shares its band's top but not its bottom"));
            if (r.left <= prev.right)
                return Fail(error, Describe(i, r) + QStringLiteral(" touches or precedes the run before it"));
            continue;
        }
        if (r.top != prev.bottom)
            return Fail(error, Describe(i, r) + QStringLiteral(" does not start at the previous band's bottom"));
        // A new band begins at i; it must differ from the band before it.
        const int prevStart = bandStart;
        const int prevLength = i - prevStart;
        int length = 1;
        while (i + length < h.nCount && record.rects[i + length].top == r.top)
            ++length;
        if (length == prevLength) {
            bool same = true;
            for (int k = 0; k < length && same; ++k)
                same = record.rects[i + k].left == record.rects[prevStart + k].left
                    && record.rects[i + k].right == record.rects[prevStart + k].right;
            if (same)
                return Fail(
                    error, Describe(i, r) + QStringLiteral(" begins a band with the same runs as the one above"));
        }
        bandStart = i;
    }
    return true;
}

} // namespace kalmora::shapes
