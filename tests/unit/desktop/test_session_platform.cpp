// Wayland sessions run the programs on their X server unless the user chose a Qt platform.

#include "platform/session_platform.h"

#include <QTest>

using namespace kalmora::platform;

class TestSessionPlatform : public QObject
{
    Q_OBJECT

private slots:
    void platformForSession_data()
    {
        QTest::addColumn<QByteArray>("qtPlatform");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("expected");
        // qtPlatform, WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY
        QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray(":0")
                                     << QByteArray();
        QTest::newRow("Wayland by socket")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray("xcb");
        QTest::newRow("Wayland by session type")
            << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1") << QByteArray("xcb");
        QTest::newRow("session type in capitals")
            << QByteArray() << QByteArray() << QByteArray("Wayland") << QByteArray(":1") << QByteArray("xcb");
        QTest::newRow("user chose wayland") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray("wayland")
                                            << QByteArray(":0") << QByteArray();
        QTest::newRow("user chose offscreen")
            << QByteArray("offscreen") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray();
        QTest::newRow("Wayland without XWayland")
            << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray() << QByteArray();
        QTest::newRow("no session at all")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }
    void platformForSession()
    {
        QFETCH(QByteArray, qtPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, expected);
        QCOMPARE(PlatformForSession({ qtPlatform, waylandDisplay, sessionType, display }), expected);
    }

    void setsTheEnvironmentOnlyWhenAsked()
    {
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qputenv("DISPLAY", ":0");
        PreferX11OnWayland();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));

        qputenv("QT_QPA_PLATFORM", "wayland");
        PreferX11OnWayland();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));

        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("XDG_SESSION_TYPE", "x11");
        PreferX11OnWayland();
        QVERIFY(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    }
};

QTEST_GUILESS_MAIN(TestSessionPlatform)
#include "test_session_platform.moc"
