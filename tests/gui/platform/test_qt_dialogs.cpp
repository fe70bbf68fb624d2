#include "platform/colour.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kalmora::platform;

namespace
{

// Runs `act` on the dialog of type `Dialog` once it is shown modally (the calls under test block
// in exec()).
template <typename Dialog> void WhenShown(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

} // namespace

// The Qt dialogs behind the Dialogs interface, answered as a user would, and the font names of
// the programs resolving to installed fonts.
class TestQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void message()
    {
        QtDialogs dialogs;
        QString text;
        QString title;
        int buttons = 0;
        WhenShown<QMessageBox>([&](QMessageBox *box) {
            text = box->text();
            title = box->windowTitle();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message(nullptr, QStringLiteral("画像が読み込めません"), QStringLiteral("エラー"));
        QCOMPARE(text, QStringLiteral("画像が読み込めません"));
        QCOMPARE(title, QStringLiteral("エラー"));
        QCOMPARE(buttons, 1);
    }

    void input_data()
    {
        // clang-format off
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("OK") << true << QStringLiteral("空豆商店");
        QTest::newRow("Cancel") << false << QString();
        // clang-format on
    }
    void input()
    {
        QFETCH(bool, accept);
        QFETCH(QString, expected);
        QtDialogs dialogs;
        QString prompt;
        QString title;
        QString shownDefault;
        WhenShown<QInputDialog>([&](QInputDialog *dialog) {
            prompt = dialog->labelText();
            title = dialog->windowTitle();
            shownDefault = dialog->textValue();
            dialog->setTextValue(QStringLiteral("空豆商店"));
            accept ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(dialogs.input(nullptr, QStringLiteral("名前を入力"), QStringLiteral("登録"), QStringLiteral("x")),
            expected);
        QCOMPARE(prompt, QStringLiteral("名前を入力"));
        QCOMPARE(title, QStringLiteral("登録"));
        QCOMPARE(shownDefault, QStringLiteral("x"));
    }

    void openFile()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath("photo.jpg");
        {
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList modelFilters;
        QtDialogs dialogs;
        QStringList filters;
        QString selectedFilter;
        QString title;
        QString folder;
        WhenShown<QFileDialog>([&](QFileDialog *dialog) {
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath();
            if (auto *model = dialog->findChild<QFileSystemModel *>())
                modelFilters = model->nameFilters();
            dialog->selectFile(picture);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString chosen = dialogs.openFile(nullptr, QStringLiteral("画像を開く"),
            { QStringLiteral("画像ﾌｧｲﾙ (*.bmp;*.gif;*.jpg;*.ico)"), QStringLiteral("*.bmp;*.gif;*.jpg;*.ico"),
                QStringLiteral("すべて"), QStringLiteral("*.*") },
            dir.path());
        QCOMPARE(chosen, picture);
        // The captions stay exactly as given, while the files are filtered by the given patterns.
        QCOMPARE(
            filters, QStringList({ QStringLiteral("画像ﾌｧｲﾙ (*.bmp;*.gif;*.jpg;*.ico)"), QStringLiteral("すべて") }));
        QCOMPARE(modelFilters, QStringList({ "*.bmp", "*.gif", "*.jpg", "*.ico" }));
        QCOMPARE(selectedFilter, filters.first());
        QCOMPARE(title, QStringLiteral("画像を開く"));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    void openFileCancelled()
    {
        QtDialogs dialogs;
        WhenShown<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        QCOMPARE(dialogs.openFile(nullptr, "t", { "a", "*.bmp" }, QString()), QString());
    }

    void chooseColour_data()
    {
        // clang-format off
        QTest::addColumn<bool>("accept");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("OK") << true << qint64(Bgr(0x12, 0x34, 0x56));
        QTest::newRow("Cancel") << false << qint64(-1);
        // clang-format on
    }
    void chooseColour()
    {
        QFETCH(bool, accept);
        QFETCH(qint64, expected);
        // A custom colour chosen earlier does not survive to the next opening.
        QColorDialog::setCustomColor(3, Qt::red);
        QtDialogs dialogs;
        QColor shown;
        QList<QColor> custom;
        WhenShown<QColorDialog>([&](QColorDialog *dialog) {
            shown = dialog->currentColor();
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                custom << QColorDialog::customColor(i);
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            accept ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(dialogs.chooseColour(nullptr, Bgr(255, 0, 0)), expected);
        QCOMPARE(shown, QColor(255, 0, 0));
        QCOMPARE(custom, QList<QColor>(16, QColor(Qt::white)));
    }

    void fontSubstitutions_data()
    {
        // clang-format off
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("family");
        QTest::newRow("gothic") << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("IPAGothic");
        QTest::newRow("proportional gothic") << QStringLiteral("ＭＳ Ｐゴシック") << QStringLiteral("IPAPGothic");
        QTest::newRow("proportional mincho") << QStringLiteral("ＭＳ Ｐ明朝") << QStringLiteral("IPAPMincho");
        QTest::newRow("serif") << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
        // clang-format on
    }
    void fontSubstitutions()
    {
        QFETCH(QString, asked);
        QFETCH(QString, family);
        InstallFontSubstitutions();
        QCOMPARE(QFontInfo(QFont(asked, 12)).family(), family);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
