// Shapes a window the way the test's first argument says and reports on standard output what it
// saw: the message shown, whether the code after the call ran, and whether a closing handler ran.
// Modes: ok, index-10, index-minus-1, bad-record, no-window.

#include "platform/dialogs.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <cstdio>

namespace
{

void Say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class PrintingDialogs final : public kalmora::platform::Dialogs
{
public:
    void message(QWidget *, const QString &text, const QString &title) override
    {
        Say(QStringLiteral("message: %1 | title: %2").arg(text, title));
    }
    QString input(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString openFile(QWidget *, const QString &, const QStringList &, const QString &) override { return {}; }
    std::int64_t chooseColour(QWidget *, std::uint32_t) override { return -1; }
};

class Window final : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        Say(QStringLiteral("closing handler ran"));
        QWidget::closeEvent(event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("KALMORAV"));
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { Say(QStringLiteral("quit handler ran")); });

    using namespace kalmora::shapes;
    InitShapeRegions();
    PrintingDialogs dialogs;
    Window window;
    window.show();

    if (mode == QLatin1String("ok")) {
        ApplyShapeRegion(0, &window, dialogs);
    } else if (mode == QLatin1String("index-10")) {
        ApplyShapeRegion(10, &window, dialogs);
    } else if (mode == QLatin1String("index-minus-1")) {
        ApplyShapeRegion(-1, &window, dialogs);
    } else if (mode == QLatin1String("bad-record")) {
        ShapeRegion record = ShapeRegions()[1];
        std::swap(record.rects[0], record.rects[1]); // bands out of order
        ApplyShapeRecord(record, &window, dialogs);
    } else if (mode == QLatin1String("no-window")) {
        ApplyShapeRegion(0, nullptr, dialogs);
    } else {
        return 2;
    }
    Say(QStringLiteral("after the call"));
    window.close();
    QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    return app.exec();
}
