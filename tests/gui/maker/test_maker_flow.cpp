// The maker's whole flow in its windows: loading pictures (open command, drops, broken files), the
// selection box, and registering a project.

#include "colour_swatch.h"
#include "grab_area.h"
#include "image_canvas.h"
#include "maker_fixture.h"
#include "platform/colour.h"
#include "preview_box.h"
#include "selection_outline.h"
#include "store/app_files.h"
#include "store/project_settings.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QtTest>

using namespace kalmora;
using namespace kalmora::maker;
using testsupport::MakerFixture;
using testsupport::QuadrantImage;
using Kind = testsupport::ScriptedDialogs::Kind;

Q_DECLARE_METATYPE(TwipsRect)

class MakerFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void openCommand();
    void cancelledOpenChangesNothing();
    void brokenFileKeepsPreviousImage();
    void orientationTagIsApplied();
    void drops();
    void firstLoadPreviewsTopLeftCorner();
    void freeSelection_data();
    void freeSelection();
    void discardedSelection_data();
    void discardedSelection();
    void fixedSizeSelection();
    void movingTheBox();
    void boxLeftOfImageShowsDigitsWithoutSign();
    void statusTextAlwaysFitsItsLabel();
    void nothingBeforeAnImage();
    void createWithDefaultName();
    void createTwiceResetsWindowPosition();
    void createRefusesUnsafeNames_data();
    void createRefusesUnsafeNames();
    void createCancelledOrWithoutImage();

private:
    static void load(MakerFixture &maker, QSize size = QSize(400, 300));
};

void MakerFlowTest::load(MakerFixture &maker, QSize size)
{
    maker.setViewport(QSize(500, 400));
    maker.window->LoadImageFile(
        maker.writeImage("photo.png", QuadrantImage(size, size.width() / 2, size.height() / 2)));
}

void MakerFlowTest::openCommand()
{
    MakerFixture maker;
    maker.start();
    const QString path = maker.writeImage("pic/a.png", QuadrantImage(QSize(300, 200), 150, 100));
    maker.dialogs.queueOpenFile(path);
    maker.window->findChild<QAction *>("mOpen")->trigger();

    const auto opens = maker.dialogs.calls(Kind::OpenFile);
    QCOMPARE(opens.size(), 1);
    QCOMPARE(opens[0].title, QStringLiteral("画像ファイルを開く"));
    QCOMPARE(opens[0].filters,
        QStringList({ "画像ﾌｧｲﾙ (*.bmp;*.gif;*.jpg;*.ico)", "*.bmp;*.gif;*.jpg;*.ico;*.jpeg;*.png",
            "すべてのﾌｧｲﾙ (*.*)", "*.*" }));
    QCOMPARE(opens[0].initialFolder, QString()); // no KALMORA.ini yet: the dialog's own default

    QCOMPARE(maker.window->windowTitle(), path);
    QVERIFY(maker.window->state().ImageLoaded);
    const QString folder = maker.app.filePath("pic") + QLatin1Char('/');
    QCOMPARE(maker.window->state().LastImageFolder, folder);
    QCOMPARE(store::ReadIni(maker.app.path(), "Dir", "IN"), folder);
    QVERIFY(maker.main<ImageCanvas>("Picture1")->isVisible());
    QCOMPARE(maker.main<ImageCanvas>("Picture1")->size(), QSize(300, 200));
    QVERIFY(!maker.window->selectionShown());

    // The next open starts in that folder.
    maker.window->findChild<QAction *>("mOpen")->trigger();
    QCOMPARE(maker.dialogs.calls(Kind::OpenFile).last().initialFolder, folder);
}

