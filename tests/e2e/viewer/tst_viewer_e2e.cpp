// The real KALMORAV in a real X session with openbox, driven by the mouse and the keyboard: its
// shape, dragging and the stored place, the fixed position, the menu, the stacking order.
#include "temp_app_folder.h"
#include "x_session.h"

#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"
#include "store/app_files.h"

#include <QFile>
#include <QTest>
#include <utility>

using namespace kalmora;
using kalmora::e2e::TempAppFolder;
using kalmora::e2e::WaitUntil;
using kalmora::e2e::XSession;

namespace
{

const QString kDefaultProject = QStringLiteral("空豆商店");
const QString kSettings = QStringLiteral("Settings");

} // namespace

class TestViewerE2e : public QObject
{
    Q_OBJECT
private:
    XSession m_session;
    std::unique_ptr<TempAppFolder> m_app;
    QProcess *m_viewer = nullptr;
    quint64 m_window = 0;

    QString projectValue(const QString &key) const
    {
        return store::ReadProjectValue(m_app->path(), kDefaultProject, kSettings, key);
    }
    void setProjectValue(const QString &key, int value)
    {
        QVERIFY(store::WriteProjectValue(m_app->path(), kDefaultProject, kSettings, key, QString::number(value)));
    }

    // Starts the viewer on the application folder and waits for its window.
    void startViewer()
    {
        m_viewer = m_session.launch(m_app->programPath(QStringLiteral("KALMORAV")), {}, m_app->path());
        QVERIFY(m_viewer);
        const std::optional<quint64> window = m_session.waitForViewableWindow(m_viewer->processId());
        QVERIFY2(window, "the viewer's window did not appear");
        m_window = *window;
    }

    // The viewer window's place and size; empty once the window is gone.
    QRect geometry() const
    {
        const QRect rect = m_session.windowGeometry(m_window);
        if (rect.isEmpty())
            qWarning("the viewer's window %llx is gone; the viewer is %s", m_window,
                m_viewer && m_viewer->state() == QProcess::Running ? "running" : "not running");
        return rect;
    }

    // Opens the popup menu with a right press at `at` and walks down to the item `downs` steps from
    // the top (separators are skipped), with `subDowns` >= 0 on into its submenu, then chooses.
    void chooseFromMenu(QPoint at, int downs, int subDowns = -1)
    {
        QVERIFY(m_session.mouseMove(at));
        QVERIFY(m_session.click(3));
        QVERIFY2(m_session.waitForViewableWindow(m_viewer->processId(), {}, 10000, XSession::WindowKind::Popup),
            "the popup menu did not open");
        for (int i = 0; i < downs; ++i)
            QVERIFY(m_session.key(QStringLiteral("Down")));
        if (subDowns >= 0) {
            // Into the submenu, which opens on its first item.
            QVERIFY(m_session.key(QStringLiteral("Right")));
            for (int i = 0; i < subDowns; ++i)
                QVERIFY(m_session.key(QStringLiteral("Down")));
        }
        QVERIFY(m_session.key(QStringLiteral("Return")));
    }

private slots:
    void initTestCase()
    {
        QString error;
        if (!m_session.start(&error))
            QSKIP(qPrintable(error));
    }

    void init()
    {
        m_app = std::make_unique<TempAppFolder>();
        QString error;
        QVERIFY2(m_app->populate(&error), qPrintable(error));
        // A known place for the window: 100, 100 pixels.
        setProjectValue(QStringLiteral("VXX"), 1500);
        setProjectValue(QStringLiteral("VYY"), 1500);
    }

    void cleanup()
    {
        m_session.endPrograms();
        m_viewer = nullptr;
        m_window = 0;
        m_app.reset();
    }

