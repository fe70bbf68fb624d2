// The maker's work on a 24-megapixel photo, each figure next to its floor in the same run: the
// least work any program doing the same job has to do on this machine.
//
//   MakerOpen/FloorDecode          open a 6000 x 4000 JPEG up to the composed preview, against
//                                  decoding the file once with QImageReader
//   MakerScaleHalf/FloorScaleHalf  redraw the canvas at 50 %, against one smooth QImage::scaled
//   MakerDrawMove, MakerBoxMove    one mouse move while drawing or moving the selection box, on the
//                                  big photo and on a 640 x 480 picture (the cost must not depend on
//                                  the picture)
//   MakerPreview/FloorScaleRect    compose the 256 x 256 preview from a 3000 x 2000 selection, against
//                                  one smooth scale of that rectangle of the canvas
//
// The photo is made here: smooth gradients, a few soft shapes and sensor-like noise, saved as a
// JPEG of quality 90, so that its decoding costs what a camera's picture costs. The windows are the
// real ones on the offscreen platform, at 15 twips per pixel; mouse input goes to the widget it is
// meant for, as the window system delivers it while a button is held.

#include "frm_main.h"
#include "frm_sub.h"
#include "image_canvas.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "preview_box.h"
#include "support/scripted_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace
{

using namespace kalmora;

constexpr QSize kPhotoSize(6000, 4000);
constexpr QSize kSmallSize(640, 480);

QImage PhotoLikeImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator noise(20040512);
    const double w = size.width();
    const double h = size.height();
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double fy = y / h;
        for (int x = 0; x < size.width(); ++x) {
            const double fx = x / w;
            // Sky above a horizon, a soft sun, hills with a texture of leaves.
            const double hill = 0.55 + 0.08 * std::sin(fx * 9.0) + 0.03 * std::sin(fx * 37.0);
            double r, g, b;
            if (fy < hill) {
                r = 90 + 120 * fy;
                g = 140 + 90 * fy;
                b = 230 - 40 * fy;
                const double dx = fx - 0.7, dy = fy - 0.2;
                const double sun = std::exp(-(dx * dx + dy * dy) * 90.0);
                r += 150 * sun;
                g += 120 * sun;
                b += 40 * sun;
            } else {
                const double leaves = std::sin(x * 0.21) * std::sin(y * 0.17) + std::sin((x + y) * 0.05);
                r = 60 + 25 * leaves + 40 * fy;
                g = 110 + 35 * leaves - 30 * fy;
                b = 40 + 10 * leaves;
            }
            const int n = int(noise.bounded(17)) - 8;
            line[x]
                = qRgb(std::clamp(int(r) + n, 0, 255), std::clamp(int(g) + n, 0, 255), std::clamp(int(b) + n, 0, 255));
        }
    }
    return image;
}

// The pictures are made once for the whole run.
struct Pictures {
    QTemporaryDir dir;
    QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    QString small = dir.filePath(QStringLiteral("small.jpg"));
    Pictures()
    {
        if (!PhotoLikeImage(kPhotoSize).save(photo, "JPEG", 90) || !PhotoLikeImage(kSmallSize).save(small, "JPEG", 90))
            qFatal("cannot write the benchmark's pictures");
    }
};

const Pictures &pictures()
{
    static Pictures made;
    return made;
}

// A maker in a temporary application folder, started as main() does, with an 800 x 600 viewport.
struct Maker {
    QTemporaryDir app;
    platform::FixedClock clock { QDateTime(QDate(2004, 5, 12), QTime(15, 30, 45)) };
    testsupport::ScriptedDialogs dialogs;
    maker::frmMain window { maker::MakerContext { app.path(), clock, dialogs, { 15, 15 } } };

    Maker()
    {
        window.show();
        const QSize client(800 + 17, 600 + 17); // the viewport and the two scroll bars
        window.resize(window.size() - window.centralWidget()->size() + client);
        QCoreApplication::processEvents();
    }
    void load(const QString &path)
    {
        window.LoadImageFile(path);
        QCoreApplication::processEvents();
        if (!dialogs.messages().isEmpty())
            qFatal("the maker could not load %s: %s", qPrintable(path), qPrintable(dialogs.messages().join(u' ')));
    }
    maker::ImageCanvas *canvas() const { return window.centralWidget()->findChild<maker::ImageCanvas *>(); }
    QWidget *grabArea() const { return window.centralWidget()->findChild<QWidget *>(QStringLiteral("LBox_0")); }
};

