// Month keys "yyyy/mm" and the facts read from them.

#include "calendar/month_key.h"
#include "platform/dates.h"

#include <QTest>

using namespace kalmora::calendar;

class MonthKeyTest : public QObject
{
    Q_OBJECT
private slots:
    void daysAndStart_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("startColumn");
        QTest::newRow("2004/02 leap, starts Sunday") << "2004/02" << 29 << 0;
        QTest::newRow("2004/05 starts Saturday") << "2004/05" << 31 << 6;
        QTest::newRow("2004/07 starts Thursday") << "2004/07" << 31 << 4;
        QTest::newRow("2004/04") << "2004/04" << 30 << 4;
        QTest::newRow("2003/02") << "2003/02" << 28 << 6;
        QTest::newRow("2100/02 century, not leap") << "2100/02" << 28 << 1;
        QTest::newRow("2000/02 four-hundred leap") << "2000/02" << 29 << 2;
        QTest::newRow("2026/12 starts Tuesday") << "2026/12" << 31 << 2;
        QTest::newRow("month 13") << "2004/13" << 0 << 0;
        QTest::newRow("no slash") << "200407" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
    }

    void daysAndStart()
    {
        QFETCH(QString, key);
        QFETCH(int, days);
        QFETCH(int, startColumn);
        QCOMPARE(DaysInMonth(key), days);
        QCOMPARE(StartColumn(key), startColumn);
    }

    void weekdayNames_data()
    {
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QString>("name");
        QTest::newRow("Sunday") << "2004/02/01"
                                << "日";
        QTest::newRow("Friday") << "2004/07/09"
                                << "金";
        QTest::newRow("Saturday") << "2004/03/20"
                                  << "土";
        QTest::newRow("29 Feb in a common year") << "2003/02/29"
                                                 << "";
        QTest::newRow("not a date") << "2004/07"
                                    << "";
    }

    void weekdayNames()
    {
        QFETCH(QString, dateText);
        QFETCH(QString, name);
        QCOMPARE(WeekdayNameOfText(dateText), name);
    }

    void keysOfDates()
    {
        QCOMPARE(MonthKeyOf(QDate(2004, 7, 9)), QStringLiteral("2004/07"));
        QCOMPARE(MonthKeyOf(QDate(987, 12, 1)), QStringLiteral("0987/12"));
        const YearMonthText parts = SplitMonthKey(QStringLiteral("2004/07"));
        QCOMPARE(parts.year, QStringLiteral("2004"));
        QCOMPARE(parts.month, QStringLiteral("07"));
        QCOMPARE(SplitMonthKey(QStringLiteral("2004")).year, QStringLiteral("2004"));
        QCOMPARE(SplitMonthKey(QStringLiteral("2004")).month, QString());
    }

    // The viewer's month menu on 31 March 2004: one month back and forth never skips a month.
    void neighbouringMonths()
    {
        const QDate today(2004, 3, 31);
        QCOMPARE(MonthKeyOf(kalmora::platform::AddMonths(today, -1)), QStringLiteral("2004/02"));
        QCOMPARE(MonthKeyOf(today), QStringLiteral("2004/03"));
        QCOMPARE(MonthKeyOf(kalmora::platform::AddMonths(today, 1)), QStringLiteral("2004/04"));
        QCOMPARE(MonthKeyOf(kalmora::platform::AddMonths(QDate(2004, 12, 31), 1)), QStringLiteral("2005/01"));
    }

    void todayTests()
    {
        const QDate today(2004, 7, 9);
        QVERIFY(IsCurrentMonth(QStringLiteral("2004/07"), today));
        QVERIFY(!IsCurrentMonth(QStringLiteral("2004/06"), today));
        QVERIFY(!IsCurrentMonth(QStringLiteral("2003/07"), today));
        QVERIFY(IsToday(QStringLiteral("2004/07"), QStringLiteral("09"), today));
        QVERIFY(!IsToday(QStringLiteral("2004/07"), QStringLiteral("9"), today));
        QVERIFY(!IsToday(QStringLiteral("2004/07"), QStringLiteral("10"), today));
        QVERIFY(!IsToday(QStringLiteral("2004/06"), QStringLiteral("09"), today));
    }
};

QTEST_GUILESS_MAIN(MonthKeyTest)
#include "test_month_key.moc"