void MakerFlowTest::cancelledOpenChangesNothing()
{
    MakerFixture maker;
    maker.start();
    maker.window->findChild<QAction *>("mOpen")->trigger(); // the scripted dialog answers Cancel
    QCOMPARE(maker.window->windowTitle(), QStringLiteral("かるもら～"));
    QVERIFY(!maker.window->state().ImageLoaded);
    QVERIFY(maker.sub()->Picture2()->picture().isNull());
    QVERIFY(!QFile::exists(store::IniPath(maker.app.path())));

    load(maker);
    const QString title = maker.window->windowTitle();
    const QImage preview = maker.sub()->Picture2()->picture();
    maker.window->findChild<QAction *>("mOpen")->trigger();
    QCOMPARE(maker.window->windowTitle(), title);
    QCOMPARE(maker.sub()->Picture2()->picture(), preview);
}

void MakerFlowTest::brokenFileKeepsPreviousImage()
{
    MakerFixture maker;
    maker.start();
    load(maker);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    MakerFixture::drag(canvas, QPoint(10, 10), QPoint(60, 60));
    const QString title = maker.window->windowTitle();
    const QImage before = canvas->picture();
    const QImage previewBefore = maker.sub()->Picture2()->picture();

    QFile broken(maker.app.filePath("broken.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\xff\xd8\xff\xe0 this is not really a JPEG");
    broken.close();
    maker.window->LoadImageFile(broken.fileName());

    const auto messages = maker.dialogs.calls(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, QStringLiteral("KALMORAM"));
    QVERIFY(messages[0].text.contains("broken.jpg"));
    QCOMPARE(maker.window->windowTitle(), title);
    QCOMPARE(canvas->picture(), before);
    QVERIFY(maker.window->selectionShown());
    QCOMPARE(maker.sub()->Picture2()->picture(), previewBefore);
    QCOMPARE(store::ReadIni(maker.app.path(), "Dir", "IN"), maker.app.path() + QLatin1Char('/'));

    // A file that is not there at all.
    maker.window->LoadImageFile(maker.app.filePath("missing.png"));
    QCOMPARE(maker.dialogs.calls(Kind::Message).size(), 2);
    QCOMPARE(maker.window->windowTitle(), title);
}

void MakerFlowTest::orientationTagIsApplied()
{
    // A JPEG stored 40 x 20 with the tag "rotate 90° clockwise" (orientation 6) stands 20 x 40.
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(Qt::white);
    MakerFixture maker;
    maker.start();
    const QString path = maker.app.filePath("portrait.jpg");
    QVERIFY(stored.save(path, "JPEG"));
    // Insert an APP1 Exif segment with one IFD entry: Orientation = 6.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray jpeg = file.readAll();
    file.close();
    const QByteArray tiff = QByteArray("MM\x00\x2a\x00\x00\x00\x08", 8) + QByteArray("\x00\x01", 2)
        + QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00", 12) + QByteArray("\x00\x00\x00\x00", 4);
    const QByteArray payload = QByteArray("Exif\x00\x00", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const int length = int(payload.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xff)).append(payload);
    jpeg.insert(2, segment);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(jpeg);
    file.close();

    maker.window->LoadImageFile(path);
    QVERIFY2(maker.dialogs.messages().isEmpty(), qPrintable(maker.dialogs.messages().join('|')));
    QCOMPARE(maker.main<ImageCanvas>("Picture1")->size(), QSize(20, 40));
}

void MakerFlowTest::drops()
{
    MakerFixture maker;
    maker.start();
    const QString first = maker.writeImage("first.png", QuadrantImage(QSize(120, 100), 60, 50));
    const QString second = maker.writeImage("second.png", QuadrantImage(QSize(90, 80), 45, 40));
    const auto dropOn = [](QWidget *target, QMimeData *data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    };

    // Text is ignored.
    QMimeData text;
    text.setText(first);
    dropOn(maker.main<QWidget>("Base"), &text);
    QCOMPARE(maker.window->windowTitle(), QStringLiteral("かるもら～"));

    // Of two files only the first is taken.
    QMimeData two;
    two.setUrls({ QUrl::fromLocalFile(first), QUrl::fromLocalFile(second) });
    dropOn(maker.main<QWidget>("Base"), &two);
    QCOMPARE(maker.window->windowTitle(), first);
    QCOMPARE(store::ReadIni(maker.app.path(), "Dir", "IN"), maker.app.path() + QLatin1Char('/'));

    // The canvas, a grab area and the window itself take drops too.
    const std::pair<QWidget *, QString> targets[] = { { maker.main<QWidget>("Picture1"), second },
        { maker.main<QWidget>("LBox_0"), first }, { maker.window.get(), second } };
    for (const auto &[target, file] : targets) {
        QMimeData one;
        one.setUrls({ QUrl::fromLocalFile(file) });
        dropOn(target, &one);
        QCOMPARE(maker.window->windowTitle(), file);
    }
}

void MakerFlowTest::firstLoadPreviewsTopLeftCorner()
{
    // Before any selection the box has the preview's size at the image's top-left corner.
    MakerFixture maker;
    maker.start();
    load(maker, QSize(600, 600)); // red where x < 300 and y < 300
    const QImage preview = maker.sub()->Picture2()->picture();
    QCOMPARE(preview.size(), QSize(256, 256));
    QCOMPARE(preview.pixel(255, 255), qRgb(255, 0, 0));
    QVERIFY(!maker.window->selectionShown());
    QVERIFY(!maker.sub()->Command1()->isEnabled());
}

void MakerFlowTest::freeSelection_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<TwipsRect>("box");
    QTest::addColumn<QString>("status");
    // 300, 450 to 1800, 1650 twips = 20, 30 to 120, 110 pixels.
    QTest::newRow("down right") << QPoint(20, 30) << QPoint(120, 110) << TwipsRect { 300, 450, 1500, 1200 }
                                << QStringLiteral("\u3000X:0020,Y:0030,W:0100,H:0080");
    QTest::newRow("up left") << QPoint(120, 110) << QPoint(20, 30) << TwipsRect { 300, 450, 1500, 1200 }
                             << QStringLiteral("\u3000X:0020,Y:0030,W:0100,H:0080");
    QTest::newRow("beyond the image") << QPoint(350, 250) << QPoint(450, 320) << TwipsRect { 5250, 3750, 1500, 1050 }
                                      << QStringLiteral("\u3000X:0350,Y:0250,W:0100,H:0070");
}

