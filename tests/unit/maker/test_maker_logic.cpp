// The maker's arithmetic without windows: the selection rectangle and its status text, the image
// scroll bars, window placement and layout, the image scale, project names and the preview picture.

#include "image_loading.h"
#include "image_scale.h"
#include "image_scroll.h"
#include "main_layout.h"
#include "preview_composition.h"
#include "project_name.h"
#include "selection_geometry.h"
#include "selection_status.h"
#include "window_placement.h"

#include <QtTest>

using namespace kalmora::maker;
using kalmora::platform::TwipsPerPixel;

Q_DECLARE_METATYPE(std::optional<TwipsRect>)
Q_DECLARE_METATYPE(TwipsRect)
Q_DECLARE_METATYPE(ImageScrollSetup)
Q_DECLARE_METATYPE(StoredMainPlacement)

class MakerLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void selectionBetween_data();
    void selectionBetween();
    void statusText_data();
    void statusText();
    void imageScroll_data();
    void imageScroll();
    void mainPlacement_data();
    void mainPlacement();
    void dialogPosition_data();
    void dialogPosition();
    void placementOnSecondScreen();
    void mainLayout();
    void mainLayoutTooSmall();
    void scaledCanvas_data();
    void scaledCanvas();
    void projectName_data();
    void projectName();
    void defaultProjectName();
    void folderOfPath_data();
    void folderOfPath();
    void previewStretchesSelection();
    void previewOutsideCanvasShowsBackground();
    void previewScalesSmoothly();
    void previewKeepsItsPixelsWhenCanvasChanges();
};

void MakerLogicTest::selectionBetween_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<std::optional<TwipsRect>>("expected");
    // Anchor at (1000, 1000) in every row.
    QTest::newRow("down-right") << 1500.f << 1300.f << std::optional(TwipsRect { 1000, 1000, 500, 300 });
    QTest::newRow("up-left") << 400.f << 700.f << std::optional(TwipsRect { 400, 700, 600, 300 });
    QTest::newRow("down-left") << 400.f << 1300.f << std::optional(TwipsRect { 400, 1000, 600, 300 });
    QTest::newRow("up-right") << 1500.f << 700.f << std::optional(TwipsRect { 1000, 700, 500, 300 });
    QTest::newRow("on anchor column") << 1000.f << 1300.f << std::optional<TwipsRect>();
    QTest::newRow("on anchor row") << 1500.f << 1000.f << std::optional<TwipsRect>();
    QTest::newRow("on anchor") << 1000.f << 1000.f << std::optional<TwipsRect>();
    QTest::newRow("beyond the image") << -300.f << -150.f << std::optional(TwipsRect { -300, -150, 1300, 1150 });
}

void MakerLogicTest::selectionBetween()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(std::optional<TwipsRect>, expected);
    QCOMPARE(SelectionBetween(1000, 1000, x, y), expected);
}

void MakerLogicTest::statusText_data()
{
    QTest::addColumn<TwipsRect>("box");
    QTest::addColumn<int>("tpp");
    QTest::addColumn<QString>("expected");
    // The first character is the ideographic space U+3000.
    QTest::newRow("press 300,450 release 1800,1650")
        << TwipsRect { 300, 450, 1500, 1200 } << 15 << QStringLiteral("\u3000X:0020,Y:0030,W:0100,H:0080");
    QTest::newRow("left of the image loses its sign")
        << TwipsRect { -45, 0, 15, 15 } << 15 << QStringLiteral("\u3000X:0003,Y:0000,W:0001,H:0001");
    QTest::newRow("five digits keep the last four")
        << TwipsRect { 0, 0, 185175, 15 } << 15 << QStringLiteral("\u3000X:0000,Y:0000,W:2345,H:0001");
    QTest::newRow("partial pixels cut toward zero")
        << TwipsRect { 29, 44.5f, 1, 16 } << 15 << QStringLiteral("\u3000X:0001,Y:0002,W:0000,H:0001");
    QTest::newRow("one-twip box") << TwipsRect { 600, 600, 1, 1 } << 15
                                  << QStringLiteral("\u3000X:0040,Y:0040,W:0000,H:0000");
    QTest::newRow("120 dpi screen") << TwipsRect { 300, 450, 1500, 1200 } << 12
                                    << QStringLiteral("\u3000X:0025,Y:0037,W:0125,H:0100");
}

