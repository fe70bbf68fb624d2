#include "calendar/equinox.h"

#include <cmath>

namespace kalmora::calendar
{

namespace
{

// The order of operations is part of the rule: the results for 1948-2099 are what this
// exact expression gives in double precision.
int LegacyEquinox(int year, double perYear, double offset)
{
    const double y = year;
    return static_cast<int>(std::floor((y * perYear - std::floor(y / 4.0)) + offset));
}

// Counted from 1980 with the proper leap-year drift; valid for the 2100s.
int CorrectedEquinox(int year, double base)
{
    const double since = year - 1980;
    return static_cast<int>(std::floor(base + 0.242194 * since) - std::floor(since / 4.0));
}

constexpr int kFirstCorrectedYear = 2100;

} // namespace

int LegacySpringEquinoxDay(int year)
{
    return LegacyEquinox(year, 0.24242, 35.84);
}

int LegacyAutumnEquinoxDay(int year)
{
    return LegacyEquinox(year, 0.24204, 39.01);
}

int SpringEquinoxDay(int year)
{
    return year < kFirstCorrectedYear ? LegacySpringEquinoxDay(year) : CorrectedEquinox(year, 21.8510);
}

int AutumnEquinoxDay(int year)
{
    return year < kFirstCorrectedYear ? LegacyAutumnEquinoxDay(year) : CorrectedEquinox(year, 24.2488);
}

} // namespace kalmora::calendar
