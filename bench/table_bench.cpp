// Cost of an ephemeris table of 1000 rows with every column: the computation
// on two threads and on one, with the vector series and with the scalar
// reference (wall time, rows per second and the ratios between them), the
// writing of the text of each target against the computation, the window's
// run followed by a copy with the rows kept against computing them twice, and
// the peak memory of the whole table. Ratios are reported alongside the times
// because the machines are shared and noisy: every ratio compares times
// measured in the same run, each the least of alternating rounds.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "astro/series_kernel.h"
#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_run.h"
#include "table/table_stream.h"

// Every allocation of this program goes through operator new below, which
// counts the bytes live and their peak (malloc_usable_size of each block), so
// that the peak memory of a table can be measured without a tool.
namespace {

std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakBytes{0};

void Counted(void* p) {
    if (p == nullptr) return;
    const auto n = static_cast<std::int64_t>(malloc_usable_size(p));
    const std::int64_t live = liveBytes.fetch_add(n, std::memory_order_relaxed) + n;
    std::int64_t peak = peakBytes.load(std::memory_order_relaxed);
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
}

void Uncounted(void* p) {
    if (p == nullptr) return;
    liveBytes.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(p)),
                        std::memory_order_relaxed);
}

void* Allocate(std::size_t n) {
    void* p = std::malloc(n != 0 ? n : 1);
    if (p == nullptr) throw std::bad_alloc();
    Counted(p);
    return p;
}

void* AllocateAligned(std::size_t n, std::align_val_t alignment) {
    const auto a = static_cast<std::size_t>(alignment);
    void* p = std::aligned_alloc(a, (std::max<std::size_t>(n, 1) + a - 1) / a * a);
    if (p == nullptr) throw std::bad_alloc();
    Counted(p);
    return p;
}