void MakerLogicTest::statusText()
{
    QFETCH(TwipsRect, box);
    QFETCH(int, tpp);
    QFETCH(QString, expected);
    QCOMPARE(SelectionStatusText(box, TwipsPerPixel { tpp, tpp }), expected);
}

void MakerLogicTest::imageScroll_data()
{
    QTest::addColumn<double>("canvas");
    QTest::addColumn<double>("viewport");
    QTest::addColumn<ImageScrollSetup>("expected");
    // 800 x 600 pixels in a 400 x 300 viewport at 15 twips per pixel.
    QTest::newRow("800px in 400px") << 12000.0 << 6000.0 << ImageScrollSetup { 6000, 15, 600, true };
    QTest::newRow("600px in 300px") << 9000.0 << 4500.0 << ImageScrollSetup { 4500, 15, 450, true };
    QTest::newRow("fits") << 4500.0 << 6000.0 << ImageScrollSetup { -1500, 15, 0, false };
    QTest::newRow("exactly fits") << 6000.0 << 6000.0 << ImageScrollSetup { 0, 15, 0, false };
    QTest::newRow("large step cut toward zero") << 6019.0 << 6000.0 << ImageScrollSetup { 19, 15, 1, true };
    // 3000 px in a 600 px viewport: 36000 twips, past the old 16-bit range.
    QTest::newRow("past 16 bits") << 45000.0 << 9000.0 << ImageScrollSetup { 36000, 15, 3600, true };
    QTest::newRow("8000px photo") << 120000.0 << 6000.0 << ImageScrollSetup { 114000, 15, 11400, true };
}

void MakerLogicTest::imageScroll()
{
    QFETCH(double, canvas);
    QFETCH(double, viewport);
    QFETCH(ImageScrollSetup, expected);
    QCOMPARE(ComputeImageScroll(canvas, viewport, 15), expected);
}

void MakerLogicTest::mainPlacement_data()
{
    QTest::addColumn<StoredMainPlacement>("stored");
    QTest::addColumn<QRect>("expected");
    // Dialog 4380 twips wide, designed window 5400 x 4800, screen 1024 x 768 pixels (15360 x 11520).
    QTest::newRow("first start") << StoredMainPlacement {} << QRect(4380, 0, 5400, 4800);
    QTest::newRow("left -300") << StoredMainPlacement { "-300", "200", "", "" } << QRect(0, 200, 5400, 4800);
    QTest::newRow("left 50000") << StoredMainPlacement { "50000", "0", "", "" } << QRect(9960, 0, 5400, 4800);
    QTest::newRow("height missing keeps designed size")
        << StoredMainPlacement { "100", "200", "9000", "" } << QRect(100, 200, 5400, 4800);
    QTest::newRow("top missing uses default place")
        << StoredMainPlacement { "100", "", "6000", "5000" } << QRect(4380, 0, 6000, 5000);
    QTest::newRow("larger than the screen")
        << StoredMainPlacement { "0", "0", "20000", "12000" } << QRect(-4640, -480, 20000, 12000);
    QTest::newRow("not numbers") << StoredMainPlacement { "abc", "12ab", "", "" } << QRect(0, 12, 5400, 4800);
    QTest::newRow("spaces and fractions")
        << StoredMainPlacement { " 1200 ", "300.5", "", "" } << QRect(1200, 300, 5400, 4800);
}

void MakerLogicTest::mainPlacement()
{
    QFETCH(StoredMainPlacement, stored);
    QFETCH(QRect, expected);
    const QRect screen(0, 0, 15360, 11520);
    QCOMPARE(MainWindowPlacement(stored, 4380, QSize(5400, 4800), screen, { screen }), expected);
}

void MakerLogicTest::dialogPosition_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("expected");
    // Dialog 4380 x 7400 twips on a 15360 x 11520 screen.
    QTest::newRow("nothing stored") << QString() << QString() << QPoint(0, 0);
    QTest::newRow("only left stored") << QStringLiteral("3000") << QString() << QPoint(0, 0);
    QTest::newRow("SLeft -500") << QStringLiteral("-500") << QStringLiteral("100") << QPoint(0, 100);
    QTest::newRow("off the bottom right") << QStringLiteral("15000") << QStringLiteral("9000") << QPoint(10980, 4120);
}

void MakerLogicTest::dialogPosition()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, expected);
    const QRect screen(0, 0, 15360, 11520);
    QCOMPARE(SettingsDialogPosition(left, top, QSize(4380, 7400), screen, { screen }), expected);
}

