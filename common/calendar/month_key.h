#pragma once
// A month travels through the programs as the text "yyyy/mm" (a MonthKey).

#include <QDate>
#include <QString>

namespace kalmora::calendar
{

// "yyyy/mm" of `date`.
QString MonthKeyOf(QDate date);

// The key split at its first "/": year text and month text (the whole key and "" without a "/").
struct YearMonthText {
    QString year;
    QString month;
};
YearMonthText SplitMonthKey(const QString &key);

// 31, 30, 29 or 28: the first that forms a valid date with the key; 0 when none does.
int DaysInMonth(const QString &key);

// Column 0 (Sunday) to 6 (Saturday) of the first day of the month; 0 for a key that names no date.
int StartColumn(const QString &key);

// The one-character weekday name of a date text "yyyy/mm/dd"; empty when it names no date.
QString WeekdayNameOfText(const QString &dateText);

// The month of the key is the month of `today`; the key and the day text name `today`.
bool IsCurrentMonth(const QString &key, QDate today);
bool IsToday(const QString &key, const QString &dayText, QDate today);

} // namespace kalmora::calendar
