// Broken picture files opened in the maker: each shows a message with a description, and the
// picture loaded before stays, with its caption, canvas and preview.

#include "bad_pictures.h"
#include "image_canvas.h"
#include "maker_fixture.h"
#include "platform/image_files.h"

#include <QLabel>
#include <QTest>

using namespace kalmora;
using namespace kalmora::testsupport;

class TestMakerBadPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::ConfigureImageReading(); }

    void badFileKeepsPreviousPicture()
    {
        MakerFixture maker;
        maker.start();
        const QString good = maker.writeImage("good.png", QuadrantImage(QSize(640, 480), 320, 240));
        maker.window->LoadImageFile(good);
        QVERIFY(maker.dialogs.messages().isEmpty());
        const QString caption = maker.window->windowTitle();
        const QImage canvas = maker.main<maker::ImageCanvas>("Picture1")->picture();
        const QImage preview = maker.sub()->grab().toImage();
        QVERIFY(!canvas.isNull());

        QTemporaryDir corpusDir;
        const testing::PictureCorpus corpus = testing::MakePictureCorpus(corpusDir.path());
        int tried = 0;
        for (const testing::PictureFile &bad : corpus.bad) {
            maker.dialogs.clear();
            maker.window->LoadImageFile(bad.path);
            const QStringList messages = maker.dialogs.messages();
            QVERIFY2(messages.size() == 1, qPrintable(bad.name));
            QVERIFY2(!messages[0].trimmed().isEmpty(), qPrintable(bad.name));
            QCOMPARE(maker.dialogs.lastCall()->title, QStringLiteral("KALMORAM"));
            QVERIFY2(maker.window->windowTitle() == caption, qPrintable(bad.name));
            QVERIFY2(maker.main<maker::ImageCanvas>("Picture1")->picture() == canvas, qPrintable(bad.name));
            QVERIFY2(maker.sub()->grab().toImage() == preview, qPrintable(bad.name));
            ++tried;
        }

        // And the maker goes on: the next good picture loads.
        maker.dialogs.clear();
        maker.window->LoadImageFile(maker.writeImage("next.png", QuadrantImage(QSize(300, 200), 150, 100)));
        QVERIFY(maker.dialogs.messages().isEmpty());
        QCOMPARE(maker.main<maker::ImageCanvas>("Picture1")->picture().size(), QSize(300, 200));
        qInfo("counts: maker: %d broken picture files opened, each refused with a message, the previous picture kept",
            tried);
    }
};

QTEST_MAIN(TestMakerBadPictures)
#include "tst_maker_bad_pictures.moc"
