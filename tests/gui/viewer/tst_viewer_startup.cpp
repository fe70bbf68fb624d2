// The viewer's start-up: which project, the window's shape and place, the calendar of today, the
// month items, the two options, and a project whose picture cannot be read.
#include "viewer_fixture.h"

#include "calendar/calendar_labels.h"
#include "platform/colour.h"
#include "platform/window_stacking.h"
#include "store/app_files.h"
#include "viewer/frm_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

using namespace kalmora;
using namespace kalmora::testsupport;

class TestViewerStartup : public QObject
{
    Q_OBJECT
private slots:
    void firstStartShowsTheDefaultProject()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(1, 1200, 1500, 0, 0), Qt::darkGreen);
        folder.addProject(QStringLiteral("other"), Project(0, 0, 0, 0, 0), Qt::blue);
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;

        QCOMPARE(form.CurrentProjectName(), QStringLiteral("空豆商店"));
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("空豆商店"));
        QVERIFY(viewer->dialogs.calls().isEmpty());
        QVERIFY(form.isVisible());
        QVERIFY(platform::IsWindowAtBottom(&form));
        QVERIFY(!platform::IsWindowTopmost(&form));
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(form.windowType(), Qt::Tool);
        QVERIFY(form.testAttribute(Qt::WA_ShowWithoutActivating));

        const viewer::frmMenu &menu = *form.menu();
        QVERIFY(!menu.mFIX()->isChecked());
        QVERIFY(!menu.mTemae()->isChecked());
        QCOMPARE(menu.mNameCount(), 2);
        QVERIFY(!menu.mName(0)->isChecked()); // "other"
        QVERIFY(menu.mName(1)->isChecked()); // "空豆商店"

        // Picture unscaled at the top-left over the shape's window, cut to the shape.
        QCOMPARE(form.size(), QSize(256, 256));
        QVERIFY(!form.mask().isEmpty());
        QVERIFY(!form.mask().contains(QPoint(0, 0))); // a rounded corner
        QVERIFY(form.mask().contains(QPoint(128, 128)));
        QCOMPARE(form.grab().toImage().pixelColor(128, 250), QColor(Qt::darkGreen));
    }

    void theShippedDefaultProjectStarts()
    {
        // The build's own default project, as a first start finds it.
        ViewerFolder folder;
        const QString name = QStringLiteral("空豆商店");
        const QDir build(QStringLiteral(KALMORA_BUILD_APP_DIR));
        QVERIFY(QFile::copy(
            build.filePath(QStringLiteral("cprj/空豆商店.cpj")), store::ProjectFilePath(folder.path(), name)));
        QVERIFY(QFile::copy(
            build.filePath(QStringLiteral("pict/空豆商店.bmp")), store::PictureFilePath(folder.path(), name)));
        auto viewer = StartViewer(folder);
        QVERIFY(viewer->dialogs.calls().isEmpty());
        QCOMPARE(viewer->form->picture().size(), QSize(256, 256));
        QVERIFY(viewer->form->project().PKA >= 0 && viewer->form->project().PKA <= 9);
        // The whole calendar lies inside the window's outline.
        const calendar::CalendarLabels &labels = *viewer->form->calendarLabels();
        for (int i = 0; i < 42; ++i) {
            const QLabel *day = labels.dayLabel(i);
            if (!day->text().isEmpty())
                QVERIFY2(viewer->form->mask().contains(day->geometry()), qPrintable(day->text()));
        }
        QVERIFY(viewer->form->mask().contains(labels.titleLabel(0)->geometry()));
    }

    void lastNameChoosesTheProject()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("a"), Project(0, 0, 0, 0, 0), Qt::blue);
        folder.addProject(QStringLiteral("b"), Project(2, 0, 0, 0, 0), Qt::yellow);
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("b"));
        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("b"));
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("b"));
        QVERIFY(!viewer->form->menu()->mName(0)->isChecked());
        QVERIFY(viewer->form->menu()->mName(1)->isChecked());
        QCOMPARE(viewer->form->grab().toImage().pixelColor(128, 128), QColor(Qt::yellow));
    }

    void projectOutsideTheFavourites()
    {
        // Shown, but no favourites item checked: the list holds only the project files.
        ViewerFolder folder;
        folder.addProject(QStringLiteral("listed"), Project(0, 0, 0, 0, 0), Qt::blue);
        QImage picture(256, 256, QImage::Format_RGB32);
        picture.fill(Qt::cyan);
        QVERIFY(picture.save(store::PictureFilePath(folder.path(), QStringLiteral("unlisted")), "BMP"));
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("unlisted"));
        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("unlisted"));
        QVERIFY(viewer->dialogs.calls().isEmpty());
        QVERIFY(!viewer->form->menu()->mName(0)->isChecked());
        // No project file: every value 0, the heart at the top-left corner.
        QCOMPARE(viewer->form->project(), store::ProjectSettings {});
        QCOMPARE(viewer->form->pos(), QPoint(0, 0));
    }

    void monthItemsOfToday()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 1200, 1500, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        QCOMPARE(menu.mMM(0)->text(), QStringLiteral("2004/02"));
        QCOMPARE(menu.mMM(1)->text(), QStringLiteral("2004/03"));
        QCOMPARE(menu.mMM(2)->text(), QStringLiteral("2004/04"));
        QVERIFY(!menu.mMM(0)->isChecked() && menu.mMM(1)->isChecked() && !menu.mMM(2)->isChecked());

        const calendar::CalendarLabels &labels = *viewer->form->calendarLabels();
        QCOMPARE(labels.titleLabel(0)->text(), QStringLiteral("2004/03"));
        QVERIFY(labels.todayBox(0)->isVisible() && labels.todayBox(1)->isVisible());
        // The calendar stands at the project's CXX, CYY: the first day row at 1200 twips = 80 pixels.
        QCOMPARE(labels.dayLabel(0)->x(), 80);
        // The project's colours: Sunday 7 March in CNI, Saturday 6 March in CDO.
        QCOMPARE(labels.dayLabel(7)->text(), QStringLiteral("07"));
        QCOMPARE(labels.dayLabel(7)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(labels.dayLabel(6)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void optionsFromTheSettingsFile_data()
    {
        QTest::addColumn<QString>("fix");
        QTest::addColumn<QString>("alwaysTop");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("both TRUE") << "TRUE"
                                   << "TRUE" << true << true;
        QTest::newRow("lower case means off") << "true"
                                              << "true" << false << false;
        QTest::newRow("FALSE") << "FALSE"
                               << "FALSE" << false << false;
        QTest::newRow("absent") << QString() << QString() << false << false;
        QTest::newRow("only in front") << "FALSE"
                                       << "TRUE" << false << true;
    }
    void optionsFromTheSettingsFile()
    {
        QFETCH(QString, fix);
        QFETCH(QString, alwaysTop);
        QFETCH(bool, fixed);
        QFETCH(bool, topmost);
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 0, 0), Qt::darkGreen);
        if (!fix.isNull())
            folder.writeIni(QStringLiteral("FIX"), fix);
        if (!alwaysTop.isNull())
            folder.writeIni(QStringLiteral("AlwaysTop"), alwaysTop);
        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->form->menu()->mFIX()->isChecked(), fixed);
        QCOMPARE(viewer->form->menu()->mTemae()->isChecked(), topmost);
        QCOMPARE(platform::IsWindowTopmost(viewer->form.get()), topmost);
        QCOMPARE(platform::IsWindowAtBottom(viewer->form.get()), !topmost);
        QVERIFY(viewer->form->isVisible());
        QVERIFY(!viewer->form->mask().isEmpty());
    }

    void placeKeptOnTheScreen_data()
    {
        QTest::addColumn<int>("vxx");
        QTest::addColumn<int>("vyy");
        QTest::addColumn<QPoint>("expected");
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QTest::newRow("stored place") << 1500 << 3000 << QPoint(100, 200);
        QTest::newRow("negative left") << -300 << 3000 << QPoint(0, 200);
        QTest::newRow("right edge flush") << (screen.width() - 256) * 15 << 0 << QPoint(screen.width() - 256, 0);
        QTest::newRow("past the right edge") << (screen.width() - 255) * 15 << 0 << QPoint(0, 0);
        QTest::newRow("past the bottom edge") << 1500 << (screen.height() - 255) * 15 << QPoint(100, 0);
        QTest::newRow("beyond 16 bits") << 70000 << 3000 << QPoint(0, 200);
    }
    void placeKeptOnTheScreen()
    {
        QFETCH(int, vxx);
        QFETCH(int, vyy);
        QFETCH(QPoint, expected);
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, vxx, vyy), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->form->pos(), expected);
        // Placing writes nothing back.
        QCOMPARE(folder.projectValue(QStringLiteral("空豆商店"), QStringLiteral("VXX")), QString::number(vxx));
    }

    void unknownShapeIndexShowsAHeart()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(12, 0, 0, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        QVERIFY(viewer->form->isVisible());
        QCOMPARE(viewer->form->size(), QSize(256, 256));
        QVERIFY(!viewer->form->mask().isEmpty());
    }

    void unreadablePictureAtStartUp()
    {
        // The message names the file; the window goes on black, and the favourites still work.
        ViewerFolder folder;
        folder.addProject(QStringLiteral("gone"), Project(2, 0, 0, 1500, 1500), QColor());
        folder.addProject(QStringLiteral("kept"), Project(0, 0, 0, 0, 0), Qt::blue);
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("gone"));
        auto viewer = StartViewer(folder);

        QCOMPARE(viewer->dialogs.messages().size(), 1);
        QVERIFY2(viewer->dialogs.messages().first().contains(
                     QDir::toNativeSeparators(store::PictureFilePath(folder.path(), QStringLiteral("gone")))),
            qPrintable(viewer->dialogs.messages().first()));
        QVERIFY(viewer->form->isVisible());
        QVERIFY(viewer->form->picture().isNull());
        QCOMPARE(viewer->form->grab().toImage().pixelColor(128, 128), QColor(Qt::black));
        QCOMPARE(viewer->form->pos(), QPoint(100, 100)); // the project's values still apply

        viewer->form->menu()->mName(1)->trigger();
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("kept"));
        QCOMPARE(viewer->form->grab().toImage().pixelColor(128, 128), QColor(Qt::blue));
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("kept"));
    }
};

QTEST_MAIN(TestViewerStartup)
#include "tst_viewer_startup.moc"