void MakerLogicTest::placementOnSecondScreen()
{
    // A second screen right of the primary one: a window stored there stays; one stored in the
    // gap below the smaller screen is clamped onto the primary screen.
    const QRect primary(0, 0, 15360, 11520);
    const std::vector<QRect> screens { primary, QRect(15360, 0, 15360, 9000) };
    QCOMPARE(MainWindowPlacement({ "20000", "1000", "", "" }, 4380, QSize(5400, 4800), primary, screens),
        QRect(20000, 1000, 5400, 4800));
    QCOMPARE(MainWindowPlacement({ "20000", "8000", "", "" }, 4380, QSize(5400, 4800), primary, screens),
        QRect(9960, 6720, 5400, 4800));
    QCOMPARE(SettingsDialogPosition("16000", "100", QSize(4380, 7400), primary, screens), QPoint(16000, 100));
}

void MakerLogicTest::mainLayout()
{
    const MainLayout layout = ComputeMainLayout(5025, 4155, 255, 255);
    QCOMPARE(layout.vScroll, std::optional(QRect(4770, 0, 255, 3900)));
    QCOMPARE(layout.hScroll, std::optional(QRect(0, 3900, 4770, 255)));
    QCOMPARE(layout.base, std::optional(QRect(0, 0, 4770, 3900)));
}

void MakerLogicTest::mainLayoutTooSmall()
{
    // Narrower than the vertical bar: the bar still moves (to a negative left), the others cannot be
    // sized and keep their places.
    const MainLayout narrow = ComputeMainLayout(150, 3000, 255, 255);
    QCOMPARE(narrow.vScroll, std::optional(QRect(-105, 0, 255, 2745)));
    QVERIFY(!narrow.hScroll);
    QVERIFY(!narrow.base);
    const MainLayout low = ComputeMainLayout(3000, 200, 255, 255);
    QVERIFY(!low.vScroll);
    QCOMPARE(low.hScroll, std::optional(QRect(0, -55, 2745, 255)));
    QVERIFY(!low.base);
    const MainLayout empty = ComputeMainLayout(0, 0, 255, 255);
    QVERIFY(!empty.vScroll && !empty.hScroll && !empty.base);
}

void MakerLogicTest::scaledCanvas_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("loaded");
    QTest::addColumn<QSize>("expected");
    // 1000 x 800 pixels at 15 twips per pixel.
    QTest::newRow("100%") << 100 << QSize(15000, 12000) << QSize(15000, 12000);
    QTest::newRow("50%") << 50 << QSize(15000, 12000) << QSize(7500, 6000);
    QTest::newRow("10%") << 10 << QSize(15000, 12000) << QSize(1500, 1200);
    QTest::newRow("quotient cut") << 90 << QSize(15015, 15) << QSize(13513, 13);
    QTest::newRow("beyond 32 bits in between") << 90 << QSize(30000000, 15) << QSize(27000000, 13);
}

void MakerLogicTest::scaledCanvas()
{
    QFETCH(int, scale);
    QFETCH(QSize, loaded);
    QFETCH(QSize, expected);
    QCOMPARE(ScaledCanvasTwips(scale, loaded.width(), loaded.height()), expected);
}

void MakerLogicTest::projectName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("default digits") << QStringLiteral("20040512153045") << true;
    QTest::newRow("japanese") << QStringLiteral("空豆商店") << true;
    QTest::newRow("inner space and dot") << QStringLiteral("my cal.2004") << true;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("parent path") << QStringLiteral("../x") << false;
    QTest::newRow("absolute path") << QStringLiteral("/tmp/x") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("newline") << QStringLiteral("a\nb") << false;
    for (const char c : { ':', '*', '?', '"', '<', '>', '|' })
        QTest::addRow("character %c", c) << QStringLiteral("a%1b").arg(QLatin1Char(c)) << false;
    QTest::newRow("ends in space") << QStringLiteral("name ") << false;
    QTest::newRow("ends in dot") << QStringLiteral("name.") << false;
}

void MakerLogicTest::projectName()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(ProjectNameProblem(name).isEmpty(), accepted);
}

void MakerLogicTest::defaultProjectName()
{
    QCOMPARE(DefaultProjectName(QDateTime(QDate(2004, 5, 12), QTime(15, 30, 45))), QStringLiteral("20040512153045"));
    QCOMPARE(DefaultProjectName(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))), QStringLiteral("20260102030405"));
}

