// The main window's answer to an input event: from the change of a picker to
// the refreshed texts of every field (and, separately, to the repainted
// window), without a display. Each benchmark also reports the time of the
// solar computation alone for the same request and the ratio of the two, since
// the machines are shared and noisy. The budget for one event is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateEdit>
#include <QTimeEdit>
#include <QTimeZone>
#include <chrono>

#include "app/app_settings.h"
#include "astro/solar_computation.h"
#include "ui/form/message_sink.h"
#include "ui/main/tarvel_dlg.h"

namespace {

using Clock = std::chrono::steady_clock;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "tarvel_ui_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)application;
}

class SilentSink : public tarvel::MessageSink {
  public:
    void ShowMessage(QWidget*, const QString&, const QString&, QMessageBox::Icon) override {}
};

tarvel::CTarvelDlg::Environment Rome() {
    tarvel::CTarvelDlg::Environment environment;
    environment.zone = QTimeZone("Europe/Rome");
    const QTimeZone zone = environment.zone;
    environment.now = [zone] { return QDateTime(QDate(2024, 6, 21), QTime(12, 0, 0), zone); };
    return environment;
}

// Runs one input event per iteration; the benchmark's time is the event's.
// With repaint, the window is also painted before the iteration ends.
template <typename Event>
void RunEvents(benchmark::State& state, Event event, bool repaint) {
    EnsureApplication();
    SilentSink sink;
    tarvel::CTarvelDlg window(tarvel::AppSettings(), Rome(), &sink);
    window.show();
    QApplication::processEvents();

    double eventSeconds = 0;
    double computeSeconds = 0;
    int i = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        event(window, i++);
        if (repaint) {
            window.repaint();
        }
        benchmark::DoNotOptimize(window.OutputText(1065));
        eventSeconds += std::chrono::duration<double>(Clock::now() - start).count();

        state.PauseTiming();
        const tarvel::SolarRequest request = window.LastRequest();
        const auto computeStart = Clock::now();
        benchmark::DoNotOptimize(tarvel::CalcSolarParameters(request));
        computeSeconds += std::chrono::duration<double>(Clock::now() - computeStart).count();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["event_ms"] = eventSeconds / n * 1e3;
    state.counters["compute_ms"] = computeSeconds / n * 1e3;
    state.counters["event_per_compute"] = computeSeconds > 0 ? eventSeconds / computeSeconds : 0;
}

void TimeChange(tarvel::CTarvelDlg& window, int i) {
    auto* time = qobject_cast<QTimeEdit*>(window.Control(1000));
    time->setTime(QTime(6 + i % 12, (7 * i) % 60, i % 60));
}

void DateChange(tarvel::CTarvelDlg& window, int i) {
    auto* date = qobject_cast<QDateEdit*>(window.Control(1002));
    date->setDate(QDate(2024, 1, 1).addDays(i % 366));
}

void BM_TimePickerToTexts(benchmark::State& state) {
    RunEvents(state, TimeChange, false);
}
BENCHMARK(BM_TimePickerToTexts)->Unit(benchmark::kMillisecond);

void BM_DatePickerToTexts(benchmark::State& state) {
    RunEvents(state, DateChange, false);
}
BENCHMARK(BM_DatePickerToTexts)->Unit(benchmark::kMillisecond);

void BM_TimePickerToPaintedWindow(benchmark::State& state) {
    RunEvents(state, TimeChange, true);
}
BENCHMARK(BM_TimePickerToPaintedWindow)->Unit(benchmark::kMillisecond);

}  // namespace
