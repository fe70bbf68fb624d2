// The programs as a user gets them from `cmake --install` (or the Debian package): in a folder the
// user cannot write to, started through the launchers in bin/. Their shared files then go to the
// user's data folder, which the first start makes and gives the default calendar; a calendar made
// with the maker lands there and the viewer offers it.
//
// Tests may run as root, whom permission bits do not stop. Then the programs run as the user
// "nobody" (setpriv), for whom the root-owned install is read-only, as it is for every user of a
// system-wide install. As any other user the install folder is made read-only with chmod.

#include "temp_app_folder.h"
#include "x_session.h"

#include "store/app_files.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

using namespace kalmora;
using kalmora::e2e::WaitUntil;
using kalmora::e2e::XSession;

namespace
{

const QString kDefaultProject = QStringLiteral("空豆商店");
const QString kNewProject = QStringLiteral("trip");

bool RunCommand(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool done = process.waitForStarted(10000) && process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll());
    return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool ChownTree(const QString &path, uid_t uid, gid_t gid)
{
    if (::chown(QFile::encodeName(path).constData(), uid, gid) != 0)
        return false;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (::lchown(QFile::encodeName(it.next()).constData(), uid, gid) != 0)
            return false;
    }
    return true;
}

} // namespace

class TestInstalledE2e : public QObject
{
    Q_OBJECT

private:
    XSession m_session;
    QTemporaryDir m_root;
    QString m_prefix;
    QString m_appDir; // <prefix>/lib/kalmora
    QString m_home;
    QString m_userFolder; // what the programs should use: ~/.local/share/kalmora
    bool m_asNobody = false;
    uid_t m_uid = 0;
    gid_t m_gid = 0;

    // Runs an installed launcher as the test user with HOME in the temporary folder, the variables
    // named in `unset` removed and the "NAME=value" settings of `set` added.
    QProcess *launch(const QString &launcher, const QStringList &unset, const QStringList &set)
    {
        QStringList args;
        QString program = QStringLiteral("env");
        if (m_asNobody) {
            program = QStringLiteral("setpriv");
            args << QStringLiteral("--reuid=%1").arg(m_uid) << QStringLiteral("--regid=%1").arg(m_gid)
                 << QStringLiteral("--clear-groups") << QStringLiteral("env");
        }
        // Nothing of the test runner's own user may leak in.
        const QStringList removed = QStringList {
            QStringLiteral("XDG_DATA_HOME"), QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("XDG_CACHE_HOME")
        } + unset;
        for (const QString &name : removed)
            args << QStringLiteral("-u") << name;
        args << QStringLiteral("HOME=%1").arg(m_home)
             << QStringLiteral("XDG_RUNTIME_DIR=%1").arg(m_root.filePath(QStringLiteral("runtime")));
        args << set << QDir(m_prefix).filePath(QStringLiteral("bin/") + launcher);
        // setpriv, env and the launcher each replace themselves with the next program, so the
        // process id is the program's: its windows are found by it.
        return m_session.launch(program, args, m_home);
    }

    void stop(QProcess *process)
    {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
        process->waitForFinished(2000);
    }

