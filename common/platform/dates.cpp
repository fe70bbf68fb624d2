#include "platform/dates.h"

#include "platform/numbers.h"

#include <QStringList>

namespace kalmora::platform
{

namespace
{

QString Digits(int value, int width)
{
    return FormatNumber(value, QString(width, QLatin1Char('0')));
}

bool AllDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

QString FormatDate(const QDateTime &dateTime, const QString &pattern)
{
    const QDate date = dateTime.date();
    if (!date.isValid())
        return {};
    if (pattern == QLatin1String("yyyymmddhhmmss")) {
        const QTime time = dateTime.time();
        return Digits(date.year(), 4) + Digits(date.month(), 2) + Digits(date.day(), 2) + Digits(time.hour(), 2)
            + Digits(time.minute(), 2) + Digits(time.second(), 2);
    }
    return FormatDate(date, pattern);
}

QString FormatDate(QDate date, const QString &pattern)
{
    if (!date.isValid())
        return {};
    if (pattern == QLatin1String("yyyy/mm"))
        return Digits(date.year(), 4) + QLatin1Char('/') + Digits(date.month(), 2);
    if (pattern == QLatin1String("yyyymm"))
        return Digits(date.year(), 4) + Digits(date.month(), 2);
    if (pattern == QLatin1String("yyyymmdd"))
        return Digits(date.year(), 4) + Digits(date.month(), 2) + Digits(date.day(), 2);
    if (pattern == QLatin1String("yyyymmddhhmmss"))
        return Digits(date.year(), 4) + Digits(date.month(), 2) + Digits(date.day(), 2) + QStringLiteral("000000");
    if (pattern == QLatin1String("aaa"))
        return WeekdayName(date);
    return {};
}

QString WeekdayName(QDate date)
{
    static const QString names[] = { QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土") };
    const int number = WeekdayNumber(date);
    return number == 0 ? QString() : names[number - 1];
}

int WeekdayNumber(QDate date)
{
    if (!date.isValid())
        return 0;
    // Qt counts Monday = 1 to Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

std::optional<QDate> ParseDateText(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QString part = parts[i].trimmed();
        // At most four digits for the year and two for month and day keep the numbers in range.
        if (!AllDigits(part) || part.size() > (i == 0 ? 4 : 2))
            return std::nullopt;
        numbers[i] = part.toInt();
    }
    if (numbers[0] < 1)
        return std::nullopt;
    const QDate date(numbers[0], numbers[1], numbers[2]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QDate AddMonths(QDate date, int months)
{
    // QDate::addMonths keeps the day when it exists in the target month and clips it otherwise.
    return date.addMonths(months);
}

} // namespace kalmora::platform
