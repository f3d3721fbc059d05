// Time from new inputs to a drawn chart (its data computed and painted on a
// 1000 x 700 image), for each chart: for a new date at the same site and year
// (the year charts come from the cache) and for a new site (everything
// computed anew, on all processors). Each is reported with its ratio to the
// 200 ms a chart may take to appear after a change of date or site, the
// machines being shared and noisy.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "ui/charts/chart_painter.h"

namespace {

using namespace tarvel;

constexpr double kBudgetSeconds = 0.2;

ChartInputs Site(double latitude, int day) {
    ChartInputs inputs;
    inputs.request.SetClockReading({2024, 6, day, 10, 0, 0});
    inputs.request.SetZone(1);
    inputs.request.summerTime = true;
    inputs.request.latitude = latitude;
    inputs.request.longitude = -12.5;
    return inputs;
}

void Draw(ChartKind kind, const ChartInputs& inputs) {
    static QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    const ChartModel model = BuildChartModel(kind, inputs);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, 1000, 700), model);
}

void NewDate(benchmark::State& state, ChartKind kind) {
    ClearYearChartCache();
    Draw(kind, Site(41.9, 1));
    int day = 1;
    for (auto _ : state) {
        day = day % 28 + 1;
        Draw(kind, Site(41.9, day));
    }
    state.counters["budget_ratio"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBudgetSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void NewSite(benchmark::State& state, ChartKind kind) {
    double latitude = 30;
    for (auto _ : state) {
        ClearYearChartCache();
        latitude = latitude >= 60 ? 30 : latitude + 1;
        Draw(kind, Site(latitude, 21));
    }
    state.counters["budget_ratio"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBudgetSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

#define TARVEL_CHART_BENCH(name, kind)                                                    \
    BENCHMARK_CAPTURE(NewDate, name, kind)->Unit(benchmark::kMillisecond)->UseRealTime(); \
    BENCHMARK_CAPTURE(NewSite, name, kind)->Unit(benchmark::kMillisecond)->UseRealTime();

TARVEL_CHART_BENCH(sunpath, ChartKind::kSunPath)
TARVEL_CHART_BENCH(sunpath_year, ChartKind::kSunPathYear)
TARVEL_CHART_BENCH(analemma, ChartKind::kAnalemma)
TARVEL_CHART_BENCH(equation_of_time, ChartKind::kEquationOfTime)
TARVEL_CHART_BENCH(daylight, ChartKind::kDaylight)

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
