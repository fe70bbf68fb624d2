// The viewer handed broken files: project pictures that cannot be read and project files full of
// nonsense. It starts, tells what it could not read, shows something sane and stays usable.

#include "bad_pictures.h"
#include "platform/image_files.h"
#include "store/app_files.h"
#include "viewer/frm_menu.h"
#include "viewer_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>

using namespace kalmora;
using namespace kalmora::testsupport;

namespace
{

const QString kBroken = QStringLiteral("壊れた");
const QString kGood = QStringLiteral("良い");

int MenuIndexOf(viewer::frmMenu *menu, const QString &name)
{
    for (int i = 0; i < menu->mNameCount(); ++i) {
        if (menu->mName(i)->text() == name)
            return i;
    }
    return -1;
}

// Puts the bad file (or folder, or nothing) where the picture of `name` belongs.
void PlacePicture(const ViewerFolder &folder, const QString &name, const QString &bad)
{
    const QString target = store::PictureFilePath(folder.path(), name);
    if (QFileInfo(bad).isDir())
        QDir().mkpath(target);
    else if (QFileInfo::exists(bad))
        QVERIFY(QFile::copy(bad, target));
}

} // namespace

class TestViewerBadInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_corpusDir;
    testing::PictureCorpus m_corpus;
    int m_projectFilesStarted = 0;

private slots:
    void initTestCase()
    {
        platform::ConfigureImageReading();
        m_corpus = testing::MakePictureCorpus(m_corpusDir.path());
    }

    // Started on a project whose picture is broken: a message, a window all the same, and the
    // favourites reach a good project. Switching from the good project back to the broken one
    // shows the message again and keeps the good picture.
    void brokenPicture()
    {
        int tried = 0;
        for (const testing::PictureFile &bad : m_corpus.bad) {
            ViewerFolder folder;
            folder.addProject(kBroken, Project(2, 300, 300, 0, 0), QColor());
            PlacePicture(folder, kBroken, bad.path);
            folder.addProject(kGood, Project(3, 300, 300, 0, 0), QColor(Qt::darkGreen));
            folder.writeIni(QStringLiteral("LastName"), kBroken);

            auto viewer = StartViewer(folder);
            QVERIFY2(viewer->dialogs.messages().size() == 1, qPrintable(bad.name));
            QVERIFY2(viewer->form->isVisible(), qPrintable(bad.name));
            QVERIFY2(!viewer->form->size().isEmpty(), qPrintable(bad.name));

            viewer->dialogs.clear();
            viewer->form->menu()->mName(MenuIndexOf(viewer->form->menu(), kGood))->trigger();
            QVERIFY2(viewer->dialogs.messages().isEmpty(), qPrintable(bad.name));
            QCOMPARE(viewer->form->CurrentProjectName(), kGood);
            QCOMPARE(viewer->form->picture().toImage().pixelColor(10, 10), QColor(Qt::darkGreen));

            viewer->form->menu()->mName(MenuIndexOf(viewer->form->menu(), kBroken))->trigger();
            QVERIFY2(viewer->dialogs.messages().size() == 1, qPrintable(bad.name));
            QCOMPARE(viewer->form->CurrentProjectName(), kGood);
            QCOMPARE(viewer->form->picture().toImage().pixelColor(10, 10), QColor(Qt::darkGreen));
            QVERIFY(viewer->form->isVisible());
            ++tried;
        }
        qInfo("counts: viewer: %d broken project pictures, each reported at start-up and on a switch; the viewer "
              "stayed up "
              "and switched to a good project",
            tried);
    }

    void brokenProjectFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("shownShape"); // the shape the window must be cut to

        QRandomGenerator random(20040512);
        QByteArray garbage(64 * 1024, '\0');
        for (char &c : garbage)
            c = char(random.bounded(256));
        QTest::newRow("binary garbage") << garbage << 0;

        // Ten megabytes of lines before the values: the file still reads.
        QByteArray big("[Settings]\r\n");
        const QByteArray filler = "Memo=" + QByteArray(90, 'x') + "\r\n";
        while (big.size() < 10 * 1024 * 1024)
            big += filler;
        big += "PKA=4\r\nCXX=300\r\nCYY=300\r\n";
        QTest::newRow("10 MB file") << big << 4;

        QTest::newRow("PKA 99") << QByteArray("[Settings]\r\nPKA=99\r\n") << 0;
        QTest::newRow("PKA -1") << QByteArray("[Settings]\r\nPKA=-1\r\n") << 0;
        QTest::newRow("PKA beyond 32 bits") << QByteArray("[Settings]\r\nPKA=4294967298\r\n") << 0;
        QTest::newRow("VXX 1e20") << QByteArray("[Settings]\r\nPKA=1\r\nVXX=1e20\r\nVYY=1e20\r\n") << 1;
        QTest::newRow("VXX of 21 digits") << QByteArray("[Settings]\r\nPKA=1\r\nVXX=100000000000000000000\r\n"
                                                        "VYY=-100000000000000000000\r\n")
                                          << 1;
        QTest::newRow("colours out of range") << QByteArray("[Settings]\r\nPKA=2\r\nCHE=-1\r\nCDO=-16777216\r\n"
                                                            "CNI=16777216\r\nCBG=4294967295\r\nPBG=99999999999\r\n")
                                              << 2;
        QTest::newRow("CXX far off the picture")
            << QByteArray("[Settings]\r\nPKA=3\r\nCXX=2147483647\r\nCYY=-2147483648\r\n") << 3;
        QTest::newRow("keys duplicated with other values")
            << QByteArray("[Settings]\r\nPKA=4\r\nPKA=2\r\n[Settings]\r\nPKA=7\r\npka=9\r\n") << 4;
    }

    // The viewer starts on the project, without a message, shows its window on the screen, cut to
    // a shape of the table, and its menu works.
    void brokenProjectFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, shownShape);

        ViewerFolder folder;
        folder.addProject(kBroken, Project(0, 0, 0, 0, 0), QColor(Qt::darkBlue));
        QFile file(store::ProjectFilePath(folder.path(), kBroken));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        folder.writeIni(QStringLiteral("LastName"), kBroken);

        ViewerFolder reference;
        reference.addProject(kGood, Project(shownShape, 0, 0, 0, 0), QColor(Qt::darkBlue));
        reference.writeIni(QStringLiteral("LastName"), kGood);
        auto expected = StartViewer(reference);

        auto viewer = StartViewer(folder);
        QCOMPARE(viewer->dialogs.messages(), QStringList());
        QVERIFY(viewer->form->isVisible());
        QCOMPARE(viewer->form->size(), expected->form->size());
        QCOMPARE(viewer->form->mask(), expected->form->mask());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY2(screen.contains(viewer->form->pos()),
            qPrintable(QStringLiteral("window at %1, %2").arg(viewer->form->pos().x()).arg(viewer->form->pos().y())));
        // Still usable: another month draws, and the window paints.
        viewer->form->menu()->mMM(2)->trigger();
        QVERIFY(viewer->form->menu()->mMM(2)->isChecked());
        QVERIFY(!viewer->form->grab().isNull());
        ++m_projectFilesStarted;
    }

    void cleanupTestCase()
    {
        qInfo("counts: viewer: %d broken project files, each started without a message, cut to a shape of the table "
              "and placed on the screen",
            m_projectFilesStarted);
    }
};

QTEST_MAIN(TestViewerBadInput)
#include "tst_viewer_bad_input.moc"