void MakerFlowTest::freeSelection()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(TwipsRect, box);
    QFETCH(QString, status);
    MakerFixture maker;
    maker.start();
    load(maker);
    auto *canvas = maker.main<ImageCanvas>("Picture1");

    MakerFixture::mouse(canvas, QEvent::MouseButtonPress, press);
    QVERIFY(maker.window->state().DrawingSelection);
    QVERIFY(maker.window->selectionShown());
    MakerFixture::mouse(canvas, QEvent::MouseMove, release);
    // While drawing only the outlines follow; the grab areas and the preview wait for the release.
    QCOMPARE(maker.window->selectionRect(), box);
    QCOMPARE(maker.window->grabRect().width, 1.f);
    const QImage previewWhileDrawing = maker.sub()->Picture2()->picture();
    MakerFixture::mouse(canvas, QEvent::MouseButtonRelease, release);

    QVERIFY(!maker.window->state().DrawingSelection);
    QCOMPARE(maker.window->selectionRect(), box);
    QCOMPARE(maker.window->grabRect(), box);
    QCOMPARE(maker.main<QLabel>("lXY")->text(), status);
    QVERIFY(maker.sub()->Command1()->isEnabled());
    QVERIFY(maker.sub()->Picture2()->picture() != previewWhileDrawing);
    const QRect pixels(qRound(box.left / 15), qRound(box.top / 15), qRound(box.width / 15), qRound(box.height / 15));
    QCOMPARE(maker.main<SelectionOutline>("Box_1")->geometry(), pixels);
    QCOMPARE(maker.main<SelectionOutline>("Box_0")->geometry(), pixels);
    QCOMPARE(maker.main<GrabArea>("LBox_0")->geometry(), pixels);
}

void MakerFlowTest::discardedSelection_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::newRow("press and release at one point") << QPoint(50, 60) << QPoint(50, 60);
    QTest::newRow("started at the image's corner") << QPoint(0, 0) << QPoint(150, 120);
}

