// When the midnight timer is armed for: the next day's first moment in the local zone.
#include "viewer/day_change_notifier.h"

#include <QTest>
#include <QTimeZone>

using kalmora::viewer::NextMidnight;

class TestNextMidnight : public QObject
{
    Q_OBJECT
private slots:
    void nextMidnight_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("expected");
        const QTimeZone tokyo("Asia/Tokyo");
        const QTimeZone santiago("America/Santiago");
        QTest::newRow("evening") << QByteArray("Asia/Tokyo") << QDateTime(QDate(2004, 3, 31), QTime(21, 5), tokyo)
                                 << QDateTime(QDate(2004, 4, 1), QTime(0, 0), tokyo);
        // Woken exactly at midnight, the next deadline is a day later, not the moment just passed.
        QTest::newRow("at midnight") << QByteArray("Asia/Tokyo") << QDateTime(QDate(2004, 4, 1), QTime(0, 0), tokyo)
                                     << QDateTime(QDate(2004, 4, 2), QTime(0, 0), tokyo);
        QTest::newRow("new year") << QByteArray("Asia/Tokyo")
                                  << QDateTime(QDate(2004, 12, 31), QTime(23, 59, 59), tokyo)
                                  << QDateTime(QDate(2005, 1, 1), QTime(0, 0), tokyo);
        QTest::newRow("leap day") << QByteArray("Asia/Tokyo") << QDateTime(QDate(2004, 2, 28), QTime(12, 0), tokyo)
                                  << QDateTime(QDate(2004, 2, 29), QTime(0, 0), tokyo);
        // Chile moved its clocks from 24:00 to 01:00 on 11 September 2022 (tz database): that day
        // has no 00:00, and it starts at 01:00.
        QTest::newRow("midnight skipped by summer time")
            << QByteArray("America/Santiago") << QDateTime(QDate(2022, 9, 10), QTime(20, 0), santiago)
            << QDateTime(QDate(2022, 9, 11), QTime(1, 0), santiago);
    }
    void nextMidnight()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, expected);
        if (!QTimeZone(zone).isValid())
            QSKIP("time zone data missing");
        const QDateTime next = NextMidnight(now);
        QCOMPARE(next.toSecsSinceEpoch(), expected.toSecsSinceEpoch());
        QVERIFY(next > now);
    }
};

QTEST_GUILESS_MAIN(TestNextMidnight)
#include "tst_next_midnight.moc"
