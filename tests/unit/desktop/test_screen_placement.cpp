// Keeping a window on the desktop's screens. Layouts are in twips at 15 twips per pixel
// (96 DPI); the window is a 300 x 300 pixel calendar (4500 x 4500 twips).

#include "platform/screen_placement.h"

#include <QTest>
#include <climits>

using namespace kalmora::platform;

using Screens = std::vector<QRect>;
Q_DECLARE_METATYPE(Screens)

namespace
{

QRect Px(int x, int y, int w, int h)
{
    return QRect(x * 15, y * 15, w * 15, h * 15);
}

const QSize kWindow(4500, 4500);

const QRect kHd = Px(0, 0, 1920, 1080);
const QRect kRightOfHd = Px(1920, 0, 1280, 1024); // shorter: a gap below it, beside the first
const QRect kLeftOfHd = Px(-1280, 0, 1280, 1024);
const QRect k4kRightOfHd = Px(1920, 0, 3840, 2160);
const QRect k4kScaledBy2 = Px(1920, 0, 1920, 1080); // a 4K screen at device pixel ratio 2, in logical pixels

// The viewer's rule on one screen: a negative edge goes to 0, and so does an edge for which the
// window would stick out past the far side.
QPoint ViewerRule(QPoint p, QSize window, QSize screen)
{
    auto edge
        = [](int v, int extent, int screenExtent) { return (v < 0 || qint64(v) + extent > screenExtent) ? 0 : v; };
    return { edge(p.x(), window.width(), screen.width()), edge(p.y(), window.height(), screen.height()) };
}

} // namespace

class TestScreenPlacement : public QObject
{
    Q_OBJECT

private slots:
    void liesOnScreens_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<bool>("expected");

        QTest::newRow("one screen, inside") << Screens { kHd } << QPoint(3000, 2000) << true;
        QTest::newRow("one screen, flush with bottom-right")
            << Screens { kHd } << QPoint(28800 - 4500, 16200 - 4500) << true;
        QTest::newRow("one screen, a twip past the right") << Screens { kHd } << QPoint(28800 - 4499, 0) << false;
        QTest::newRow("one screen, above the top") << Screens { kHd } << QPoint(0, -1) << false;
        QTest::newRow("two side by side, on the second") << Screens { kHd, kRightOfHd } << QPoint(30000, 1000) << true;
        QTest::newRow("two side by side, across the seam")
            << Screens { kHd, kRightOfHd } << QPoint(27000, 1000) << true;
        QTest::newRow("two side by side, into the gap below the shorter")
            << Screens { kHd, kRightOfHd } << QPoint(27000, 15360 - 4000) << false;
        QTest::newRow("two side by side, past the second") << Screens { kHd, kRightOfHd } << QPoint(45000, 0) << false;
        QTest::newRow("left screen at negative x") << Screens { kHd, kLeftOfHd } << QPoint(-15000, 3000) << true;
        QTest::newRow("left screen, off its left edge") << Screens { kHd, kLeftOfHd } << QPoint(-19201, 3000) << false;
        // Beyond the 16-bit range of twips that one screen of the original ever needed.
        QTest::newRow("4K screen, far right and low") << Screens { kHd, k4kRightOfHd } << QPoint(80000, 25000) << true;
        QTest::newRow("4K screen at ratio 2, logical size")
            << Screens { kHd, k4kScaledBy2 } << QPoint(50000, 10000) << true;
        QTest::newRow("4K screen at ratio 2, past its logical width")
            << Screens { kHd, k4kScaledBy2 } << QPoint(55000, 10000) << false;
        QTest::newRow("mirrored screens") << Screens { kHd, kHd } << QPoint(100, 100) << true;
        QTest::newRow("partly off every screen")
            << Screens { kLeftOfHd, kHd, kRightOfHd } << QPoint(10000, 14000) << false;
        QTest::newRow("no screens") << Screens {} << QPoint(0, 0) << false;
    }
    void liesOnScreens()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, topLeft);
        QFETCH(bool, expected);
        QCOMPARE(LiesOnScreens(topLeft, kWindow, screens), expected);
    }

    void keepOnScreens_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QPoint>("expected");

        // One screen: the single-screen rule as it stands.
        QTest::newRow("one screen, -300, 200") << Screens { kHd } << QPoint(-300, 200) << QPoint(0, 200);
        QTest::newRow("one screen, past the right edge") << Screens { kHd } << QPoint(26000, 3000) << QPoint(0, 3000);
        QTest::newRow("one screen, inside") << Screens { kHd } << QPoint(4545, 3000) << QPoint(4545, 3000);
        // Several screens: a place on any of them is kept.
        QTest::newRow("second screen kept")
            << Screens { kHd, kRightOfHd } << QPoint(35000, 6000) << QPoint(35000, 6000);
        QTest::newRow("left screen kept") << Screens { kHd, kLeftOfHd } << QPoint(-15000, 3000) << QPoint(-15000, 3000);
        QTest::newRow("4K screen kept") << Screens { kHd, k4kRightOfHd } << QPoint(80000, 25000)
                                        << QPoint(80000, 25000);
        // Sticking out of every screen: onto the primary (the first) by the rule.
        QTest::newRow("off the left screen") << Screens { kHd, kLeftOfHd } << QPoint(-20000, 3000) << QPoint(0, 3000);
        QTest::newRow("into the gap below the shorter")
            << Screens { kHd, kRightOfHd } << QPoint(35000, 14000) << QPoint(0, 0);
        QTest::newRow("stored on a screen unplugged since")
            << Screens { kHd } << QPoint(35000, 6000) << QPoint(0, 6000);
        // A primary that does not start at 0, 0: the rule works relative to it.
        QTest::newRow("primary right of another, off both") << Screens { Px(1280, 0, 1920, 1080), Px(0, 0, 1280, 1024) }
                                                            << QPoint(-500, 2000) << QPoint(1280 * 15, 2000);
        QTest::newRow("largest stored values")
            << Screens { kHd, kRightOfHd } << QPoint(INT_MAX, INT_MIN) << QPoint(0, 0);
    }
    void keepOnScreens()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, stored);
        QFETCH(QPoint, expected);
        QCOMPARE(KeepOnScreens(stored, kWindow, screens.front(), screens, ViewerRule), expected);
    }
};

QTEST_GUILESS_MAIN(TestScreenPlacement)
#include "test_screen_placement.moc"
