// The viewer's start-up next to its floor, in one process: from building the window and running
// its load handler until the window is exposed, against a bare frameless window with the same
// picture and outline shown and exposed. Each round closes its window again outside the timing.
// Meant for a real X server with a window manager (bench/run.sh starts both); the time on the
// clock is the figure, since most of a start-up is spent waiting for the X server and the window
// manager. The least of several repetitions is the figure.

#include "platform/desktop_identity.h"
#include "platform/fonts.h"
#include "viewer_startup.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace
{

using namespace kalmora;

void Figure(benchmark::internal::Benchmark *b)
{
    b->UseRealTime()->Unit(benchmark::kMillisecond)->ComputeStatistics("min", [](const std::vector<double> &v) {
        return *std::min_element(v.begin(), v.end());
    });
}

void Settle()
{
    // The previous round's window is gone from the server before the next starts.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void ViewerStartup(benchmark::State &state)
{
    benchsupport::ViewerFolder folder;
    for (auto _ : state) {
        benchsupport::Viewer viewer;
        if (!benchsupport::StartViewer(viewer, folder.path())) {
            state.SkipWithError("the viewer did not start");
            break;
        }
        state.PauseTiming();
        viewer.form.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(ViewerStartup)->Apply(Figure);

void FloorBareWindowStartup(benchmark::State &state)
{
    benchsupport::ViewerFolder folder;
    const QRegion outline = benchsupport::HeartOutline();
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        if (!benchsupport::StartBareWindow(window, folder.picture(), outline)) {
            state.SkipWithError("the bare window was not exposed");
            break;
        }
        state.PauseTiming();
        window.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(FloorBareWindowStartup)->Apply(Figure);

void FloorBareWindowWithLabelsStartup(benchmark::State &state)
{
    benchsupport::ViewerFolder folder;
    const QRegion outline = benchsupport::HeartOutline();
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        if (!benchsupport::StartBareWindow(window, folder.picture(), outline, 100)) {
            state.SkipWithError("the bare window was not exposed");
            break;
        }
        state.PauseTiming();
        window.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(FloorBareWindowWithLabelsStartup)->Apply(Figure);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    platform::SetUpDesktopIdentity(platform::Program::Viewer);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
