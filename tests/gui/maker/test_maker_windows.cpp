// The maker's two windows: start-up, placement, layout, menus, the settings dialog's controls and
// what its lists, colour buttons and calendar scroll bars do.

#include "calendar/calendar_labels.h"
#include "colour_swatch.h"
#include "grab_area.h"
#include "image_canvas.h"
#include "maker_fixture.h"
#include "platform/colour.h"
#include "platform/profile_file.h"
#include "preview_box.h"
#include "selection_outline.h"
#include "store/app_files.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace kalmora;
using namespace kalmora::maker;
using testsupport::MakerFixture;
using testsupport::QuadrantImage;

class MakerWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWithoutSettingsFile();
    void controlsNestedAndCaptioned();
    void menus();
    void storedPlacementIsClamped_data();
    void storedPlacementIsClamped();
    void closingEitherWindowClosesBothAndStoresPlacement_data();
    void closingEitherWindowClosesBothAndStoresPlacement();
    void tinyWindowRaisesNothing();
    void viewportScrollsLargeImage();
    void scaleListRedrawsImage();
    void halfSizeSelectionDoublesInPreview();
    void smallShapeResizesPreview();
    void colourButtons();
    void frameColourListRecoloursOutlines();
    void calendarScrollBarsMoveCalendar();
    void filePopupOnViewport();
    void versionDialogIsNotModal();
};

void MakerWindowsTest::firstStartWithoutSettingsFile()
{
    MakerFixture maker;
    maker.start();
    frmSub *sub = maker.sub();

    QVERIFY(sub->isVisible());
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QCOMPARE(maker.window->pos(), QPoint(sub->frameGeometry().width(), 0));
    // Client areas as designed: 5025 x 4155 and 4320 x 6975 twips.
    QCOMPARE(maker.window->centralWidget()->size(), QSize(335, 277));
    QCOMPARE(sub->size(), QSize(288, 465));
    QCOMPARE(maker.window->windowTitle(), QStringLiteral("かるもら～"));
    QCOMPARE(sub->windowTitle(), QStringLiteral("かるもら～"));

    QCOMPARE(sub->Combo3()->currentText(), QStringLiteral("ハート"));
    QCOMPARE(sub->Combo4()->currentText(), QStringLiteral("100%"));
    QCOMPARE(sub->Combo2()->currentText(), QStringLiteral("黒"));
    QCOMPARE(sub->Combo1()->currentText(), QStringLiteral("フリー"));
    const std::pair<const char *, std::uint32_t> swatches[] = { { "Label2", platform::Bgr(255, 255, 255) },
        { "Label3", platform::Bgr(255, 255, 255) }, { "Label7", platform::Bgr(0, 0, 255) },
        { "Label8", platform::Bgr(255, 0, 0) }, { "Label9", platform::Bgr(0, 0, 0) } };
    for (const auto &[name, colour] : swatches)
        QCOMPARE(maker.dialog<ColourSwatch>(name)->colour(), colour);
    QCOMPARE(sub->Picture2()->backgroundColour(), platform::Bgr(255, 255, 255));

    QVERIFY(!maker.main<QScrollBar>("HScroll1")->isEnabled());
    QVERIFY(!maker.main<QScrollBar>("VScroll1")->isEnabled());
    QVERIFY(!maker.main<ImageCanvas>("Picture1")->isVisible());
    QVERIFY(!maker.window->selectionShown());
    QVERIFY(!sub->Command1()->isEnabled());

    // The preview: heart size, calendar scroll bars at 1200 with one-pixel and eight-pixel steps.
    QCOMPARE(sub->Picture2()->size(), QSize(256, 256));
    QCOMPARE(maker.window->state().PreviewWidth, 3840);
    QCOMPARE(maker.window->state().PreviewHeight, 3840);
    for (QScrollBar *bar : { sub->HScroll1(), sub->VScroll1() }) {
        QCOMPARE(bar->value(), 1200);
        QCOMPARE(bar->maximum(), 3840);
        QCOMPARE(bar->singleStep(), 15);
        QCOMPARE(bar->pageStep(), 120);
    }
    QCOMPARE(sub->calendar()->titleLabel(0)->text(), QStringLiteral("2004/05"));
    QCOMPARE(sub->calendar()->titleLabel(0)->parentWidget(), sub->Picture2());
    QCOMPARE(maker.window->state().FrameColors[2], platform::Bgr(255, 0, 0));
}

