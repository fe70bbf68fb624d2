// The viewer on a screen with twice the pixels (QT_SCALE_FACTOR=2): window, shape and picture grow
// together, so the cut-out still frames the picture, and the place stored in twips (1/1440 inch of
// logical size) stays the same logical place.

#include "temp_app_folder.h"
#include "x_session.h"

#include "store/app_files.h"

#include <QTest>

using namespace kalmora;
using kalmora::e2e::TempAppFolder;
using kalmora::e2e::XSession;

namespace
{

const QString kDefaultProject = QStringLiteral("空豆商店");
const QRgb kRootWhite = qRgb(255, 255, 255); // the harness's root window, seen where the shape cuts the window away

struct Shot {
    QRect geometry;
    QImage pixels;
};

} // namespace

class TestHiDpiE2e : public QObject
{
    Q_OBJECT

private:
    XSession m_session;

    Shot showViewer(const TempAppFolder &app, const QString &scale)
    {
        QProcess *viewer = m_session.launch(QStringLiteral("env"),
            { QStringLiteral("QT_SCALE_FACTOR=") + scale, app.programPath(QStringLiteral("KALMORAV")) }, app.path());
        if (viewer == nullptr)
            return {};
        Shot shot;
        if (const std::optional<quint64> window = m_session.waitForViewableWindow(viewer->processId())) {
            QTest::qWait(500); // the first paint after mapping
            shot.geometry = m_session.windowGeometry(*window);
            shot.pixels = m_session.screenshot().copy(shot.geometry);
        }
        viewer->terminate();
        if (!viewer->waitForFinished(5000))
            viewer->kill();
        viewer->waitForFinished(2000);
        return shot;
    }

private slots:
    void initTestCase()
    {
        const QStringList missing = e2e::MissingXTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("missing X tools: ") + missing.join(QLatin1Char(' '))));
        QString error;
        QVERIFY2(m_session.start(&error, QSize(1280, 1024)), qPrintable(error));
    }

    void shapePictureAndPlaceScaleTogether_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("heart") << 0;
        QTest::newRow("rounded square") << 1;
        QTest::newRow("star") << 4;
        QTest::newRow("small circle") << 7;
    }
    void shapePictureAndPlaceScaleTogether()
    {
        QFETCH(int, shape);
        TempAppFolder app;
        QString error;
        QVERIFY2(app.populate(&error), qPrintable(error));
        const QString settings = QStringLiteral("Settings");
        QVERIFY(store::WriteProjectValue(app.path(), kDefaultProject, settings, "PKA", QString::number(shape)));
        QVERIFY(store::WriteProjectValue(app.path(), kDefaultProject, settings, "VXX", "1500"));
        QVERIFY(store::WriteProjectValue(app.path(), kDefaultProject, settings, "VYY", "900"));

        const Shot one = showViewer(app, QStringLiteral("1"));
        const Shot two = showViewer(app, QStringLiteral("2"));
        QVERIFY2(!one.pixels.isNull() && !two.pixels.isNull(), "the viewer's window did not appear");

        // 1500, 900 twips are 100, 60 logical pixels at 96 DPI: 200, 120 screen pixels at ratio 2.
        QCOMPARE(one.geometry.topLeft(), QPoint(100, 60));
        QCOMPARE(two.geometry.topLeft(), QPoint(200, 120));
        QCOMPARE(two.geometry.size(), one.geometry.size() * 2);

        // Each pixel of the window at ratio 1 is cut away (root white shows) or not exactly where
        // its 2 x 2 block at ratio 2 is.
        int cutAway = 0;
        int mismatches = 0;
        for (int y = 0; y < one.pixels.height(); ++y) {
            for (int x = 0; x < one.pixels.width(); ++x) {
                const bool outside = one.pixels.pixel(x, y) == kRootWhite;
                cutAway += outside ? 1 : 0;
                const bool outsideTwo = two.pixels.pixel(2 * x, 2 * y) == kRootWhite
                    && two.pixels.pixel(2 * x + 1, 2 * y + 1) == kRootWhite;
                mismatches += outside != outsideTwo ? 1 : 0;
            }
        }
        QVERIFY2(cutAway > 0, "nothing of the window is cut away at ratio 1");
        // Exact white inside the picture may blur a little when the picture is scaled up.
        const int total = one.pixels.width() * one.pixels.height();
        QVERIFY2(mismatches * 200 < total,
            qPrintable(
                QStringLiteral("%1 of %2 pixels differ in shape between ratio 1 and 2").arg(mismatches).arg(total)));
    }
};

QTEST_GUILESS_MAIN(TestHiDpiE2e)
#include "tst_hidpi_e2e.moc"
