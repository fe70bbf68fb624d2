// Writing a project's two files: what lands on disk, replacing a project, and failures that must
// leave an earlier project as it was.

#include "platform/profile_file.h"
#include "project_writer.h"
#include "store/app_files.h"
#include "store/project_settings.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalmora;
using namespace kalmora::maker;

class ProjectWriterTest : public QObject
{
    Q_OBJECT
private slots:
    void writesBothFiles();
    void replacingResetsWindowPosition();
    void pictureFailureKeepsEarlierProject();
    void projectFileFailureKeepsEarlierProject();
};

namespace
{
store::ProjectSettings Sample()
{
    store::ProjectSettings v;
    v.PKA = 4;
    v.PBG = 16777215;
    v.CHE = 16777215;
    v.CDO = 16711680;
    v.CNI = 255;
    v.CBG = 0;
    v.CXX = 1200;
    v.CYY = 900;
    return v;
}

QImage Picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void ProjectWriterTest::writesBothFiles()
{
    QTemporaryDir app;
    ProjectWriteFailure failure;
    QVERIFY(WriteCalendarProject(app.path(), "cal", Sample(), Picture(QSize(256, 256), Qt::green), &failure));

    const QByteArray text = ReadAll(store::ProjectFilePath(app.path(), "cal"));
    QCOMPARE(text.trimmed().split('\n').size(), 11); // the section and the ten keys, in their order
    qsizetype previous = -1;
    for (const char *key : store::kProjectKeys) {
        const qsizetype at = text.indexOf(QByteArray(key) + '=');
        QVERIFY2(at > previous, key);
        previous = at;
    }
    store::ProjectSettings expected = Sample();
    QCOMPARE(store::ReadProjectSettings(app.path(), "cal"), expected);

    // A 24-bit Windows bitmap of the preview's size.
    const QByteArray bmp = ReadAll(store::PictureFilePath(app.path(), "cal"));
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
    QImage back(store::PictureFilePath(app.path(), "cal"));
    QCOMPARE(back.size(), QSize(256, 256));
    QCOMPARE(back.pixel(100, 100), QColor(Qt::green).rgb());

    // Nothing temporary is left behind, and nothing the viewer would list besides the project.
    QCOMPARE(QDir(store::ProjectFolder(app.path())).entryList(QDir::Files | QDir::Hidden), QStringList { "cal.cpj" });
    QCOMPARE(QDir(store::PictureFolder(app.path())).entryList(QDir::Files | QDir::Hidden), QStringList { "cal.bmp" });
}

void ProjectWriterTest::replacingResetsWindowPosition()
{
    QTemporaryDir app;
    QVERIFY(WriteCalendarProject(app.path(), "cal", Sample(), Picture(QSize(256, 256), Qt::green), nullptr));
    // The viewer has since moved its window.
    QVERIFY(store::WriteProjectValue(app.path(), "cal", "Settings", "VXX", "-300"));
    QVERIFY(store::WriteProjectValue(app.path(), "cal", "Settings", "VYY", "4545"));

    store::ProjectSettings second = Sample();
    second.PKA = 5;
    QVERIFY(WriteCalendarProject(app.path(), "cal", second, Picture(QSize(198, 198), Qt::blue), nullptr));
    const store::ProjectSettings read = store::ReadProjectSettings(app.path(), "cal");
    QCOMPARE(read.PKA, 5);
    QCOMPARE(read.VXX, 0);
    QCOMPARE(read.VYY, 0);
    QCOMPARE(QImage(store::PictureFilePath(app.path(), "cal")).size(), QSize(198, 198));
}

void ProjectWriterTest::pictureFailureKeepsEarlierProject()
{
    QTemporaryDir app;
    QVERIFY(WriteCalendarProject(app.path(), "cal", Sample(), Picture(QSize(256, 256), Qt::green), nullptr));
    const QByteArray projectBefore = ReadAll(store::ProjectFilePath(app.path(), "cal"));
    const QByteArray pictureBefore = ReadAll(store::PictureFilePath(app.path(), "cal"));

    // A picture the encoder cannot write.
    store::ProjectSettings second = Sample();
    second.PKA = 7;
    ProjectWriteFailure failure;
    QVERIFY(!WriteCalendarProject(app.path(), "cal", second, QImage(), &failure));

    QCOMPARE(failure.what, ProjectWriteFailure::What::Picture);
    QVERIFY(failure.path.endsWith("cal.bmp"));
    QCOMPARE(ReadAll(store::ProjectFilePath(app.path(), "cal")), projectBefore);
    QCOMPARE(ReadAll(store::PictureFilePath(app.path(), "cal")), pictureBefore);
    QCOMPARE(QDir(store::PictureFolder(app.path())).entryList(QDir::Files | QDir::Hidden), QStringList { "cal.bmp" });
    QCOMPARE(QDir(store::ProjectFolder(app.path())).entryList(QDir::Files | QDir::Hidden), QStringList { "cal.cpj" });
}

void ProjectWriterTest::projectFileFailureKeepsEarlierProject()
{
    // The project folder is in the way as a plain file: nothing can be written there, and the
    // picture must not be replaced either.
    QTemporaryDir app;
    QVERIFY(WriteCalendarProject(app.path(), "cal", Sample(), Picture(QSize(256, 256), Qt::green), nullptr));
    const QByteArray pictureBefore = ReadAll(store::PictureFilePath(app.path(), "cal"));
    QVERIFY(QDir(store::ProjectFolder(app.path())).removeRecursively());
    QFile blocker(store::ProjectFolder(app.path()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    ProjectWriteFailure failure;
    QVERIFY(!WriteCalendarProject(app.path(), "cal", Sample(), Picture(QSize(256, 256), Qt::blue), &failure));
    QCOMPARE(failure.what, ProjectWriteFailure::What::ProjectFile);
    QVERIFY(failure.path.endsWith("cal.cpj"));
    QCOMPARE(ReadAll(store::PictureFilePath(app.path(), "cal")), pictureBefore);
    QCOMPARE(QDir(store::PictureFolder(app.path())).entryList(QDir::Files | QDir::Hidden), QStringList { "cal.bmp" });
}

QTEST_GUILESS_MAIN(ProjectWriterTest)
#include "test_project_writer.moc"