void MakerWindowsTest::controlsNestedAndCaptioned()
{
    MakerFixture maker;
    maker.start();
    // Containers as on screen.
    const std::pair<const char *, const char *> mainNesting[] = { { "Base", "clientArea" }, { "Picture1", "Base" },
        { "bPic", "Base" }, { "Box_0", "Base" }, { "LBox_1", "Base" }, { "Box_1", "Picture1" },
        { "LBox_0", "Picture1" }, { "lXY", "Picture1" }, { "HScroll1", "clientArea" }, { "VScroll1", "clientArea" } };
    for (const auto &[child, parent] : mainNesting)
        QCOMPARE(maker.main<QWidget>(child)->parentWidget()->objectName(), QString::fromLatin1(parent));
    // The canvas lies above what is drawn on the viewport itself.
    const QObjectList baseChildren = maker.main<QWidget>("Base")->children();
    QVERIFY(baseChildren.indexOf(maker.main<QWidget>("Picture1")) > baseChildren.indexOf(maker.main<QWidget>("Box_0")));

    // Settings dialog: caption, frame and place in twips / 15.
    struct Control {
        const char *name;
        const char *frame;
        QString text;
        QRect pixels;
    };
    const Control controls[] = {
        { "Picture2", "Frame2", {}, QRect(5, 15, 256, 256) },
        { "HScroll1", "Frame2", {}, QRect(4, 271, 258, 17) },
        { "VScroll1", "Frame2", {}, QRect(261, 15, 16, 256) },
        { "Label5_0", "Frame1", "型抜き：", QRect(9, 21, 43, 14) },
        { "Combo3", "Frame1", {}, QRect(55, 17, 78, 20) },
        { "Label5_1", "Frame1", "背景色：", QRect(8, 40, 43, 14) },
        { "Label2", "Frame1", {}, QRect(55, 39, 54, 17) },
        { "Command2", "Frame1", "...", QRect(110, 39, 24, 19) },
        { "Frame4", "Frame1", "カレンダー", QRect(5, 59, 130, 103) },
        { "Label5_2", "Frame4", "平日：", QRect(12, 18, 43, 14) },
        { "Label3", "Frame4", {}, QRect(58, 17, 36, 17) },
        { "Command3", "Frame4", "...", QRect(95, 17, 24, 19) },
        { "Label5_3", "Frame4", "土曜：", QRect(12, 40, 43, 14) },
        { "Command4", "Frame4", "...", QRect(95, 39, 24, 19) },
        { "Label5_4", "Frame4", "日祭祝：", QRect(12, 61, 43, 14) },
        { "Command5", "Frame4", "...", QRect(95, 60, 24, 19) },
        { "Label5_5", "Frame4", "影：", QRect(12, 81, 43, 14) },
        { "Label9", "Frame4", {}, QRect(58, 80, 36, 17) },
        { "Command6", "Frame4", "...", QRect(95, 80, 24, 19) },
        { "Label6", "Frame3", "画像倍率：", QRect(7, 20, 57, 14) },
        { "Combo4", "Frame3", {}, QRect(71, 17, 56, 20) },
        { "Label4_1", "Frame3", "枠の色：", QRect(6, 41, 45, 12) },
        { "Combo2", "Frame3", {}, QRect(71, 39, 56, 20) },
        { "Label1", "Frame3", "枠のサイズ：", QRect(5, 64, 67, 14) },
        { "Combo1", "Frame3", {}, QRect(71, 61, 55, 20) },
        { "Command1", "frmSub", "かれんだ～作成", QRect(167, 420, 103, 23) },
    };
    for (const Control &c : controls) {
        QWidget *w = maker.dialog<QWidget>(c.name);
        QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(c.frame));
        QCOMPARE(w->geometry(), c.pixels);
        if (auto *label = qobject_cast<QLabel *>(w); label && !c.text.isEmpty())
            QCOMPARE(label->text(), c.text);
        if (auto *button = qobject_cast<QPushButton *>(w))
            QCOMPARE(button->text(), c.text);
    }
    const std::pair<const char *, QString> frames[]
        = { { "Frame1", "プレビュー画像画面" }, { "Frame2", "完成プレビュー" }, { "Frame3", "入力画像画面" } };
    for (const auto &[name, title] : frames)
        QCOMPARE(maker.dialog<QGroupBox>(name)->title(), title);

    const auto items = [](QComboBox *combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    };
    QCOMPARE(items(maker.sub()->Combo3()),
        QStringList({ "ハート", "角丸四角", "丸", "四角", "星", "ハート(小)", "角丸四角(小)", "丸(小)", "四角(小)",
            "星(小)" }));
    QCOMPARE(items(maker.sub()->Combo4()),
        QStringList({ "100%", "90%", "80%", "70%", "60%", "50%", "40%", "30%", "20%", "10%" }));
    QCOMPARE(items(maker.sub()->Combo2()), QStringList({ "黒", "白", "赤", "緑", "青" }));
    QCOMPARE(items(maker.sub()->Combo1()), QStringList({ "フリー", "固定" }));
}

