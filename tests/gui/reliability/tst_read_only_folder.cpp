// Both programs in an application folder that cannot be written (a read-only file system): the
// viewer starts and runs on what is there; the maker's project creation says that it failed.

#include "image_canvas.h"
#include "maker_fixture.h"
#include "maker_texts.h"
#include "platform/image_files.h"
#include "store/app_files.h"
#include "support/tmpfs_mount.h"
#include "viewer/frm_menu.h"
#include "viewer_fixture.h"

#include <QAction>
#include <QTest>

using namespace kalmora;
using namespace kalmora::testsupport;

class TestReadOnlyFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::ConfigureImageReading(); }

    void viewerRuns()
    {
        ViewerFolder folder;
        TmpfsMount mount(folder.path(), "size=4m,mode=0755");
        if (!mount.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1)").arg(mount.error())));
        QDir(folder.path()).mkpath(QStringLiteral("cprj"));
        QDir(folder.path()).mkpath(QStringLiteral("pict"));
        folder.addProject(QStringLiteral("a"), Project(2, 300, 300, 120, 90), QColor(Qt::darkRed));
        folder.addProject(QStringLiteral("b"), Project(4, 300, 300, 0, 0), QColor(Qt::darkCyan));
        folder.writeIni(QStringLiteral("LastName"), QStringLiteral("a"));
        folder.writeIni(QStringLiteral("FIX"), QStringLiteral("FALSE"));
        QVERIFY(mount.setReadOnly(true));

        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->dialogs.messages(), QStringList());
        QVERIFY(viewer->form->isVisible());
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("a"));
        QCOMPARE(viewer->form->pos(), QPoint(8, 6));
        QCOMPARE(viewer->form->picture().toImage().pixelColor(5, 5), QColor(Qt::darkRed));

        viewer->form->menu()->mName(1)->trigger();
        QCOMPARE(viewer->form->CurrentProjectName(), QStringLiteral("b"));
        QCOMPARE(viewer->form->picture().toImage().pixelColor(5, 5), QColor(Qt::darkCyan));
        viewer->form->menu()->mFIX()->trigger();
        QVERIFY(viewer->form->menu()->mFIX()->isChecked());
        // Nothing could be written; the viewer goes on all the same.
        QCOMPARE(folder.ini(QStringLiteral("LastName")), QStringLiteral("a"));
        QCOMPARE(folder.ini(QStringLiteral("FIX")), QStringLiteral("FALSE"));
        viewer->form->menu()->mMM(0)->trigger();
        QVERIFY(viewer->form->menu()->mMM(0)->isChecked());
        QCOMPARE(viewer->dialogs.messages(), QStringList());
        viewer.reset();
        QVERIFY(mount.setReadOnly(false));
    }

    void makerReportsFailedCreation()
    {
        MakerFixture maker;
        TmpfsMount mount(maker.app.path(), "size=4m,mode=0755");
        if (!mount.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1)").arg(mount.error())));
        const QString photo = maker.writeImage("photo.png", QuadrantImage(QSize(640, 480), 320, 240));
        QVERIFY(mount.setReadOnly(true));

        maker.start();
        maker.window->LoadImageFile(photo);
        QCOMPARE(maker.dialogs.messages(), QStringList());
        maker.dialogs.queueInput(QStringLiteral("読めるだけ"));
        maker.window->CreateCalendarProject();
        const QStringList messages = maker.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0] != maker::texts::kCreated, qPrintable(messages[0]));
        QVERIFY(!QFileInfo::exists(store::ProjectFilePath(maker.app.path(), QStringLiteral("読めるだけ"))));
        maker.window.reset();
        QVERIFY(mount.setReadOnly(false));
    }
};

QTEST_MAIN(TestReadOnlyFolder)
#include "tst_read_only_folder.moc"
