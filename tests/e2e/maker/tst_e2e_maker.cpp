// The maker on a real X server with a real window manager, driven only through its user interface:
// where its windows open, the preview cut to the shape, and a calendar made from a photo (open
// dialog, a drag on the image, the shape list, the create button, the name typed), which the viewer
// then shows.

#include "store/app_files.h"
#include "store/project_settings.h"
#include "temp_app_folder.h"
#include "x_session.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QThread>
#include <QtEndian>

using namespace kalmora;
using kalmora::e2e::TempAppFolder;
using kalmora::e2e::WaitUntil;
using kalmora::e2e::XSession;

namespace
{

// The maker's two windows on the screen: their client areas.
struct MakerWindows {
    quint64 dialog = 0;
    quint64 main = 0;
    QRect dialogRect;
    QRect mainRect;
};

// The settings dialog is the viewable window of the dialog's fixed size (288 x 465 pixels at 96 DPI);
// the main window the other one.
std::optional<MakerWindows> FindMakerWindows(const XSession &session, qint64 pid)
{
    std::optional<MakerWindows> found;
    WaitUntil(
        [&] {
            MakerWindows windows;
            for (quint64 w : session.searchWindows(pid)) {
                if (!session.isViewable(w))
                    continue;
                const QRect rect = session.windowGeometry(w);
                if (rect.size() == QSize(288, 465)) {
                    windows.dialog = w;
                    windows.dialogRect = rect;
                } else if (rect.width() > 300 && rect.height() > 250) {
                    windows.main = w;
                    windows.mainRect = rect;
                }
            }
            if (windows.dialog && windows.main)
                found = windows;
            return found.has_value();
        },
        15000);
    return found;
}

// Places of the settings dialog's controls relative to its client area, pixels at 96 DPI.
constexpr QPoint kPreviewOrigin(3 + 5, 3 + 15); // Frame2, then Picture2 in it
constexpr QPoint kShapeList(3 + 55 + 39, 298 + 17 + 10); // Frame1, then the middle of Combo3
constexpr QPoint kCreateButton(167 + 51, 420 + 11);

bool Near(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

QString WindowName(const XSession &session, quint64 window)
{
    QString name;
    session.xdotool({ "getwindowname", QString::number(window) }, &name);
    return name.trimmed();
}

// A viewable window of `pid` with exactly this name (xdotool's search joins --pid and --name with
// "or", so the name is checked here).
std::optional<quint64> ViewableWindowNamed(const XSession &session, qint64 pid, const QString &name)
{
    for (quint64 w : session.searchWindows(pid)) {
        if (session.isViewable(w) && WindowName(session, w) == name)
            return w;
    }
    return std::nullopt;
}

} // namespace

class TestE2eMaker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void windowsOpenBesideEachOtherWithShapedPreview();
    void calendarFromPhotoToDesktop();

private:
    bool startSession(XSession &session, TempAppFolder &folder);
};

void TestE2eMaker::init()
{
    if (!e2e::MissingXTools().isEmpty())
        QSKIP(qPrintable("missing X tools: " + e2e::MissingXTools().join(", ")));
}

