// The maker and the viewer writing one file at the same moment, as two processes: the maker's
// ten keys of a project against the viewer's window position in it, and both programs' keys of
// KALMORA.ini. While they run, this process reads the file again and again.

#include "platform/profile_file.h"
#include "store/app_files.h"
#include "writer_plan.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kalmora::reliability;
using kalmora::platform::ReadProfileString;

Q_DECLARE_METATYPE(kalmora::reliability::Writer)

class TestTwoWriters : public QObject
{
    Q_OBJECT

private slots:
    void noKeyLost_data()
    {
        QTest::addColumn<Writer>("maker");
        QTest::addColumn<Writer>("viewer");
        QTest::addColumn<bool>("projectFile");
        QTest::newRow("project file") << Writer::ProjectMaker << Writer::ProjectViewer << true;
        QTest::newRow("KALMORA.ini") << Writer::IniMaker << Writer::IniViewer << false;
    }

    // Every read finds every key, with a value one of the writers wrote, and never an older one
    // than the last read found. At the end each key holds its last written value.
    void noKeyLost()
    {
        QFETCH(Writer, maker);
        QFETCH(Writer, viewer);
        QFETCH(bool, projectFile);

        // The writers sync every file they replace: on a memory-backed folder a thousand rounds
        // stay quick, and the two writers meet more often.
        QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                ? QStringLiteral("/dev/shm/kalmora-two-XXXXXX")
                : QDir::tempPath() + QStringLiteral("/kalmora-two-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString appDir = dir.path();
        const QString path
            = projectFile ? kalmora::store::ProjectFilePath(appDir, kProjectName) : kalmora::store::IniPath(appDir);
        constexpr int kRounds = 1000;

        // Each (writer, key) pair to check; a key both write is checked once, against both.
        struct Watched {
            KeyRef ref;
            QList<std::pair<Writer, int>> writers;
            int lastRound = -1;
        };
        QList<Watched> watched;
        for (Writer w : { maker, viewer }) {
            const QList<KeyRef> keys = KeysOf(w);
            for (int k = 0; k < keys.size(); ++k) {
                auto it = std::find_if(watched.begin(), watched.end(),
                    [&](const Watched &x) { return x.ref.section == keys[k].section && x.ref.key == keys[k].key; });
                if (it == watched.end())
                    watched.append({ keys[k], { { w, k } } });
                else
                    it->writers.append({ w, k });
            }
        }

        // Round 0 in this process, so that every key is there before the two start.
        int writes = 0;
        for (Writer w : { maker, viewer }) {
            QProcess writer;
            writer.start(QStringLiteral(KALMORA_PROFILE_WRITER), { appDir, WriterName(w), "0", "1" });
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitCode(), 0);
            writes += int(KeysOf(w).size());
        }

        QProcess makerProcess;
        QProcess viewerProcess;
        makerProcess.setStandardOutputFile(QProcess::nullDevice());
        viewerProcess.setStandardOutputFile(QProcess::nullDevice());
        makerProcess.start(
            QStringLiteral(KALMORA_PROFILE_WRITER), { appDir, WriterName(maker), "1", QString::number(kRounds + 1) });
        viewerProcess.start(
            QStringLiteral(KALMORA_PROFILE_WRITER), { appDir, WriterName(viewer), "1", QString::number(kRounds + 1) });
        QVERIFY(makerProcess.waitForStarted());
        QVERIFY(viewerProcess.waitForStarted());

        int reads = 0;
        int keysChecked = 0;
        const auto checkAll = [&](bool final) {
            ++reads;
            for (Watched &w : watched) {
                const QString value = ReadProfileString(path, w.ref.section, w.ref.key);
                std::optional<int> round;
                bool fromSingleWriter = w.writers.size() == 1;
                for (const auto &[writer, index] : w.writers) {
                    if (!round)
                        round = RoundOf(writer, index, value);
                }
                ++keysChecked;
                if (!round) {
                    QFile f(path);
                    f.open(QIODevice::ReadOnly);
                    return QStringLiteral("%1 reads <%2>, which no writer wrote (read %3) file: %4")
                        .arg(w.ref.key, value)
                        .arg(reads)
                        .arg(QString::fromUtf8(f.readAll()));
                }
                if (fromSingleWriter && *round < w.lastRound)
                    return QStringLiteral("%1 went back from round %2 to %3")
                        .arg(w.ref.key)
                        .arg(w.lastRound)
                        .arg(*round);
                if (fromSingleWriter)
                    w.lastRound = *round;
                if (final) {
                    bool isLast = false;
                    for (const auto &[writer, index] : w.writers)
                        isLast = isLast || value == PlannedValue(writer, index, kRounds);
                    if (!isLast)
                        return QStringLiteral("%1 ends as <%2>, not a last written value").arg(w.ref.key, value);
                }
            }
            return QString();
        };

        while (makerProcess.state() != QProcess::NotRunning || viewerProcess.state() != QProcess::NotRunning) {
            const QString problem = checkAll(false);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            makerProcess.waitForFinished(0);
            viewerProcess.waitForFinished(0);
        }
        QCOMPARE(makerProcess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(makerProcess.exitCode(), 0);
        QCOMPARE(viewerProcess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewerProcess.exitCode(), 0);
        writes += kRounds * int(KeysOf(maker).size() + KeysOf(viewer).size());
        const QString problem = checkAll(true);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        qInfo("counts: two writers, %s: %d writes from two processes (%d rounds each), %d reads meanwhile, %d keys "
              "checked, "
              "none lost",
            QTest::currentDataTag(), writes, kRounds, reads, keysChecked);
    }
};

QTEST_GUILESS_MAIN(TestTwoWriters)
#include "test_two_writers.moc"
