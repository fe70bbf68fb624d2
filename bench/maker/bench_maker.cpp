// A 6000 x 4000 photo in the maker, each step next to its floor: loading it (decode, canvas, preview)
// next to decoding the same JPEG with the image reader alone; composing the preview from a large
// selection next to the plain copy-and-scale of the same pixels; one mouse move while a selection
// box is drawn next to moving two widgets and setting a label's text. Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise.

#include "frm_main.h"
#include "frm_sub.h"
#include "image_canvas.h"
#include "platform/clock.h"
#include "preview_box.h"
#include "support/scripted_dialogs.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

using namespace kalmora;

// A photo-like JPEG: gradients and detail, so that decoding does real work.
const QString &PhotoPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage photo(6000, 4000, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, 6000, 4000);
        sky.setColorAt(0, QColor(30, 90, 200));
        sky.setColorAt(1, QColor(240, 200, 120));
        painter.fillRect(photo.rect(), sky);
        for (int i = 0; i < 400; ++i) {
            painter.setBrush(QColor::fromHsv((i * 37) % 360, 180, 200));
            painter.drawEllipse(QPoint((i * 7919) % 6000, (i * 104729) % 4000), 40 + i % 90, 30 + i % 70);
        }
        painter.end();
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        photo.save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

struct Maker {
    QTemporaryDir app;
    platform::FixedClock clock { QDateTime(QDate(2004, 5, 12), QTime(12, 0)) };
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<maker::frmMain> window;
    Maker()
    {
        window = std::make_unique<maker::frmMain>(maker::MakerContext { app.path(), clock, dialogs, { 15, 15 } });
        window->show();
        QCoreApplication::processEvents();
    }
    QWidget *canvas() const { return window->centralWidget()->findChild<QWidget *>(QStringLiteral("Picture1")); }
};

void Send(QWidget *widget, QEvent::Type type, QPoint pos)
{
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void FloorDecodePhoto(benchmark::State &state)
{
    for (auto _ : state) {
        QImageReader reader(PhotoPath());
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(FloorDecodePhoto)->Unit(benchmark::kMillisecond);

void LoadPhotoIntoMaker(benchmark::State &state)
{
    Maker maker;
    for (auto _ : state)
        maker.window->LoadImageFile(PhotoPath());
    if (!maker.dialogs.messages().isEmpty())
        state.SkipWithError("the photo did not load");
}
BENCHMARK(LoadPhotoIntoMaker)->Unit(benchmark::kMillisecond);

// The preview from a 3000 x 3000 pixel selection of the photo at 100 %.
void FloorCopyAndScaleSelection(benchmark::State &state)
{
    QImageReader reader(PhotoPath());
    const QImage photo = reader.read();
    for (auto _ : state) {
        QImage preview
            = photo.copy(1000, 500, 3000, 3000).scaled(256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(FloorCopyAndScaleSelection)->Unit(benchmark::kMillisecond);

void ComposePreviewFromLargeSelection(benchmark::State &state)
{
    Maker maker;
    maker.window->LoadImageFile(PhotoPath());
    Send(maker.canvas(), QEvent::MouseButtonPress, QPoint(1000, 500));
    Send(maker.canvas(), QEvent::MouseButtonRelease, QPoint(4000, 3500));
    for (auto _ : state)
        maker.window->CopySelectionToPreview();
    benchmark::DoNotOptimize(maker.window->settingsDialog()->Picture2()->picture().constBits());
}
BENCHMARK(ComposePreviewFromLargeSelection)->Unit(benchmark::kMillisecond);

void FloorMoveTwoWidgetsAndText(benchmark::State &state)
{
    Maker maker;
    QWidget *canvas = maker.canvas();
    QWidget a(canvas), b(canvas);
    QLabel label(canvas);
    int round = 0;
    for (auto _ : state) {
        const int r = round++ & 255;
        a.setGeometry(10, 10, 100 + r, 80 + r);
        b.setGeometry(10, 10, 100 + r, 80 + r);
        label.setText(QString::number(r));
        label.adjustSize();
    }
}
BENCHMARK(FloorMoveTwoWidgetsAndText)->Unit(benchmark::kMicrosecond);

void MouseMoveWhileDrawingSelection(benchmark::State &state)
{
    Maker maker;
    maker.window->LoadImageFile(PhotoPath());
    QWidget *canvas = maker.canvas();
    Send(canvas, QEvent::MouseButtonPress, QPoint(10, 10));
    int round = 0;
    for (auto _ : state) {
        const int r = round++ & 255;
        Send(canvas, QEvent::MouseMove, QPoint(110 + r, 90 + r));
    }
    Send(canvas, QEvent::MouseButtonRelease, QPoint(300, 300));
}
BENCHMARK(MouseMoveWhileDrawingSelection)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
