// Where the shared files live: beside a writable program, else in the per-user data folder, which
// is created and given the shipped projects without ever replacing a file the user has.

#include "platform/data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace kalmora::platform;

namespace
{

bool WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QString kProject = QStringLiteral("空豆商店");

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_install;

    QString userData(const char *name) const { return m_root.filePath(QStringLiteral("home-%1").arg(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        // An installed copy: the programs beside the shipped default project.
        m_install = m_root.filePath(QStringLiteral("install"));
        QVERIFY(WriteFile(m_install + "/cprj/" + kProject + ".cpj", "[Settings]\nPKA=0\n"));
        QVERIFY(WriteFile(m_install + "/pict/" + kProject + ".bmp", "BM-shipped"));
        QVERIFY(WriteFile(m_install + "/KALMORAV", "program"));
    }

    void perUserFolder_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_DATA_HOME set") << "/data/u"
                                           << "/home/u"
                                           << "/data/u/kalmora";
        QTest::newRow("XDG_DATA_HOME with trailing slash") << "/data/u/"
                                                           << "/home/u"
                                                           << "/data/u/kalmora";
        QTest::newRow("XDG_DATA_HOME unset") << ""
                                             << "/home/u"
                                             << "/home/u/.local/share/kalmora";
        QTest::newRow("relative XDG_DATA_HOME is ignored") << "data"
                                                           << "/home/u"
                                                           << "/home/u/.local/share/kalmora";
        QTest::newRow("neither set") << ""
                                     << ""
                                     << "";
        QTest::newRow("relative HOME") << ""
                                       << "u"
                                       << "";
    }
    void perUserFolder()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QCOMPARE(PerUserFolder({ xdgDataHome, home }), expected);
    }

    void writableProgramFolderIsUsedAndNothingElseIsMade()
    {
        const QString home = userData("portable");
        QString error;
        QCOMPARE(ChooseApplicationFolder(m_install, true, { {}, home }, &error), m_install);
        QVERIFY(error.isEmpty());
        QVERIFY(!QFileInfo::exists(home));
    }

    void readOnlyProgramFolderGivesSeededUserFolder_data()
    {
        QTest::addColumn<bool>("withXdgDataHome");
        QTest::newRow("XDG_DATA_HOME set") << true;
        QTest::newRow("XDG_DATA_HOME unset") << false;
    }
    void readOnlyProgramFolderGivesSeededUserFolder()
    {
        QFETCH(bool, withXdgDataHome);
        const QString home = userData(withXdgDataHome ? "xdg" : "plain");
        const QString dataHome = withXdgDataHome ? home + "/data" : home + "/.local/share";
        const DataFolderEnvironment env { withXdgDataHome ? dataHome : QString(), home };

        QString error;
        const QString folder = ChooseApplicationFolder(m_install, false, env, &error);
        QCOMPARE(folder, dataHome + "/kalmora");
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(ReadFile(folder + "/cprj/" + kProject + ".cpj"), QByteArray("[Settings]\nPKA=0\n"));
        QCOMPARE(ReadFile(folder + "/pict/" + kProject + ".bmp"), QByteArray("BM-shipped"));
        QVERIFY(!QFileInfo::exists(folder + "/KALMORAV"));
        // Folders made for the user's data are the user's alone.
        QCOMPARE(QFileInfo(folder).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther),
            QFileDevice::Permissions());
        // The other program, starting next, decides the same.
        QCOMPARE(ChooseApplicationFolder(m_install, false, env), folder);
    }

    void seedingKeepsTheUsersFiles()
    {
        const QString folder = userData("kept") + "/kalmora";
        // The user moved the default calendar (VXX) and made a project of their own; the picture is gone.
        QVERIFY(WriteFile(folder + "/cprj/" + kProject + ".cpj", "[Settings]\nVXX=4545\n"));
        QVERIFY(WriteFile(folder + "/cprj/trip.cpj", "[Settings]\nPKA=4\n"));
        QVERIFY(WriteFile(folder + "/KALMORA.ini", "[Settings]\nLastName=trip\n"));

        QString error;
        QVERIFY2(SeedUserFolder(m_install, folder, &error), qPrintable(error));
        QCOMPARE(ReadFile(folder + "/cprj/" + kProject + ".cpj"), QByteArray("[Settings]\nVXX=4545\n"));
        QCOMPARE(ReadFile(folder + "/cprj/trip.cpj"), QByteArray("[Settings]\nPKA=4\n"));
        QCOMPARE(ReadFile(folder + "/KALMORA.ini"), QByteArray("[Settings]\nLastName=trip\n"));
        QCOMPARE(ReadFile(folder + "/pict/" + kProject + ".bmp"), QByteArray("BM-shipped"));
        QVERIFY(!QFileInfo::exists(folder + "/pict/" + kProject + ".bmp.part"));
    }

    void copiesOfReadOnlyFilesAreWritable()
    {
        QTemporaryDir install;
        QVERIFY(WriteFile(install.filePath("cprj/a.cpj"), "[Settings]\n"));
        QVERIFY(QFile::setPermissions(install.filePath("cprj/a.cpj"), QFileDevice::ReadOwner | QFileDevice::ReadOther));
        const QString folder = userData("readonly-source") + "/kalmora";
        QVERIFY(SeedUserFolder(install.path(), folder));
        // The viewer writes its window position into the project it shows.
        QVERIFY(QFileInfo(folder + "/cprj/a.cpj").permissions() & QFileDevice::WriteOwner);
        QVERIFY(QFileInfo(folder + "/pict").isDir());
    }

    void unusableUserFolderFallsBackToProgramFolder()
    {
        // XDG_DATA_HOME names a file, so no folder can be made below it.
        const QString blocker = m_root.filePath("blocker");
        QVERIFY(WriteFile(blocker, "not a folder"));
        QString error;
        QCOMPARE(ChooseApplicationFolder(m_install, false, { blocker, {} }, &error), m_install);
        QVERIFY(!error.isEmpty());

        error.clear();
        QCOMPARE(ChooseApplicationFolder(m_install, false, { {}, {} }, &error), m_install);
        QVERIFY(!error.isEmpty());
    }

    void installedCopyKeepsNothingBesideThePrograms()
    {
        QTemporaryDir portable;
        QVERIFY(UsesProgramFolder(portable.path()));
        QVERIFY(WriteFile(portable.filePath(QString::fromLatin1(kInstalledMarker)), "installed"));
        QVERIFY(!UsesProgramFolder(portable.path()));
        QVERIFY(!UsesProgramFolder(m_root.filePath("missing")));
    }

    void writableFolderCheck()
    {
        QVERIFY(IsWritableFolder(m_root.path()));
        QVERIFY(!IsWritableFolder(m_root.filePath("missing")));
        QVERIFY(!IsWritableFolder(m_install + "/KALMORAV"));
        if (::geteuid() == 0)
            QSKIP("root may write to any folder; the read-only install is checked end to end as another user");
        QTemporaryDir readOnly;
        QVERIFY(QFile::setPermissions(readOnly.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(!IsWritableFolder(readOnly.path()));
        QFile::setPermissions(
            readOnly.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_data_folder.moc"