void MakerLogicTest::folderOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("unix") << QStringLiteral("/home/u/pic/a.jpg") << QStringLiteral("/home/u/pic/");
    QTest::newRow("windows") << QStringLiteral("C:\\pic\\a.jpg") << QStringLiteral("C:\\pic\\");
    QTest::newRow("no folder") << QStringLiteral("a.jpg") << QString();
}

void MakerLogicTest::folderOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(FolderOfPath(path), folder);
}

namespace
{
// A canvas of four coloured quadrants, each 20 x 20 pixels.
QImage QuadrantCanvas()
{
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            canvas.setPixel(x, y,
                x < 20 ? (y < 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) : (y < 20 ? qRgb(0, 255, 0) : qRgb(0, 0, 0)));
    return canvas;
}
} // namespace

void MakerLogicTest::previewStretchesSelection()
{
    // A 20 x 10 selection of the top-right quadrant fills a 40 x 20 preview: doubled, all green.
    const QImage preview = ComposePreview(QuadrantCanvas(), QRectF(20, 0, 20, 10), QSize(40, 20), Qt::white);
    QCOMPARE(preview.size(), QSize(40, 20));
    QCOMPARE(preview.pixel(0, 0), qRgb(0, 255, 0));
    QCOMPARE(preview.pixel(39, 19), qRgb(0, 255, 0));
    // One to one across the middle keeps the sharp edge between quadrants.
    const QImage same = ComposePreview(QuadrantCanvas(), QRectF(10, 10, 20, 20), QSize(20, 20), Qt::white);
    QCOMPARE(same.pixel(9, 9), qRgb(255, 0, 0));
    QCOMPARE(same.pixel(10, 9), qRgb(0, 255, 0));
    QCOMPARE(same.pixel(9, 10), qRgb(0, 0, 255));
    QCOMPARE(same.pixel(10, 10), qRgb(0, 0, 0));
}

void MakerLogicTest::previewOutsideCanvasShowsBackground()
{
    // Half of the selection lies left of the canvas.
    const QImage preview = ComposePreview(QuadrantCanvas(), QRectF(-10, 0, 20, 10), QSize(20, 10), Qt::yellow);
    QCOMPARE(preview.pixel(0, 0), QColor(Qt::yellow).rgb());
    QCOMPARE(preview.pixel(9, 5), QColor(Qt::yellow).rgb());
    QCOMPARE(preview.pixel(10, 5), qRgb(255, 0, 0));
    QVERIFY(ComposePreview(QuadrantCanvas(), QRectF(0, 0, 10, 10), QSize(), Qt::white).isNull());
    // A box narrower than a pixel still copies one pixel.
    QCOMPARE(ComposePreview(QuadrantCanvas(), QRectF(30, 30, 0.07, 0.07), QSize(4, 4), Qt::white).pixel(2, 2),
        qRgb(0, 0, 0));
}

void MakerLogicTest::previewScalesSmoothly()
{
    // Fine black and white stripes shrunk to a quarter: averaging gives grey, dropping pixels would
    // give pure black or white.
    QImage stripes(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage preview = ComposePreview(stripes, QRectF(0, 0, 64, 64), QSize(16, 16), Qt::white);
    const int grey = qRed(preview.pixel(8, 8));
    QVERIFY2(grey > 90 && grey < 165, qPrintable(QString::number(grey)));
}

void MakerLogicTest::previewKeepsItsPixelsWhenCanvasChanges()
{
    // The preview is read from the canvas in place; what it shows must not follow later drawing on
    // the canvas, whether it was copied one to one or stretched.
    QImage canvas = QuadrantCanvas();
    const QImage same = ComposePreview(canvas, QRectF(0, 0, 20, 20), QSize(20, 20), Qt::white);
    const QImage stretched = ComposePreview(canvas, QRectF(0, 0, 20, 20), QSize(7, 5), Qt::white);
    canvas.fill(Qt::black);
    QCOMPARE(same.pixel(5, 5), qRgb(255, 0, 0));
    QCOMPARE(stretched.pixel(3, 2), qRgb(255, 0, 0));
    QCOMPARE(same.format(), QImage::Format_RGB32);
    QCOMPARE(stretched.format(), QImage::Format_RGB32);
}

QTEST_GUILESS_MAIN(MakerLogicTest)
#include "test_maker_logic.moc"
