// kalmora_e2e_backdrop X Y WIDTH HEIGHT COLOUR [TITLE]: an ordinary decorated window of one colour
// whose client area stands at X, Y with the given size.
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return 2;
    QWidget window;
    window.setWindowTitle(args.size() > 6 ? args.at(6) : QStringLiteral("backdrop"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(args.at(5)));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setGeometry(args.at(1).toInt(), args.at(2).toInt(), args.at(3).toInt(), args.at(4).toInt());
    window.show();
    return app.exec();
}