    void sitsOnTheDesktopWithoutFrameTaskbarEntryOrFocus()
    {
        const quint64 other = m_session.showBackdrop(QRect(500, 100, 200, 150), QStringLiteral("#3366cc"), "other");
        QVERIFY(other);
        QVERIFY(
            m_session.xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(other) }));
        startViewer();
        QTRY_COMPARE_WITH_TIMEOUT(geometry(), QRect(100, 100, 256, 256), 5000);
        const QStringList states = m_session.netWmState(m_window);
        for (const char *state : { "_NET_WM_STATE_BELOW", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" })
            QVERIFY2(states.contains(QLatin1String(state)), qPrintable(states.join(QLatin1Char(' '))));
        // No decoration: the window manager's frame is exactly the window.
        QCOMPARE(m_session.windowGeometry(m_session.topLevelOf(m_window)), geometry());
        // Appearing took the focus from nobody.
        QString active;
        QVERIFY(m_session.xdotool({ QStringLiteral("getactivewindow") }, &active));
        QCOMPARE(active.trimmed().toULongLong(), other);
    }

    void outsideTheOutlineShowsWhatLiesBehind()
    {
        setProjectValue(QStringLiteral("PKA"), 0); // the heart, the shape with the most cut away
        const QImage before = m_session.screenshot();
        startViewer();
        QTRY_COMPARE_WITH_TIMEOUT(geometry().topLeft(), QPoint(100, 100), 5000);
        QImage shown;
        QVERIFY(WaitUntil([&] {
            shown = m_session.screenshot();
            return shown.pixelColor(228, 228) != before.pixelColor(228, 228); // the picture arrived
        }));

        shapes::InitShapeRegions();
        const std::optional<QRegion> heart = shapes::RegionFromShape(shapes::ShapeRegions()[0]);
        QVERIFY(heart);
        int outside = 0;
        int insideChanged = 0;
        int inside = 0;
        for (int y = 0; y < 256; y += 4) {
            for (int x = 0; x < 256; x += 4) {
                const QPoint screen(100 + x, 100 + y);
                if (heart->contains(QPoint(x, y))) {
                    ++inside;
                    insideChanged += shown.pixelColor(screen) != before.pixelColor(screen);
                } else {
                    ++outside;
                    QCOMPARE(shown.pixelColor(screen), before.pixelColor(screen));
                }
            }
        }
        QVERIFY(outside > 100);
        QVERIFY2(
            insideChanged > inside * 9 / 10, qPrintable(QStringLiteral("%1 of %2").arg(insideChanged).arg(inside)));

        // A drag started outside the outline is not the viewer's: it stays, and nothing is written.
        QVERIFY(m_session.drag(QPoint(102, 102), QPoint(200, 180)));
        QVERIFY(m_session.mouseMove(QPoint(600, 600)));
        QCOMPARE(geometry().topLeft(), QPoint(100, 100));
        QCOMPARE(projectValue(QStringLiteral("VXX")), QStringLiteral("1500"));
    }

    void leftDragFromADayNumberMovesAndStores()
    {
        startViewer();
        const QRect start = geometry();
        QCOMPARE(start.topLeft(), QPoint(100, 100));
        // A day number of the first rows: the calendar's origin plus a little.
        const QPoint day = start.topLeft()
            + QPoint(projectValue(QStringLiteral("CXX")).toInt() / 15 + 4,
                projectValue(QStringLiteral("CYY")).toInt() / 15 + 18);
        QVERIFY(m_session.drag(day, day + QPoint(150, 80)));
        QTRY_COMPARE_WITH_TIMEOUT(geometry().topLeft(), QPoint(250, 180), 5000);
        // VXX is written first, then VYY.
        QTRY_COMPARE_WITH_TIMEOUT(projectValue(QStringLiteral("VYY")), QStringLiteral("2700"), 5000);
        QCOMPARE(projectValue(QStringLiteral("VXX")), QStringLiteral("3750"));

        // After the release the window no longer follows the pointer. A plain click stores the
        // place as it stands (the file is changed behind the viewer's back to see the write) and
        // leaves the window where it is, also when the pointer then moves on.
        QVERIFY(m_session.mouseMove(QPoint(700, 500)));
        QCOMPARE(geometry().topLeft(), QPoint(250, 180));
        setProjectValue(QStringLiteral("VXX"), 0);
        QVERIFY(m_session.mouseMove(day + QPoint(150, 80)));
        QVERIFY(m_session.click(1));
        QTRY_COMPARE_WITH_TIMEOUT(projectValue(QStringLiteral("VXX")), QStringLiteral("3750"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(projectValue(QStringLiteral("VYY")), QStringLiteral("2700"), 5000);
        QVERIFY(m_session.mouseMove(QPoint(600, 600)));
        QVERIFY(m_session.mouseMove(QPoint(20, 700)));
        QTest::qWait(300);
        QCOMPARE(geometry().topLeft(), QPoint(250, 180));
    }

    void fixedPositionDragsNothing()
    {
        QVERIFY(store::WriteIni(m_app->path(), kSettings, QStringLiteral("FIX"), QStringLiteral("TRUE")));
        startViewer();
        QVERIFY(m_session.drag(QPoint(228, 228), QPoint(400, 300)));
        // The menu still opens; by then every press before it has been handled.
        QVERIFY(m_session.mouseMove(QPoint(228, 228)));
        QVERIFY(m_session.click(3));
        QVERIFY(m_session.waitForViewableWindow(m_viewer->processId(), {}, 10000, XSession::WindowKind::Popup));
        QCOMPARE(geometry().topLeft(), QPoint(100, 100));
        QCOMPARE(projectValue(QStringLiteral("VXX")), QStringLiteral("1500"));
        QCOMPARE(projectValue(QStringLiteral("VYY")), QStringLiteral("1500"));
        QVERIFY(m_session.key(QStringLiteral("Escape")));
    }

    void exitAndCloseRequestEndTheProgram_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("終了 from the menu") << true;
        QTest::newRow("the window manager's close (Alt+F4)") << false;
    }
    void exitAndCloseRequestEndTheProgram()
    {
        QFETCH(bool, fromMenu);
        startViewer();
        if (fromMenu) {
            chooseFromMenu(QPoint(228, 228), 6); // お気に入り, 表示月, 位置固定, 常に手前に表示, バージョン情報, 終了
        } else {
            QVERIFY(m_session.mouseMove(QPoint(228, 228)));
            QVERIFY(m_session.click(1)); // gives it the focus
            QVERIFY(m_session.key(QStringLiteral("alt+F4")));
        }
        QVERIFY2(m_viewer->waitForFinished(10000), "the viewer did not end");
        QCOMPARE(m_viewer->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_viewer->exitCode(), 0);
    }

    void alwaysInFrontAndBelow()
    {
        startViewer();
        // An ordinary window over the right half of the calendar.
        const quint64 cover = m_session.showBackdrop(QRect(240, 60, 300, 300), QStringLiteral("#ff00ff"), "cover");
        QVERIFY(cover);
        const QPoint overlap(300, 228);
        QTRY_COMPARE_WITH_TIMEOUT(m_session.screenshot().pixelColor(overlap), QColor(255, 0, 255), 5000);

        chooseFromMenu(QPoint(150, 228), 4); // 常に手前に表示
        QTRY_COMPARE_WITH_TIMEOUT(
            store::ReadIni(m_app->path(), kSettings, QStringLiteral("AlwaysTop")), QStringLiteral("TRUE"), 5000);
        QVERIFY(WaitUntil([&] { return m_session.searchWindows(m_viewer->processId()).size() > 0; }));
        m_window = *m_session.waitForViewableWindow(m_viewer->processId());
        QTRY_VERIFY_WITH_TIMEOUT(m_session.netWmState(m_window).contains("_NET_WM_STATE_ABOVE"), 5000);
        // Raising the other window does not cover the calendar.
        QVERIFY(m_session.xdotool({ QStringLiteral("windowraise"), QString::number(cover) }));
        QVERIFY(m_session.mouseMove(QPoint(500, 300)));
        QVERIFY(m_session.click(1));
        QTRY_VERIFY_WITH_TIMEOUT(m_session.screenshot().pixelColor(overlap) != QColor(255, 0, 255), 5000);
        QCOMPARE(geometry().topLeft(), QPoint(100, 100));

        chooseFromMenu(QPoint(150, 228), 4); // off again: below every window
        QTRY_COMPARE_WITH_TIMEOUT(
            store::ReadIni(m_app->path(), kSettings, QStringLiteral("AlwaysTop")), QStringLiteral("FALSE"), 5000);
        m_window = *m_session.waitForViewableWindow(m_viewer->processId());
        QTRY_VERIFY_WITH_TIMEOUT(m_session.netWmState(m_window).contains("_NET_WM_STATE_BELOW"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_session.screenshot().pixelColor(overlap), QColor(255, 0, 255), 5000);
        // Clicking the calendar's visible part does not bring it over the other window.
        QVERIFY(m_session.mouseMove(QPoint(150, 228)));
        QVERIFY(m_session.click(1));
        QTest::qWait(300);
        QCOMPARE(m_session.screenshot().pixelColor(overlap), QColor(255, 0, 255));
    }

    void switchingProjectsReshapesAndMovesTheWindow()
    {
        // A second project: the same picture under the star, at 400, 200.
        const QString star = QStringLiteral("星");
        QVERIFY(QFile::copy(
            store::PictureFilePath(m_app->path(), kDefaultProject), store::PictureFilePath(m_app->path(), star)));
        for (const auto &[key, value] :
            { std::pair { "PKA", 4 }, { "CXX", 900 }, { "CYY", 1500 }, { "VXX", 6000 }, { "VYY", 3000 } })
            QVERIFY(store::WriteProjectValue(
                m_app->path(), star, kSettings, QString::fromLatin1(key), QString::number(value)));
        const QImage before = m_session.screenshot();
        startViewer();

        chooseFromMenu(QPoint(228, 228), 1, 0); // お気に入り, its first item: 星 sorts before 空豆商店
        QTRY_COMPARE_WITH_TIMEOUT(store::ReadIni(m_app->path(), kSettings, QStringLiteral("LastName")), star, 5000);
        m_window = *m_session.waitForViewableWindow(m_viewer->processId());
        QTRY_COMPARE_WITH_TIMEOUT(geometry(), QRect(400, 200, 256, 256), 5000);
        // Shown again the way it was: below other windows, out of the taskbar.
        const QStringList states = m_session.netWmState(m_window);
        QVERIFY2(states.contains(QLatin1String("_NET_WM_STATE_BELOW"))
                && states.contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")),
            qPrintable(states.join(QLatin1Char(' '))));

        // Cut to the star: its outline decides what shows, at the new place; the old place is clear.
        shapes::InitShapeRegions();
        const std::optional<QRegion> outline = shapes::RegionFromShape(shapes::ShapeRegions()[4]);
        QVERIFY(outline);
        QImage shown;
        QVERIFY(WaitUntil([&] {
            shown = m_session.screenshot();
            return shown.pixelColor(528, 328) != before.pixelColor(528, 328);
        }));
        for (int y = 0; y < 256; y += 8) {
            for (int x = 0; x < 256; x += 8) {
                const QPoint screen(400 + x, 200 + y);
                if (!outline->contains(QPoint(x, y)))
                    QCOMPARE(shown.pixelColor(screen), before.pixelColor(screen));
            }
        }
        QCOMPARE(shown.pixelColor(228, 228), before.pixelColor(228, 228));
    }

    void draggedPartlyOffTheScreenIsBroughtBackNextTime()
    {
        startViewer();
        QVERIFY(m_session.drag(QPoint(228, 228), QPoint(28, 248)));
        QTRY_VERIFY_WITH_TIMEOUT(geometry().left() < 0, 5000);
        const QRect dropped = geometry();
        // Stored as it stands, off the screen.
        QTRY_COMPARE_WITH_TIMEOUT(projectValue(QStringLiteral("VYY")), QString::number(dropped.top() * 15), 5000);
        QCOMPARE(projectValue(QStringLiteral("VXX")), QString::number(dropped.left() * 15));

        m_session.endPrograms();
        startViewer();
        QTRY_COMPARE_WITH_TIMEOUT(geometry().topLeft(), QPoint(0, dropped.top()), 5000);
        QCOMPARE(projectValue(QStringLiteral("VXX")), QString::number(dropped.left() * 15));
    }
};

QTEST_GUILESS_MAIN(TestViewerE2e)
#include "tst_viewer_e2e.moc"
