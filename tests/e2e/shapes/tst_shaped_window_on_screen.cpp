// Cut windows on a real X server with a window manager: the screen shows the window exactly on
// its outline and what lies behind (the white root window) everywhere else, and mouse presses
// outside the outline do not reach the window.

#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"
#include "x_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kalmora::shapes;
using kalmora::e2e::WaitUntil;
using kalmora::e2e::XSession;

namespace
{

const QColor kBehind(Qt::white); // the session's root window
const QColor kWindow(0, 0, 255);
const QPoint kOrigin(100, 80);

} // namespace

class TestShapedWindowOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitShapeRegions(); }

    void screenShowsTheOutline_data();
    void screenShowsTheOutline();

    void pressesOutsideTheOutlineGoThrough();

private:
    bool showShaped(XSession &session, int index, quint64 *window, QString *error, const QString &log = {});
};

bool TestShapedWindowOnScreen::showShaped(
    XSession &session, int index, quint64 *window, QString *error, const QString &log)
{
    QProcess *demo = session.launch(QStringLiteral(SHAPED_WINDOW_DEMO),
        { QString::number(index), QString::number(kOrigin.x()), QString::number(kOrigin.y()), kWindow.name(), log });
    if (demo == nullptr) {
        *error = QStringLiteral("the shaped window's program did not start");
        return false;
    }
    const std::optional<quint64> id = session.waitForViewableWindow(demo->processId());
    if (!id) {
        *error = QStringLiteral("the shaped window did not show");
        return false;
    }
    *window = *id;
    return true;
}

void TestShapedWindowOnScreen::screenShowsTheOutline_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("pixels"); // the window's size at 96 dots per inch
    QTest::newRow("heart") << 0 << QSize(256, 256);
    QTest::newRow("square") << 3 << QSize(256, 256);
    QTest::newRow("star") << 4 << QSize(256, 256);
    QTest::newRow("small circle") << 7 << QSize(196, 197);
}

void TestShapedWindowOnScreen::screenShowsTheOutline()
{
    QFETCH(int, index);
    QFETCH(QSize, pixels);
    XSession session;
    QString error;
    if (!session.start(&error))
        QSKIP(qPrintable(error));
    quint64 window = 0;
    QVERIFY2(showShaped(session, index, &window, &error), qPrintable(error));
    QTRY_COMPARE_WITH_TIMEOUT(session.windowGeometry(window), QRect(kOrigin, pixels), 5000);

    const QRegion outline = RegionFromShape(ShapeRegions()[index]).value();
    QImage shot;
    int wrong = 0;
    QPoint firstWrong;
    // Photograph until the window has been painted, then compare every pixel of its rectangle.
    const bool settled = WaitUntil(
        [&] {
            shot = session.screenshot();
            wrong = 0;
            for (int y = 0; y < pixels.height(); ++y) {
                for (int x = 0; x < pixels.width(); ++x) {
                    const QColor want = outline.contains(QPoint(x, y)) ? kWindow : kBehind;
                    if (shot.pixelColor(kOrigin + QPoint(x, y)) != want && wrong++ == 0)
                        firstWrong = QPoint(x, y);
                }
            }
            return wrong == 0;
        },
        5000);
    QVERIFY2(settled,
        qPrintable(QStringLiteral("%1 pixels differ, the first at %2, %3")
                       .arg(wrong)
                       .arg(firstWrong.x())
                       .arg(firstWrong.y())));
}

void TestShapedWindowOnScreen::pressesOutsideTheOutlineGoThrough()
{
    XSession session;
    QString error;
    if (!session.start(&error))
        QSKIP(qPrintable(error));
    quint64 window = 0;
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("presses.txt"));
    QVERIFY2(showShaped(session, 4, &window, &error, log), qPrintable(error));
    auto presses = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(session.screenshot().pixelColor(kOrigin + QPoint(128, 140)), kWindow, 5000);

    // Between the star's legs, inside the window's rectangle but outside the outline, then in the
    // middle of the star: only the second press reaches the window.
    QVERIFY(session.mouseMove(kOrigin + QPoint(131, 240)));
    QVERIFY(session.click(1));
    QVERIFY(session.mouseMove(kOrigin + QPoint(128, 140)));
    QVERIFY(session.click(1));
    QTRY_VERIFY_WITH_TIMEOUT(presses().contains("pressed 128 140"), 5000);
    QCOMPARE(presses(), QByteArray("pressed 128 140\n"));
}

QTEST_GUILESS_MAIN(TestShapedWindowOnScreen)
#include "tst_shaped_window_on_screen.moc"
