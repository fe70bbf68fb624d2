#pragma once
// The equinox days that the holiday rules use, from a closed formula of the year.

namespace kalmora::calendar
{

// Day of March (resp. September) of the spring (resp. autumn) equinox holiday of `year`.
// Up to 2099: floor(Y x 0.24242 - floor(Y / 4) + 35.84) and floor(Y x 0.24204 - floor(Y / 4) + 39.01),
// evaluated in double precision in this order. That formula treats 2100 as a leap year, so from
// 2100 on a corrected formula counted from 1980 is used. Meaningful from 1948; no range check.
int SpringEquinoxDay(int year);
int AutumnEquinoxDay(int year);

// The formula the programs used up to 2002, for any year (it drifts a day early from 2100 on).
int LegacySpringEquinoxDay(int year);
int LegacyAutumnEquinoxDay(int year);

} // namespace kalmora::calendar