void MakerFlowTest::discardedSelection()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    MakerFixture maker;
    maker.start();
    load(maker);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    MakerFixture::drag(canvas, QPoint(20, 30), QPoint(120, 110));
    QVERIFY(maker.sub()->Command1()->isEnabled());

    MakerFixture::drag(canvas, press, release);
    QVERIFY(!maker.window->selectionShown());
    QVERIFY(maker.sub()->Picture2()->picture().isNull());
    QVERIFY(!maker.sub()->Command1()->isEnabled());
}

void MakerFlowTest::fixedSizeSelection()
{
    MakerFixture maker;
    maker.start();
    load(maker);
    maker.sub()->Combo1()->setCurrentIndex(1); // "固定"
    QCOMPARE(maker.window->state().FixedSelectionSize, 1);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    const TwipsRect atPress { 150, 300, 3840, 3840 };

    MakerFixture::mouse(canvas, QEvent::MouseButtonPress, QPoint(10, 20));
    QCOMPARE(maker.window->selectionRect(), atPress);
    QVERIFY(!maker.sub()->Picture2()->picture().isNull()); // composed at the press already
    MakerFixture::mouse(canvas, QEvent::MouseMove, QPoint(90, 70));
    QCOMPARE(maker.window->selectionRect(), atPress);
    MakerFixture::mouse(canvas, QEvent::MouseButtonRelease, QPoint(90, 70));
    QCOMPARE(maker.window->selectionRect(), atPress);
    QCOMPARE(maker.window->grabRect(), atPress);
    QCOMPARE(maker.main<QLabel>("lXY")->text(), QStringLiteral("\u3000X:0010,Y:0020,W:0256,H:0256"));

    // A smaller shape resizes the shown box without moving it.
    maker.sub()->Combo3()->setCurrentIndex(8); // "四角(小)": 2925 x 2925
    QCOMPARE(maker.window->selectionRect(), (TwipsRect { 150, 300, 2925, 2925 }));
    QCOMPARE(maker.sub()->Picture2()->picture().size(), QSize(195, 195));

    // Back to free: a shown box keeps its size; choosing fixed again gives it the preview's size.
    maker.sub()->Combo1()->setCurrentIndex(0);
    MakerFixture::drag(canvas, QPoint(20, 30), QPoint(120, 110));
    maker.sub()->Combo1()->setCurrentIndex(1);
    QCOMPARE(maker.window->selectionRect(), (TwipsRect { 300, 450, 2925, 2925 }));
}

void MakerFlowTest::movingTheBox()
{
    MakerFixture maker;
    maker.start();
    load(maker);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    MakerFixture::drag(canvas, QPoint(20, 30), QPoint(120, 110));
    auto *grab = maker.main<GrabArea>("LBox_0");
    const QImage before = maker.sub()->Picture2()->picture();

    MakerFixture::mouse(grab, QEvent::MouseButtonPress, QPoint(50, 40));
    QVERIFY(maker.window->state().MovingSelection);
    MakerFixture::mouse(grab, QEvent::MouseMove, QPoint(80, 50));
    // The outlines follow the pointer; the grab area and the preview follow at the release.
    QCOMPARE(maker.window->selectionRect(), (TwipsRect { 750, 600, 1500, 1200 }));
    QCOMPARE(maker.window->grabRect(), (TwipsRect { 300, 450, 1500, 1200 }));
    QCOMPARE(maker.sub()->Picture2()->picture(), before);
    QCOMPARE(maker.main<QLabel>("lXY")->text(), QStringLiteral("\u3000X:0050,Y:0040,W:0100,H:0080"));
    // Released over the yellow quarter of the photo.
    MakerFixture::mouse(grab, QEvent::MouseButtonRelease, QPoint(250, 160));
    QVERIFY(!maker.window->state().MovingSelection);
    QCOMPARE(maker.window->grabRect(), (TwipsRect { 3300, 2250, 1500, 1200 }));
    QCOMPARE(maker.sub()->Picture2()->picture().pixel(128, 128), qRgb(255, 255, 0));

    // The grab area on the viewport moves the box the same way.
    auto *viewportGrab = maker.main<GrabArea>("LBox_1");
    MakerFixture::mouse(viewportGrab, QEvent::MouseButtonPress, QPoint(5, 5));
    MakerFixture::mouse(viewportGrab, QEvent::MouseButtonRelease, QPoint(15, 5));
    QCOMPARE(maker.window->selectionRect(), (TwipsRect { 3450, 2250, 1500, 1200 }));
}