bool TestE2eMaker::startSession(XSession &session, TempAppFolder &folder)
{
    QString error;
    if (!folder.populate(&error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    if (!session.start(&error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    return QFile::exists(folder.programPath("KALMORAM"));
}

void TestE2eMaker::windowsOpenBesideEachOtherWithShapedPreview()
{
    XSession session;
    TempAppFolder folder;
    QVERIFY(startSession(session, folder));
    QProcess *maker = session.launch(folder.programPath("KALMORAM"), {}, folder.path());
    QVERIFY(maker);
    const auto windows = FindMakerWindows(session, maker->processId());
    QVERIFY2(windows, "the maker's two windows did not appear");

    // First start: the dialog's frame at the screen's top-left corner, the main window's frame
    // right beside it, both at the top.
    const QRect dialogFrame = session.windowGeometry(session.topLevelOf(windows->dialog));
    const QRect mainFrame = session.windowGeometry(session.topLevelOf(windows->main));
    QCOMPARE(dialogFrame.topLeft(), QPoint(0, 0));
    QCOMPARE(mainFrame.left(), dialogFrame.right() + 1);
    QCOMPARE(mainFrame.top(), 0);
    QCOMPARE(WindowName(session, windows->main), QStringLiteral("かるもら～"));

    // The preview is cut to the heart: its corner shows the dialog behind it, its lower middle
    // the white background.
    const QPoint preview = windows->dialogRect.topLeft() + kPreviewOrigin;
    QImage shot;
    QVERIFY(WaitUntil([&] {
        shot = session.screenshot();
        return shot.pixelColor(preview + QPoint(128, 200)) == QColor(Qt::white);
    }));
    const QColor behind = shot.pixelColor(preview + QPoint(5, 240));
    QVERIFY(behind != QColor(Qt::white));
    QCOMPARE(shot.pixelColor(preview + QPoint(250, 250)), behind);

    // The preview calendar is drawn: dark shadow pixels in the rows of the day numbers.
    int dark = 0;
    for (int y = 80; y < 180; ++y)
        for (int x = 80; x < 200; ++x)
            dark += shot.pixelColor(preview + QPoint(x, y)).lightness() < 80;
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
}

void TestE2eMaker::calendarFromPhotoToDesktop()
{
    XSession session;
    TempAppFolder folder;
    QVERIFY(startSession(session, folder));

    // An 800 x 600 photo: red top-left quarter, the rest other colours.
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(QColor(0, 128, 255));
    QPainter(&photo).fillRect(0, 0, 400, 300, QColor(220, 30, 30));
    QDir().mkpath(folder.filePath("photos"));
    const QString photoPath = folder.filePath("photos/photo.jpg");
    QVERIFY(photo.save(photoPath, "JPEG", 95));

    QProcess *maker = session.launch(folder.programPath("KALMORAM"), {}, folder.path());
    QVERIFY(maker);
    const auto windows = FindMakerWindows(session, maker->processId());
    QVERIFY2(windows, "the maker's two windows did not appear");
    const QRect mainRect = windows->mainRect;
    // The viewport starts below the menu bar: the designed client area is 335 x 277 pixels.
    const QPoint viewport = mainRect.topLeft() + QPoint(0, mainRect.height() - 277);

    // Open the photo: a right click on the empty viewport, "開く", the path typed into the dialog.
    QVERIFY(session.mouseMove(viewport + QPoint(100, 80)));
    QVERIFY(session.click(3));
    QThread::msleep(400);
    QVERIFY(session.mouseMove(viewport + QPoint(130, 90)));
    QVERIFY(session.click(1));
    QVERIFY(WaitUntil([&] {
        return ViewableWindowNamed(session, maker->processId(), QStringLiteral("画像ファイルを開く")).has_value();
    }));
    QThread::msleep(300);
    QVERIFY(session.type(photoPath));
    QVERIFY(session.key("Return"));
    QVERIFY2(WaitUntil([&] { return WindowName(session, windows->main) == photoPath; }), "the photo was not opened");
    QVERIFY(WaitUntil(
        [&] { return store::ReadIni(folder.path(), "Dir", "IN") == folder.filePath("photos") + QLatin1Char('/'); }));

    // Mark a 256 x 256 rectangle inside the red quarter with the mouse; at the release the preview
    // shows it (still cut to the heart, whose left lobe covers the preview's point 40, 60).
    const QPoint preview = windows->dialogRect.topLeft() + kPreviewOrigin;
    const QColor red(220, 30, 30);
    QImage shot;
    QVERIFY(session.drag(viewport + QPoint(40, 20), viewport + QPoint(296, 276)));
    QVERIFY2(WaitUntil([&] {
        shot = session.screenshot();
        return Near(shot.pixelColor(preview + QPoint(128, 200)), red)
            && Near(shot.pixelColor(preview + QPoint(40, 60)), red);
    }),
        "the preview does not show the marked part of the photo");

    // Choose "星" (star), four items down the shape list, with the mouse wheel.
    QVERIFY(session.mouseMove(windows->dialogRect.topLeft() + kShapeList));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(session.click(5));
        QThread::msleep(100);
    }
    QVERIFY2(WaitUntil([&] {
        shot = session.screenshot();
        return Near(shot.pixelColor(preview + QPoint(128, 200)), red)
            && !Near(shot.pixelColor(preview + QPoint(40, 60)), red);
    }),
        "the preview is not cut to the star");
    QVERIFY(!Near(shot.pixelColor(preview + QPoint(128, 252)), red));

    // Register it: the create button, a name typed over the proposed one, OK on the message.
    QVERIFY(session.mouseMove(windows->dialogRect.topLeft() + kCreateButton));
    QVERIFY(session.click(1));
    QVERIFY(WaitUntil([&] {
        for (quint64 w : session.searchWindows(maker->processId())) {
            if (session.isViewable(w) && session.windowGeometry(w).height() < 200
                && WindowName(session, w) == QStringLiteral("かるもら～"))
                return true;
        }
        return false;
    }));
    QThread::msleep(300);
    QVERIFY(session.key("ctrl+a"));
    QVERIFY(session.type(QStringLiteral("star-calendar")));
    QVERIFY(session.key("Return"));
    QVERIFY(WaitUntil([&] { return ViewableWindowNamed(session, maker->processId(), "KALMORAM").has_value(); }));
    // OK on the message (Enter, once the box has the focus).
    const auto messageShown = [&] { return ViewableWindowNamed(session, maker->processId(), "KALMORAM").has_value(); };
    for (int attempt = 0; attempt < 5 && messageShown(); ++attempt) {
        QThread::msleep(300);
        QVERIFY(session.key("Return"));
        WaitUntil([&] { return !messageShown(); }, 1500);
    }
    QVERIFY(!messageShown());

    const QString name = QStringLiteral("star-calendar");
    QVERIFY2(WaitUntil([&] { return store::ListProjectNames(folder.path()).contains(name); }),
        qPrintable(store::ListProjectNames(folder.path()).join("|")));
    const store::ProjectSettings values = store::ReadProjectSettings(folder.path(), name);
    QCOMPARE(values.PKA, 4);
    QCOMPARE(values.PBG, 16777215);
    QCOMPARE(values.CHE, 16777215);
    QCOMPARE(values.CDO, 16711680);
    QCOMPARE(values.CNI, 255);
    QCOMPARE(values.CBG, 0);
    QCOMPARE(values.CXX, 1200);
    QCOMPARE(values.CYY, 1200);
    QCOMPARE(store::ReadProjectValue(folder.path(), name, "Settings", "VXX"), QStringLiteral("0"));

    QFile bmp(store::PictureFilePath(folder.path(), name));
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    const QByteArray header = bmp.read(30);
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 18), 256);
    QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 22), 256);
    QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
    bmp.close();
    // The picture is the marked part alone: no calendar on it.
    const QImage picture(store::PictureFilePath(folder.path(), name));
    for (int y = 0; y < 256; y += 5)
        for (int x = 0; x < 256; x += 5)
            QVERIFY2(
                Near(picture.pixelColor(x, y), QColor(220, 30, 30)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

    // Closing the settings dialog with its close box ends the maker and stores both windows' places.
    const QRect dialogFrame = session.windowGeometry(session.topLevelOf(windows->dialog));
    QVERIFY(session.mouseMove(QPoint(dialogFrame.right() - 11, dialogFrame.top() + 9)));
    QVERIFY(session.click(1));
    QVERIFY(WaitUntil([&] { return maker->state() == QProcess::NotRunning; }));
    QCOMPARE(store::ReadIni(folder.path(), "Location", "SLeft"), QStringLiteral("0"));
    QVERIFY(!store::ReadIni(folder.path(), "Location", "MLeft").isEmpty());

    // The viewer starts on its default calendar and lists the new one in its favourites menu
    // (first, by name); chosen there, it shows it cut to the star with the month on it.
    if (!QFile::exists(folder.programPath("KALMORAV")))
        QSKIP("the viewer is not built");
    QProcess *viewer = session.launch(folder.programPath("KALMORAV"), {}, folder.path());
    QVERIFY(viewer);
    const std::optional<quint64> calendarWindow = session.waitForViewableWindow(viewer->processId());
    QVERIFY(calendarWindow);
    QThread::msleep(500);
    const QRect first = session.windowGeometry(*calendarWindow);
    QVERIFY(session.mouseMove(first.center()));
    QVERIFY(session.click(3));
    QThread::msleep(500);
    QVERIFY(session.key("Down")); // "お気に入り"
    QVERIFY(session.key("Right")); // its list, the first name highlighted
    QThread::msleep(300);
    QVERIFY(session.key("Return"));
    QRect at;
    QVERIFY(WaitUntil([&] {
        at = session.windowGeometry(*calendarWindow);
        return at.size() == QSize(256, 256);
    }));
    QVERIFY(WaitUntil([&] {
        shot = session.screenshot();
        return Near(shot.pixelColor(at.topLeft() + QPoint(128, 200)), QColor(220, 30, 30));
    }));
    // Outside the star the screen behind the window shows (the white root window).
    QCOMPARE(shot.pixelColor(at.topLeft() + QPoint(20, 20)), QColor(Qt::white));
    // The calendar at CXX, CYY = 1200, 1200 twips (80, 80 pixels): text over the red picture in
    // the rows of the days, plain picture below them.
    int text = 0;
    for (int y = 80; y < 180; ++y)
        for (int x = 80; x < 200; ++x)
            text += !Near(shot.pixelColor(at.topLeft() + QPoint(x, y)), QColor(220, 30, 30), 40);
    QVERIFY2(text > 100, qPrintable(QString::number(text)));
    for (int x = 100; x < 160; x += 4)
        QVERIFY(Near(shot.pixelColor(at.topLeft() + QPoint(x, 205)), QColor(220, 30, 30), 40));

    // Dragged elsewhere, it remembers the place in the project.
    const QPoint grip = at.topLeft() + QPoint(128, 190);
    QVERIFY(session.drag(grip, grip + QPoint(300, 200)));
    QVERIFY(WaitUntil([&] { return store::ReadProjectValue(folder.path(), name, "Settings", "VXX") != "0"; }));
    const QRect moved = session.windowGeometry(*calendarWindow);
    QCOMPARE(store::ReadProjectValue(folder.path(), name, "Settings", "VXX").toInt(), moved.left() * 15);
}

QTEST_GUILESS_MAIN(TestE2eMaker)
#include "tst_e2e_maker.moc"