void Release(void* p) noexcept {
    Uncounted(p);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return AllocateAligned(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return AllocateAligned(n, a);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}

namespace {

using Clock = std::chrono::steady_clock;

tarvel::TableParameters ThousandRows() {
    tarvel::TableParameters p;
    p.start = {2025, 1, 1, 12, 0, 0.0};
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

// How a run computes its rows: the searches on the full series or on the
// Chebyshev spans, and the rows of a date sharing the Sun's evaluations or
// each computed alone.
struct RowComputation {
    tarvel::SunSeriesSource series = tarvel::SunSeriesSource::kFull;
    bool shareDates = true;
};

tarvel::TableComputation Compute(const tarvel::TableParameters& p, unsigned threads,
                                 tarvel::SeriesKernel kernel, double& seconds,
                                 RowComputation how = RowComputation()) {
    const tarvel::ScopedSeriesKernel scoped(kernel);
    tarvel::TableRunControl control;
    control.threadCount = threads;
    control.searchSeries = how.series;
    if (!how.shareDates) {
        control.compute = [series = how.series](const tarvel::SolarRequest& request) {
            return tarvel::CalcSolarParameters(request, series);
        };
    }
    const auto start = Clock::now();
    tarvel::TableComputation computation = tarvel::ComputeTableRows(p, control);
    seconds = Seconds(start);
    return computation;
}

// Seconds to write the text of the rows for a target, the least of several
// writes.
double WriteSeconds(const tarvel::TableParameters& p, const std::vector<tarvel::TableRow>& rows,
                    tarvel::TableTarget target) {
    const tarvel::TableTextWriter writer(EveryColumn(), target);
    double least = 1e300;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        std::string text = writer.Text(p, rows);
        benchmark::DoNotOptimize(text.data());
        least = std::min(least, Seconds(start));
    }
    return least;
}

// The window's run and then a copy to the clipboard, as the table window
// makes them: with the rows kept (one computation) or computed again for the
// copy (two). Seconds of both texts together.
double RunThenCopySeconds(const tarvel::TableParameters& p, bool keepRows) {
    tarvel::TableRunControl control;
    control.threadCount = 2;
    tarvel::TableRowStore store;
    const auto start = Clock::now();
    for (const tarvel::TableTarget target :
         {tarvel::TableTarget::Window, tarvel::TableTarget::Clipboard}) {
        const tarvel::TableRunResult run =
            keepRows ? tarvel::RunTable(store, p, EveryColumn(), target, tarvel::TableLocale(),
                                        tarvel::TableTexts(), control)
                     : tarvel::RunTable(p, EveryColumn(), target, tarvel::TableLocale(),
                                        tarvel::TableTexts(), control);
        benchmark::DoNotOptimize(run.text.data());
    }
    return Seconds(start);
}

// One iteration: 1000 rows on two threads and on one with the vector series,
// and on two with the scalar reference, in two alternating rounds, each time
// taken as the shorter of its two rounds (the least disturbed by other work on
// the machine); then the texts of the window, the file and the clipboard from
// the rows, and the window's run followed by a copy with and without the rows
// kept.
void BM_Table1000RowsEveryColumn(benchmark::State& state) {
    const tarvel::TableParameters p = ThousandRows();
    const tarvel::SeriesKernel vector = tarvel::BestSeriesKernel();
    const tarvel::SeriesKernel scalar = tarvel::SeriesKernel::kScalar;
    double twoThreads = 0;
    double oneThread = 0;
    double scalarTwoThreads = 0;
    double writeWindow = 0;
    double writeFile = 0;
    double writeClipboard = 0;
    double runThenCopyKept = 0;
    double runThenCopyTwice = 0;
    double alone = 0;
    double spans = 0;
    bool identical = true;
    for (auto _ : state) {
        twoThreads = oneThread = scalarTwoThreads = alone = spans = 1e300;
        runThenCopyKept = runThenCopyTwice = 1e300;
        tarvel::TableComputation parallel;
        tarvel::TableComputation sequential;
        tarvel::TableComputation reference;
        for (int round = 0; round < 2; ++round) {
            double seconds = 0;
            parallel = Compute(p, 2, vector, seconds);
            twoThreads = std::min(twoThreads, seconds);
            sequential = Compute(p, 1, vector, seconds);
            oneThread = std::min(oneThread, seconds);
            reference = Compute(p, 2, scalar, seconds);
            scalarTwoThreads = std::min(scalarTwoThreads, seconds);
            Compute(p, 2, vector, seconds, {tarvel::SunSeriesSource::kFull, false});
            alone = std::min(alone, seconds);
            Compute(p, 2, vector, seconds, {tarvel::SunSeriesSource::kInterpolated, true});
            spans = std::min(spans, seconds);
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
        for (int round = 0; round < 2; ++round) {
            runThenCopyKept = std::min(runThenCopyKept, RunThenCopySeconds(p, true));
            runThenCopyTwice = std::min(runThenCopyTwice, RunThenCopySeconds(p, false));
        }
    }
    state.counters["seconds_2_threads"] = twoThreads;
    state.counters["seconds_1_thread"] = oneThread;
    state.counters["speedup"] = oneThread / twoThreads;
    state.counters["rows_per_second"] = 1000.0 / twoThreads;
    // The table as the window shows it: the rows on two threads and its text.
    state.counters["table_seconds"] = twoThreads + writeWindow;
    state.counters["scalar_seconds_2_threads"] = scalarTwoThreads;
    state.counters["scalar_over_vector"] = scalarTwoThreads / twoThreads;
    state.counters["write_window_ms"] = writeWindow * 1000.0;
    state.counters["write_file_ms"] = writeFile * 1000.0;
    state.counters["write_clipboard_ms"] = writeClipboard * 1000.0;
    // The writing of the window text against the computation on two threads.
    state.counters["write_ratio"] = writeWindow / twoThreads;
    // The window's run and a copy: rows kept against computed twice (about 0.5
    // when the copy adds no computation).
    state.counters["run_copy_seconds"] = runThenCopyKept;
    state.counters["run_copy_kept_over_twice"] = runThenCopyKept / runThenCopyTwice;
    state.counters["identical_text"] = identical ? 1 : 0;
    // Each row computed alone (no evaluations shared within a date), and with
    // the searches on the Chebyshev spans, both on two threads.
    state.counters["seconds_2_threads_rows_alone"] = alone;
    state.counters["shared_over_alone"] = twoThreads / alone;
    state.counters["seconds_2_threads_spans"] = spans;
    state.counters["spans_over_full"] = spans / twoThreads;
    state.SetLabel(tarvel::SeriesKernelName(vector));
}
BENCHMARK(BM_Table1000RowsEveryColumn)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// 1000 rows at one-minute steps (the window's limit) on two threads, the searches on the
// Chebyshev spans and the rows of a date sharing their evaluations, as a long
// table is computed; and the same with the full series. year_seconds is the
// time the rows of a year (525,600) would take at the rate of the spans.
void BM_TableOneMinuteSteps(benchmark::State& state) {
    tarvel::TableParameters p = ThousandRows();
    p.stepValue = 1;
    p.stepUnit = tarvel::TableStepUnit::Minutes;
    p.pointCount = 1000;
    const tarvel::SeriesKernel vector = tarvel::BestSeriesKernel();
    double spans = 1e300;
    double full = 1e300;
    for (auto _ : state) {
        double seconds = 0;
        if (Compute(p, 2, vector, seconds, {tarvel::SunSeriesSource::kInterpolated, true})
                .rows.size() != 1000) {
            state.SkipWithError("the run did not compute 1000 rows");
            return;
        }
        spans = std::min(spans, seconds);
        Compute(p, 2, vector, seconds, {tarvel::SunSeriesSource::kFull, true});
        full = std::min(full, seconds);
    }
    state.counters["seconds_spans"] = spans;
    state.counters["seconds_full"] = full;
    state.counters["spans_over_full"] = spans / full;
    state.counters["rows_per_second"] = p.pointCount / spans;
    state.counters["year_seconds"] = 525600.0 / p.pointCount * spans;
}
BENCHMARK(BM_TableOneMinuteSteps)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

// A streamed year at one-minute steps (525,600 rows) with the position columns
// on two threads, its text written to nothing: the time, the rows per second,
// the cost of a streamed row over a row of the 1,000-row table computed at
// once in the same run, and the most heap bytes held at once (flat: one batch
// of rows and lines, whatever the number of rows). TARVEL_BENCH_STREAM_ROWS
// sets fewer rows (a day at one-minute steps is 1440).
void BM_TableStreamedYearOfMinutes(benchmark::State& state) {
    tarvel::TableParameters p = ThousandRows();
    p.start = {2025, 1, 1, 0, 0, 0.0};
    p.stepValue = 1;
    p.stepUnit = tarvel::TableStepUnit::Minutes;
    const char* rows = std::getenv("TARVEL_BENCH_STREAM_ROWS");
    p.pointCount = rows != nullptr ? std::max(1001, std::atoi(rows)) : 525600;
    tarvel::TableOptions options;
    options.showAzimuth = true;
    options.showAltitude = true;
    options.showRightAscension = true;
    options.showDeclination = true;
    tarvel::TableRunControl control;
    control.threadCount = 2;
    double streamed = 0;
    double whole = 0;
    std::int64_t heapPeak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        tarvel::TableTextRowFormatter formatter(options, tarvel::TableTarget::Window);
        tarvel::TableStreamSink sink;
        bytes = 0;
        sink.write = [&bytes](std::string_view text) {
            bytes += text.size();
            return true;
        };
        const std::int64_t before = liveBytes.load();
        peakBytes.store(before);
        auto start = std::chrono::steady_clock::now();
        const tarvel::TableStreamOutcome outcome = tarvel::StreamTable(p, formatter, sink, control);
        streamed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        heapPeak = peakBytes.load() - before;
        if (outcome.status != tarvel::TableRunStatus::Ok || outcome.rowsWritten != p.pointCount) {
            state.SkipWithError("the streamed table did not write every row");
            return;
        }
        tarvel::TableParameters thousand = p;
        thousand.pointCount = 1000;
        start = std::chrono::steady_clock::now();
        const tarvel::TableRunResult run =
            tarvel::RunTable(thousand, options, tarvel::TableTarget::Window, tarvel::TableLocale(),
                             tarvel::TableTexts(), control);
        whole = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(run.text.data());
    }
    state.counters["rows"] = p.pointCount;
    state.counters["seconds"] = streamed;
    state.counters["rows_per_second"] = p.pointCount / streamed;
    state.counters["streamed_row_over_whole_row"] = (streamed / p.pointCount) / (whole / 1000.0);
    state.counters["heap_peak_MB"] = static_cast<double>(heapPeak) / 1e6;
    state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_TableStreamedYearOfMinutes)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The whole table as the window makes it: the rows of 1000 rows with every
// column on two threads, kept, its window text, then the clipboard's and the
// file's texts from the same rows.
std::size_t WholeTable() {
    tarvel::TableRowStore store;
    tarvel::TableRunControl control;
    control.threadCount = 2;
    std::size_t bytes = 0;
    std::string window;
    for (const tarvel::TableTarget target :
         {tarvel::TableTarget::Window, tarvel::TableTarget::Clipboard, tarvel::TableTarget::File}) {
        tarvel::TableRunResult run =
            tarvel::RunTable(store, ThousandRows(), EveryColumn(), target, tarvel::TableLocale(),
                             tarvel::TableTexts(), control);
        bytes += run.text.size();
        if (target == tarvel::TableTarget::Window) window = std::move(run.text);
    }
    return bytes;
}

// kB of a field of /proc/self/status ("VmRSS:", "VmHWM:"), or -1.
long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    }
    return -1;
}

