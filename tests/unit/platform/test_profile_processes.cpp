#include "platform/profile_file.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using kalmora::platform::ReadProfileString;
using kalmora::platform::WriteProfileString;

// Several processes on one profile file: the lock around each read-modify-write and the atomic
// replace, seen from outside.
class TestProfileProcesses : public QObject
{
    Q_OBJECT

private slots:
    void twoWritersLoseNoKey()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("shared.ini");
        const int count = 1000;
        QProcess first;
        QProcess second;
        first.start(PROFILE_WRITER, { file, "keys", "a", QString::number(count) });
        second.start(PROFILE_WRITER, { file, "keys", "b", QString::number(count) });
        QVERIFY(first.waitForFinished(100000));
        QVERIFY(second.waitForFinished(100000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(ReadProfileString(file, "S", "a" + QString::number(i)), QString::number(i));
            QCOMPARE(ReadProfileString(file, "S", "b" + QString::number(i)), QString::number(i));
        }
    }

    void killedWriterNeverLeavesABrokenFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("project.cpj");
        for (int i = 0; i < 50; ++i)
            QVERIFY(WriteProfileString(file, "S", "F" + QString::number(i), QString(i + 1, QLatin1Char('f'))));

        qint64 lastCounter = 0;
        QRandomGenerator random(20040709);
        for (int round = 0; round < 40; ++round) {
            QProcess writer;
            writer.start(PROFILE_WRITER, { file, "churn" });
            QVERIFY(writer.waitForStarted());
            // The kill lands at a random moment in the middle of the writer's loop.
            QThread::usleep(2000 + random.bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            for (int i = 0; i < 50; ++i)
                QCOMPARE(ReadProfileString(file, "S", "F" + QString::number(i)), QString(i + 1, QLatin1Char('f')));
            // Each writer counts from 1; the value is absent only before any writer got that far.
            const QString counterText = ReadProfileString(file, "S", "counter");
            bool isNumber = false;
            const qint64 counter = counterText.toLongLong(&isNumber);
            QVERIFY2(isNumber ? counter > 0 : (counterText.isEmpty() && lastCounter == 0), qPrintable(counterText));
            lastCounter = std::max(lastCounter, counter);
            const QString pad = ReadProfileString(file, "S", "pad");
            QCOMPARE(pad, QString(pad.size(), QLatin1Char('p')));
            // The dead writer's lock is gone: this write would block otherwise.
            QVERIFY(WriteProfileString(file, "S", "parent", QString::number(round)));
        }
        QVERIFY(lastCounter > 0);
        QCOMPARE(ReadProfileString(file, "S", "parent"), QStringLiteral("39"));
        // Only the file itself, at most one temporary of the last killed writer beside it.
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() <= 2);
    }
};

QTEST_GUILESS_MAIN(TestProfileProcesses)
#include "test_profile_processes.moc"
