#include "platform/numbers.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace kalmora::platform;

// The leading-number rule and half-to-even rounding of stored values, and the "00"/"0000" digit
// patterns of on-screen texts.
class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("spaces around") << " 1200 " << 1200.0;
        QTest::newRow("tab before") << "\t42" << 42.0;
        QTest::newRow("fraction") << "1200.5" << 1200.5;
        QTest::newRow("negative") << "-300" << -300.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("negative fraction") << "-0.25" << -0.25;
        QTest::newRow("leading zeros") << "00012" << 12.0;
        QTest::newRow("fraction without whole part") << ".5" << 0.5;
        QTest::newRow("point without fraction") << "5." << 5.0;
        QTest::newRow("stops at letters") << "12ab" << 12.0;
        QTest::newRow("stops at second point") << "1.2.3" << 1.2;
        QTest::newRow("no exponent") << "1e3" << 1.0;
        QTest::newRow("stops at inner space") << "12 34" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("space after sign") << "- 5" << 0.0;
        QTest::newRow("full-width digits") << QStringLiteral("１２") << 0.0;
        QTest::newRow("beyond 32 bits") << "99999999999" << 99999999999.0;
        // clang-format on
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(LeadingNumber(text), expected);
    }

    void roundHalfEven_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("1200.5 down to even") << 1200.5 << 1200.0;
        QTest::newRow("1201.5 up to even") << 1201.5 << 1202.0;
        QTest::newRow("-2.5 to even") << -2.5 << -2.0;
        QTest::newRow("-3.5 to even") << -3.5 << -4.0;
        QTest::newRow("0.5 to zero") << 0.5 << 0.0;
        QTest::newRow("below half") << 2.4999 << 2.0;
        QTest::newRow("above half") << 2.5001 << 3.0;
        QTest::newRow("negative above half") << -2.6 << -3.0;
        QTest::newRow("whole") << -300.0 << -300.0;
        QTest::newRow("huge") << 1e300 << 1e300;
        // clang-format on
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }

    void toInteger_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("int32");
        QTest::addColumn<qint16>("int16");
        QTest::newRow("rounded") << 1201.5 << qint32(1202) << qint16(1202);
        QTest::newRow("negative") << -300.0 << qint32(-300) << qint16(-300);
        QTest::newRow("16-bit limits") << 40000.0 << qint32(40000) << qint16(32767);
        QTest::newRow("16-bit low half") << -32768.5 << qint32(-32768) << qint16(-32768);
        QTest::newRow("rounds past the top") << 2147483647.5 << qint32(2147483647) << qint16(32767);
        QTest::newRow("far below") << -3e9 << qint32(-2147483647 - 1) << qint16(-32768);
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << qint32(2147483647) << qint16(32767);
        QTest::newRow("NaN") << std::nan("") << qint32(0) << qint16(0);
        // clang-format on
    }
    void toInteger()
    {
        QFETCH(double, value);
        QFETCH(qint32, int32);
        QFETCH(qint16, int16);
        QCOMPARE(ToInt32(value), int32);
        QCOMPARE(ToInt16(value), int16);
    }

    void formatNumber_data()
    {
        // clang-format off
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("day") << qint64(9) << "00" << "09";
        QTest::newRow("two digits") << qint64(31) << "00" << "31";
        QTest::newRow("wider than pattern") << qint64(123) << "00" << "123";
        QTest::newRow("zero") << qint64(0) << "0000" << "0000";
        QTest::newRow("year") << qint64(2004) << "0000" << "2004";
        QTest::newRow("small year") << qint64(999) << "0000" << "0999";
        QTest::newRow("negative") << qint64(-45) << "0000" << "-0045";
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << "00" << "-9223372036854775808";
        // clang-format on
    }
    void formatNumber()
    {
        QFETCH(qint64, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(FormatNumber(value, pattern), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
