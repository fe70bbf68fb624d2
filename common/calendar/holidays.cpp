#include "calendar/holidays.h"

#include "calendar/equinox.h"

namespace kalmora::calendar
{

namespace
{

constexpr int kFirstHolidayYear = 1948;
constexpr int kFirstYearOfCurrentLaw = 2003;
// From this year a substitute day is the first non-holiday after a Sunday holiday, and a day
// between two holidays no longer has to avoid Sundays and substitute days.
constexpr int kFirstYearOfLongSubstitutes = 2007;

bool IsMonday(QDate date)
{
    return date.dayOfWeek() == Qt::Monday;
}
bool IsSunday(QDate date)
{
    return date.dayOfWeek() == Qt::Sunday;
}

// The n-th (1-based) Monday of a month falls on day 7n-6 to 7n.
bool IsNthMonday(QDate date, int n)
{
    return IsMonday(date) && (date.day() + 6) / 7 == n;
}

// The rule table the programs have always carried, used as it stands for every date up to 2002.
// The first rule that matches wins; the order follows the table.
bool LegacyHoliday(QDate date, bool substitute)
{
    const int y = date.year();
    const int m = date.month();
    const int d = date.day();
    const bool substituteMonday = substitute && IsMonday(date);
    auto is = [&](int month, int day) { return m == month && d == day; };

    if (y < kFirstHolidayYear)
        return false;
    if (is(1, 1) || is(4, 29) || is(5, 3) || is(5, 5) || is(11, 3) || is(11, 23))
        return true;
    if (substituteMonday && (is(1, 2) || is(4, 30) || is(5, 4) || is(5, 6) || is(11, 4) || is(11, 24)))
        return true;
    if (y >= 1966) {
        if (is(2, 11) || is(9, 15))
            return true;
        if (substituteMonday && (is(2, 12) || is(9, 16)))
            return true;
    }
    if ((y >= 1989 && is(12, 23)) || (y >= 1995 && is(7, 20)))
        return true;
    if (substituteMonday && ((y >= 1989 && is(12, 24)) || (y >= 1995 && is(7, 21))))
        return true;
    if ((y <= 1999 && is(1, 15)) || (y >= 1966 && y <= 1999 && is(10, 10)))
        return true;
    if (substituteMonday && ((y <= 1999 && is(1, 16)) || (y >= 1966 && y <= 1999 && is(10, 11))))
        return true;
    if (y >= 2000 && IsMonday(date) && (m == 1 || m == 10) && d >= 8 && d <= 14)
        return true;
    const int spring = LegacySpringEquinoxDay(y);
    const int autumn = LegacyAutumnEquinoxDay(y);
    if ((m == 3 && d == spring) || (m == 9 && d == autumn))
        return true;
    if (substituteMonday && ((m == 3 && d - 1 == spring) || (m == 9 && d - 1 == autumn)))
        return true;
    // 4 May between two holidays, Tuesday to Saturday only.
    if (y >= 1985 && is(5, 4) && date.dayOfWeek() != Qt::Sunday && date.dayOfWeek() != Qt::Monday)
        return true;
    return false;
}

// A holiday named by the current law (not a substitute day, not a day between holidays).
bool NamedHoliday(QDate date)
{
    const int y = date.year();
    const int m = date.month();
    const int d = date.day();

    switch (m) {
    case 1:
        return d == 1 || IsNthMonday(date, 2);
    case 2:
        return d == 11 || (y >= 2020 && d == 23);
    case 3:
        return d == SpringEquinoxDay(y);
    case 4:
        return d == 29;
    case 5:
        return d == 3 || d == 5 || (y >= 2007 && d == 4) || (y == 2019 && d == 1);
    case 7:
        // The Olympic years moved Marine Day and Sports Day into July.
        if (y == 2020)
            return d == 23 || d == 24;
        if (y == 2021)
            return d == 22 || d == 23;
        return IsNthMonday(date, 3);
    case 8:
        if (y == 2020)
            return d == 10;
        if (y == 2021)
            return d == 8;
        return y >= 2016 && d == 11;
    case 9:
        return IsNthMonday(date, 3) || d == AutumnEquinoxDay(y);
    case 10:
        if (y == 2020 || y == 2021)
            return false;
        return IsNthMonday(date, 2) || (y == 2019 && d == 22);
    case 11:
        return d == 3 || d == 23;
    case 12:
        return y <= 2018 && d == 23;
    default:
        return false;
    }
}

bool SubstituteDay(QDate date)
{
    if (NamedHoliday(date))
        return false;
    if (date.year() < kFirstYearOfLongSubstitutes)
        return IsMonday(date) && NamedHoliday(date.addDays(-1));
    // The first day after a Sunday holiday that is not itself a holiday: walk back over the run
    // of holidays just before this day and look for a Sunday in it.
    for (QDate before = date.addDays(-1); NamedHoliday(before); before = before.addDays(-1)) {
        if (IsSunday(before))
            return true;
    }
    return false;
}

bool DayBetweenHolidays(QDate date)
{
    if (NamedHoliday(date) || !NamedHoliday(date.addDays(-1)) || !NamedHoliday(date.addDays(1)))
        return false;
    if (date.year() < kFirstYearOfLongSubstitutes)
        return !IsSunday(date) && !SubstituteDay(date);
    return true;
}

} // namespace

bool CheckHoliday(QDate date, bool substitute)
{
    if (!date.isValid() || date.year() < kFirstHolidayYear)
        return false;
    if (date.year() < kFirstYearOfCurrentLaw)
        return LegacyHoliday(date, substitute);
    return NamedHoliday(date) || (substitute && SubstituteDay(date)) || DayBetweenHolidays(date);
}

} // namespace kalmora::calendar
