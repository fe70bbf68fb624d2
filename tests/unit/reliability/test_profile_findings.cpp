// Inputs the profile-file fuzzer once found faults with, kept as plain cases: a write is read back
// as written, and the other values of the file read as before.

#include "platform/profile_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kalmora::platform::ReadProfileString;
using kalmora::platform::WriteProfileString;

class TestProfileFindings : public QObject
{
    Q_OBJECT

private slots:
    void writeKeepsOtherValues_data()
    {
        QTest::addColumn<QByteArray>("initial");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("otherSection");
        QTest::addColumn<QString>("otherKey");

        // Each line was decoded as if it began a file, so the character was dropped as a byte
        // order mark and the key could not be found again.
        QTest::newRow("key starting with U+FEFF")
            << QByteArray("[s]\r\nk=1\r\n") << "s" << QStringLiteral("\uFEFFk") << "2"
            << "s"
            << "k";
        // "a" holds the only bytes that are not UTF-8 (Shift_JIS "あ"); "b" holds bytes that are
        // UTF-8 too ("é"), which the Shift_JIS file reads as two half-width katakana. Replacing
        // "a" used to turn the file into UTF-8 and change what "b" reads.
        QTest::newRow("Shift_JIS file loses its last non-UTF-8 bytes")
            << QByteArray("[s]\r\na=\x82\xa0\r\nb=\xc3\xa9\r\n") << "s"
            << "a"
            << "x"
            << "s"
            << "b";
        QTest::newRow("the same behind a byte order mark")
            << QByteArray("\xef\xbb\xbf[s]\r\na=\x82\xa0\r\nb=\xc3\xa9\r\n") << "s"
            << "a"
            << "x"
            << "s"
            << "b";
        QTest::newRow("the same, other value in the next section")
            << QByteArray("[s]\na=\x82\xa0\n[t]\nb=\xc3\xa9\n") << "s"
            << "a"
            << "yz"
            << "t"
            << "b";
    }

    void writeKeepsOtherValues()
    {
        QFETCH(QByteArray, initial);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, otherSection);
        QFETCH(QString, otherKey);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("f.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(initial);
        file.close();

        const QString before = ReadProfileString(path, otherSection, otherKey);
        QVERIFY(!before.isEmpty());

        QVERIFY(WriteProfileString(path, section, key, value));
        QCOMPARE(ReadProfileString(path, section, key), value);
        QCOMPARE(ReadProfileString(path, otherSection, otherKey), before);
    }
};

QTEST_GUILESS_MAIN(TestProfileFindings)
#include "test_profile_findings.moc"
