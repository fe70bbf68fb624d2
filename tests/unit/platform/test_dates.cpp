#include "platform/dates.h"

#include <QLocale>
#include <QTest>

using namespace kalmora::platform;

// Date patterns, weekday names, date texts and month arithmetic. Weekdays checked against a
// printed calendar of 2004.
class TestDates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The weekday names must not follow the locale.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void formatDate_data()
    {
        // clang-format off
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QDateTime friday(QDate(2004, 7, 9), QTime(23, 5, 7));
        QTest::newRow("yyyy/mm") << friday << "yyyy/mm" << "2004/07";
        QTest::newRow("yyyymm") << friday << "yyyymm" << "200407";
        QTest::newRow("yyyymmdd") << friday << "yyyymmdd" << "20040709";
        QTest::newRow("yyyymmddhhmmss") << friday << "yyyymmddhhmmss" << "20040709230507";
        QTest::newRow("midnight") << QDateTime(QDate(2004, 12, 31), QTime(0, 0)) << "yyyymmddhhmmss" << "20041231000000";
        QTest::newRow("aaa") << friday << "aaa" << QStringLiteral("金");
        QTest::newRow("year below 1000") << QDateTime(QDate(999, 1, 2), QTime(1, 2)) << "yyyy/mm" << "0999/01";
        QTest::newRow("other pattern") << friday << "dd" << "";
        QTest::newRow("invalid date") << QDateTime() << "yyyymm" << "";
        // clang-format on
    }
    void formatDate()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(FormatDate(moment, pattern), expected);
        if (pattern != QLatin1String("yyyymmddhhmmss"))
            QCOMPARE(FormatDate(moment.date(), pattern), expected);
    }

    void weekdays_data()
    {
        // clang-format off
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("Sunday") << QDate(2004, 7, 4) << QStringLiteral("日") << 1;
        QTest::newRow("Monday") << QDate(2004, 7, 5) << QStringLiteral("月") << 2;
        QTest::newRow("Tuesday") << QDate(2004, 7, 6) << QStringLiteral("火") << 3;
        QTest::newRow("Wednesday") << QDate(2004, 7, 7) << QStringLiteral("水") << 4;
        QTest::newRow("Thursday") << QDate(2004, 7, 8) << QStringLiteral("木") << 5;
        QTest::newRow("Friday") << QDate(2004, 7, 9) << QStringLiteral("金") << 6;
        QTest::newRow("Saturday") << QDate(2004, 7, 10) << QStringLiteral("土") << 7;
        QTest::newRow("leap day") << QDate(2004, 2, 29) << QStringLiteral("日") << 1;
        QTest::newRow("invalid") << QDate() << QString() << 0;
        // clang-format on
    }
    void weekdays()
    {
        QFETCH(QDate, date);
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(WeekdayName(date), name);
        QCOMPARE(WeekdayNumber(date), number);
        QCOMPARE(FormatDate(date, "aaa"), name);
    }

    void parseDateText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date
        QTest::newRow("two-digit parts") << "2004/07/09" << QDate(2004, 7, 9);
        QTest::newRow("one-digit parts") << "2004/7/9" << QDate(2004, 7, 9);
        QTest::newRow("leap day") << "2004/02/29" << QDate(2004, 2, 29);
        QTest::newRow("leap day of 2000") << "2000/02/29" << QDate(2000, 2, 29);
        QTest::newRow("no leap day 2003") << "2003/02/29" << QDate();
        QTest::newRow("no leap day 1900") << "1900/02/29" << QDate();
        QTest::newRow("31 April") << "2004/04/31" << QDate();
        QTest::newRow("31 July") << "2004/07/31" << QDate(2004, 7, 31);
        QTest::newRow("day 32") << "2004/07/32" << QDate();
        QTest::newRow("month 13") << "2004/13/01" << QDate();
        QTest::newRow("month 0") << "2004/00/10" << QDate();
        QTest::newRow("day 0") << "2004/07/00" << QDate();
        QTest::newRow("year 0") << "0000/01/01" << QDate();
        QTest::newRow("month key only") << "2004/07" << QDate();
        QTest::newRow("trailing text") << "2004/07/09x" << QDate();
        QTest::newRow("negative") << "2004/-7/09" << QDate();
        QTest::newRow("empty part") << "2004//09" << QDate();
        QTest::newRow("too long part") << "2004/007/09" << QDate();
        QTest::newRow("words") << "abc" << QDate();
        QTest::newRow("empty") << "" << QDate();
        // clang-format on
    }
    void parseDateText()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const std::optional<QDate> parsed = ParseDateText(text);
        QCOMPARE(parsed.has_value(), expected.isValid());
        QCOMPARE(IsValidDateText(text), expected.isValid());
        if (parsed)
            QCOMPARE(*parsed, expected);
    }

    void addMonths_data()
    {
        // clang-format off
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("31 March minus one") << QDate(2004, 3, 31) << -1 << QDate(2004, 2, 29);
        QTest::newRow("31 January plus one, leap") << QDate(2004, 1, 31) << 1 << QDate(2004, 2, 29);
        QTest::newRow("31 January plus one") << QDate(2003, 1, 31) << 1 << QDate(2003, 2, 28);
        QTest::newRow("31 May plus one") << QDate(2004, 5, 31) << 1 << QDate(2004, 6, 30);
        QTest::newRow("into next year") << QDate(2004, 12, 15) << 1 << QDate(2005, 1, 15);
        QTest::newRow("into last year") << QDate(2004, 1, 15) << -1 << QDate(2003, 12, 15);
        QTest::newRow("leap day plus a year") << QDate(2004, 2, 29) << 12 << QDate(2005, 2, 28);
        QTest::newRow("zero") << QDate(2004, 7, 9) << 0 << QDate(2004, 7, 9);
        QTest::newRow("many months back") << QDate(2004, 7, 31) << -29 << QDate(2002, 2, 28);
        // clang-format on
    }
    void addMonths()
    {
        QFETCH(QDate, date);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        QCOMPARE(AddMonths(date, months), expected);
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "test_dates.moc"
