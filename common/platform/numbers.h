#pragma once
// Number conventions of the stored files and of the on-screen texts.

#include <QString>
#include <cstdint>

namespace kalmora::platform
{

// The leading decimal number of `text` (spaces around it ignored, optional sign, digits, optional
// fraction after "."), reading stops at the first character that cannot continue it.
// " 1200 " -> 1200, "1200.5" -> 1200.5, "-300" -> -300, "12ab" -> 12, "abc" and "" -> 0.
double LeadingNumber(const QString &text);

// Rounds to the nearest whole number, halves to the even neighbour: 1200.5 -> 1200, 1201.5 -> 1202,
// -2.5 -> -2.
double RoundHalfEven(double value);

// RoundHalfEven, then clamped into the range of a signed 32-bit (or 16-bit) integer; NaN gives 0.
std::int32_t ToInt32(double value);
std::int16_t ToInt16(double value);

// Formats a whole number with a digit pattern of zeros ("00", "0000"): at least that many digits,
// leading zeros, a "-" in front of negative numbers ("-0045" for -45 with "0000").
QString FormatNumber(std::int64_t value, const QString &pattern);

} // namespace kalmora::platform
