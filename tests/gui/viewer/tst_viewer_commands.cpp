// The viewer's popup menu commands, its mouse presses and the date changing while it runs.
#include "viewer_fixture.h"

#include "calendar/calendar_labels.h"
#include "platform/colour.h"
#include "platform/window_stacking.h"
#include "store/app_files.h"
#include "ui/frm_version.h"
#include "viewer/day_change_notifier.h"
#include "viewer/frm_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace kalmora;
using namespace kalmora::testsupport;

namespace
{

QColor TextColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestViewerCommands : public QObject
{
    Q_OBJECT
private slots:
    void menuItemsInOrder()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        QStringList items;
        for (const QAction *action : menu.mpop()->actions())
            items << action->objectName() + QLatin1Char('=') + (action->isSeparator() ? "-" : action->text());
        QCOMPARE(items,
            QStringList({ "mOkiniiri=お気に入り", "mmonth=表示月", "sepq=-", "mFIX=位置固定", "mTemae=常に手前に表示",
                "sep0000=-", "mver=バージョン情報", "sep001=-", "mend=終了" }));
        QCOMPARE(menu.mmonth()->actions().size(), 3);
        QCOMPARE(menu.mMM(2)->objectName(), QStringLiteral("mMM_2"));
    }

    void favouritesSortedAndUnfiltered()
    {
        ViewerFolder folder;
        for (const char *name : { "c", "a", "b&w" })
            folder.addProject(QString::fromUtf8(name), Project(0, 0, 0, 0, 0), Qt::blue);
        QFile memo(QDir(folder.path()).filePath(QStringLiteral("cprj/memo.txt")));
        QVERIFY(memo.open(QIODevice::WriteOnly));
        memo.close();
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("b&w"));
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        QStringList names;
        for (int i = 0; i < menu.mNameCount(); ++i)
            names << menu.ProjectName(i);
        QCOMPARE(names, QStringList({ "a", "b&w", "c", "memo" }));
        QCOMPARE(menu.mName(1)->text(), QStringLiteral("b&&w")); // shown as "b&w", not as an accelerator
        QVERIFY(menu.mName(1)->isChecked());
        QCOMPARE(menu.mOkiniiri()->actions().size(), 4);
    }

    void emptyProjectFolderGivesOneDisabledItem()
    {
        ViewerFolder folder;
        QImage picture(256, 256, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        QVERIFY(picture.save(store::PictureFilePath(folder.path(), QStringLiteral("空豆商店")), "BMP"));
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        QCOMPARE(menu.mNameCount(), 1);
        QCOMPARE(menu.mName(0)->text(), QStringLiteral("(なし)"));
        QVERIFY(!menu.mName(0)->isEnabled());
        QVERIFY(!menu.mName(0)->isChecked());
        menu.mName(0)->trigger(); // disabled: nothing happens
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("空豆商店"));
    }

    void choosingAnotherMonth()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 1200, 1500, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        const calendar::CalendarLabels &labels = *viewer->form->calendarLabels();

        menu.mMM(2)->trigger();
        QCOMPARE(labels.titleLabel(0)->text(), QStringLiteral("2004/04"));
        QVERIFY(!labels.todayBox(0)->isVisible() && !labels.todayBox(1)->isVisible());
        QVERIFY(!menu.mMM(0)->isChecked() && !menu.mMM(1)->isChecked() && menu.mMM(2)->isChecked());

        menu.mMM(2)->trigger(); // the checked item again keeps its check mark
        QVERIFY(menu.mMM(2)->isChecked());

        menu.mMM(1)->trigger();
        QCOMPARE(labels.titleLabel(0)->text(), QStringLiteral("2004/03"));
        QVERIFY(labels.todayBox(0)->isVisible() && labels.todayBox(1)->isVisible());
        QVERIFY(!menu.mMM(2)->isChecked() && menu.mMM(1)->isChecked());
    }

    void projectSwitch()
    {
        ViewerFolder folder;
        store::ProjectSettings red = Project(0, 1200, 1500, 1500, 1500);
        store::ProjectSettings green = Project(5, 2400, 1800, 3000, 4500);
        green.CNI = std::int32_t(platform::Bgr(0, 160, 0));
        folder.addProject(QStringLiteral("red"), red, Qt::darkRed);
        folder.addProject(QStringLiteral("green"), green, Qt::darkGreen, QSize(198, 198));
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("red"));
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        const calendar::CalendarLabels &labels = *form.calendarLabels();
        const QRegion redMask = form.mask();
        const QPoint sundayBefore = labels.dayLabel(7)->pos();
        const QRect boxBefore = labels.todayBox(1)->geometry();

        form.menu()->mName(0)->trigger(); // "green"
        QCOMPARE(form.CurrentProjectName(), QStringLiteral("green"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.size(), QSize(198, 198)); // the small heart
        QVERIFY(form.mask() != redMask);
        QCOMPARE(form.pos(), QPoint(200, 300));
        QCOMPARE(form.grab().toImage().pixelColor(100, 100), QColor(Qt::darkGreen));
        QVERIFY(form.menu()->mName(0)->isChecked() && !form.menu()->mName(1)->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("green"));

        // The calendar moved by the difference of the two places, not drawn again: colours and the
        // today boxes stay as they were, the month check marks too.
        QCOMPARE(labels.dayLabel(7)->pos(), sundayBefore + QPoint((2400 - 1200) / 15, (1800 - 1500) / 15));
        QCOMPARE(TextColour(labels.dayLabel(7)), QColor(255, 0, 0));
        QCOMPARE(labels.todayBox(1)->geometry(), boxBefore);
        QVERIFY(form.menu()->mMM(1)->isChecked());

        // Choosing a month draws in the new project's colours.
        form.menu()->mMM(1)->trigger();
        QCOMPARE(TextColour(labels.dayLabel(7)), QColor(0, 160, 0));
        QVERIFY(labels.todayBox(1)->geometry() != boxBefore);

        // Back to "red": its own place again.
        form.menu()->mName(1)->trigger();
        QCOMPARE(form.pos(), QPoint(100, 100));
        QCOMPARE(form.size(), QSize(256, 256));
        QCOMPARE(form.mask(), redMask);
    }

    void switchToAProjectWithoutPicture()
    {
        // The message names the missing file; the project shown stays, and so does LastName.
        ViewerFolder folder;
        folder.addProject(QStringLiteral("broken"), Project(2, 0, 0, 4500, 4500), QColor());
        folder.addProject(QStringLiteral("fine"), Project(0, 0, 0, 1500, 1500), Qt::blue);
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("fine"));
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        const QRegion mask = form.mask();

        form.menu()->mName(0)->trigger();
        QCOMPARE(viewer->dialogs.messages().size(), 1);
        QVERIFY(viewer->dialogs.messages().first().contains(
            QDir::toNativeSeparators(store::PictureFilePath(folder.path(), QStringLiteral("broken")))));
        QCOMPARE(form.CurrentProjectName(), QStringLiteral("fine"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.pos(), QPoint(100, 100));
        QCOMPARE(form.mask(), mask);
        QVERIFY(!form.menu()->mName(0)->isChecked());
        QVERIFY(form.menu()->mName(1)->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("fine"));
    }

    void fixPositionToggles()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        QAction *fix = viewer->form->menu()->mFIX();
        fix->trigger();
        QVERIFY(fix->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("FIX")), QStringLiteral("TRUE"));
        fix->trigger();
        QVERIFY(!fix->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("FIX")), QStringLiteral("FALSE"));
    }

    void alwaysInFrontToggles()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(4, 0, 0, 1500, 1500), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        const QRegion mask = form.mask();
        QAction *temae = form.menu()->mTemae();

        temae->trigger();
        QVERIFY(temae->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("AlwaysTop")), QStringLiteral("TRUE"));
        QVERIFY(platform::IsWindowTopmost(&form) && !platform::IsWindowAtBottom(&form));
        // Changing the flags hid the window: it is shown again, in its place, with its outline.
        QVERIFY(form.isVisible());
        QCOMPARE(form.pos(), QPoint(100, 100));
        QCOMPARE(form.mask(), mask);
        QCOMPARE(form.windowType(), Qt::Tool);
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));

        temae->trigger();
        QVERIFY(!temae->isChecked());
        QCOMPARE(folder.ini(QStringLiteral("AlwaysTop")), QStringLiteral("FALSE"));
        QVERIFY(!platform::IsWindowTopmost(&form) && platform::IsWindowAtBottom(&form));
        QVERIFY(form.isVisible());
        QCOMPARE(form.mask(), mask);
    }

    void versionDialogIsModal()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            ui::frm_Version *dialog = form.versionDialog();
            QVERIFY(dialog);
            seen = true;
            QVERIFY(dialog->isVisible());
            QVERIFY(dialog->isModal());
            QCOMPARE(dialog->Label2(0)->text(), QStringLiteral("かるもら～表示"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
            QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
        });
        form.menu()->mver()->trigger(); // returns when the dialog is closed
        QVERIFY(seen);
        QVERIFY(!form.versionDialog());
    }

    void exitAndCloseRequestEndTheProgram_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("終了") << true;
        QTest::newRow("close request") << false;
    }
    void exitAndCloseRequestEndTheProgram()
    {
        QFETCH(bool, fromMenu);
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        QSignalSpy ended(viewer->form.get(), &viewer::Form1::ended);
        if (fromMenu)
            viewer->form->menu()->mend()->trigger();
        else
            viewer->form->close();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!viewer->form->isVisible());
    }

    void pressesStoreThePlace_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("written");
        // Offscreen there is no move loop: a left press is a click that moves nothing.
        QTest::newRow("left click") << Qt::LeftButton << false << true;
        QTest::newRow("middle press") << Qt::MiddleButton << false << true;
        QTest::newRow("left click, fixed") << Qt::LeftButton << true << false;
        QTest::newRow("middle press, fixed") << Qt::MiddleButton << true << false;
    }
    void pressesStoreThePlace()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, fixed);
        QFETCH(bool, written);
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 1200, 1500, -300, 1515), Qt::darkGreen);
        folder.writeIni(QStringLiteral("FIX"), fixed ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        QCOMPARE(form.pos(), QPoint(0, 101));
        // On a day number: the labels let the press through to the window.
        const QLabel *day = form.calendarLabels()->dayLabel(10);
        QWidget *target = form.childAt(day->geometry().center());
        QCOMPARE(target, nullptr);
        QTest::mousePress(&form, button, {}, day->geometry().center());
        QTest::mouseRelease(&form, button, {}, day->geometry().center());
        QCOMPARE(folder.projectValue(QStringLiteral("空豆商店"), QStringLiteral("VXX")),
            written ? QStringLiteral("0") : QStringLiteral("-300"));
        QCOMPARE(folder.projectValue(QStringLiteral("空豆商店"), QStringLiteral("VYY")), QStringLiteral("1515"));
    }

    void rightPressOpensTheMenuEvenWhenFixed()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 0, 0, 1500, 1500), Qt::darkGreen);
        folder.writeIni(QStringLiteral("FIX"), QStringLiteral("TRUE"));
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            shown = form.menu()->mpop()->isVisible();
            form.menu()->mpop()->close();
        });
        QTest::mousePress(&form, Qt::RightButton, {}, QPoint(128, 128));
        QVERIFY(shown);
        QCOMPARE(folder.projectValue(QStringLiteral("空豆商店"), QStringLiteral("VXX")), QStringLiteral("1500"));
    }

    void dateChangesWhileRunning_data()
    {
        QTest::addColumn<int>("shownItem"); // month item chosen before the date changes
        QTest::addColumn<QDate>("newDay");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("checkedItem");
        QTest::addColumn<bool>("boxes");
        const QStringList april { "2004/03", "2004/04", "2004/05" };
        QTest::newRow("current month shown, into the next")
            << 1 << QDate(2004, 4, 1) << april << "2004/04" << 1 << true;
        QTest::newRow("next month shown becomes current") << 2 << QDate(2004, 4, 1) << april << "2004/04" << 1 << true;
        QTest::newRow("previous month shown stays") << 0 << QDate(2004, 4, 1) << april << "2004/02" << -1 << false;
        QTest::newRow("clock set back a year")
            << 1 << QDate(2003, 3, 30) << QStringList { "2003/02", "2003/03", "2003/04" } << "2003/03" << 1 << true;
    }
    void dateChangesWhileRunning()
    {
        QFETCH(int, shownItem);
        QFETCH(QDate, newDay);
        QFETCH(QStringList, captions);
        QFETCH(QString, title);
        QFETCH(int, checkedItem);
        QFETCH(bool, boxes);
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 1200, 1500, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        viewer::Form1 &form = *viewer->form;
        const viewer::frmMenu &menu = *form.menu();
        menu.mMM(shownItem)->trigger();

        viewer->clock.set(QDateTime(newDay, QTime(0, 0, 1)));
        emit menu.mpop()->aboutToShow(); // the date is looked at whenever the menu opens

        QCOMPARE(QStringList({ menu.mMM(0)->text(), menu.mMM(1)->text(), menu.mMM(2)->text() }), captions);
        const calendar::CalendarLabels &labels = *form.calendarLabels();
        QCOMPARE(labels.titleLabel(0)->text(), title);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(menu.mMM(i)->isChecked(), i == checkedItem);
        QCOMPARE(labels.todayBox(1)->isVisible(), boxes);
        if (boxes) {
            // The box frames the new day's number.
            const QString dayText = newDay.toString(QStringLiteral("dd"));
            const QLabel *boxed = nullptr;
            for (int i = 0; i < 42; ++i) {
                if (labels.dayLabel(i)->text() == dayText)
                    boxed = labels.dayLabel(i);
            }
            QVERIFY(boxed);
            QVERIFY(labels.todayBox(1)->geometry().contains(boxed->geometry().center()));
        }
    }

    void sameDayChangesNothing()
    {
        ViewerFolder folder;
        folder.addProject(QStringLiteral("空豆商店"), Project(0, 1200, 1500, 0, 0), Qt::darkGreen);
        auto viewer = StartViewer(folder);
        const viewer::frmMenu &menu = *viewer->form->menu();
        menu.mMM(0)->trigger();
        viewer->clock.set(QDateTime(QDate(2004, 3, 31), QTime(23, 59)));
        viewer->form->CheckDate();
        QCOMPARE(viewer->form->calendarLabels()->titleLabel(0)->text(), QStringLiteral("2004/02"));
        QVERIFY(menu.mMM(0)->isChecked());
    }

    void notifierWaitsForTheNextLocalMidnight()
    {
        viewer::DayChangeNotifier notifier;
        QVERIFY(notifier.isActive());
        const QDateTime deadline = notifier.deadline();
        QCOMPARE(deadline.time(), QTime(0, 0));
        QCOMPARE(deadline.date(), QDate::currentDate().addDays(1));
    }
};

QTEST_MAIN(TestViewerCommands)
#include "tst_viewer_commands.moc"
