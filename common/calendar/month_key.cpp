#include "calendar/month_key.h"

#include "platform/dates.h"
#include "platform/numbers.h"

namespace kalmora::calendar
{

QString MonthKeyOf(QDate date)
{
    return platform::FormatDate(date, QStringLiteral("yyyy/mm"));
}

YearMonthText SplitMonthKey(const QString &key)
{
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0)
        return { key, QString() };
    return { key.left(slash), key.mid(slash + 1) };
}

int DaysInMonth(const QString &key)
{
    // Longest first: the first day number that forms a real date is the month's length.
    for (int day : { 31, 30, 29, 28 }) {
        if (platform::IsValidDateText(key + u'/' + platform::FormatNumber(day, QStringLiteral("00"))))
            return day;
    }
    return 0;
}

int StartColumn(const QString &key)
{
    static const QString kColumns = QStringLiteral("日月火水木金土");
    const QString name = WeekdayNameOfText(key + QStringLiteral("/01"));
    if (name.size() != 1)
        return 0;
    const qsizetype column = kColumns.indexOf(name);
    return column < 0 ? 0 : int(column);
}

QString WeekdayNameOfText(const QString &dateText)
{
    const std::optional<QDate> date = platform::ParseDateText(dateText);
    return date ? platform::WeekdayName(*date) : QString();
}

bool IsCurrentMonth(const QString &key, QDate today)
{
    const YearMonthText parts = SplitMonthKey(key);
    return platform::FormatDate(today, QStringLiteral("yyyymm")) == parts.year + parts.month;
}

bool IsToday(const QString &key, const QString &dayText, QDate today)
{
    const YearMonthText parts = SplitMonthKey(key);
    return platform::FormatDate(today, QStringLiteral("yyyymmdd")) == parts.year + parts.month + dayText;
}

} // namespace kalmora::calendar
