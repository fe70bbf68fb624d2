#pragma once
// The date services the calendar relies on: format patterns, Japanese weekday names, the validity
// test of a date text and whole-month arithmetic.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace kalmora::platform
{

// Formats with one of the patterns "yyyy/mm", "yyyymm", "yyyymmdd", "yyyymmddhhmmss" (hours 00 to
// 23) or "aaa" (the one-character Japanese weekday name). Any other pattern gives an empty text.
QString FormatDate(const QDateTime &dateTime, const QString &pattern);
QString FormatDate(QDate date, const QString &pattern);

// "日", "月", "火", "水", "木", "金" or "土"; empty for an invalid date.
QString WeekdayName(QDate date);

// Weekday numbered Sunday = 1 ... Saturday = 7; 0 for an invalid date.
int WeekdayNumber(QDate date);

// The date named by a text "year/month/day" in the Gregorian calendar (2004/07/09), or nothing
// when the text names no valid date.
std::optional<QDate> ParseDateText(const QString &text);
inline bool IsValidDateText(const QString &text)
{
    return ParseDateText(text).has_value();
}

// `date` moved by whole calendar months, the day clipped to the end of the target month
// (31 March 2004 minus one month is 29 February 2004).
QDate AddMonths(QDate date, int months);

} // namespace kalmora::platform
