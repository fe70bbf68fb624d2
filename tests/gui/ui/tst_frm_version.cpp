// The shared version dialog: captions, fonts and places from twips, nothing clipped, Enter closes it,
// centred on the screen.
#include "platform/fonts.h"
#include "ui/frm_version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using kalmora::ui::frm_Version;

class TestFrmVersion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { kalmora::platform::InstallFontSubstitutions(); }

    void captionsAndPlaces_data()
    {
        QTest::addColumn<QString>("programName");
        QTest::newRow("viewer") << QStringLiteral("かるもら～表示");
        QTest::newRow("maker") << QStringLiteral("かるもら～作成");
    }
    void captionsAndPlaces()
    {
        QFETCH(QString, programName);
        QPixmap iconPixmap(32, 32);
        iconPixmap.fill(Qt::red);
        frm_Version dialog(programName, QIcon(iconPixmap), nullptr, { 15, 15 });

        QCOMPARE(dialog.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(dialog.size(), QSize(263, 75)); // 3945 x 1125 twips at 15 twips per pixel
        QCOMPARE(dialog.Label2(0)->text(), programName);
        QCOMPARE(dialog.Label2(1)->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(dialog.Command1()->text(), QStringLiteral("OK"));
        QVERIFY(dialog.Command1()->isDefault());
        QCOMPARE(dialog.Image1()->geometry(), QRect(7, 13, 32, 32));
        QCOMPARE(dialog.Image1()->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
        QCOMPARE(dialog.Command1()->geometry(), QRect(205, 8, 53, 23));
        QVERIFY(!dialog.windowIcon().isNull());

        QCOMPARE(dialog.Label2(0)->font().family(), QStringLiteral("ＭＳ Ｐ明朝"));
        QVERIFY(dialog.Label2(0)->font().bold());
        QCOMPARE(dialog.Label2(0)->font().pointSizeF(), 9.75);
        QCOMPARE(dialog.Label2(1)->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(dialog.Command1()->font().pointSizeF(), 9.0);

        // Each label starts at its designed place and is at least as large as its text needs.
        QCOMPARE(dialog.Label2(0)->pos(), QPoint(59, 14));
        QCOMPARE(dialog.Label2(1)->pos(), QPoint(101, 35));
        for (int i = 0; i < 2; ++i) {
            const QLabel *label = dialog.Label2(i);
            QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                qPrintable(label->text()));
            QVERIFY(dialog.rect().contains(label->geometry()));
        }
    }

    void etchedRuleAcrossTheDialog()
    {
        frm_Version dialog(QStringLiteral("かるもら～表示"), QIcon(), nullptr, { 15, 15 });
        const QImage image = dialog.grab().toImage();
        // White at 870 twips (row 58), the window-text colour two pixels wide below it (rows 59-60).
        for (int x : { 0, 130, 262 }) {
            QCOMPARE(image.pixelColor(x, 58), QColor(Qt::white));
            QCOMPARE(image.pixelColor(x, 59), dialog.palette().color(QPalette::WindowText));
            QCOMPARE(image.pixelColor(x, 60), dialog.palette().color(QPalette::WindowText));
        }
        QVERIFY(image.pixelColor(130, 62) != QColor(Qt::white));
    }

    void enterPressesOkAndTheDialogIsCentred()
    {
        frm_Version dialog(QStringLiteral("かるもら～表示"), QIcon(), nullptr, { 15, 15 });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = dialog.frameGeometry();
        QCOMPARE(frame.left(), (screen.width() - frame.width()) / 2);
        QCOMPARE(frame.top(), (screen.height() - frame.height()) / 2);

        QTest::keyClick(&dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestFrmVersion)
#include "tst_frm_version.moc"