// The growth of the resident set while a child process makes the whole
// table: its high-water mark after the table less its resident set before
// (the child starts from this process's pages, and its high-water mark from
// them). Bytes, or -1 when it could not be measured.
double ResidentGrowthBytes() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        close(pipeEnds[0]);
        const long before = StatusKilobytes("VmRSS:");
        benchmark::DoNotOptimize(WholeTable());
        const long after = StatusKilobytes("VmHWM:");
        const long growth = before < 0 || after < 0 ? -1 : after - before;
        const ssize_t written = write(pipeEnds[1], &growth, sizeof growth);
        _exit(written == sizeof growth ? 0 : 1);
    }
    close(pipeEnds[1]);
    long growth = -1;
    if (read(pipeEnds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return growth < 0 ? -1.0 : growth * 1024.0;
}

// Peak memory of the whole table: the most bytes allocated at once above what
// was allocated before it began (every row, the kept rows and the three
// texts), and the growth of the resident set (threads' stacks included) in a
// child process making the same table. Both must stay under 10 MB.
void BM_Table1000RowsPeakMemory(benchmark::State& state) {
    std::int64_t heapPeak = 0;
    std::size_t textBytes = 0;
    for (auto _ : state) {
        const std::int64_t before = liveBytes.load();
        peakBytes.store(before);
        textBytes = WholeTable();
        heapPeak = peakBytes.load() - before;
    }
    const double resident = ResidentGrowthBytes();
    state.counters["heap_peak_MB"] = static_cast<double>(heapPeak) / 1e6;
    state.counters["resident_growth_MB"] = resident < 0 ? -1.0 : resident / 1e6;
    state.counters["text_MB"] = static_cast<double>(textBytes) / 1e6;
    state.counters["under_10_MB"] =
        heapPeak < 10'000'000 && resident >= 0 && resident < 10e6 ? 1 : 0;
}
BENCHMARK(BM_Table1000RowsPeakMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

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
