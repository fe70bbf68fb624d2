// Sizing windows for a shape and cutting them to it, on real widgets (offscreen platform); and the
// two failures, watched from outside in a helper process because they end the program.

#include "platform/units.h"
#include "scripted_dialogs.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <QWidget>

using namespace kalmora::shapes;
using kalmora::platform::TwipsPerPixel;
using kalmora::testsupport::ScriptedDialogs;

namespace
{

constexpr TwipsPerPixel kTpp96 { 15, 15 };

QRegion RegionOf(int index)
{
    return RegionFromShape(ShapeRegions()[index]).value();
}

QSize TwipsSize(const QWidget &w, const TwipsPerPixel &tpp)
{
    return { w.width() * tpp.x, w.height() * tpp.y };
}

} // namespace

class TestWindowShaping : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sizeForShape_data();
    void sizeForShape();

    void switchingShapesAndBack();
    void shapingTwiceIsShapingOnce();
    void newShapeReplacesOldMask();
    void squareShowsPixelsTwoTo250();
    void outlineKeepsItsPixelsAtOtherDpi();

    void failureEndsProgramAtOnce_data();
    void failureEndsProgramAtOnce();

    void pictureOfAllShapes();
};

void TestWindowShaping::initTestCase()
{
    InitShapeRegions();
}

void TestWindowShaping::sizeForShape_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("twips"); // width, height after sizing
    for (int i = 0; i <= 4; ++i)
        QTest::addRow("%d", i) << i << QSize(3840, 3840);
    QTest::newRow("5") << 5 << QSize(2970, 2970);
    QTest::newRow("6") << 6 << QSize(2970, 2970);
    QTest::newRow("7 higher than wide") << 7 << QSize(2940, 2955);
    QTest::newRow("8") << 8 << QSize(2925, 2925);
    QTest::newRow("9") << 9 << QSize(3015, 3015);
    // Outside the table: the window keeps its size (100 x 50 pixels).
    QTest::newRow("-1 does nothing") << -1 << QSize(1500, 750);
    QTest::newRow("10 does nothing") << 10 << QSize(1500, 750);
}

void TestWindowShaping::sizeForShape()
{
    QFETCH(int, index);
    QFETCH(QSize, twips);
    // A child window, as the maker's preview box is: its place in the parent is plain to check.
    QWidget parent;
    parent.resize(400, 400);
    QWidget box(&parent);
    box.setGeometry(37, 41, 100, 50);
    SetShapeWindowSize(index, &box, kTpp96);
    QCOMPARE(TwipsSize(box, kTpp96), twips);
    QCOMPARE(box.pos(), QPoint(37, 41));
}

void TestWindowShaping::switchingShapesAndBack()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.move(120, 80);
    window.show();
    ScriptedDialogs dialogs;
    const struct {
        int index;
        QSize twips;
    } steps[] = { { 0, { 3840, 3840 } }, { 5, { 2970, 2970 } }, { 0, { 3840, 3840 } } };
    for (const auto &step : steps) {
        SetShapeWindowSize(step.index, &window, kTpp96);
        ApplyShapeRegion(step.index, &window, dialogs);
        QCOMPARE(TwipsSize(window, kTpp96), step.twips);
        QCOMPARE(window.mask(), RegionOf(step.index));
    }
    QVERIFY(dialogs.calls().isEmpty());
    QVERIFY(window.mask().contains(QPoint(74, 252))); // the large heart's point, below the small heart
}

void TestWindowShaping::shapingTwiceIsShapingOnce()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    ScriptedDialogs dialogs;
    SetShapeWindowSize(4, &window, kTpp96);
    ApplyShapeRegion(4, &window, dialogs);
    const QRegion once = window.mask();
    const QSize size = window.size();
    SetShapeWindowSize(4, &window, kTpp96);
    ApplyShapeRegion(4, &window, dialogs);
    QCOMPARE(window.mask(), once);
    QCOMPARE(window.size(), size);
    QCOMPARE(once, RegionOf(4));
}

void TestWindowShaping::newShapeReplacesOldMask()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(256, 256);
    window.setMask(QRegion(0, 0, 20, 20));
    ScriptedDialogs dialogs;
    ApplyShapeRegion(2, &window, dialogs);
    QCOMPARE(window.mask(), RegionOf(2));
    QVERIFY(!window.mask().contains(QPoint(5, 5))); // the old mask's corner is gone, not added to
}

