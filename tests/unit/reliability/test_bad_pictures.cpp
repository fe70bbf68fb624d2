// Broken picture files through the shared loading function: each fails with a description for
// the user, memory stays bounded, and good pictures of every format still load.

#include "bad_pictures.h"
#include "platform/image_files.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using kalmora::platform::ReadImageFile;
using kalmora::testing::MakePictureCorpus;
using kalmora::testing::PictureCorpus;

namespace
{

long PeakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestBadPictures : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PictureCorpus m_corpus;
    long m_peakBefore = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        kalmora::platform::ConfigureImageReading();
        m_corpus = MakePictureCorpus(m_dir.path());
        m_peakBefore = PeakResidentKiB();
    }

    void allocationLimitIsSet()
    {
        QCOMPARE(QImageReader::allocationLimit(), kalmora::platform::kImageAllocationLimitMiB);
    }

    void goodPictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        for (const auto &file : m_corpus.good)
            QTest::newRow(qPrintable(file.name)) << file.path;
    }
    void goodPictureLoads()
    {
        QFETCH(QString, path);
        QString error;
        const QImage image = ReadImageFile(path, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
    }

    void badPictureFails_data()
    {
        QTest::addColumn<QString>("path");
        for (const auto &file : m_corpus.bad)
            QTest::newRow(qPrintable(file.name)) << file.path;
    }
    void badPictureFails()
    {
        QFETCH(QString, path);
        QString error;
        const QImage image = ReadImageFile(path, &error);
        QVERIFY2(
            image.isNull(), qPrintable(QStringLiteral("loaded as %1 × %2").arg(image.width()).arg(image.height())));
        QVERIFY(!error.trimmed().isEmpty());
        qInfo("%s", qPrintable(error));
    }

    // Reading the whole corpus again and again never takes more than a small, fixed amount of
    // memory: no header makes the reader allocate what it claims. Counted from before the first
    // read of any of them.
    void memoryStaysBounded()
    {
        const long before = m_peakBefore;
        int tries = 0;
        for (int round = 0; round < 5; ++round) {
            for (const auto &file : m_corpus.bad) {
                QString error;
                QVERIFY(ReadImageFile(file.path, &error).isNull());
                ++tries;
            }
        }
        const long grown = PeakResidentKiB() - before;
        QVERIFY2(grown < 128 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(grown)));
        qInfo("counts: bad pictures: %d broken files, %d reads, all refused with a description; peak memory grew by "
              "%ld KiB",
            int(m_corpus.bad.size()), tries, grown);
    }
};

QTEST_GUILESS_MAIN(TestBadPictures)
#include "test_bad_pictures.moc"
