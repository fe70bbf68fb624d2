#include "selection_status.h"

#include "platform/numbers.h"

namespace kalmora::maker
{

QString StatusDigits(long long pixels)
{
    const QString padded = QStringLiteral("     ") + platform::FormatNumber(pixels, QStringLiteral("0000"));
    return padded.right(4);
}

namespace
{
long long WholePixels(double twips, int twipsPerPixel)
{
    const auto whole = static_cast<long long>(platform::RoundHalfEven(twips));
    const long long divisor = twipsPerPixel == 0 ? 1 : twipsPerPixel;
    return whole / divisor;
}
} // namespace

QString SelectionStatusText(const TwipsRect &box, const platform::TwipsPerPixel &tpp)
{
    return QStringLiteral("\u3000X:") + StatusDigits(WholePixels(box.left, tpp.x)) + QStringLiteral(",Y:")
        + StatusDigits(WholePixels(box.top, tpp.y)) + QStringLiteral(",W:")
        + StatusDigits(WholePixels(box.width, tpp.x)) + QStringLiteral(",H:")
        + StatusDigits(WholePixels(box.height, tpp.y));
}

} // namespace kalmora::maker