void TestWindowShaping::squareShowsPixelsTwoTo250()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    ScriptedDialogs dialogs;
    SetShapeWindowSize(3, &window, kTpp96);
    ApplyShapeRegion(3, &window, dialogs);
    QCOMPARE(window.size(), QSize(256, 256));
    const QRegion mask = window.mask();
    for (int v : { 2, 100, 250 }) {
        QVERIFY(mask.contains(QPoint(v, v)));
        QVERIFY(mask.contains(QPoint(2, v)));
        QVERIFY(mask.contains(QPoint(v, 250)));
    }
    // Two pixels transparent at the top and left, five at the right and bottom.
    for (int v : { 0, 1, 251, 252, 255 }) {
        QVERIFY(!mask.contains(QPoint(v, 100)));
        QVERIFY(!mask.contains(QPoint(100, v)));
    }
}

void TestWindowShaping::outlineKeepsItsPixelsAtOtherDpi()
{
    // At 120 dots per inch (12 twips per pixel) the window grows, the outline does not.
    const TwipsPerPixel tpp120 { 12, 12 };
    QWidget window(nullptr, Qt::FramelessWindowHint);
    ScriptedDialogs dialogs;
    SetShapeWindowSize(7, &window, tpp120);
    ApplyShapeRegion(7, &window, dialogs);
    QCOMPARE(window.size(), QSize(245, 246)); // 2940 / 12 = 245, 2955 / 12 = 246.25
    QCOMPARE(window.mask(), RegionOf(7));
}

void TestWindowShaping::failureEndsProgramAtOnce_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("message"); // empty: no failure
    QTest::newRow("index 10") << "index-10" << kRegionDataFailure;
    QTest::newRow("index -1") << "index-minus-1" << kRegionDataFailure;
    QTest::newRow("record out of order") << "bad-record" << kRegionDataFailure;
    QTest::newRow("no window to cut") << "no-window" << kWindowRegionFailure;
    QTest::newRow("success, for contrast") << "ok" << QString();
}

void TestWindowShaping::failureEndsProgramAtOnce()
{
    QFETCH(QString, mode);
    QFETCH(QString, message);
    QProcess helper;
    helper.start(QStringLiteral(SHAPING_FAILURE_HELPER), { mode });
    QVERIFY(helper.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(helper.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (message.isEmpty()) {
        QCOMPARE(helper.exitCode(), 0);
        QCOMPARE(lines,
            QStringList({ QStringLiteral("after the call"), QStringLiteral("closing handler ran"),
                QStringLiteral("quit handler ran") }));
        return;
    }
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QVERIFY(helper.exitCode() != 0);
    // The message, with its one OK button, is all that happens: nothing after the call, no
    // closing handler.
    QCOMPARE(lines, QStringList({ QStringLiteral("message: %1 | title: KALMORAV").arg(message) }));
}

void TestWindowShaping::pictureOfAllShapes()
{
    // The ten windows as they are cut, side by side: written next to the build for people to look at.
    constexpr int gap = 8;
    QList<QWidget *> windows;
    ScriptedDialogs dialogs;
    int width = gap;
    for (int i = 0; i < kShapeCount; ++i) {
        auto *window = new QWidget(nullptr, Qt::FramelessWindowHint);
        SetShapeWindowSize(i, window, kTpp96);
        ApplyShapeRegion(i, window, dialogs);
        windows.append(window);
        width += window->width() + gap;
    }
    QImage picture(width, 256 + 2 * gap, QImage::Format_RGB32);
    picture.fill(QColor(230, 230, 230));
    QPainter painter(&picture);
    int x = gap;
    for (int i = 0; i < kShapeCount; ++i) {
        const QWidget *w = windows[i];
        painter.fillRect(QRect(QPoint(x, gap), w->size()), Qt::white);
        painter.save();
        painter.setClipRegion(w->mask().translated(x, gap));
        painter.fillRect(QRect(QPoint(x, gap), w->size()), QColor(200, 40, 70));
        painter.restore();
        x += w->width() + gap;
    }
    painter.end();
    qDeleteAll(windows);

    // Every pixel painted is a pixel of some outline, and every outline pixel was painted.
    qint64 expected = 0;
    for (int i = 0; i < kShapeCount; ++i)
        for (const QRect &r : RegionOf(i))
            expected += qint64(r.width()) * r.height();
    qint64 painted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int xx = 0; xx < picture.width(); ++xx)
            painted += picture.pixel(xx, y) == QColor(200, 40, 70).rgb();
    QVERIFY(picture.save(QStringLiteral(SHAPES_PICTURE)));
    QCOMPARE(painted, expected);
}

QTEST_MAIN(TestWindowShaping)
#include "tst_window_shaping.moc"
