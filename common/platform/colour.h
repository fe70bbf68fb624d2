#pragma once
// Colours cross the file boundary as 0x00BBGGRR numbers (red in the low byte).

#include <QColor>
#include <cstdint>

namespace kalmora::platform
{

// Bits above the low 24 are ignored.
QColor ToQColor(std::uint32_t bgr);
std::uint32_t ToBgr(const QColor &colour);
constexpr std::uint32_t Bgr(int red, int green, int blue)
{
    return std::uint32_t(red & 0xff) | (std::uint32_t(green & 0xff) << 8) | (std::uint32_t(blue & 0xff) << 16);
}

} // namespace kalmora::platform