// Every figure counts the processor time of the whole process, the threads that Qt's smooth
// scaling starts included: on a busy machine that is what stays put, while the time on the clock
// also holds the waits for other programs. The least of several repetitions is the figure.
void Figure(benchmark::internal::Benchmark *b)
{
    b->MeasureProcessCPUTime()->ComputeStatistics(
        "min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

void Mouse(QWidget *widget, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void MakerOpen(benchmark::State &state)
{
    const QString path = pictures().photo;
    Maker maker;
    for (auto _ : state) {
        maker.window.LoadImageFile(path);
        // Up to what the user sees: the canvas and the preview painted.
        QCoreApplication::processEvents();
    }
    if (maker.window.settingsDialog()->Picture2()->picture().isNull())
        state.SkipWithError("no preview was composed");
}
BENCHMARK(MakerOpen)->Apply(Figure)->Unit(benchmark::kMillisecond);

void FloorDecode(benchmark::State &state)
{
    const QString path = pictures().photo;
    QImageReader::setAllocationLimit(2048);
    for (auto _ : state) {
        QImageReader reader(path);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(FloorDecode)->Apply(Figure)->Unit(benchmark::kMillisecond);

void MakerScaleHalf(benchmark::State &state)
{
    Maker maker;
    maker.load(pictures().photo);
    for (auto _ : state) {
        maker.window.ApplyImageScale(50);
        state.PauseTiming();
        maker.window.ApplyImageScale(100); // back to the picture itself, which costs nothing
        state.ResumeTiming();
    }
    if (maker.canvas()->picture().size() != kPhotoSize)
        state.SkipWithError("the canvas was not redrawn");
}
BENCHMARK(MakerScaleHalf)->Apply(Figure)->Unit(benchmark::kMillisecond);

void FloorScaleHalf(benchmark::State &state)
{
    const QImage photo = QImageReader(pictures().photo).read();
    for (auto _ : state) {
        QImage half = photo.scaled(kPhotoSize / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(half.constBits());
    }
}
BENCHMARK(FloorScaleHalf)->Apply(Figure)->Unit(benchmark::kMillisecond);

// One mouse move and the repainting it causes, the box alternating between two places.
void MoveLoop(benchmark::State &state, Maker &maker, QWidget *target, QPoint a, QPoint b)
{
    int round = 0;
    for (auto _ : state) {
        Mouse(target, QEvent::MouseMove, (round++ & 1) ? b : a);
        QCoreApplication::processEvents();
    }
    maker.window.ShowSelectionStatus();
}

QString PictureOfArgument(const benchmark::State &state)
{
    return state.range(0) == kPhotoSize.width() ? pictures().photo : pictures().small;
}

void MakerDrawMove(benchmark::State &state)
{
    Maker maker;
    maker.load(PictureOfArgument(state));
    QWidget *canvas = maker.canvas();
    Mouse(canvas, QEvent::MouseButtonPress, QPoint(100, 80));
    MoveLoop(state, maker, canvas, QPoint(400, 300), QPoint(403, 302));
    Mouse(canvas, QEvent::MouseButtonRelease, QPoint(403, 302));
}
BENCHMARK(MakerDrawMove)
    ->Arg(kPhotoSize.width())
    ->Arg(kSmallSize.width())
    ->Apply(Figure)
    ->Unit(benchmark::kMicrosecond);

void MakerBoxMove(benchmark::State &state)
{
    Maker maker;
    maker.load(PictureOfArgument(state));
    QWidget *canvas = maker.canvas();
    Mouse(canvas, QEvent::MouseButtonPress, QPoint(100, 80));
    Mouse(canvas, QEvent::MouseButtonRelease, QPoint(400, 300));
    QWidget *grab = maker.grabArea();
    if (!grab || !grab->isVisible()) {
        state.SkipWithError("no grab area over the box");
        return;
    }
    Mouse(grab, QEvent::MouseButtonPress, QPoint(50, 50));
    MoveLoop(state, maker, grab, QPoint(60, 55), QPoint(63, 57));
    Mouse(grab, QEvent::MouseButtonRelease, QPoint(63, 57));
}
BENCHMARK(MakerBoxMove)->Arg(kPhotoSize.width())->Arg(kSmallSize.width())->Apply(Figure)->Unit(benchmark::kMicrosecond);

constexpr QRect kSelection(1000, 900, 3000, 2000);

void MakerPreview(benchmark::State &state)
{
    Maker maker;
    maker.load(pictures().photo);
    QWidget *canvas = maker.canvas();
    Mouse(canvas, QEvent::MouseButtonPress, kSelection.topLeft());
    Mouse(canvas, QEvent::MouseMove, kSelection.topLeft() + QPoint(kSelection.width(), kSelection.height()));
    Mouse(canvas, QEvent::MouseButtonRelease, kSelection.topLeft() + QPoint(kSelection.width(), kSelection.height()));
    const maker::TwipsRect box = maker.window.selectionRect();
    const QSize preview = maker.window.settingsDialog()->Picture2()->size();
    if (QRect(box.left / 15, box.top / 15, box.width / 15, box.height / 15) != kSelection
        || preview != QSize(256, 256)) {
        state.SkipWithError("the selection or the preview is not the one measured");
        return;
    }
    for (auto _ : state)
        maker.window.CopySelectionToPreview();
}
BENCHMARK(MakerPreview)->Apply(Figure)->Unit(benchmark::kMillisecond);

void FloorScaleRect(benchmark::State &state)
{
    const QImage photo = QImageReader(pictures().photo).read().convertToFormat(QImage::Format_RGB32);
    for (auto _ : state) {
        // The rectangle in place, without a copy of its pixels.
        const QImage part(photo.constScanLine(kSelection.top()) + kSelection.left() * 4, kSelection.width(),
            kSelection.height(), photo.bytesPerLine(), photo.format());
        QImage scaled = part.scaled(QSize(256, 256), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
BENCHMARK(FloorScaleRect)->Apply(Figure)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