void MakerFlowTest::boxLeftOfImageShowsDigitsWithoutSign()
{
    MakerFixture maker;
    maker.start();
    load(maker);
    MakerFixture::drag(maker.main<ImageCanvas>("Picture1"), QPoint(2, 30), QPoint(50, 80));
    auto *grab = maker.main<GrabArea>("LBox_0");
    MakerFixture::mouse(grab, QEvent::MouseButtonPress, QPoint(10, 10));
    MakerFixture::mouse(grab, QEvent::MouseButtonRelease, QPoint(5, 10));
    QCOMPARE(maker.window->selectionRect().left, -45.f);
    QVERIFY(maker.main<QLabel>("lXY")->text().startsWith(QStringLiteral("\u3000X:0003,")));
}

void MakerFlowTest::statusTextAlwaysFitsItsLabel()
{
    // The label is sized once; boxes whose numbers use narrow and wide digits must all show whole.
    MakerFixture maker;
    maker.start();
    load(maker);
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    auto *status = maker.main<QLabel>("lXY");
    for (const auto &[from, to] : { std::pair { QPoint(1, 1), QPoint(12, 112) },
             std::pair { QPoint(8, 8), QPoint(96, 96) }, std::pair { QPoint(40, 50), QPoint(388, 257) } }) {
        MakerFixture::drag(canvas, from, to);
        QVERIFY2(status->width() >= status->sizeHint().width(), qPrintable(status->text()));
        QVERIFY(status->height() >= status->sizeHint().height());
    }
}

void MakerFlowTest::nothingBeforeAnImage()
{
    MakerFixture maker;
    maker.start();
    auto *canvas = maker.main<ImageCanvas>("Picture1");
    MakerFixture::drag(canvas, QPoint(20, 30), QPoint(120, 110));
    QVERIFY(!maker.window->selectionShown());
    QVERIFY(!maker.sub()->Command1()->isEnabled());
    maker.sub()->Combo1()->setCurrentIndex(1);
    maker.sub()->Combo4()->setCurrentIndex(3);
    QVERIFY(maker.sub()->Picture2()->picture().isNull());
}

namespace
{
// Runs the create button with the name the user types (an empty text is Cancel).
void Create(MakerFixture &maker, const QString &typed)
{
    maker.dialogs.queueInput(typed);
    maker.sub()->Command1()->setEnabled(true);
    maker.sub()->Command1()->click();
}
} // namespace

