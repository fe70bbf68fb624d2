#include "platform/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kalmora::platform
{

namespace
{

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

template <typename Int> Int ToInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= double(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= double(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return Int(rounded);
}

} // namespace

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    std::string number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        number += char(text[i].unicode());
        ++i;
    }
    bool anyDigit = false;
    while (i < n && IsDigit(text[i])) {
        number += char(text[i].unicode());
        anyDigit = true;
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            number += char(text[i].unicode());
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return 0.0;
    // strtod reads the C locale's "." here: the program never calls setlocale for LC_NUMERIC.
    return std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int32_t ToInt32(double value)
{
    return ToInt<std::int32_t>(value);
}
std::int16_t ToInt16(double value)
{
    return ToInt<std::int16_t>(value);
}

QString FormatNumber(std::int64_t value, const QString &pattern)
{
    const int width = int(pattern.count(QLatin1Char('0')));
    const bool negative = value < 0;
    // The magnitude in unsigned arithmetic, so that the most negative number has one too.
    const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    QString digits = QString::number(magnitude);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace kalmora::platform