    QString lastName() const
    {
        return store::ReadIni(m_userFolder, QStringLiteral("Settings"), QStringLiteral("LastName"));
    }

private slots:
    void initTestCase()
    {
        const QStringList missing = e2e::MissingXTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("missing X tools: ") + missing.join(QLatin1Char(' '))));
        QVERIFY(m_root.isValid());

        m_prefix = m_root.filePath(QStringLiteral("prefix"));
        QString output;
        QVERIFY2(RunCommand(QStringLiteral(KALMORA_CMAKE_COMMAND),
                     { QStringLiteral("--install"), QStringLiteral(KALMORA_BUILD_DIR), QStringLiteral("--prefix"),
                         m_prefix },
                     &output),
            qPrintable(output));
        m_appDir = QDir(m_prefix).filePath(QStringLiteral("lib/kalmora"));
        for (const QString &file : { QStringLiteral("lib/kalmora/KALMORAV"), QStringLiteral("lib/kalmora/KALMORAM"),
                 QStringLiteral("lib/kalmora/kalmora-installed"), QStringLiteral("lib/kalmora/cprj/空豆商店.cpj"),
                 QStringLiteral("lib/kalmora/pict/空豆商店.bmp"), QStringLiteral("bin/kalmorav"),
                 QStringLiteral("bin/kalmoram"), QStringLiteral("share/applications/io.github.kalmora.Viewer.desktop"),
                 QStringLiteral("share/applications/io.github.kalmora.Maker.desktop"),
                 QStringLiteral("share/icons/hicolor/scalable/apps/io.github.kalmora.Viewer.svg"),
                 QStringLiteral("share/icons/hicolor/48x48/apps/io.github.kalmora.Maker.png"),
                 QStringLiteral("share/metainfo/io.github.kalmora.Viewer.metainfo.xml"),
                 QStringLiteral("share/kalmora/autostart/io.github.kalmora.Viewer.desktop") }) {
            QVERIFY2(QFileInfo::exists(QDir(m_prefix).filePath(file)), qPrintable(file + " was not installed"));
        }

        m_home = m_root.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(m_home));
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("runtime"))));
        QFile::setPermissions(m_root.filePath(QStringLiteral("runtime")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_userFolder = m_home + QStringLiteral("/.local/share/kalmora");

        // A photo for the maker, in the user's home.
        QImage photo(480, 360, QImage::Format_RGB32);
        QPainter painter(&photo);
        painter.fillRect(QRect(0, 0, 480, 200), QColor(120, 190, 255));
        painter.fillRect(QRect(0, 200, 480, 160), QColor(70, 160, 70));
        painter.end();
        QVERIFY(photo.save(QDir(m_home).filePath(QStringLiteral("photo.jpg")), "JPEG"));

        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            QVERIFY2(nobody != nullptr, "there is no user nobody to run the programs as");
            m_asNobody = true;
            m_uid = nobody->pw_uid;
            m_gid = nobody->pw_gid;
            // The install stays root's; the user gets a home and a runtime folder, and a way in.
            QVERIFY(QFile::setPermissions(m_root.path(),
                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                    | QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup));
            QVERIFY(ChownTree(m_home, m_uid, m_gid));
            QVERIFY(ChownTree(m_root.filePath(QStringLiteral("runtime")), m_uid, m_gid));
        } else {
            QVERIFY2(
                RunCommand(QStringLiteral("chmod"), { QStringLiteral("-R"), QStringLiteral("a-w"), m_appDir }, &output),
                qPrintable(output));
        }

        QString error;
        QVERIFY2(m_session.start(&error), qPrintable(error));
    }

    void cleanupTestCase()
    {
        m_session.stop();
        // Give the folders back so that the temporary folder can be removed.
        if (!m_asNobody && !m_appDir.isEmpty()) {
            QString output;
            RunCommand(QStringLiteral("chmod"), { QStringLiteral("-R"), QStringLiteral("u+w"), m_appDir }, &output);
        }
    }

    // The first start, in what looks like a Wayland session (no Qt platform chosen, a Wayland
    // socket named, no compositor behind it): the viewer comes up on the X server, makes the user's
    // folder with the default calendar and remembers it there.
    void firstViewerStartMakesTheUserFolder()
    {
        QProcess *viewer = launch(QStringLiteral("kalmorav"), { "QT_QPA_PLATFORM" },
            { "XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=kalmora-test-no-compositor" });
        QVERIFY(viewer);
        const std::optional<quint64> window = m_session.waitForViewableWindow(viewer->processId());
        QVERIFY2(window, "the installed viewer's window did not appear");

        QVERIFY(QFileInfo(m_userFolder + "/cprj/" + kDefaultProject + ".cpj").isFile());
        QVERIFY(QFileInfo(m_userFolder + "/pict/" + kDefaultProject + ".bmp").isFile());
        QTRY_COMPARE(lastName(), kDefaultProject);
        QVERIFY(!QFileInfo::exists(m_appDir + "/KALMORA.ini"));

        // The desktop can tell which menu entry the window belongs to (by its class, as the entry's
        // StartupWMClass says) and shows the program's icon.
        QString windowClass;
        m_session.runTool(QStringLiteral("xprop"),
            { QStringLiteral("-id"), QString::number(*window), QStringLiteral("WM_CLASS") }, &windowClass);
        QVERIFY2(windowClass.contains(QStringLiteral("\"KALMORAV\"")), qPrintable(windowClass));
        QFile entry(QDir(m_prefix).filePath(QStringLiteral("share/applications/io.github.kalmora.Viewer.desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nStartupWMClass=KALMORAV\n"));
        QString icon;
        m_session.runTool(QStringLiteral("xprop"),
            { QStringLiteral("-id"), QString::number(*window), QStringLiteral("_NET_WM_ICON") }, &icon);
        QVERIFY2(icon.contains(QStringLiteral("CARDINAL")), "the viewer's window has no icon");
        stop(viewer);
    }

    // The maker, started the same way (this time with XDG_DATA_HOME set, naming the same folder),
    // registers a calendar into the user's folder.
    void makerWritesItsProjectsThere()
    {
        QProcess *maker
            = launch(QStringLiteral("kalmoram"), {}, { QStringLiteral("XDG_DATA_HOME=%1/.local/share").arg(m_home) });
        QVERIFY(maker);
        // The settings dialog and, at its right, the main window; both carry the product caption.
        std::vector<QRect> windows;
        QVERIFY2(WaitUntil([&] {
            windows.clear();
            for (quint64 w : m_session.searchWindows(maker->processId(), QStringLiteral("^かるもら～$"))) {
                if (m_session.isViewable(w))
                    windows.push_back(m_session.windowGeometry(w));
            }
            return windows.size() >= 2;
        }),
            "the installed maker's windows did not appear");
        std::sort(windows.begin(), windows.end(), [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
        const QRect settings = windows.front();
        const QRect main = windows.back();

        // ﾌｧｲﾙ > 開く, then the file name into the open dialog.
        QVERIFY(m_session.mouseMove(main.topLeft() + QPoint(20, 10)));
        QVERIFY(m_session.click(1));
        QVERIFY(m_session.key(QStringLiteral("Down")));
        QVERIFY(m_session.key(QStringLiteral("Return")));
        QVERIFY2(m_session.waitForViewableWindow(maker->processId(), QStringLiteral("画像ファイルを開く")),
            "the open dialog did not appear");
        QVERIFY(m_session.type(QDir(m_home).filePath(QStringLiteral("photo.jpg"))));
        QVERIFY(m_session.key(QStringLiteral("Return")));
        QVERIFY2(WaitUntil([&] {
            return store::ReadIni(m_userFolder, QStringLiteral("Dir"), QStringLiteral("IN")) == m_home + "/";
        }),
            "the maker did not load the photo (or did not remember its folder in the user's folder)");

        // A rectangle of the photo, then "かれんだ～作成" (2505, 6300 twips in the settings dialog,
        // 1545 x 345 twips large), the name and the confirmation.
        QVERIFY(m_session.drag(main.topLeft() + QPoint(30, 50), main.topLeft() + QPoint(160, 200)));
        QTest::qWait(300);
        QVERIFY(m_session.mouseMove(settings.topLeft() + QPoint(167 + 51, 420 + 11)));
        QVERIFY(m_session.click(1));
        QVERIFY2(
            m_session.waitForViewableWindow(maker->processId(), QStringLiteral("^かるもら～$"), 5000) && WaitUntil([&] {
                int viewable = 0;
                for (quint64 w : m_session.searchWindows(maker->processId(), QStringLiteral("^かるもら～$")))
                    viewable += m_session.isViewable(w) ? 1 : 0;
                return viewable >= 2;
            }),
            "the name box did not appear");
        QTest::qWait(300);
        QVERIFY(m_session.key(QStringLiteral("ctrl+a")));
        QVERIFY(m_session.type(kNewProject));
        QVERIFY(m_session.key(QStringLiteral("Return")));
        QVERIFY2(WaitUntil([&] { return QFileInfo(m_userFolder + "/pict/" + kNewProject + ".bmp").size() > 0; }),
            "the maker did not write the picture into the user's folder");
        QVERIFY(QFileInfo(m_userFolder + "/cprj/" + kNewProject + ".cpj").isFile());
        QVERIFY(!QFileInfo::exists(m_appDir + "/cprj/" + kNewProject + ".cpj"));
        stop(maker);
    }

    // The viewer lists the new calendar in its favourites and shows it.
    void viewerOffersTheNewProject()
    {
        QProcess *viewer = launch(QStringLiteral("kalmorav"), {}, {});
        QVERIFY(viewer);
        const std::optional<quint64> window = m_session.waitForViewableWindow(viewer->processId());
        QVERIFY2(window, "the viewer's window did not appear");
        const QRect geometry = m_session.windowGeometry(*window);

        // お気に入り is the first item; "trip" sorts before "空豆商店".
        QVERIFY(m_session.mouseMove(geometry.center()));
        QVERIFY(m_session.click(3));
        QVERIFY2(m_session.waitForViewableWindow(viewer->processId(), {}, 5000, e2e::XSession::WindowKind::Popup),
            "the popup menu did not open");
        QVERIFY(m_session.key(QStringLiteral("Down")));
        QVERIFY(m_session.key(QStringLiteral("Right")));
        QTest::qWait(300);
        QVERIFY(m_session.key(QStringLiteral("Return")));
        QTRY_COMPARE_WITH_TIMEOUT(lastName(), kNewProject, 10000);
        stop(viewer);
    }
};

QTEST_GUILESS_MAIN(TestInstalledE2e)
#include "tst_installed_e2e.moc"
