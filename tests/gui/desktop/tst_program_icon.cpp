// The programs' icon: the one an installed icon theme holds, else the copy built into the programs.

#include "platform/desktop_identity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kalmora::platform;

class TestProgramIcon : public QObject
{
    Q_OBJECT

private:
    QStringList m_searchPaths;

    static QRgb centreOf(const QIcon &icon)
    {
        const QImage image = icon.pixmap(QSize(48, 48)).toImage();
        return image.isNull() ? 0 : image.pixel(24, 24);
    }

private slots:
    void initTestCase() { m_searchPaths = QIcon::themeSearchPaths(); }
    void cleanup() { QIcon::setThemeSearchPaths(m_searchPaths); }

    void desktopIds()
    {
        QCOMPARE(DesktopId(Program::Viewer), QStringLiteral("io.github.kalmora.Viewer"));
        QCOMPARE(DesktopId(Program::Maker), QStringLiteral("io.github.kalmora.Maker"));
    }

    void builtInIconWithoutAnInstalledTheme()
    {
        QTemporaryDir empty;
        QIcon::setThemeSearchPaths({ empty.path() });
        for (Program program : { Program::Viewer, Program::Maker }) {
            const QIcon icon = ProgramIcon(program);
            QVERIFY(!icon.isNull());
            // Every size the menus and task switchers ask for, from 16 up.
            for (int size : { 16, 32, 48, 256 })
                QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
        }
        // The two programs are told apart.
        QVERIFY(ProgramIcon(Program::Viewer).pixmap(QSize(48, 48)).toImage()
            != ProgramIcon(Program::Maker).pixmap(QSize(48, 48)).toImage());
    }

    void installedThemeIconWins()
    {
        // An icon theme laid out as the install lays it out, holding a plain magenta viewer icon.
        QTemporaryDir icons;
        const QString apps = icons.filePath(QStringLiteral("hicolor/48x48/apps"));
        QVERIFY(QDir().mkpath(apps));
        QFile index(icons.filePath(QStringLiteral("hicolor/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nType=Fixed\n");
        index.close();
        QImage magenta(48, 48, QImage::Format_ARGB32);
        magenta.fill(qRgb(255, 0, 255));
        QVERIFY(magenta.save(apps + QStringLiteral("/io.github.kalmora.Viewer.png")));

        QIcon::setThemeSearchPaths({ icons.path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
        QCOMPARE(centreOf(ProgramIcon(Program::Viewer)), qRgb(255, 0, 255));
        // The maker's icon is not in that theme: its own copy is used.
        QVERIFY(!ProgramIcon(Program::Maker).isNull());
        QVERIFY(centreOf(ProgramIcon(Program::Maker)) != qRgb(255, 0, 255));
    }

    void identityIsSetForTheApplication()
    {
        SetUpDesktopIdentity(Program::Maker);
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.kalmora.Maker"));
        QVERIFY(!QGuiApplication::windowIcon().isNull());
    }
};

QTEST_MAIN(TestProgramIcon)
#include "tst_program_icon.moc"
