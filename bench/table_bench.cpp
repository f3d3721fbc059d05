// Cost of an ephemeris table of 1000 rows with every column: the computation on
// two threads and on one (wall time, and the speed-up between them), and the
// writing of the text against the computation. Ratios are reported alongside
// the times because the machines are shared and noisy.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_run.h"

namespace {

using Clock = std::chrono::steady_clock;

tarvel::TableParameters ThousandRows() {
    tarvel::TableParameters p;
    p.startYear = 2025;
    p.startMonth = 1;
    p.startDay = 1;
    p.startHour = 12;
    p.zoneHours = 1;
    p.latitude = 45.4642;
    p.longitude = -9.19;
    p.height = 120;
    p.stepValue = 9;
    p.stepUnit = tarvel::TableStepUnit::Hours;
    p.pointCount = 1000;
    return p;
}

tarvel::TableOptions EveryColumn() {
    tarvel::TableOptions options;
    tarvel::SetAllColumnFlags(options, true);
    return options;
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

tarvel::TableComputation Compute(const tarvel::TableParameters& p, unsigned threads,
                                 double& seconds) {
    tarvel::TableRunControl control;
    control.threadCount = threads;
    const auto start = Clock::now();
    tarvel::TableComputation computation = tarvel::ComputeTableRows(p, control);
    seconds = Seconds(start);
    return computation;
}

// Seconds to write the window text of the rows, averaged over several writes.
double WriteSeconds(const tarvel::TableParameters& p, const std::vector<tarvel::TableRow>& rows,
                    tarvel::TableTarget target) {
    const tarvel::TableTextWriter writer(EveryColumn(), target);
    constexpr int kWrites = 5;
    const auto start = Clock::now();
    for (int i = 0; i < kWrites; ++i) {
        std::string text = writer.Text(p, rows);
        benchmark::DoNotOptimize(text.data());
    }
    return Seconds(start) / kWrites;
}

// One iteration: 1000 rows on two threads and on one, in two alternating
// rounds, each time taken as the shorter of its two rounds (the least disturbed
// by other work on the machine); then the text of the window, the file and the
// clipboard from the rows.
void BM_Table1000RowsEveryColumn(benchmark::State& state) {
    const tarvel::TableParameters p = ThousandRows();
    double twoThreads = 0;
    double oneThread = 0;
    double writeWindow = 0;
    double writeFile = 0;
    double writeClipboard = 0;
    bool identical = true;
    for (auto _ : state) {
        twoThreads = 1e300;
        oneThread = 1e300;
        tarvel::TableComputation parallel;
        tarvel::TableComputation sequential;
        for (int round = 0; round < 2; ++round) {
            double seconds = 0;
            parallel = Compute(p, 2, seconds);
            twoThreads = std::min(twoThreads, seconds);
            sequential = Compute(p, 1, seconds);
            oneThread = std::min(oneThread, seconds);
        }
        if (parallel.status != tarvel::TableRunStatus::Ok || parallel.rows.size() != 1000) {
            state.SkipWithError("the run did not compute 1000 rows");
            return;
        }
        writeWindow = WriteSeconds(p, parallel.rows, tarvel::TableTarget::Window);
        writeFile = WriteSeconds(p, parallel.rows, tarvel::TableTarget::File);
        writeClipboard = WriteSeconds(p, parallel.rows, tarvel::TableTarget::Clipboard);
        const tarvel::TableTextWriter writer(EveryColumn(), tarvel::TableTarget::File);
        identical = writer.Text(p, parallel.rows) == writer.Text(p, sequential.rows);
    }
    state.counters["seconds_2_threads"] = twoThreads;
    state.counters["seconds_1_thread"] = oneThread;
    state.counters["speedup"] = oneThread / twoThreads;
    state.counters["write_window_ms"] = writeWindow * 1000.0;
    state.counters["write_file_ms"] = writeFile * 1000.0;
    state.counters["write_clipboard_ms"] = writeClipboard * 1000.0;
    // The writing of the window text against the computation on two threads.
    state.counters["write_ratio"] = writeWindow / twoThreads;
    state.counters["identical_text"] = identical ? 1 : 0;
}
BENCHMARK(BM_Table1000RowsEveryColumn)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Writing alone, many times: the window text and the CSV of 100 rows with every
// column, per row.
void BM_TableTextPerRow(benchmark::State& state) {
    tarvel::TableParameters p = ThousandRows();
    p.pointCount = 100;
    const tarvel::TableComputation computation = tarvel::ComputeTableRows(p);
    const bool csv = state.range(0) == 1;
    const tarvel::TableTextWriter writer(EveryColumn(), tarvel::TableTarget::Window);
    for (auto _ : state) {
        std::string text = csv ? tarvel::WriteTableCsv(EveryColumn(), computation.rows, p.latitude)
                               : writer.Text(p, computation.rows);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * 100);
    state.SetLabel(csv ? "csv" : "window text");
}
BENCHMARK(BM_TableTextPerRow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
