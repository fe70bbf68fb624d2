#include "platform/profile_file.h"
#include "store/app_files.h"
#include "store/project_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kalmora::store;

class TestStore : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void paths_data()
    {
        // clang-format off
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("picture");
        QTest::newRow("plain") << "/opt/k" << "/opt/k/KALMORA.ini" << "/opt/k/cprj/a.cpj" << "/opt/k/pict/a.bmp";
        QTest::newRow("trailing separator")
            << "/opt/k/" << "/opt/k/KALMORA.ini" << "/opt/k/cprj/a.cpj" << "/opt/k/pict/a.bmp";
        QTest::newRow("root folder") << "/" << "/KALMORA.ini" << "/cprj/a.cpj" << "/pict/a.bmp";
        // clang-format on
    }
    void paths()
    {
        QFETCH(QString, appDir);
        QFETCH(QString, ini);
        QFETCH(QString, project);
        QFETCH(QString, picture);
        QCOMPARE(IniPath(appDir), ini);
        QCOMPARE(ProjectFilePath(appDir, QStringLiteral("a")), project);
        QCOMPARE(PictureFilePath(appDir, QStringLiteral("a")), picture);
    }

    void iniRoundTripAndMissingFile()
    {
        QTemporaryDir dir;
        const QString app = dir.path();
        QCOMPARE(ReadIni(app, "Settings", "LastName"), QString());
        QVERIFY(WriteIni(app, "Settings", "LastName", QStringLiteral("空豆商店")));
        QVERIFY(WriteIni(app, "Settings", "FIX", "TRUE"));
        QVERIFY(WriteIni(app, "Location", "MLeft", "1200"));
        QCOMPARE(ReadIni(app, "settings", "lastname"), QStringLiteral("空豆商店"));
        QCOMPARE(ReadIni(app, "Settings", "FIX"), QStringLiteral("TRUE"));
        QCOMPARE(ReadIni(app, "Location", "MLeft"), QStringLiteral("1200"));
        QFile file(IniPath(app));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
            QByteArray("[Settings]\r\nLastName=\xE7\xA9\xBA\xE8\xB1\x86\xE5\x95\x86\xE5\xBA\x97\r\nFIX=TRUE\r\n"
                       "[Location]\r\nMLeft=1200\r\n"));
        // Only ASCII blanks are trimmed: a full-width space belongs to a Japanese name.
        QVERIFY(WriteIni(app, "Settings", "Name", QStringLiteral(" \u3000空豆\u3000 ")));
        QCOMPARE(ReadIni(app, "Settings", "Name"), QStringLiteral("\u3000空豆\u3000"));
    }

    void projectSettingsConversion()
    {
        QTemporaryDir dir;
        const QString app = dir.path();
        writeFile(ProjectFilePath(app, "p"),
            "[Settings]\r\nPKA=4\r\nPBG=16777215\r\nCHE= 255 \r\nCDO=16711680\r\nCNI=12ab\r\nCBG=abc\r\n"
            "CXX=1200.5\r\nCYY=1201.5\r\nVXX=-300\r\n");
        ProjectSettings expected;
        expected.PKA = 4;
        expected.PBG = 16777215;
        expected.CHE = 255;
        expected.CDO = 16711680;
        expected.CNI = 12;
        expected.CBG = 0;
        expected.CXX = 1200;
        expected.CYY = 1202;
        expected.VXX = -300;
        expected.VYY = 0; // absent key
        QCOMPARE(ReadProjectSettings(app, "p"), expected);
        QCOMPARE(ReadProjectSettings(app, "missing"), ProjectSettings {});
    }

    void writeProjectValueCreatesFolder()
    {
        QTemporaryDir dir;
        QVERIFY(WriteProjectValue(dir.path(), "new", "Settings", "VXX", "4545"));
        QCOMPARE(ReadProjectValue(dir.path(), "new", "Settings", "VXX"), QStringLiteral("4545"));
        QCOMPARE(ReadProjectSettings(dir.path(), "new").VXX, 4545);
        // A name is a file name stem, never a path into another folder.
        QVERIFY(!WriteProjectValue(dir.path(), "../escape", "Settings", "VXX", "1"));
        QVERIFY(!QFile::exists(dir.filePath("escape.cpj")));
        QVERIFY(!WriteProjectValue(dir.path(), "", "Settings", "VXX", "1"));
    }

    void listProjectNames_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("sorted") << QStringList { "c.cpj", "a.cpj", "b.cpj" } << QStringList { "a", "b", "c" };
        QTest::newRow("not filtered") << QStringList { "memo.txt", "x.cpj" } << QStringList { "memo", "x" };
        QTest::newRow("short names whole")
            << QStringList { "ab", "abc", "abcd", "abcde.cpj" } << QStringList { "ab", "abc", "", "abcde" };
        QTest::newRow("code point order")
            << QStringList { "b.cpj", "B.cpj", "空豆商店.cpj", "a.cpj" } << QStringList { "B", "a", "b", QStringLiteral("空豆商店") };
        QTest::newRow("empty") << QStringList {} << QStringList {};
        // clang-format on
    }
    void listProjectNames()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("cprj"));
        for (const QString &file : files)
            writeFile(ProjectFolder(dir.path()) + '/' + file, "[Settings]\r\n");
        // Neither folders nor hidden files are projects.
        QVERIFY(QDir(ProjectFolder(dir.path())).mkdir("sub.cpj"));
        writeFile(ProjectFolder(dir.path()) + "/.hidden.cpj", "");
        QCOMPARE(ListProjectNames(dir.path()), names);
    }

    void listProjectNamesWithoutFolder()
    {
        QTemporaryDir dir;
        QCOMPARE(ListProjectNames(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
