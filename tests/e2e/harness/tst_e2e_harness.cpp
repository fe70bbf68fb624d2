// The harness itself, against a plain window: the session comes up managed, windows are found,
// measured, photographed and stacked, and everything stops again.
#include "x_session.h"

#include <QTest>

using kalmora::e2e::XSession;

class TestE2eHarness : public QObject
{
    Q_OBJECT
private slots:
    void sessionWindowsScreenshotsAndStacking()
    {
        XSession session;
        QString error;
        if (!session.start(&error))
            QSKIP(qPrintable(error));
        QVERIFY(session.display().startsWith(QLatin1Char(':')));

        const QImage empty = session.screenshot();
        QCOMPARE(empty.size(), session.screenSize());
        QCOMPARE(empty.pixelColor(500, 400), QColor(Qt::white)); // the root window

        const quint64 green = session.showBackdrop(QRect(100, 120, 200, 150), QStringLiteral("#00ff00"), "green");
        QVERIFY(green != 0);
        QTRY_COMPARE_WITH_TIMEOUT(session.windowGeometry(green), QRect(100, 120, 200, 150), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(session.screenshot().pixelColor(200, 200), QColor(0, 255, 0), 5000);

        const quint64 blue = session.showBackdrop(QRect(250, 200, 200, 150), QStringLiteral("#0000ff"), "blue");
        QVERIFY(blue != 0);
        // The later window is on top where the two overlap, and last in the stacking order.
        QTRY_COMPARE_WITH_TIMEOUT(session.screenshot().pixelColor(280, 230), QColor(0, 0, 255), 5000);
        const std::vector<quint64> order = session.stackingOrder();
        QVERIFY(order.size() >= 2);
        QCOMPARE(order.back(), blue);

        // A click on the green window raises it (openbox raises on click).
        QVERIFY(session.mouseMove(QPoint(150, 150)));
        QVERIFY(session.click(1));
        QTRY_COMPARE_WITH_TIMEOUT(session.screenshot().pixelColor(280, 230), QColor(0, 255, 0), 5000);

        session.stop();
        QVERIFY(session.windowGeometry(green).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestE2eHarness)
#include "tst_e2e_harness.moc"
