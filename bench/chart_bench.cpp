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
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "chart/chart_model.h"
#include "chart_draw/chart_painter.h"

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

// The mean wall time of an iteration as a fraction of the budget.
void ReportBudget(benchmark::State& state, std::chrono::steady_clock::time_point start) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["budget_ratio"] =
        elapsed.count() /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1)) /
        kBudgetSeconds;
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
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        day = day % 28 + 1;
        Draw(kind, Site(41.9, day));
    }
    ReportBudget(state, start);
}

void NewSite(benchmark::State& state, ChartKind kind) {
    double latitude = 30;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        ClearYearChartCache();
        latitude = latitude >= 60 ? 30 : latitude + 1;
        Draw(kind, Site(latitude, 21));
    }
    ReportBudget(state, start);
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
