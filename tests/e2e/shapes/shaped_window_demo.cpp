// shaped_window_demo INDEX X Y COLOUR [LOG]: a frameless window of one colour at X, Y, sized and cut
// to shape INDEX. Appends "pressed X Y" (window coordinates) to the file LOG for every mouse press
// it receives.

#include "platform/dialogs.h"
#include "platform/units.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>

namespace
{

class Window final : public QWidget
{
public:
    explicit Window(const QString &log)
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , m_log(log)
    {
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        QFile log(m_log);
        if (!m_log.isEmpty() && log.open(QIODevice::Append))
            log.write(QStringLiteral("pressed %1 %2\n").arg(p.x()).arg(p.y()).toUtf8());
    }

private:
    QString m_log;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return 2;
    using namespace kalmora;
    shapes::InitShapeRegions();
    platform::QtDialogs dialogs;
    Window window(args.size() > 5 ? args.at(5) : QString());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(args.at(4)));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.move(args.at(2).toInt(), args.at(3).toInt());
    const int index = args.at(1).toInt();
    shapes::SetShapeWindowSize(index, &window, platform::ScreenTwipsPerPixel());
    shapes::ApplyShapeRegion(index, &window, dialogs);
    window.show();
    return app.exec();
}