void MakerFlowTest::createWithDefaultName()
{
    MakerFixture maker;
    maker.start();
    maker.sub()->Combo3()->setCurrentIndex(4); // "星"
    // A one-colour photo: anything else in the stored picture would be the calendar.
    QImage green(400, 300, QImage::Format_RGB32);
    green.fill(QColor(0, 160, 0));
    maker.setViewport(QSize(500, 400));
    maker.window->LoadImageFile(maker.writeImage("green.png", green));
    MakerFixture::drag(maker.main<ImageCanvas>("Picture1"), QPoint(20, 30), QPoint(120, 110));
    maker.sub()->HScroll1()->setValue(900);

    Create(maker, QStringLiteral("20040512153045"));
    const auto inputs = maker.dialogs.calls(Kind::Input);
    QCOMPARE(inputs.size(), 1);
    QCOMPARE(inputs[0].text, QStringLiteral("登録名を入力してください"));
    QCOMPARE(inputs[0].title, QStringLiteral("かるもら～"));
    QCOMPARE(inputs[0].defaultText, QStringLiteral("20040512153045"));
    const auto messages = maker.dialogs.calls(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("作成完了しました。"));
    QCOMPARE(messages[0].title, QStringLiteral("KALMORAM"));

    store::ProjectSettings expected;
    expected.PKA = 4;
    expected.PBG = 16777215;
    expected.CHE = 16777215;
    expected.CDO = 16711680;
    expected.CNI = 255;
    expected.CBG = 0;
    expected.CXX = 900;
    expected.CYY = 1200;
    QCOMPARE(store::ReadProjectSettings(maker.app.path(), "20040512153045"), expected);
    QCOMPARE(store::ReadProjectValue(maker.app.path(), "20040512153045", "Settings", "VXX"), QStringLiteral("0"));

    const QImage stored(store::PictureFilePath(maker.app.path(), "20040512153045"));
    QCOMPARE(stored.size(), QSize(256, 256));
    QCOMPARE(stored.depth(), 32); // read back as RGB32; the file itself is 24-bit (unit test)
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x)
            QCOMPARE(stored.pixel(x, y), qRgb(0, 160, 0));
    // Image, selection and settings stay for the next project.
    QVERIFY(maker.window->selectionShown());
    QCOMPARE(maker.sub()->Combo3()->currentIndex(), 4);
}

void MakerFlowTest::createTwiceResetsWindowPosition()
{
    MakerFixture maker;
    maker.start();
    load(maker);
    Create(maker, QStringLiteral("cal"));
    QVERIFY(store::WriteProjectValue(maker.app.path(), "cal", "Settings", "VXX", "4545"));
    QVERIFY(store::WriteProjectValue(maker.app.path(), "cal", "Settings", "VYY", "-300"));
    maker.sub()->Combo3()->setCurrentIndex(5);
    Create(maker, QStringLiteral("cal"));
    const store::ProjectSettings read = store::ReadProjectSettings(maker.app.path(), "cal");
    QCOMPARE(read.PKA, 5);
    QCOMPARE(read.VXX, 0);
    QCOMPARE(read.VYY, 0);
    QCOMPARE(QImage(store::PictureFilePath(maker.app.path(), "cal")).size(), QSize(198, 198));
    QCOMPARE(maker.dialogs.messages(), QStringList({ "作成完了しました。", "作成完了しました。" }));
}

void MakerFlowTest::createRefusesUnsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << QStringLiteral("../x");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("colon") << QStringLiteral("a:b");
    QTest::newRow("trailing dot") << QStringLiteral("x.");
}

void MakerFlowTest::createRefusesUnsafeNames()
{
    QFETCH(QString, name);
    MakerFixture maker;
    maker.start();
    load(maker);
    Create(maker, name);
    const auto messages = maker.dialogs.calls(Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, QStringLiteral("KALMORAM"));
    QVERIFY(messages[0].text != QStringLiteral("作成完了しました。"));
    QCOMPARE(QDir(store::ProjectFolder(maker.app.path())).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(store::PictureFolder(maker.app.path())).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(!QFile::exists(maker.app.filePath("x.cpj")));
    QVERIFY(!QFile::exists(maker.app.filePath("x.bmp")));
}

void MakerFlowTest::createCancelledOrWithoutImage()
{
    MakerFixture maker;
    maker.start();
    // No image yet: nothing is asked and nothing written.
    maker.sub()->Command1()->setEnabled(true);
    maker.sub()->Command1()->click();
    QVERIFY(maker.dialogs.calls().isEmpty());
    QVERIFY(!QDir(store::ProjectFolder(maker.app.path())).exists());

    load(maker);
    Create(maker, QString()); // Cancel
    QCOMPARE(maker.dialogs.calls(Kind::Input).size(), 1);
    QVERIFY(maker.dialogs.calls(Kind::Message).isEmpty());
    // Only the two folders exist.
    QVERIFY(QDir(store::ProjectFolder(maker.app.path())).isEmpty());
    QVERIFY(QDir(store::PictureFolder(maker.app.path())).isEmpty());
}

QTEST_MAIN(MakerFlowTest)
#include "test_maker_flow.moc"
