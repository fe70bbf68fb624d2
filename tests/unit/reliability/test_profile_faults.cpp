// Profile writes under faults: a writer killed at random moments, a full file system, a
// read-only one. Whatever happens, the file on disk reads, holds every key, and holds only values
// that were written.

#include "platform/profile_file.h"
#include "store/app_files.h"
#include "store/project_settings.h"
#include "support/tmpfs_mount.h"
#include "writer_plan.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace kalmora::reliability;
using kalmora::platform::ReadProfileString;
using kalmora::platform::WriteProfileString;
using kalmora::testsupport::TmpfsMount;

namespace
{

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files in `folder` whose names start with a dot: a writer's temporary files.
QStringList HiddenFiles(const QString &folder)
{
    QStringList hidden;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(u'.'))
            hidden.append(name);
    }
    return hidden;
}

} // namespace

class TestProfileFaults : public QObject
{
    Q_OBJECT

private slots:
    // A writer is killed with SIGKILL at random moments until it has done a thousand writes
    // across its lives. After each kill the project file must read, hold all ten keys and a key
    // of another section, and each value must be the last one acknowledged for its key or the one
    // that was being written.
    void killedWriterLeavesWholeFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString appDir = dir.path();
        const QString path = kalmora::store::ProjectFilePath(appDir, kProjectName);
        const QList<KeyRef> keys = KeysOf(Writer::ProjectCycle);
        // Rounds 0 to 9 give every key its first value; the writer goes on from round 10.
        QList<int> acknowledged;
        for (int k = 0; k < keys.size(); ++k) {
            QVERIFY(kalmora::store::WriteProjectValue(
                appDir, kProjectName, keys[k].section, keys[k].key, PlannedValue(Writer::ProjectCycle, k, k)));
            acknowledged.append(k);
        }
        QVERIFY(WriteProfileString(path, QStringLiteral("Memo"), QStringLiteral("note"), QStringLiteral("そのまま")));
        const int lineCount = ReadBytes(path).count('\n');

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        constexpr int kEnd = 1010;
        int next = 10;
        int kills = 0;
        int files = 0;
        int keysChecked = 0;
        int leftovers = 0;
        int halfDone = 0;
        while (next < kEnd) {
            QProcess writer;
            writer.start(QStringLiteral(KALMORA_PROFILE_WRITER),
                { appDir, WriterName(Writer::ProjectCycle), QString::number(next), QString::number(kEnd) });
            QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
            // Timed from the writer's first write, anywhere in its next few writes.
            QVERIFY(writer.waitForReadyRead(10000));
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(0, 3000)));
            if (writer.state() == QProcess::Running && ::kill(pid_t(writer.processId()), SIGKILL) == 0)
                ++kills;
            QVERIFY(writer.waitForFinished(10000));

            const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
            int done = next - 1;
            for (const QByteArray &line : lines) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() == 2) {
                    done = fields[0].toInt();
                    acknowledged[fields[1].toInt()] = done;
                }
            }
            const int inFlight = done + 1;
            next = inFlight;

            ++files;
            QCOMPARE(ReadBytes(path).count('\n'), lineCount);
            QCOMPARE(
                ReadProfileString(path, QStringLiteral("Memo"), QStringLiteral("note")), QStringLiteral("そのまま"));
            for (int k = 0; k < keys.size(); ++k) {
                const QString value = ReadProfileString(path, keys[k].section, keys[k].key);
                const std::optional<int> round = RoundOf(Writer::ProjectCycle, k, value);
                QVERIFY2(round, qPrintable(QStringLiteral("%1 reads <%2>").arg(keys[k].key, value)));
                QVERIFY2(*round >= acknowledged[k] && *round <= inFlight,
                    qPrintable(QStringLiteral("%1 reads round %2, acknowledged %3, in flight %4 (seed %5)")
                                   .arg(keys[k].key)
                                   .arg(*round)
                                   .arg(acknowledged[k])
                                   .arg(inFlight)
                                   .arg(seed)));
                ++keysChecked;
            }
            // A temporary file left by a killed writer is hidden and never listed as a project.
            const int hidden = int(HiddenFiles(kalmora::store::ProjectFolder(appDir)).size());
            leftovers = std::max(leftovers, hidden);
            // The next write clears what a killed writer left, so a temporary file now is this
            // kill's: it caught a write half-done.
            if (hidden > 0)
                ++halfDone;
            QCOMPARE(kalmora::store::ListProjectNames(appDir), QStringList { kProjectName });
        }
        QVERIFY2(kills >= 20, qPrintable(QStringLiteral("only %1 kills").arg(kills)));
        qInfo("counts: killed writer: %d processes killed at random moments during %d writes, %d of them in the middle "
              "of "
              "a write; %d files checked, %d keys checked; at most %d temporary files of killed writers beside it "
              "(random seed %u)",
            kills, kEnd - 10, halfDone, files, keysChecked, leftovers, seed);
    }

    // A write into a full file system fails and leaves the file as it was; as space comes free
    // again, writes succeed. Space is freed a kilobyte at a time so that writes meet every
    // amount of room between none and enough.
    void fullFileSystem()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString appDir = dir.filePath(QStringLiteral("app"));
        const QByteArray options = "size=64k,mode=0755";
        TmpfsMount mount(appDir, options);
        if (!mount.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1): the full file system is not tested")
                                 .arg(mount.error())));

        const QString project = kalmora::store::ProjectFilePath(appDir, kProjectName);
        const QString ini = kalmora::store::IniPath(appDir);
        const QList<KeyRef> projectKeys = KeysOf(Writer::ProjectMaker);
        const QList<KeyRef> iniKeys = KeysOf(Writer::IniViewer);
        for (int k = 0; k < projectKeys.size(); ++k)
            QVERIFY(kalmora::store::WriteProjectValue(appDir, kProjectName, projectKeys[k].section, projectKeys[k].key,
                PlannedValue(Writer::ProjectMaker, k, 0)));
        for (int k = 0; k < iniKeys.size(); ++k)
            QVERIFY(kalmora::store::WriteIni(
                appDir, iniKeys[k].section, iniKeys[k].key, PlannedValue(Writer::IniViewer, k, 0)));

        // Fill every byte that is left.
        const QByteArray fillerPath = QFile::encodeName(appDir + QStringLiteral("/filler"));
        const int filler = ::open(fillerPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(filler >= 0);
        const QByteArray block(1024, 'x');
        off_t filled = 0;
        for (;;) {
            const ssize_t n = ::write(filler, block.constData(), size_t(block.size()));
            if (n <= 0)
                break;
            filled += n;
        }
        QCOMPARE(errno, ENOSPC);

        // The values grow with each try, so that every write needs more room than the last.
        int faults = 0;
        int successes = 0;
        int filesChecked = 0;
        for (int step = 0; step < 64 && filled > 0 && successes < 4; ++step) {
            const QString longValue = QString(1500 + 100 * step, u'7');
            struct Target {
                QString path;
                QString section, key;
                std::function<bool()> write;
            };
            const QList<Target> targets = {
                { project, QStringLiteral("Settings"), QStringLiteral("CXX"),
                    [&] {
                        return kalmora::store::WriteProjectValue(
                            appDir, kProjectName, QStringLiteral("Settings"), QStringLiteral("CXX"), longValue);
                    } },
                { ini, QStringLiteral("Settings"), QStringLiteral("LastName"),
                    [&] {
                        return kalmora::store::WriteIni(
                            appDir, QStringLiteral("Settings"), QStringLiteral("LastName"), longValue);
                    } },
            };
            for (const Target &t : targets) {
                const QByteArray before = ReadBytes(t.path);
                if (t.write()) {
                    ++successes;
                    QCOMPARE(ReadProfileString(t.path, t.section, t.key), longValue.left(510));
                } else {
                    ++faults;
                    QCOMPARE(ReadBytes(t.path), before);
                }
                ++filesChecked;
                QCOMPARE(HiddenFiles(QFileInfo(t.path).absolutePath()), QStringList());
            }
            // Every other key still reads as first written.
            for (int k = 0; k < projectKeys.size(); ++k) {
                if (projectKeys[k].key != QLatin1String("CXX"))
                    QCOMPARE(ReadProfileString(project, projectKeys[k].section, projectKeys[k].key),
                        PlannedValue(Writer::ProjectMaker, k, 0));
            }
            for (int k = 1; k < iniKeys.size(); ++k)
                QCOMPARE(
                    ReadProfileString(ini, iniKeys[k].section, iniKeys[k].key), PlannedValue(Writer::IniViewer, k, 0));
            filled = std::max<off_t>(0, filled - 1024);
            QCOMPARE(::ftruncate(filler, filled), 0);
        }
        ::close(filler);
        QVERIFY2(faults > 0, "no write met a full file system");
        QVERIFY2(successes > 0, "no write succeeded once space came free");
        qInfo("counts: full file system: %d writes failed for want of space (each left its file whole), %d succeeded "
              "as space "
              "came free; %d files checked",
            faults, successes, filesChecked);
    }

    // On a read-only file system every write fails and changes nothing; what was there reads on.
    void readOnlyFileSystem()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString appDir = dir.filePath(QStringLiteral("app"));
        const QByteArray options = "size=256k,mode=0755";
        TmpfsMount mount(appDir, options);
        if (!mount.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1): the read-only file system is not tested")
                                 .arg(mount.error())));
        QVERIFY(kalmora::store::WriteProjectValue(
            appDir, kProjectName, QStringLiteral("Settings"), QStringLiteral("VXX"), QStringLiteral("120")));
        QVERIFY(kalmora::store::WriteIni(
            appDir, QStringLiteral("Settings"), QStringLiteral("FIX"), QStringLiteral("TRUE")));
        QVERIFY(mount.setReadOnly(true));

        QVERIFY(!kalmora::store::WriteProjectValue(
            appDir, kProjectName, QStringLiteral("Settings"), QStringLiteral("VXX"), QStringLiteral("240")));
        QVERIFY(!kalmora::store::WriteProjectValue(
            appDir, QStringLiteral("新しい"), QStringLiteral("Settings"), QStringLiteral("PKA"), QStringLiteral("1")));
        QVERIFY(!kalmora::store::WriteIni(
            appDir, QStringLiteral("Settings"), QStringLiteral("FIX"), QStringLiteral("FALSE")));
        QCOMPARE(
            kalmora::store::ReadProjectValue(appDir, kProjectName, QStringLiteral("Settings"), QStringLiteral("VXX")),
            QStringLiteral("120"));
        QCOMPARE(
            kalmora::store::ReadIni(appDir, QStringLiteral("Settings"), QStringLiteral("FIX")), QStringLiteral("TRUE"));
        QCOMPARE(kalmora::store::ListProjectNames(appDir), QStringList { kProjectName });
        QVERIFY(mount.setReadOnly(false));
    }
};

QTEST_GUILESS_MAIN(TestProfileFaults)
#include "test_profile_faults.moc"
