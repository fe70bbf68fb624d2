// The placement rule for the viewer's window: stored place kept on the primary screen.
#include "viewer/viewer_placement.h"

#include <QTest>
#include <limits>

using kalmora::viewer::ViewerWindowPlace;

class TestViewerPlacement : public QObject
{
    Q_OBJECT
private slots:
    void place_data()
    {
        QTest::addColumn<int>("vxx");
        QTest::addColumn<int>("vyy");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("expected");
        const QSize heart(3840, 3840); // 256 x 256 pixels
        const QSize screen(15360, 11520); // 1024 x 768 pixels
        // Cases from the placement rule's examples, then the edges.
        QTest::newRow("stored place kept") << 4545 << 1845 << heart << screen << QPoint(4545, 1845);
        QTest::newRow("negative left to 0") << -300 << 200 << heart << screen << QPoint(0, 200);
        QTest::newRow("negative top to 0") << 200 << -1 << heart << screen << QPoint(200, 0);
        QTest::newRow("right edge exactly on the screen") << 11520 << 0 << heart << screen << QPoint(11520, 0);
        QTest::newRow("one twip past the right edge goes left") << 11521 << 0 << heart << screen << QPoint(0, 0);
        QTest::newRow("past the bottom goes to the top") << 0 << 9000 << heart << screen << QPoint(0, 0);
        QTest::newRow("small circle is taller than wide")
            << 12420 << 8565 << QSize(2940, 2955) << screen << QPoint(12420, 8565);
        QTest::newRow("small circle one twip too low") << 0 << 8566 << QSize(2940, 2955) << screen << QPoint(0, 0);
        // 32-bit values: beyond 16 bits a wide screen still keeps the place; nothing wraps.
        QTest::newRow("beyond 16 bits on a wide screen")
            << 40000 << 0 << heart << QSize(57600, 16200) << QPoint(40000, 0);
        QTest::newRow("beyond 16 bits off the screen") << 100000 << 70000 << heart << screen << QPoint(0, 0);
        QTest::newRow("largest 32-bit value")
            << std::numeric_limits<int>::max() << 0 << heart << screen << QPoint(0, 0);
        QTest::newRow("smallest 32-bit value")
            << std::numeric_limits<int>::min() << std::numeric_limits<int>::min() << heart << screen << QPoint(0, 0);
        QTest::newRow("window larger than the screen") << 0 << 0 << QSize(20000, 3840) << screen << QPoint(0, 0);
    }
    void place()
    {
        QFETCH(int, vxx);
        QFETCH(int, vyy);
        QFETCH(QSize, window);
        QFETCH(QSize, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(ViewerWindowPlace(vxx, vyy, window, screen), expected);
    }
};

QTEST_GUILESS_MAIN(TestViewerPlacement)
#include "tst_viewer_placement.moc"
