#include "platform/colour.h"
#include "platform/units.h"

#include <QTest>

using namespace kalmora::platform;

// Twips and pixels, and colours as 0x00BBGGRR numbers. Without a GUI application there is no
// screen: the 96 DPI defaults apply.
class TestUnitsColour : public QObject
{
    Q_OBJECT

private slots:
    void pixels_data()
    {
        // clang-format off
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("tpp");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole") << 1200.0 << 15 << 80;
        QTest::newRow("negative") << -300.0 << 15 << -20;
        QTest::newRow("half down to even") << 7.5 << 15 << 0;
        QTest::newRow("half up to even") << 22.5 << 15 << 2;
        QTest::newRow("below half") << 7.0 << 15 << 0;
        QTest::newRow("above half") << 8.0 << 15 << 1;
        QTest::newRow("120 DPI") << 1440.0 << 12 << 120;
        // clang-format on
    }
    void pixels()
    {
        QFETCH(double, twips);
        QFETCH(int, tpp);
        QFETCH(int, pixels);
        const TwipsPerPixel scale { tpp, tpp };
        QCOMPARE(PixelsX(twips, scale), pixels);
        QCOMPARE(PixelsY(twips, scale), pixels);
    }

    void noScreen()
    {
        const TwipsPerPixel tpp = ScreenTwipsPerPixel();
        QCOMPARE(tpp.x, 15);
        QCOMPARE(tpp.y, 15);
        QCOMPARE(ScreenSizeTwips(tpp), QSize(1024 * 15, 768 * 15));
        QCOMPARE(TwipsX(80, tpp), 1200);
        QCOMPARE(TwipsY(-20, tpp), -300);
    }

    void colour_data()
    {
        // clang-format off
        QTest::addColumn<quint32>("bgr");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("white") << quint32(16777215) << QColor(255, 255, 255);
        QTest::newRow("blue") << quint32(16711680) << QColor(0, 0, 255);
        QTest::newRow("red") << quint32(255) << QColor(255, 0, 0);
        QTest::newRow("black") << quint32(0) << QColor(0, 0, 0);
        QTest::newRow("mixed") << quint32(0x00123456) << QColor(0x56, 0x34, 0x12);
        // clang-format on
    }
    void colour()
    {
        QFETCH(quint32, bgr);
        QFETCH(QColor, colour);
        QCOMPARE(ToQColor(bgr), colour);
        QCOMPARE(ToBgr(colour), bgr);
        QCOMPARE(ToBgr(colour.toHsv()), bgr);
        QCOMPARE(Bgr(colour.red(), colour.green(), colour.blue()), bgr);
        // Bits above the colour are ignored.
        QCOMPARE(ToQColor(bgr | 0xFF000000u), colour);
    }
};

QTEST_GUILESS_MAIN(TestUnitsColour)
#include "test_units_colour.moc"