void MakerWindowsTest::menus()
{
    MakerFixture maker;
    maker.start();
    QStringList bar;
    for (QAction *a : maker.window->menuBar()->actions())
        bar << a->text() + (a->isEnabled() ? "" : " (off)");
    QCOMPARE(bar, QStringList({ "ﾌｧｲﾙ", "表示 (off)", "ﾍﾙﾌﾟ" }));
    QStringList file;
    for (QAction *a : maker.window->fileMenu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (off)"));
    QCOMPARE(file, QStringList({ "開く", "保存 (off)", "-", "終了" }));
    QCOMPARE(maker.window->findChild<QAction *>("mIcon")->text(), QStringLiteral("ｱｲｺﾝ画面"));
    QCOMPARE(maker.window->findChild<QAction *>("mVer")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
}

void MakerWindowsTest::storedPlacementIsClamped_data()
{
    QTest::addColumn<QStringList>("stored"); // MLeft, MTop, MWidth, MHeight, SLeft, STop
    QTest::addColumn<QPoint>("mainPos");
    QTest::addColumn<QPoint>("dialogPos");
    QTest::newRow("negative left") << QStringList { "-300", "200", "", "", "-500", "30" } << QPoint(0, 200 / 15)
                                   << QPoint(0, 2);
    QTest::newRow("stored size") << QStringList { "1500", "1500", "6000", "4500", "150", "150" } << QPoint(100, 100)
                                 << QPoint(10, 10);
    QTest::newRow("not numbers") << QStringList { "abc", "x", "", "", "y", "z" } << QPoint(0, 0) << QPoint(0, 0);
}

void MakerWindowsTest::storedPlacementIsClamped()
{
    QFETCH(QStringList, stored);
    QFETCH(QPoint, mainPos);
    QFETCH(QPoint, dialogPos);
    MakerFixture maker;
    const char *keys[] = { "MLeft", "MTop", "MWidth", "MHeight", "SLeft", "STop" };
    for (int i = 0; i < 6; ++i) {
        if (!stored[i].isEmpty())
            QVERIFY(store::WriteIni(maker.app.path(), "Location", keys[i], stored[i]));
    }
    maker.start();
    QCOMPARE(maker.window->pos(), mainPos);
    QCOMPARE(maker.sub()->pos(), dialogPos);
    if (!stored[2].isEmpty())
        QCOMPARE(maker.window->frameGeometry().size(), QSize(400, 300));

    // Far off the bottom right: pulled back so the whole window is on the screen.
    MakerFixture far;
    QVERIFY(store::WriteIni(far.app.path(), "Location", "MLeft", "500000"));
    QVERIFY(store::WriteIni(far.app.path(), "Location", "MTop", "500000"));
    far.start();
    const QRect screen = far.window->screen()->geometry();
    QCOMPARE(far.window->frameGeometry().bottomRight(), screen.bottomRight());
}

void MakerWindowsTest::closingEitherWindowClosesBothAndStoresPlacement_data()
{
    QTest::addColumn<bool>("closeDialog");
    QTest::newRow("main window closed") << false;
    QTest::newRow("settings dialog closed") << true;
}

void MakerWindowsTest::closingEitherWindowClosesBothAndStoresPlacement()
{
    QFETCH(bool, closeDialog);
    MakerFixture maker;
    maker.start();
    maker.window->move(120, 40);
    maker.window->resize(500, 400);
    maker.sub()->move(7, 9);
    QCoreApplication::processEvents();
    const QRect outer = maker.window->frameGeometry();

    if (closeDialog)
        maker.sub()->close();
    else
        maker.window->close();
    QVERIFY(!maker.window->isVisible());
    QVERIFY(!maker.sub()->isVisible());

    const auto ini = [&](const char *key) { return store::ReadIni(maker.app.path(), "Location", key); };
    QCOMPARE(ini("MLeft"), QString::number(outer.x() * 15));
    QCOMPARE(ini("MTop"), QString::number(outer.y() * 15));
    QCOMPARE(ini("MWidth"), QString::number(outer.width() * 15));
    QCOMPARE(ini("MHeight"), QString::number(outer.height() * 15));
    QCOMPARE(ini("SLeft"), QStringLiteral("105"));
    QCOMPARE(ini("STop"), QStringLiteral("135"));

    // The next start comes back where this one ended.
    MakerFixture next;
    QVERIFY(QFile::copy(store::IniPath(maker.app.path()), store::IniPath(next.app.path())));
    next.start();
    QCOMPARE(next.window->frameGeometry(), outer);
    QCOMPARE(next.sub()->pos(), QPoint(7, 9));
}

void MakerWindowsTest::tinyWindowRaisesNothing()
{
    MakerFixture maker;
    maker.start();
    const QString path = maker.writeImage("a.png", QuadrantImage(QSize(600, 500), 300, 250));
    maker.window->LoadImageFile(path);
    const QRect baseBefore = maker.main<QWidget>("Base")->geometry();
    maker.window->resize(10, maker.window->size().height() - maker.window->centralWidget()->height() + 5);
    QCoreApplication::processEvents();
    QVERIFY(maker.window->centralWidget()->width() * 15 < 255);
    // The viewport could not be sized and kept its place; the vertical bar still moved.
    QCOMPARE(maker.main<QWidget>("Base")->geometry(), baseBefore);
    QVERIFY(maker.dialogs.messages().isEmpty());
    // A scale change lays out and scrolls all the same.
    maker.sub()->Combo4()->setCurrentIndex(5);
    QCOMPARE(maker.main<ImageCanvas>("Picture1")->size(), QSize(300, 250));
    maker.setViewport(QSize(200, 100));
    QCOMPARE(maker.main<QWidget>("Base")->size(), QSize(200, 100));
    QCOMPARE(maker.main<QScrollBar>("HScroll1")->maximum(), 1500);
}

void MakerWindowsTest::viewportScrollsLargeImage()
{
    MakerFixture maker;
    maker.start();
    maker.setViewport(QSize(400, 300));
    QCOMPARE(maker.main<QWidget>("Base")->size(), QSize(400, 300));
    maker.window->LoadImageFile(maker.writeImage("a.png", QuadrantImage(QSize(800, 600), 400, 300)));

    auto *h = maker.main<QScrollBar>("HScroll1");
    auto *v = maker.main<QScrollBar>("VScroll1");
    QVERIFY(h->isEnabled() && v->isEnabled());
    QCOMPARE(h->maximum(), 6000);
    QCOMPARE(v->maximum(), 4500);
    QCOMPARE(h->singleStep(), 15);
    QCOMPARE(v->singleStep(), 15);
    QCOMPARE(h->pageStep(), 600);
    QCOMPARE(v->pageStep(), 450);
    h->setValue(6000);
    v->setValue(4500);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    QCOMPARE(canvas->pos(), QPoint(-400, -300));
    QCOMPARE(canvas->geometry().right(), maker.main<QWidget>("Base")->width() - 1);

    // Enlarging the window until the image fits disables the bars and brings the image back.
    maker.setViewport(QSize(900, 700));
    QVERIFY(!h->isEnabled() && !v->isEnabled());
    QCOMPARE(canvas->pos(), QPoint(0, 0));

    // A photo far beyond the old 16-bit range scrolls all the way.
    maker.setViewport(QSize(400, 300));
    maker.window->LoadImageFile(maker.writeImage("wide.png", QuadrantImage(QSize(6000, 400), 3000, 200)));
    QVERIFY(maker.dialogs.messages().isEmpty());
    QCOMPARE(h->maximum(), (6000 - 400) * 15);
    h->setValue(h->maximum());
    QCOMPARE(canvas->pos().x(), -5600);
}

void MakerWindowsTest::scaleListRedrawsImage()
{
    MakerFixture maker;
    maker.start();
    maker.sub()->Combo4()->setCurrentIndex(5); // "50%" before any image: applied at the next load
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    maker.window->LoadImageFile(maker.writeImage("a.png", QuadrantImage(QSize(1000, 800), 500, 400)));
    QCOMPARE(canvas->size(), QSize(500, 400));
    QCOMPARE(canvas->picture().size(), QSize(500, 400));
    QCOMPARE(maker.window->state().LoadedImageWidth, 15000);
    QCOMPARE(maker.window->state().LoadedImageHeight, 12000);
    // Smoothly scaled: the quadrant edge stays where it belongs.
    QCOMPARE(canvas->picture().pixel(240, 190), qRgb(255, 0, 0));
    QCOMPARE(canvas->picture().pixel(260, 210), qRgb(255, 255, 0));

    maker.sub()->Combo4()->setCurrentIndex(9);
    QCOMPARE(canvas->size(), QSize(100, 80));
    maker.sub()->Combo4()->setCurrentIndex(0);
    QCOMPARE(canvas->size(), QSize(1000, 800));
    QCOMPARE(canvas->picture().pixel(499, 399), qRgb(255, 0, 0));
}

void MakerWindowsTest::halfSizeSelectionDoublesInPreview()
{
    MakerFixture maker;
    maker.start();
    maker.setViewport(QSize(500, 500));
    // Red above row 150, blue below, split at column 200 (green / yellow to the right).
    maker.window->LoadImageFile(maker.writeImage("a.png", QuadrantImage(QSize(400, 400), 200, 150)));
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    // A 128 x 128 box from (100, 100): rows 100..149 red/green, 150..227 blue/yellow.
    MakerFixture::drag(canvas, QPoint(100, 100), QPoint(228, 228));
    QCOMPARE(maker.window->selectionRect(), (TwipsRect { 1500, 1500, 1920, 1920 }));

    const QImage preview = maker.sub()->Picture2()->picture();
    QCOMPARE(preview.size(), QSize(256, 256));
    // Column 200 of the image lands at 2 * (200 - 100) = 200; row 150 at 100.
    QCOMPARE(preview.pixel(190, 90), qRgb(255, 0, 0));
    QCOMPARE(preview.pixel(210, 90), qRgb(0, 255, 0));
    QCOMPARE(preview.pixel(190, 110), qRgb(0, 0, 255));
    QCOMPARE(preview.pixel(210, 110), qRgb(255, 255, 0));

    // A box of the preview's own size copies one to one.
    MakerFixture::drag(canvas, QPoint(10, 20), QPoint(266, 276));
    const QImage same = maker.sub()->Picture2()->picture();
    QCOMPARE(same.pixel(189, 129), qRgb(255, 0, 0));
    QCOMPARE(same.pixel(190, 130), qRgb(255, 255, 0));
}

void MakerWindowsTest::smallShapeResizesPreview()
{
    MakerFixture maker;
    maker.start();
    maker.sub()->Combo3()->setCurrentIndex(5); // "ハート(小)"
    QCOMPARE(maker.sub()->Picture2()->size(), QSize(198, 198));
    QCOMPARE(maker.window->state().PreviewWidth, 2970);
    QCOMPARE(maker.window->state().PreviewHeight, 2970);
    QCOMPARE(maker.sub()->HScroll1()->maximum(), 2970);
    QCOMPARE(maker.sub()->VScroll1()->maximum(), 2970);
    // The hidden selection box takes the preview's size; the preview is cut to the shape.
    QCOMPARE(maker.window->selectionRect().width, 2970.f);
    QVERIFY(!maker.sub()->Picture2()->mask().isEmpty());
    QVERIFY(!maker.sub()->Picture2()->mask().contains(QPoint(0, 0)));
    QVERIFY(maker.sub()->Picture2()->mask().contains(QPoint(99, 120)));

    maker.sub()->Combo3()->setCurrentIndex(7); // "丸(小)": 2940 x 2955
    QCOMPARE(maker.window->state().PreviewWidth, 2940);
    QCOMPARE(maker.window->state().PreviewHeight, 2955);
    maker.sub()->Combo3()->setCurrentIndex(0);
    QCOMPARE(maker.sub()->Picture2()->size(), QSize(256, 256));
}

void MakerWindowsTest::colourButtons()
{
    MakerFixture maker;
    maker.start();
    frmSub *sub = maker.sub();
    auto *weekday = maker.dialog<ColourSwatch>("Label3");
    const QColor titleBefore = sub->calendar()->titleLabel(0)->palette().color(QPalette::WindowText);

    // Cancelled (the scripted dialog answers -1): nothing changes.
    maker.dialog<QPushButton>("Command3")->click();
    QCOMPARE(maker.dialogs.calls(testsupport::ScriptedDialogs::Kind::Colour).size(), 1);
    QCOMPARE(maker.dialogs.lastCall()->colour, platform::Bgr(255, 255, 255));
    QCOMPARE(weekday->colour(), platform::Bgr(255, 255, 255));
    QCOMPARE(sub->calendar()->titleLabel(0)->palette().color(QPalette::WindowText), titleBefore);

    // A weekday colour recolours the colour pass; the shadow pass keeps the shadow colour.
    maker.dialogs.queueColour(platform::Bgr(0, 128, 0));
    maker.dialog<QPushButton>("Command3")->click();
    QCOMPARE(weekday->colour(), platform::Bgr(0, 128, 0));
    QCOMPARE(sub->calendar()->titleLabel(0)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(sub->calendar()->titleLabel(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    // Background: preview and swatch together; cancelled leaves both.
    maker.dialog<QPushButton>("Command2")->click();
    QCOMPARE(sub->Picture2()->backgroundColour(), platform::Bgr(255, 255, 255));
    maker.dialogs.queueColour(platform::Bgr(10, 20, 30));
    maker.dialog<QPushButton>("Command2")->click();
    QCOMPARE(sub->Picture2()->backgroundColour(), platform::Bgr(10, 20, 30));
    QCOMPARE(sub->Label2()->colour(), platform::Bgr(10, 20, 30));
    QCOMPARE(sub->Picture2()->drawnImage().pixel(128, 128), qRgb(10, 20, 30));
}

void MakerWindowsTest::frameColourListRecoloursOutlines()
{
    MakerFixture maker;
    maker.start();
    maker.sub()->Combo2()->setCurrentIndex(2); // "赤"
    for (const char *name : { "Box_0", "Box_1" })
        QCOMPARE(maker.main<SelectionOutline>(name)->borderColour(), QColor(255, 0, 0));
    QCOMPARE(maker.main<GrabArea>("LBox_0")->textColour(), QColor(255, 0, 0));
    maker.sub()->Combo2()->setCurrentIndex(4); // "青"
    QCOMPARE(maker.main<SelectionOutline>("Box_1")->borderColour(), QColor(0, 0, 255));
}

void MakerWindowsTest::calendarScrollBarsMoveCalendar()
{
    MakerFixture maker;
    maker.start();
    calendar::CalendarLabels *cal = maker.sub()->calendar();
    QCOMPARE(cal->titleLabel(0)->x(), 80); // 1200 twips
    maker.sub()->HScroll1()->setValue(600);
    QCOMPARE(cal->titleLabel(0)->x(), 40);
    QCOMPARE(cal->titleLabel(1)->x(), 41); // the shadow pass one pixel right
    // Dragging the thumb moves the calendar before the value settles.
    QScrollBar *v = maker.sub()->VScroll1();
    v->setTracking(false);
    const int top = cal->dayLabel(0)->y();
    v->setSliderDown(true);
    v->setSliderPosition(1500);
    QCOMPARE(v->value(), 1200);
    QCOMPARE(cal->dayLabel(0)->y(), top + 20);
    v->setSliderDown(false);
    QCOMPARE(v->value(), 1500);
    QCOMPARE(cal->dayLabel(0)->y(), top + 20);
}

void MakerWindowsTest::filePopupOnViewport()
{
    MakerFixture maker;
    maker.start();
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        QWidget *popup = QApplication::activePopupWidget();
        if (auto *menu = qobject_cast<QMenu *>(popup)) {
            for (QAction *a : menu->actions()) {
                if (a->isVisible())
                    shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
            }
            // Choosing "開く" there opens the image dialog.
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    MakerFixture::mouse(maker.main<QWidget>("Base"), QEvent::MouseButtonPress, QPoint(50, 50), Qt::RightButton);
    QCOMPARE(shown, QStringList({ "開く", "保存" }));
    QCOMPARE(maker.dialogs.calls(testsupport::ScriptedDialogs::Kind::OpenFile).size(), 1);
    QVERIFY(maker.window->findChild<QAction *>("mEnd")->isVisible());
    QVERIFY(maker.window->findChild<QAction *>("sep01")->isVisible());

    // Other buttons do nothing there.
    MakerFixture::mouse(maker.main<QWidget>("Base"), QEvent::MouseButtonPress, QPoint(50, 50), Qt::LeftButton);
    QVERIFY(!QApplication::activePopupWidget());
}

void MakerWindowsTest::versionDialogIsNotModal()
{
    MakerFixture maker;
    maker.start();
    maker.window->findChild<QAction *>("mVer")->trigger();
    QWidget *version = maker.window->findChild<QWidget *>("frm_Version");
    QVERIFY(version);
    QVERIFY(version->isVisible());
    QVERIFY(!version->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    bool productText = false;
    for (QLabel *label : version->findChildren<QLabel *>())
        productText = productText || label->text() == QStringLiteral("かるもら～作成");
    QVERIFY(productText);
    // Closing the maker closes it too.
    maker.window->close();
    QTRY_VERIFY(!maker.window->findChild<QWidget *>("frm_Version") || !version->isVisible());
}

QTEST_MAIN(MakerWindowsTest)
#include "test_maker_windows.moc"
