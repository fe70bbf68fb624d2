// Drawing and moving the calendar, each next to its floor: setting the same hundred labels' text,
// colour and place (or place alone) directly. Months and places alternate so every round changes
// what is shown. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "calendar/calendar_labels.h"
#include "calendar/holidays.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace
{

using namespace kalmora;

struct Viewer {
    QWidget window;
    platform::FixedClock clock { QDateTime(QDate(2004, 5, 12), QTime(12, 0)) };
    calendar::CalendarLabels labels { &window, calendar::CalendarHost::Viewer, clock, platform::TwipsPerPixel {} };
    Viewer()
    {
        window.resize(400, 300);
        labels.CreateCalendarLabels();
        labels.ShowCalendar(QStringLiteral("2004/05"), 0, 1200, 1200, 7);
    }
    QList<QLabel *> drawn() const
    {
        QList<QLabel *> all;
        for (int set = 0; set < 2; ++set) {
            all << labels.titleLabel(set);
            for (int j = 0; j < 7; ++j)
                all << labels.weekdayLabel(7 * set + j);
            for (int k = 0; k < 42; ++k)
                all << labels.dayLabel(42 * set + k);
        }
        return all;
    }
};

// The least of several repetitions is the figure bench/run.sh reports.
void Figure(benchmark::internal::Benchmark *b)
{
    b->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

void FloorSetHundredLabels(benchmark::State &state)
{
    Viewer viewer;
    const QList<QLabel *> labels = viewer.drawn();
    const QStringList texts[2] = { QStringLiteral("01 02 03 04 05 06 07 08 09 10").split(u' '),
        QStringLiteral("11 12 13 14 15 16 17 18 19 20").split(u' ') };
    const QColor colours[2] = { Qt::red, Qt::blue };
    int round = 0;
    for (auto _ : state) {
        const int r = round++ & 1;
        for (int i = 0; i < labels.size(); ++i) {
            QLabel *label = labels[i];
            label->setText(texts[r][i % 10]);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colours[(r + i) & 1]);
            label->setPalette(palette);
            label->setGeometry(10 + r + (i % 7) * 20, 10 + (i / 7) * 14, 16, 13);
        }
    }
}
BENCHMARK(FloorSetHundredLabels)->Apply(Figure);

void ShowCalendarBothSets(benchmark::State &state)
{
    Viewer viewer;
    const QString months[2] = { QStringLiteral("2004/05"), QStringLiteral("2004/06") };
    int round = 0;
    for (auto _ : state)
        viewer.labels.ShowCalendar(months[round++ & 1], 0, 1200, 1200, 7);
}
BENCHMARK(ShowCalendarBothSets)->Apply(Figure);

void FloorMoveHundredLabels(benchmark::State &state)
{
    Viewer viewer;
    const QList<QLabel *> labels = viewer.drawn();
    int round = 0;
    for (auto _ : state) {
        const int r = round++ & 1;
        for (int i = 0; i < labels.size(); ++i)
            labels[i]->move(10 + r + (i % 7) * 20, 10 + (i / 7) * 14);
    }
}
BENCHMARK(FloorMoveHundredLabels)->Apply(Figure);

void MoveCalendarBothSets(benchmark::State &state)
{
    Viewer viewer;
    int round = 0;
    for (auto _ : state)
        viewer.labels.MoveCalendar(0, 1200 + 15 * (round++ & 1), 1200);
}
BENCHMARK(MoveCalendarBothSets)->Apply(Figure);

// A whole year of holiday tests, the work of drawing twelve months.
void CheckHolidayYear(benchmark::State &state)
{
    for (auto _ : state) {
        int count = 0;
        for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1))
            count += calendar::CheckHoliday(d, true);
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(CheckHolidayYear)->Apply(Figure);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
