#include "platform/profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using kalmora::platform::ReadProfileString;
using kalmora::platform::WriteProfileString;

namespace
{

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Sjis(const char *hex)
{
    return QByteArray::fromHex(hex);
}

const QByteArray kLong600 = QByteArray(600, 'x');

} // namespace

// Reading and writing one value of an initialization file, with the rules programs made for the
// Windows profile functions expect: the fixtures are small files showing one rule each.
class TestProfileFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name = QStringLiteral("test.ini")) const { return m_dir.filePath(name); }

private slots:
    void cleanup()
    {
        QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            dir.remove(name);
    }

    void read_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        // Names
        QTest::newRow("plain") << QByteArray("[S]\r\nk=v\r\n") << "S" << "k" << "v";
        QTest::newRow("section case") << QByteArray("[SeTTings]\r\nk=v\r\n") << "settings" << "k" << "v";
        QTest::newRow("key case") << QByteArray("[S]\r\nLastName=v\r\n") << "S" << "LASTNAME" << "v";
        QTest::newRow("non-ASCII names are not case folded")
            << QByteArray("[S]\r\n\xC3\xA4=v\r\n") << "S" << QStringLiteral("Ä") << "";
        QTest::newRow("spaces around asked names") << QByteArray("[S]\r\nk=v\r\n") << "  S " << " k  " << "v";
        QTest::newRow("spaces around file names and value")
            << QByteArray("  [  S  ]  \r\n\t k \t=  v v  \r\n") << "S" << "k" << "v v";
        QTest::newRow("space inside a key") << QByteArray("[S]\r\nmy key=v\r\n") << "S" << "my key" << "v";
        QTest::newRow("header up to the last bracket") << QByteArray("[a]b] tail\r\nk=v\r\n") << "a]b" << "k" << "v";
        QTest::newRow("missing file section") << QByteArray("[A]\r\nk=v\r\n") << "B" << "k" << "";
        QTest::newRow("key of another section") << QByteArray("[A]\r\nk=1\r\n[B]\r\nj=2\r\n") << "A" << "j" << "";
        QTest::newRow("lines before the first header") << QByteArray("k=0\r\n[S]\r\nj=1\r\n") << "" << "k" << "";

        // Duplicates
        QTest::newRow("first key wins") << QByteArray("[S]\r\nk=1\r\nK=2\r\n") << "S" << "k" << "1";
        QTest::newRow("only the first section is searched")
            << QByteArray("[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n") << "S" << "j" << "";
        QTest::newRow("first section, first key") << QByteArray("[S]\r\nk=1\r\n[S]\r\nk=2\r\n") << "s" << "k" << "1";

        // Comments and odd lines
        QTest::newRow("comment line skipped") << QByteArray("[S]\r\n;k=1\r\nk=2\r\n") << "S" << "k" << "2";
        QTest::newRow("indented comment") << QByteArray("[S]\r\n   ; k=1\r\nk=2\r\n") << "S" << "k" << "2";
        QTest::newRow("no comment after a value") << QByteArray("[S]\r\nk=v ; note\r\n") << "S" << "k" << "v ; note";
        QTest::newRow("split at the first equals") << QByteArray("[S]\r\nk=a=b\r\n") << "S" << "k" << "a=b";
        QTest::newRow("line without equals reads empty and wins")
            << QByteArray("[S]\r\nk\r\nk=2\r\n") << "S" << "k" << "";
        QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << "S" << "k" << "";
        QTest::newRow("empty file") << QByteArray() << "S" << "k" << "";

        // Line ends
        QTest::newRow("LF") << QByteArray("[S]\nk=v\n") << "S" << "k" << "v";
        QTest::newRow("CR") << QByteArray("[S]\rk=v\r") << "S" << "k" << "v";
        QTest::newRow("mixed and blank lines") << QByteArray("\r\n\n[S]\r\r\n\n\nx=1\rk=v") << "S" << "k" << "v";
        QTest::newRow("no final line end") << QByteArray("[S]\r\nk=v") << "S" << "k" << "v";

        // Quotes
        QTest::newRow("double quotes") << QByteArray("[S]\r\nk=\"a b\"\r\n") << "S" << "k" << "a b";
        QTest::newRow("single quotes") << QByteArray("[S]\r\nk='a'\r\n") << "S" << "k" << "a";
        QTest::newRow("quoted spaces are trimmed after unquoting")
            << QByteArray("[S]\r\nk=\" 1200 \"\r\n") << "S" << "k" << "1200";
        QTest::newRow("mismatched quotes kept") << QByteArray("[S]\r\nk=\"a'\r\n") << "S" << "k" << "\"a'";
        QTest::newRow("one quote kept") << QByteArray("[S]\r\nk=\"\r\n") << "S" << "k" << "\"";
        QTest::newRow("two quotes give empty") << QByteArray("[S]\r\nk=''\r\n") << "S" << "k" << "";
        QTest::newRow("inner quotes kept") << QByteArray("[S]\r\nk=a\"b\"\r\n") << "S" << "k" << "a\"b\"";

        // Length
        QTest::newRow("510 characters at most")
            << QByteArray("[S]\r\nk=" + kLong600 + "\r\n") << "S" << "k" << QString(510, QLatin1Char('x'));
        QTest::newRow("quotes removed before the cut")
            << QByteArray("[S]\r\nk=\"" + kLong600 + "\"\r\n") << "S" << "k" << QString(510, QLatin1Char('x'));
        QTest::newRow("510 Japanese characters")
            << QByteArray("[S]\r\nk=" + QString(520, QChar(0x8C46)).toUtf8()) << "S" << "k" << QString(510, QChar(0x8C46));

        // Encodings
        QTest::newRow("UTF-8")
            << QStringLiteral("[設定]\r\n名前=空豆商店\r\n").toUtf8() << QStringLiteral("設定") << QStringLiteral("名前") << QStringLiteral("空豆商店");
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[S]\r\nk=v\r\n") << "S" << "k" << "v";
        // "[設定]" / "名前=空豆ゾ" in Shift_JIS; ゾ ends in the byte of "]".
        QTest::newRow("Shift_JIS")
            << Sjis("5b90dd92e85d0d0a96bc914f3d8bf393a4835d0d0a") << QStringLiteral("設定") << QStringLiteral("名前") << QStringLiteral("空豆ゾ");
        QTest::newRow("full-width spaces kept")
            << QStringLiteral("[S]\r\nk=\u3000a\u3000\r\n").toUtf8() << "S" << "k" << QStringLiteral("\u3000a\u3000");
        // clang-format on
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(WriteBytes(path(), file));
        QCOMPARE(ReadProfileString(path(), section, key), expected);
    }

    void readMissingOrUnreadable()
    {
        QCOMPARE(ReadProfileString(path("absent.ini"), "S", "k"), QString());
        QVERIFY(QDir(m_dir.path()).mkdir("folder.ini"));
        QCOMPARE(ReadProfileString(path("folder.ini"), "S", "k"), QString());
        QVERIFY(QDir(m_dir.path()).rmdir("folder.ini"));
    }

    void write_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file") << QByteArray() << "S" << "k" << "v" << QByteArray("[S]\r\nk=v\r\n");
        QTest::newRow("replace in place, the rest byte for byte")
            << QByteArray("; head\r\n[Sec]\r\n  Key = old  \r\nnext=1\r\n\r\n[Other]\r\nkey=2\r\n") << "sec" << "KEY" << "new" << QByteArray("; head\r\n[Sec]\r\n  Key =new\r\nnext=1\r\n\r\n[Other]\r\nkey=2\r\n");
        QTest::newRow("replace the first of duplicates")
            << QByteArray("[a]\nk=1\nk=2\n[A]\nk=3\n") << "A" << "k" << "9" << QByteArray("[a]\nk=9\nk=2\n[A]\nk=3\n");
        QTest::newRow("line without equals gets a value")
            << QByteArray("[S]\r\nk  \r\n") << "S" << "k" << "v" << QByteArray("[S]\r\nk=v\r\n");
        QTest::newRow("add after the last line of the section")
            << QByteArray("[A]\r\nx=1\r\n;note\r\n\r\n[B]\r\ny=2\r\n") << "A" << "z" << "3" << QByteArray("[A]\r\nx=1\r\n;note\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("add to an empty section at the end without line end")
            << QByteArray("[A]") << "a" << "z" << "3" << QByteArray("[A]\r\nz=3");
        QTest::newRow("add to the first of two sections")
            << QByteArray("[A]\n[A]\nk=1\n") << "A" << "k" << "2" << QByteArray("[A]\nk=2\n[A]\nk=1\n");
        QTest::newRow("add a section, LF file")
            << QByteArray("[A]\nx=1\n") << "B" << "y" << "2" << QByteArray("[A]\nx=1\n[B]\ny=2\n");
        QTest::newRow("add a section, CR file")
            << QByteArray("[A]\rx=1") << "B" << "y" << "2" << QByteArray("[A]\rx=1\r[B]\ry=2\r");
        QTest::newRow("add a section after lines before any header")
            << QByteArray("k=0\r\n") << "S" << "k" << "1" << QByteArray("k=0\r\n[S]\r\nk=1\r\n");
        QTest::newRow("names and value trimmed")
            << QByteArray() << " S " << " k " << "  v  " << QByteArray("[S]\r\nk=v\r\n");
        QTest::newRow("empty value") << QByteArray("[S]\r\nk=v\r\n") << "S" << "k" << "" << QByteArray("[S]\r\nk=\r\n");
        QTest::newRow("byte order mark kept")
            << QByteArray("\xEF\xBB\xBF[S]\r\nk=v\r\n") << "S" << "k" << "w" << QByteArray("\xEF\xBB\xBF[S]\r\nk=w\r\n");
        QTest::newRow("Japanese in UTF-8")
            << QByteArray() << QStringLiteral("設定") << "k" << QStringLiteral("空豆商店") << QStringLiteral("[設定]\r\nk=空豆商店\r\n").toUtf8();
        // A Shift_JIS file stays Shift_JIS: "名前=空豆" becomes "名前=ゾ" and "[設定]" is kept.
        QTest::newRow("Shift_JIS file stays Shift_JIS")
            << Sjis("5b90dd92e85d0d0a96bc914f3d8bf393a40d0a") << QStringLiteral("設定") << QStringLiteral("名前") << QStringLiteral("ゾ") << Sjis("5b90dd92e85d0d0a96bc914f3d835d0d0a");
        // clang-format on
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            QVERIFY(WriteBytes(path(), before));
        QVERIFY(WriteProfileString(path(), section, key, value));
        QCOMPARE(ReadBytes(path()), after);
        QCOMPARE(ReadProfileString(path(), section, key), value.trimmed());
    }

    // Names or values that cannot be stored as they are: nothing is written, the call says so.
    void refused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("LF in value") << "S" << "k" << "a\n[S]\nPKA=4";
        QTest::newRow("CR in value") << "S" << "k" << "a\rb";
        QTest::newRow("CR LF in value") << "S" << "k" << "a\r\nb=1";
        QTest::newRow("line break in key") << "S" << "k\nx" << "v";
        QTest::newRow("line break in section") << "S]\r\n[T" << "k" << "v";
        QTest::newRow("equals in key") << "S" << "a=b" << "v";
        QTest::newRow("key read as a comment") << "S" << ";k" << "v";
        QTest::newRow("key read as a header") << "S" << "[k]" << "v";
        // clang-format on
    }
    void refused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before = Sjis("5b535d0d0a6b3d8bf30d0a"); // "[S]\r\nk=空" in Shift_JIS
        QVERIFY(WriteBytes(path(), before));
        QVERIFY(!WriteProfileString(path(), section, key, value));
        QCOMPARE(ReadBytes(path()), before);
        QVERIFY(!WriteProfileString(path("absent.ini"), section, key, value));
        QVERIFY(!QFile::exists(path("absent.ini")));
    }

    void textOutsideShiftJisRefusedInShiftJisFile()
    {
        const QByteArray before = Sjis("5b535d0d0a6b3d8bf30d0a"); // "[S]\r\nk=空" in Shift_JIS
        QVERIFY(WriteBytes(path(), before));
        QVERIFY(!WriteProfileString(path(), "S", "k", QStringLiteral("😀")));
        QVERIFY(!WriteProfileString(path(), "S", QStringLiteral("한"), "v"));
        QCOMPARE(ReadBytes(path()), before);
        QCOMPARE(ReadProfileString(path(), "S", "k"), QStringLiteral("空"));
    }

    void sameValueLeavesFileUntouched()
    {
        const QByteArray before("[S]\nk =  v \n");
        QVERIFY(WriteBytes(path(), before));
        struct stat old = {};
        QCOMPARE(::stat(QFile::encodeName(path()).constData(), &old), 0);
        QVERIFY(WriteProfileString(path(), "s", "K", "v"));
        struct stat now = {};
        QCOMPARE(::stat(QFile::encodeName(path()).constData(), &now), 0);
        QCOMPARE(now.st_ino, old.st_ino); // not replaced
        QCOMPARE(ReadBytes(path()), before);
    }

    void replaceKeepsModeAndLeavesNoTemporary()
    {
        QVERIFY(WriteBytes(path(), "[S]\r\n"));
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        // A temporary left by a writer that was killed is cleared by the next write.
        QVERIFY(WriteBytes(path(".test.ini.dead.tmp"), "[S]\r\nk="));
        QVERIFY(WriteBytes(path(".other.ini.dead.tmp"), "x"));
        QVERIFY(WriteProfileString(path(), "S", "k", "v"));
        QCOMPARE(QFile::permissions(path()) & 0x7077,
            QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup) & 0x7077);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            QStringList({ ".other.ini.dead.tmp", "test.ini" }));
    }

    void writeFollowsSymbolicLink()
    {
        QVERIFY(WriteBytes(path("real.ini"), "[S]\r\nk=1\r\n"));
        QVERIFY(QFile::link(path("real.ini"), path("link.ini")));
        QVERIFY(WriteProfileString(path("link.ini"), "S", "k", "2"));
        QVERIFY(QFileInfo(path("link.ini")).isSymLink());
        QCOMPARE(ReadBytes(path("real.ini")), QByteArray("[S]\r\nk=2\r\n"));
    }

    void writeFailures()
    {
        QVERIFY(!WriteProfileString(path("no-such-folder/x.ini"), "S", "k", "v"));
        QVERIFY(!WriteProfileString(QString(), "S", "k", "v"));
        if (::geteuid() == 0)
            QSKIP("permissions do not bind root");
        QVERIFY(QDir(m_dir.path()).mkdir("ro"));
        const QString file = path("ro/x.ini");
        QVERIFY(WriteBytes(file, "[S]\r\nk=1\r\n"));
        QVERIFY(QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!WriteProfileString(file, "S", "k", "2"));
        QCOMPARE(ReadProfileString(file, "S", "k"), QStringLiteral("1"));
        QVERIFY(QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QDir(path("ro")).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profile_file.moc"
